#include "tools/QX_SE_SelImg.h"

#include <stdexcept>

#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "graphics/BmpDecoder.h"

namespace {

const QSize ClientSize(498, 374);
const QSize ScrollBoxSize(497, 337);
const QString BitmapFilter = QStringLiteral("Bitmap (*.bmp)");

std::runtime_error Error(const QString& text) {
    return std::runtime_error(text.toStdString());
}

} // namespace

QString BitmapFileName(const QString& fileName) {
    const qsizetype nameStart = fileName.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot >= nameStart ? fileName.left(dot) : fileName;
    return stem + QStringLiteral(".bmp");
}

TOpenImgForm::TOpenImgForm(IEditorDialogs& dialogs, QWidget* parent)
    : QDialog(parent), FDialogs(dialogs) {
    setObjectName(QStringLiteral("OpenImgForm"));
    setWindowTitle(QStringLiteral("Select Image"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFixedSize(ScrollBoxSize);
    ScrollBox1->setWidgetResizable(false);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);
    column->addWidget(ScrollBox1, 0, Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->addStretch(1);
    Button2 = new QPushButton(QStringLiteral("Сохранить"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button1 = new QPushButton(QStringLiteral("Открыть"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    column->addLayout(buttons);
    column->addStretch(1);

    connect(Button1, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button2Click(); }); });
}

void TOpenImgForm::SetBitmap(const QImage& bitmap) {
    FBitmap = bitmap;
    Image1->setPixmap(QPixmap::fromImage(bitmap));
    Image1->resize(bitmap.size());
}

void TOpenImgForm::LoadBitmap(const QString& fileName) {
    // The new sheet is taken exactly as the file holds it: never converted
    // to the layout of the one it replaces, whose 8 or 1 bits per pixel
    // would dither or blacken it.
    SetBitmap(ReadBmpFile(fileName).Image);
}

void TOpenImgForm::SaveBitmap(const QString& fileName) const {
    // Written aside and renamed over the old file only when complete, so a
    // failed save leaves the user's file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    QImageWriter writer(&file, "bmp");
    if (!writer.write(FBitmap)) {
        file.cancelWriting();
        throw Error(QStringLiteral("Cannot write \"%1\". %2").arg(fileName, writer.errorString()));
    }
    if (!file.commit())
        throw Error(QStringLiteral("Cannot write \"%1\". %2").arg(fileName, file.errorString()));
}

void TOpenImgForm::Button1Click() {
    const QString fileName = FDialogs.OpenFileName(this, QString(), BitmapFilter);
    if (!fileName.isEmpty())
        LoadBitmap(fileName);
}

void TOpenImgForm::Button2Click() {
    const QString fileName =
        FDialogs.SaveFileName(this, QString(), BitmapFilter, QString(), QStringLiteral("bmp"));
    if (!fileName.isEmpty())
        SaveBitmap(BitmapFileName(fileName));
}

void ShowImagePicker(QImage& bitmap, QWidget* parent, IEditorDialogs* dialogs) {
    QtEditorDialogs standard;
    // Parented only to be centred on the window that asks and to stay above it.
    TOpenImgForm form(dialogs ? *dialogs : standard, parent);
    form.SetBitmap(bitmap);
    form.exec();
    bitmap = form.Bitmap();
}
