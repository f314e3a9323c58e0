#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A plain panel of a preview: a container that is no skin element (the
// playlist dock under the main window's face). It fills itself with one
// colour and shows its caption in the middle of the room that its top- and
// bottom-aligned children leave free, so the user sees what the area stands
// for. The caption has a fixed face and pixel size: the panel must look the
// same in the editor and in a preview rendered without the editor's fonts.
class TPlainPanel : public QWidget {
    Q_OBJECT

public:
    explicit TPlainPanel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);

    // A picture of what the area holds (the test mode's sample playlist),
    // shown over the free area instead of the caption; null for none.
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& picture);

    // The part of the panel that no visible top- or bottom-aligned child
    // covers.
    QRect FreeArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
    QColor FColor = Qt::black;
    QImage FPicture;
};
