#include "editor/EditorDialogs.h"

#include <algorithm>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include "compiler/PackageFile.h"
#include "tools/QX_SE_SelImg.h"
#include "tools/SPImageEditor.h"

bool IEditorDialogs::SelectRect(QWidget*, const QImage&, TRect&, bool) {
    return false;
}

void IEditorDialogs::ShowImagePicker(QWidget*, QImage&) {}

TSaveChanges IEditorDialogs::AskSaveChanges(QWidget*) {
    return TSaveChanges::Discard;
}

QString QtEditorDialogs::OpenFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtEditorDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                      const QString& filter, const QString& suggested,
                                      const QString& extension) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt would ask about the name as typed, which is not always the file
    // written: the question is asked below about the real one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!suggested.isEmpty()) {
        const QFileInfo start(suggested);
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().constFirst();
        const QString written = extension.isEmpty() ? chosen : WithExtension(chosen, extension);
        if (!QFileInfo::exists(written) ||
            QMessageBox::question(&dialog, caption,
                                  QStringLiteral("Файл \"%1\" уже существует.\nЗаменить его?")
                                      .arg(QDir::toNativeSeparators(written))) == QMessageBox::Yes)
            return written;
    }
    return QString();
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
        const int pixels =
            chosen.pixelSize() > 0 ? chosen.pixelSize() : qRound(chosen.pointSizeF() * 96.0 / 72.0);
        font.Height = -std::max(pixels, 1);
    }
    // A style the dialog cannot show (bold of a face it lists without a bold
    // style) is shown as missing; only a style the user switched changes.
    const auto keepOrTake = [&](TFontStyles flag, bool before, bool after) {
        if (before != after)
            font.Style = after ? (font.Style | flag) : (font.Style & ~flag);
    };
    keepOrTake(fsItalic, shown.italic(), chosen.italic());
    keepOrTake(fsBold, shown.bold(), chosen.bold());
    keepOrTake(fsUnderline, shown.underline(), chosen.underline());
    keepOrTake(fsStrikeOut, shown.strikeOut(), chosen.strikeOut());
    return font;
}

std::optional<TFont> QtEditorDialogs::Font(QWidget* parent, const TFont& initial) {
    QFontDialog dialog(initial.ToQFont(), parent);
    // The colour button lives in Qt's own dialog only.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    const QFont shown = dialog.currentFont();
    TColor color = initial.Color;
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* colorButton =
            buttons->addButton(QStringLiteral("Цвет..."), QDialogButtonBox::ActionRole);
        colorButton->setObjectName(QStringLiteral("FontColorButton"));
        const auto showColor = [colorButton, &color] {
            QPixmap swatch(16, 16);
            swatch.fill(ColorToQColor(color));
            colorButton->setIcon(swatch);
        };
        showColor();
        QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&, showColor] {
            if (const auto chosen = Color(&dialog, ColorToQColor(color))) {
                color = RgbToColor(chosen->rgb());
                showColor();
            }
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    TFont font = FontFromDialog(initial, shown, dialog.selectedFont());
    font.Color = color;
    return font;
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

TSaveChanges QtEditorDialogs::AskSaveChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("VESK Classic Skin Editor"),
                    QStringLiteral("Сохранить изменения в обложке?"), QMessageBox::NoButton,
                    parent);
    QPushButton* save = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* discard = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return TSaveChanges::Save;
    if (box.clickedButton() == discard)
        return TSaveChanges::Discard;
    return TSaveChanges::Cancel;
}
