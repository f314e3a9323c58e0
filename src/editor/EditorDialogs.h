#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

#include "graphics/VESKFont.h"

class QImage;
class QWidget;
struct TRect;

// The answers to "Сохранить изменения в обложке?".
enum class TSaveChanges { Save, Discard, Cancel };

// Every question the editor asks the user goes through this interface, so
// tests can answer without a modal loop. An empty optional or string means
// the user cancelled.
class IEditorDialogs {
public:
    virtual ~IEditorDialogs() = default;

    virtual QString OpenFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    // suggested: the file the question starts at (its folder shown, its
    // name filled in), empty for none. extension: the caller writes the
    // answer with its extension replaced by this one, so a question about
    // replacing a file is about that file.
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suggested, const QString& extension) = 0;
    virtual std::optional<QColor> Color(QWidget* parent, const QColor& initial) = 0;
    // Skin fonts carry a colour and a signed pixel height the standard
    // dialog knows nothing of; the colour is chosen with the font, and
    // whatever the user leaves alone comes back as it was given.
    virtual std::optional<TFont> Font(QWidget* parent, const TFont& initial) = 0;
    virtual std::optional<QString> Text(QWidget* parent, const QString& caption,
                                        const QString& prompt, const QString& initial) = 0;
    virtual void Information(QWidget* parent, const QString& caption, const QString& text) = 0;

    // The modal editing tools. rect and bitmap come back as the tool leaves
    // them; SelectRect answers whether the user confirmed. The defaults leave
    // both untouched, so an answerer that does not care need not override.
    virtual bool SelectRect(QWidget* parent, const QImage& image, TRect& rect, bool sizeLocked);
    virtual void ShowImagePicker(QWidget* parent, QImage& bitmap);

    // Asked before unsaved changes would be lost. An answerer that does not
    // ask lets them go, as the windows without a user do.
    virtual TSaveChanges AskSaveChanges(QWidget* parent);
};

// The skin font a font dialog's answer stands for: shown is what the dialog
// offered for initial, chosen what the user confirmed.
TFont FontFromDialog(const TFont& initial, const QFont& shown, const QFont& chosen);

// The real dialogs: Qt's standard ones.
class QtEditorDialogs : public IEditorDialogs {
public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& suggested, const QString& extension) override;
    std::optional<QColor> Color(QWidget* parent, const QColor& initial) override;
    std::optional<TFont> Font(QWidget* parent, const TFont& initial) override;
    std::optional<QString> Text(QWidget* parent, const QString& caption, const QString& prompt,
                                const QString& initial) override;
    void Information(QWidget* parent, const QString& caption, const QString& text) override;
    bool SelectRect(QWidget* parent, const QImage& image, TRect& rect, bool sizeLocked) override;
    void ShowImagePicker(QWidget* parent, QImage& bitmap) override;
    TSaveChanges AskSaveChanges(QWidget* parent) override;
};
