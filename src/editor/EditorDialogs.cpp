#include "editor/EditorDialogs.h"

#include <algorithm>

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "tools/QX_SE_SelImg.h"
#include "tools/SPImageEditor.h"

bool IEditorDialogs::SelectRect(QWidget*, const QImage&, TRect&, bool) {
    return false;
}

void IEditorDialogs::ShowImagePicker(QWidget*, QImage&) {}

QString QtEditorDialogs::OpenFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtEditorDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                      const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtEditorDialogs::Color(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

TFont FontFromDialog(const TFont& initial, const QFont& shown, const QFont& chosen) {
    TFont font = initial;
    // A face this machine lacks is shown as its fallback; only a face the
    // user picked replaces the skin's own name, so a size or style change
    // never renames a font the player has.
    if (chosen.family() != shown.family())
        font.Name = chosen.family();
    // The dialog answers in points unless it was given pixels; skins count
    // pixels on a 96 dpi screen, negative meaning character height. An
    // untouched size keeps its exact height, free of the rounding through
    // points.
    if (chosen.pointSizeF() != shown.pointSizeF() || chosen.pixelSize() != shown.pixelSize()) {
        const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize()
                                                  : qRound(chosen.pointSizeF() * 96.0 / 72.0);
        font.Height = -std::max(pixels, 1);
    }
    font.Style = (chosen.italic() ? TFontStyles(fsItalic) : 0) |
                 (chosen.bold() ? TFontStyles(fsBold) : 0) |
                 (chosen.underline() ? TFontStyles(fsUnderline) : 0) |
                 (chosen.strikeOut() ? TFontStyles(fsStrikeOut) : 0);
    return font;
}

std::optional<TFont> QtEditorDialogs::Font(QWidget* parent, const TFont& initial) {
    QFontDialog dialog(initial.ToQFont(), parent);
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontFromDialog(initial, shown, dialog.selectedFont());
}

std::optional<QString> QtEditorDialogs::Text(QWidget* parent, const QString& caption,
                                             const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtEditorDialogs::Information(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::information(parent, caption, text);
}

bool QtEditorDialogs::SelectRect(QWidget* parent, const QImage& image, TRect& rect,
                                 bool sizeLocked) {
    return ::SelectRect(image, rect, sizeLocked, parent);
}

void QtEditorDialogs::ShowImagePicker(QWidget* parent, QImage& bitmap) {
    ::ShowImagePicker(bitmap, parent, this);
}
