#pragma once

#include <QDialog>
#include <QImage>

class IEditorDialogs;
class QLabel;
class QPushButton;
class QScrollArea;

// The small window in which one of a skin's texture sheets is shown at full
// size and replaced by a bitmap file or written out to one. Closing it is the
// only way out; the caller takes whatever bitmap it holds then.
class TOpenImgForm : public QDialog {
    Q_OBJECT

public:
    explicit TOpenImgForm(IEditorDialogs& dialogs, QWidget* parent = nullptr);

    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& bitmap);

    // Both throw std::runtime_error (a bitmap that cannot be read as
    // EBadBitmap, naming the file and the reason); the window keeps its
    // bitmap then.
    void LoadBitmap(const QString& fileName);
    void SaveBitmap(const QString& fileName) const;

private:
    void Button1Click();
    void Button2Click();

    IEditorDialogs& FDialogs;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QImage FBitmap;
};

// The name a bitmap is saved under: the extension replaced by ".bmp", or
// ".bmp" appended when the name has none.
QString BitmapFileName(const QString& fileName);

// Shows bitmap in the window modally and hands back what the window holds
// when it is closed. Without dialogs, Qt's standard file dialogs ask.
void ShowImagePicker(QImage& bitmap, QWidget* parent = nullptr, IEditorDialogs* dialogs = nullptr);
