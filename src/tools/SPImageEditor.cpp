#include "tools/SPImageEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <utility>

#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "editor/ErrorBox.h"
#include "tools/SheetView.h"
#include "tools/spLoupe.h"

namespace {

constexpr int TopPanelHeight = 96;
constexpr int MinZoom = 2;
constexpr int MaxZoom = 10;

// Lives as long as the program, like the user's habit of a zoom level.
int GRememberedZoom = MinZoom;
int GRememberedSheetZoom = TSheetView::MinZoom;

int Distance(int a, int b) {
    return int(std::min<qint64>(std::llabs(qint64(b) - a), std::numeric_limits<int>::max()));
}

template <class Widget> Widget* Named(const QString& name, QWidget* parent = nullptr) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QSpinBox* CornerEdit(const QString& name) {
    auto* edit = Named<QSpinBox>(name);
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setValue(0);
    return edit;
}

QToolButton* SpeedButton(const QString& name, const QString& caption) {
    auto* button = Named<QToolButton>(name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TRect NormalizeRect(const TRect& rect) {
    TRect result = rect;
    if (result.Left > result.Right)
        std::swap(result.Left, result.Right);
    if (result.Top > result.Bottom)
        std::swap(result.Top, result.Bottom);
    return result;
}

bool SelectRect(const QImage& image, TRect& rect, bool sizeLocked, QWidget* parent) {
    if (image.isNull())
        return false;
    TRectSelecter dialog(parent);
    dialog.Prepare(image, rect, sizeLocked);
    const bool done = dialog.exec() == QDialog::Accepted;
    rect = NormalizeRect(dialog.Result());
    return done;
}

TRectSelecter::TRectSelecter(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RectSelecter"));
    setWindowTitle(QStringLiteral("VESK Skin Editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    BuildLayout();

    spLoupe1->SetZoomLevel(GRememberedZoom);
    ZoomEdit->setValue(GRememberedZoom);
    connect(ZoomEdit, &QSpinBox::valueChanged, this,
            [this](int zoom) { Guarded(this, [this, zoom] { ZoomEditChange(zoom); }); });

    for (QSpinBox* edit : {X1Edit, Y1Edit, X2Edit, Y2Edit}) {
        connect(edit, &QSpinBox::valueChanged, this,
                [this] { Guarded(this, [this] { EditChange(); }); });
        // Also while the dialog writes them itself: the read-out follows a drag.
        connect(edit, &QSpinBox::valueChanged, this, [this] { SizeEditChange(); });
    }
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton2Click(); }); });
    connect(OKBtn, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { OKBtnClick(); }); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { BitBtn2Click(); }); });

    // Window shortcuts, so they work whichever control has the focus.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this] { Guarded(this, [this] { OKBtnClick(); }); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { Guarded(this, [this] { BitBtn2Click(); }); });
}

TRectSelecter::~TRectSelecter() = default;

void TRectSelecter::BuildLayout() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* topPanel = Named<QFrame>(QStringLiteral("Panel1"));
    topPanel->setFixedHeight(TopPanelHeight);
    auto* topRow = new QHBoxLayout(topPanel);
    topRow->setContentsMargins(4, 4, 4, 4);
    auto* controls = new QGridLayout;
    topRow->addLayout(controls);

    LBX = Named<QLabel>(QStringLiteral("LBX"));
    LBX->setText(QStringLiteral("X:"));
    LbY = Named<QLabel>(QStringLiteral("LbY"));
    LbY->setText(QStringLiteral("Y:"));
    // Wide enough for five digits, so the row does not jump as the mouse moves.
    LBX->setMinimumWidth(LBX->fontMetrics().horizontalAdvance(QStringLiteral("X: 00000")));
    LbY->setMinimumWidth(LbY->fontMetrics().horizontalAdvance(QStringLiteral("Y: 00000")));
    auto* zoomLabel = Named<QLabel>(QStringLiteral("Label1"));
    zoomLabel->setText(QStringLiteral("Увеличение"));
    ZoomEdit = Named<QSpinBox>(QStringLiteral("ZoomEdit"));
    ZoomEdit->setRange(MinZoom, MaxZoom);
    zoomLabel->setBuddy(ZoomEdit);
    controls->addWidget(LBX, 0, 0);
    controls->addWidget(LbY, 0, 1);
    controls->addWidget(zoomLabel, 0, 2, Qt::AlignRight);
    controls->addWidget(ZoomEdit, 0, 3);
    SheetZoomLabel = Named<QLabel>(QStringLiteral("SheetZoomLabel"));
    SheetZoomLabel->setToolTip(
        QStringLiteral("Масштаб листа: Ctrl+колесо мыши или клавиши + и −.\n"
                       "Двойной щелчок выделяет спрайт, края прилипают к границам "
                       "прозрачного цвета (Shift — без прилипания).\n"
                       "Стрелки двигают прямоугольник, Shift+стрелки меняют его размер."));
    controls->addWidget(SheetZoomLabel, 0, 4);

    auto* group = Named<QFrame>(QStringLiteral("Panel2"));
    group->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* groupRow = new QHBoxLayout(group);
    groupRow->setContentsMargins(4, 4, 4, 4);
    SpeedButton1 = SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Обновить"));
    SpeedButton2 = SpeedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Очистить"));
    X1Edit = CornerEdit(QStringLiteral("X1Edit"));
    Y1Edit = CornerEdit(QStringLiteral("Y1Edit"));
    X2Edit = CornerEdit(QStringLiteral("X2Edit"));
    Y2Edit = CornerEdit(QStringLiteral("Y2Edit"));
    SizeLabel = Named<QLabel>(QStringLiteral("SizeLabel"));
    SizeLabel->setMinimumWidth(
        SizeLabel->fontMetrics().horizontalAdvance(QStringLiteral("00000 × 00000")));
    for (QWidget* widget : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, X1Edit,
                                                           Y1Edit, X2Edit, Y2Edit, SizeLabel})
        groupRow->addWidget(widget);
    controls->addWidget(group, 1, 0, 1, 5);

    spLoupe1 = Named<TspLoupe>(QStringLiteral("spLoupe1"));
    spLoupe1->setMinimumSize(40, 40);
    spLoupe1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    topRow->addWidget(spLoupe1, 1);
    column->addWidget(topPanel);

    ScrollBox = Named<QScrollArea>(QStringLiteral("ScrollBox1"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    PBox = Named<TSheetView>(QStringLiteral("PBox"));
    PBox->setMouseTracking(true);
    // Arrows, + and - work on the sheet once it is clicked.
    PBox->setFocusPolicy(Qt::StrongFocus);
    // The dialog draws its own cross-hair there.
    PBox->setCursor(Qt::BlankCursor);
    PBox->resize(0, 0);
    PBox->installEventFilter(this);
    ScrollBox->setWidget(PBox);
    column->addWidget(ScrollBox, 1);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setContentsMargins(8, 6, 8, 8);
    bottomRow->addStretch(1);
    OKBtn = Named<QPushButton>(QStringLiteral("OKBtn"));
    OKBtn->setText(QStringLiteral("Готово"));
    OKBtn->setToolTip(QStringLiteral("Применить (Ctrl+Enter)"));
    OKBtn->setDefault(true);
    BitBtn2 = Named<QPushButton>(QStringLiteral("BitBtn2"));
    BitBtn2->setText(QStringLiteral("Отмена"));
    BitBtn2->setToolTip(QStringLiteral("Отмена (ESC)"));
    bottomRow->addWidget(OKBtn);
    bottomRow->addWidget(BitBtn2);
    column->addLayout(bottomRow);
}

int TRectSelecter::RememberedZoom() {
    return GRememberedZoom;
}

void TRectSelecter::Prepare(const QImage& image, const TRect& rect, bool sizeLocked) {
    FSizeLocked = sizeLocked;
    X2Edit->setEnabled(!sizeLocked);
    Y2Edit->setEnabled(!sizeLocked);
    SpeedButton2->setEnabled(!sizeLocked);

    PBox->SetImage(image);
    SetSheetZoom(GRememberedSheetZoom);

    FUpdating = true;
    X1Edit->setValue(rect.Left);
    Y1Edit->setValue(rect.Top);
    X2Edit->setValue(rect.Right);
    Y2Edit->setValue(rect.Bottom);
    FLockedWidth = Distance(X1Edit->value(), X2Edit->value());
    FLockedHeight = Distance(Y1Edit->value(), Y2Edit->value());
    FUpdating = false;

    FCurrent = rect;
    FResult = rect;
    Repaint();
}

TRect TRectSelecter::EditsRect() const {
    return {X1Edit->value(), Y1Edit->value(), X2Edit->value(), Y2Edit->value()};
}

// ------------------------------------------------------------------ marks

void TRectSelecter::InvertRubberBand(const TRect& rect) {
    PBox->ToggleBand(rect);
}

void TRectSelecter::InvertCrossHair(const QPoint& at) {
    PBox->ToggleCross(at);
}

void TRectSelecter::MoveBand(const TRect& rect) {
    InvertRubberBand(FCurrent);
    FCurrent = rect;
    InvertRubberBand(FCurrent);
    ShowHandles();
}

void TRectSelecter::ShowHandles() {
    // A locked size has nothing to resize.
    PBox->SetHandles(FSizeLocked ? std::nullopt : std::optional<TRect>(FCurrent));
}

void TRectSelecter::Repaint() {
    PBox->SetZoom(PBox->Zoom());
    PBox->ClearMarks();
    InvertRubberBand(FCurrent);
    ShowHandles();
    FLastPos.reset();
    PBox->update();
}

// ------------------------------------------------------------------ mouse

void TRectSelecter::PBoxMouseDown(const QPoint& at, Qt::KeyboardModifiers keys) {
    FDragging = true;
    FUpdating = true;
    if (FLastPos) {
        InvertCrossHair(*FLastPos);
        FLastPos.reset();
    }
    if (const int edges = HandleAt(at)) {
        StartResize(edges, at);
        return;
    }
    const QPoint corner = SnappedCorner(at, PBox->ToSheet(at), keys);
    const int x = corner.x(), y = corner.y();
    FAnchor = corner;
    X1Edit->setValue(x);
    Y1Edit->setValue(y);
    const int x2 = FSizeLocked ? SaturatedAdd(x, FLockedWidth) : x;
    const int y2 = FSizeLocked ? SaturatedAdd(y, FLockedHeight) : y;
    X2Edit->setValue(x2);
    Y2Edit->setValue(y2);
    // Shown at once, so that the next move removes a band that is there.
    MoveBand({x, y, x2, y2});
}

void TRectSelecter::PBoxMouseMove(const QPoint& at, Qt::KeyboardModifiers keys) {
    FZoomPoint.reset();
    const QPoint pixel = PBox->ToSheet(at);
    LBX->setText(QStringLiteral("X: %1").arg(pixel.x()));
    LbY->setText(QStringLiteral("Y: %1").arg(pixel.y()));
    if (!FDragging) {
        if (FLastPos)
            InvertCrossHair(*FLastPos);
        InvertCrossHair(pixel);
        FLastPos = pixel;
        ShowCursorFor(at);
        return;
    }
    if (FResizeEdges) {
        ResizeTo(at, keys);
    } else if (FSizeLocked) {
        MoveLockedTo(at, keys);
    } else {
        const QPoint corner = SnappedCorner(at, FAnchor, keys);
        SetSecondCorner(corner.x(), corner.y());
        MoveBand({FCurrent.Left, FCurrent.Top, corner.x(), corner.y()});
    }
}

void TRectSelecter::SetSecondCorner(int x, int y) {
    X2Edit->setValue(x);
    Y2Edit->setValue(y);
}

void TRectSelecter::PBoxMouseUp() {
    FDragging = false;
    FResizeEdges = 0;
    FUpdating = false;
    Update();
}

// ------------------------------------------------------------------ commands

void TRectSelecter::SizeEditChange() {
    SizeLabel->setText(QStringLiteral("%1 × %2")
                           .arg(Distance(X1Edit->value(), X2Edit->value()))
                           .arg(Distance(Y1Edit->value(), Y2Edit->value())));
}

void TRectSelecter::EditChange() {
    if (!FUpdating)
        Update();
}

void TRectSelecter::Update() {
    FUpdating = true;
    if (FSizeLocked) {
        X2Edit->setValue(SaturatedAdd(X1Edit->value(), FLockedWidth));
        Y2Edit->setValue(SaturatedAdd(Y1Edit->value(), FLockedHeight));
    }
    FCurrent = EditsRect();
    Repaint();
    FUpdating = false;
}

void TRectSelecter::SpeedButton1Click() {
    Update();
}

void TRectSelecter::SpeedButton2Click() {
    for (QSpinBox* edit : {X1Edit, Y1Edit, X2Edit, Y2Edit})
        edit->setValue(0);
}

void TRectSelecter::OKBtnClick() {
    FResult = EditsRect();
    accept();
}

void TRectSelecter::BitBtn2Click() {
    reject();
}

void TRectSelecter::ZoomEditChange(int zoom) {
    spLoupe1->SetZoomLevel(zoom);
    GRememberedZoom = zoom;
}

// ------------------------------------------------------------------ sheet zoom

int TRectSelecter::SheetZoom() const {
    return PBox->Zoom();
}

void TRectSelecter::SetSheetZoom(int zoom) {
    SetSheetZoom(zoom, ScrollBox->viewport()->rect().center());
}

void TRectSelecter::SetSheetZoom(int zoom, const QPoint& anchor) {
    zoom = std::clamp(zoom, TSheetView::MinZoom, TSheetView::MaxZoom);
    GRememberedSheetZoom = zoom;
    SheetZoomLabel->setText(QStringLiteral("Лист: %1×").arg(zoom));
    QScrollBar* across = ScrollBox->horizontalScrollBar();
    QScrollBar* down = ScrollBox->verticalScrollBar();
    // The point under the anchor in fractions of a sheet pixel; rounded
    // down after the zoom it stays inside the same sheet pixel. While the
    // sheet is smaller than the view it cannot scroll there, so steps in a
    // row without a move of the mouse keep aiming at the first step's point.
    const QPoint scrolled(across->value(), down->value());
    if (!FZoomPoint || FZoomAnchor != anchor || FZoomScrolled != scrolled)
        FZoomPoint = QPointF(double(scrolled.x() + anchor.x()) / PBox->Zoom(),
                             double(scrolled.y() + anchor.y()) / PBox->Zoom());
    PBox->SetZoom(zoom);
    across->setValue(int(std::floor(FZoomPoint->x() * zoom)) - anchor.x());
    down->setValue(int(std::floor(FZoomPoint->y() * zoom)) - anchor.y());
    FZoomAnchor = anchor;
    FZoomScrolled = QPoint(across->value(), down->value());
    Repaint();
    const QPoint mouse = PBox->mapFromGlobal(QCursor::pos());
    if (!FDragging && PBox->underMouse() && PBox->rect().contains(mouse)) {
        FLastPos = PBox->ToSheet(mouse);
        InvertCrossHair(*FLastPos);
    }
}

void TRectSelecter::ZoomStep(int steps, const QPoint& anchor) {
    static constexpr int Steps[] = {1, 2, 3, 4, 6, 8, 12, 16};
    const int* at = std::lower_bound(std::begin(Steps), std::end(Steps), PBox->Zoom());
    const auto index =
        std::clamp<std::ptrdiff_t>(at - std::begin(Steps) + steps, 0, std::size(Steps) - 1);
    SetSheetZoom(Steps[index], anchor);
}

QPoint TRectSelecter::KeyZoomAnchor() const {
    const QWidget* viewport = ScrollBox->viewport();
    const QPoint mouse = viewport->mapFromGlobal(QCursor::pos());
    return viewport->rect().contains(mouse) ? mouse : viewport->rect().center();
}

bool TRectSelecter::PBoxWheel(const QWheelEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    // Fine-grained wheels send fractions of a notch; a step per whole notch.
    FWheelAngle += event.angleDelta().y();
    const int steps = FWheelAngle / QWheelEvent::DefaultDeltasPerStep;
    FWheelAngle %= QWheelEvent::DefaultDeltasPerStep;
    if (steps)
        ZoomStep(steps, PBox->mapTo(ScrollBox->viewport(), event.position().toPoint()));
    return true;
}

// ------------------------------------------------------------------ events

void TRectSelecter::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FLastPos.reset();
    spLoupe1->SetActive(true);
    PBox->setFocus();
    // Once the layout has sized the scroll box: an enlarged sheet opens on
    // the rectangle being edited, not on its top left corner.
    QTimer::singleShot(0, this, [this] {
        const QRect shown = PBox->ScreenRect(FCurrent);
        ScrollBox->ensureVisible(shown.center().x(), shown.center().y(), shown.width() / 2 + 20,
                                 shown.height() / 2 + 20);
    });
}

void TRectSelecter::hideEvent(QHideEvent* event) {
    spLoupe1->SetActive(false);
    QDialog::hideEvent(event);
}

void TRectSelecter::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Guarded(this, [this] { Repaint(); });
}

bool TRectSelecter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != PBox)
        return QDialog::eventFilter(watched, event);
    bool handled = true;
    Guarded(this, [&] {
        // Read as a mouse event only once the type says it is one: the filter
        // also sees the sheet's parent, show and key events.
        const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            PBoxMouseDown(mouse()->position().toPoint(), mouse()->modifiers());
            break;
        // The second press of a double click is a press all the same, and
        // then picks the sprite under it.
        case QEvent::MouseButtonDblClick:
            PBoxDblClick(mouse()->position().toPoint(), mouse()->modifiers());
            break;
        case QEvent::MouseMove:
            PBoxMouseMove(mouse()->position().toPoint(), mouse()->modifiers());
            break;
        case QEvent::MouseButtonRelease:
            PBoxMouseUp();
            break;
        case QEvent::KeyPress:
            handled = PBoxKeyDown(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::Wheel:
            handled = PBoxWheel(*static_cast<QWheelEvent*>(event));
            break;
        default:
            handled = false;
        }
    });
    return handled;
}
