#pragma once

#include <QWidget>

class QPainter;

// A plain drawing surface whose owner paints it: the window connects a
// handler to OnPaint instead of deriving a class per picture.
class TPaintBox : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void OnPaint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
};
