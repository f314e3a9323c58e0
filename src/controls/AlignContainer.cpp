#include "controls/AlignContainer.h"

#include <QChildEvent>
#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QWidget>

#include "controls/AlignLayout.h"

TAlignContainer::TAlignContainer(QWidget* container) : QObject(container), FContainer(container) {}

TAlignContainer* TAlignContainer::Install(QWidget* container) {
    if (!container)
        return nullptr;
    if (TAlignContainer* existing = Of(container))
        return existing;
    auto* helper = new TAlignContainer(container);
    container->installEventFilter(helper);
    for (QObject* child : container->children())
        helper->Watch(child);
    helper->Realign();
    return helper;
}

TAlignContainer* TAlignContainer::Of(const QWidget* container) {
    return container ? container->findChild<TAlignContainer*>(QString(), Qt::FindDirectChildrenOnly)
                     : nullptr;
}

void TAlignContainer::Realign(QWidget* trigger) {
    AlignControls(FContainer, trigger);
}

void TAlignContainer::Watch(QObject* child) {
    if (child && child != this && child->isWidgetType())
        child->installEventFilter(this);
}

bool TAlignContainer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FContainer)
        ContainerEvent(event);
    else if (watched->isWidgetType())
        ChildEvent(static_cast<QWidget*>(watched), event);
    return false;
}

void TAlignContainer::ContainerEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        Realign();
        break;
    case QEvent::ChildAdded: {
        // A new widget is still under construction here and has no
        // alignment yet; a re-parented one may bring one along.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        Watch(child);
        if (child->isWidgetType() && AlignOf(static_cast<QWidget*>(child)) != TAlign::None)
            Realign(static_cast<QWidget*>(child));
        break;
    }
    case QEvent::ChildRemoved:
        // The child may be half destroyed: nothing of it is read.
        Realign();
        break;
    default:
        break;
    }
}

void TAlignContainer::ChildEvent(QWidget* child, QEvent* event) {
    if (child->parentWidget() != FContainer) {
        if (event->type() == QEvent::ParentChange)
            ChildLeft(child);
        return;
    }
    const bool aligned = AlignOf(child) != TAlign::None;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        // A child on screen hears of a change at once, so it is the one
        // that changed. Off screen the events were held back until it is
        // shown or rendered and say nothing about who changed last.
        if (aligned)
            Realign(child->isVisible() ? child : nullptr);
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (aligned)
            Realign(child);
        break;
    case QEvent::DynamicPropertyChange:
        if (static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kAlignProperty)
            Realign(child);
        break;
    default:
        break;
    }
}

void TAlignContainer::ChildLeft(QWidget* child) {
    child->removeEventFilter(this);
    QWidget* container = child->parentWidget();
    if (container && AlignOf(child) != TAlign::None)
        Install(container)->Realign(child);
    Realign();
}
