#pragma once

#include <QObject>

class QWidget;

// Keeps the classic alignment of a container's children (AlignLayout.h) up
// to date: it watches the container and its children and lays them out again
// when the container is resized, when an aligned child moves, is resized,
// shown or hidden, changes its alignment, arrives or leaves.
//
// It lives as a QObject child of its container, never a widget, so code that
// walks a container's child controls must take the widgets only.
class TAlignContainer : public QObject {
    Q_OBJECT

public:
    // Installs the helper once per container and lays the container out.
    static TAlignContainer* Install(QWidget* container);
    static TAlignContainer* Of(const QWidget* container);

    QWidget* Container() const { return FContainer; }
    void Realign(QWidget* trigger = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TAlignContainer(QWidget* container);
    void Watch(QObject* child);
    void ContainerEvent(QEvent* event);
    void ChildEvent(QWidget* child, QEvent* event);
    void ChildLeft(QWidget* child);

    QWidget* FContainer;
};
