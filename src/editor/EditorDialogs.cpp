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

std::optional<TFont> QtEditorDialogs::Font(QWidget* parent, const TFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial.ToQFont(), parent);
    if (!ok)
        return std::nullopt;
    TFont chosen = initial;
    chosen.Name = font.family();
    // The dialog answers in points unless it was given pixels; skins count
    // pixels on a 96 dpi screen, negative meaning character height.
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0);
    chosen.Height = -std::max(pixels, 1);
    chosen.Style = (font.italic() ? TFontStyles(fsItalic) : 0) |
                   (font.bold() ? TFontStyles(fsBold) : 0) |
                   (font.underline() ? TFontStyles(fsUnderline) : 0) |
                   (font.strikeOut() ? TFontStyles(fsStrikeOut) : 0);
    return chosen;
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
