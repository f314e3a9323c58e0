#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include "editor/EditorDialogs.h"
#include "graphics/VESKRect.h"

// Answers the editor's questions without a modal loop, as the test set them
// beforehand: anything left unset is the user cancelling. Remembers what
// each question was asked, so a test can see what the user was shown.
class TAnswerDialogs : public IEditorDialogs {
public:
    // The file questions take their answers from the lists first, one per
    // question, then keep giving the single answer.
    QStringList OpenAnswers;
    QString OpenAnswer;
    QStringList SaveAnswers;
    QString SaveAnswer;
    // Runs while the save question is open, as the save window's loop does.
    std::function<void()> WhileSaving;
    std::optional<QColor> ColorAnswer;
    std::optional<TFont> FontAnswer;
    std::optional<QString> TextAnswer;
    // The selector confirms only when this is set; otherwise the rectangle
    // is left as it was handed in.
    std::optional<TRect> RectAnswer;
    // The image picker leaves the bitmap alone when this is null.
    QImage Picture;
    // The answer to "Сохранить изменения в обложке?"; unlike the other
    // questions, unset lets the changes go, as an answerer that does not
    // ask does.
    TSaveChanges SaveChangesAnswer = TSaveChanges::Discard;
    int SaveChangesCalls = 0;

    // Open, save, colour, font, text and rectangle questions together.
    int Calls = 0;
    int OpenCalls = 0;
    int SaveCalls = 0;
    int PickerCalls = 0;
    int InformationCalls = 0;
    QString OpenFilter;
    QString SaveFilter;
    QString SaveSuggested;
    QString SaveExtension;
    QColor ColorAsked;
    TFont FontAsked;
    QString TextCaption, TextPrompt, TextInitial;
    TRect RectAsked;
    QImage ImageAsked;
    // Starts true, so a test that expects an unlocked selector sees a
    // selector that never opened.
    bool SizeLockedAsked = true;
    QString InformationCaption;
    QString InformationText;

    QString OpenFileName(QWidget*, const QString&, const QString& filter) override {
        ++Calls;
        ++OpenCalls;
        OpenFilter = filter;
        return OpenAnswers.isEmpty() ? OpenAnswer : OpenAnswers.takeFirst();
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString& suggested,
                         const QString& extension) override {
        ++Calls;
        ++SaveCalls;
        SaveFilter = filter;
        SaveSuggested = suggested;
        SaveExtension = extension;
        if (WhileSaving)
            WhileSaving();
        return SaveAnswers.isEmpty() ? SaveAnswer : SaveAnswers.takeFirst();
    }
    std::optional<QColor> Color(QWidget*, const QColor& initial) override {
        ++Calls;
        ColorAsked = initial;
        return ColorAnswer;
    }
    std::optional<TFont> Font(QWidget*, const TFont& initial) override {
        ++Calls;
        FontAsked = initial;
        return FontAnswer;
    }
    std::optional<QString> Text(QWidget*, const QString& caption, const QString& prompt,
                                const QString& initial) override {
        ++Calls;
        TextCaption = caption;
        TextPrompt = prompt;
        TextInitial = initial;
        return TextAnswer;
    }
    void Information(QWidget*, const QString& caption, const QString& text) override {
        ++InformationCalls;
        InformationCaption = caption;
        InformationText = text;
    }
    bool SelectRect(QWidget*, const QImage& image, TRect& rect, bool sizeLocked) override {
        ++Calls;
        RectAsked = rect;
        ImageAsked = image;
        SizeLockedAsked = sizeLocked;
        if (!RectAnswer)
            return false;
        rect = *RectAnswer;
        return true;
    }
    void ShowImagePicker(QWidget*, QImage& bitmap) override {
        ++PickerCalls;
        if (!Picture.isNull())
            bitmap = Picture;
    }
    TSaveChanges AskSaveChanges(QWidget*) override {
        ++SaveChangesCalls;
        return SaveChangesAnswer;
    }
};
