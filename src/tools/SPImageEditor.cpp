#include "tools/SPImageEditor.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ErrorBox.h"
#include "tools/spLoupe.h"

namespace {

constexpr int TopPanelHeight = 96;
constexpr int MinZoom = 2;
constexpr int MaxZoom = 10;

// Lives as long as the program, like the user's habit of a zoom level.
int GRememberedZoom = MinZoom;

int Saturate(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

int SaturatedAdd(int a, int b) {
    return Saturate(qint64(a) + b);
}

int Distance(int a, int b) {
    return Saturate(std::llabs(qint64(b) - a));
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

    for (QSpinBox* edit : {X1Edit, Y1Edit, X2Edit, Y2Edit})
        connect(edit, &QSpinBox::valueChanged, this,
                [this] { Guarded(this, [this] { EditChange(); }); });
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
    for (QWidget* widget : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, X1Edit,
                                                           Y1Edit, X2Edit, Y2Edit})
        groupRow->addWidget(widget);
    controls->addWidget(group, 1, 0, 1, 4);

    spLoupe1 = Named<TspLoupe>(QStringLiteral("spLoupe1"));
    spLoupe1->setMinimumSize(40, 40);
    spLoupe1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    topRow->addWidget(spLoupe1, 1);
    column->addWidget(topPanel);

    ScrollBox = Named<QScrollArea>(QStringLiteral("ScrollBox1"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    PBox = Named<QWidget>(QStringLiteral("PBox"));
    PBox->setAttribute(Qt::WA_OpaquePaintEvent);
    PBox->setMouseTracking(true);
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

    // Inverting pixels needs one known 32-bit layout, whatever the caller's.
    FImage = image.convertToFormat(QImage::Format_RGB32);
    PBox->resize(FImage.size());

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

void TRectSelecter::InvertDots(qint64 left, qint64 top, qint64 right, qint64 bottom) {
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, FCanvas.width() - 1);
    bottom = std::min<qint64>(bottom, FCanvas.height() - 1);
    if (left > right || top > bottom)
        return;
    for (qint64 y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(FCanvas.scanLine(int(y)));
        // Every other pixel on a checkerboard: a dotted line in any direction.
        for (qint64 x = left + ((left + y) & 1); x <= right; x += 2)
            line[x] ^= 0x00FFFFFF;
    }
    PBox->update(QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom))));
}

void TRectSelecter::InvertRubberBand(const TRect& rect) {
    const TRect r = NormalizeRect(rect);
    if (r.Left == r.Right || r.Top == r.Bottom)
        return;
    // Each outline pixel exactly once, or a corner would invert itself back.
    const qint64 left = r.Left, top = r.Top, right = qint64(r.Right) - 1,
                 bottom = qint64(r.Bottom) - 1;
    InvertDots(left, top, right, top);
    if (bottom > top)
        InvertDots(left, bottom, right, bottom);
    if (bottom - 1 >= top + 1) {
        InvertDots(left, top + 1, left, bottom - 1);
        if (right > left)
            InvertDots(right, top + 1, right, bottom - 1);
    }
}

void TRectSelecter::InvertCrossHair(const QPoint& at) {
    // Four arms towards the point; the pixel under the mouse stays as it is.
    const qint64 x = at.x(), y = at.y();
    InvertDots(0, y, x - 1, y);
    InvertDots(x + 1, y, FCanvas.width(), y);
    InvertDots(x, 0, x, y - 1);
    InvertDots(x, y + 1, x, FCanvas.height());
}

void TRectSelecter::Repaint() {
    PBox->resize(FImage.size());
    FCanvas = FImage;
    InvertRubberBand(FCurrent);
    FLastPos.reset();
    PBox->update();
}

void TRectSelecter::PBoxPaint(const QRect& area) {
    // Between repaints the picture lives in FCanvas, so an expose or a
    // scroll copies pixels and never loses or doubles a mark.
    QPainter painter(PBox);
    painter.drawImage(area, FCanvas, area);
}

// ------------------------------------------------------------------ mouse

void TRectSelecter::PBoxMouseDown(int x, int y) {
    FDragging = true;
    FUpdating = true;
    if (FLastPos) {
        InvertCrossHair(*FLastPos);
        FLastPos.reset();
    }
    X1Edit->setValue(x);
    Y1Edit->setValue(y);
    const int x2 = FSizeLocked ? SaturatedAdd(x, FLockedWidth) : x;
    const int y2 = FSizeLocked ? SaturatedAdd(y, FLockedHeight) : y;
    InvertRubberBand(FCurrent);
    X2Edit->setValue(x2);
    Y2Edit->setValue(y2);
    FCurrent = {x, y, x2, y2};
    // Shown at once, so that the next move removes a band that is there.
    InvertRubberBand(FCurrent);
}

void TRectSelecter::PBoxMouseMove(int x, int y) {
    LBX->setText(QStringLiteral("X: %1").arg(x));
    LbY->setText(QStringLiteral("Y: %1").arg(y));
    if (!FDragging) {
        if (FLastPos)
            InvertCrossHair(*FLastPos);
        InvertCrossHair({x, y});
        FLastPos = QPoint(x, y);
        return;
    }
    InvertRubberBand(FCurrent);
    if (FSizeLocked) {
        X1Edit->setValue(x);
        Y1Edit->setValue(y);
        SetSecondCorner(SaturatedAdd(x, FLockedWidth), SaturatedAdd(y, FLockedHeight));
        FCurrent = {x, y, X2Edit->value(), Y2Edit->value()};
    } else {
        SetSecondCorner(x, y);
        FCurrent = {FCurrent.Left, FCurrent.Top, x, y};
    }
    InvertRubberBand(FCurrent);
}

void TRectSelecter::SetSecondCorner(int x, int y) {
    X2Edit->setValue(x);
    Y2Edit->setValue(y);
}

void TRectSelecter::PBoxMouseUp() {
    FDragging = false;
    FUpdating = false;
    Update();
}

// ------------------------------------------------------------------ commands

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

// ------------------------------------------------------------------ events

void TRectSelecter::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FLastPos.reset();
    spLoupe1->SetActive(true);
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
        switch (event->type()) {
        case QEvent::Paint:
            PBoxPaint(static_cast<QPaintEvent*>(event)->rect());
            break;
        // The second press of a double click comes as its own event; it is a
        // press all the same.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            PBoxMouseDown(at.x(), at.y());
            break;
        }
        case QEvent::MouseMove: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            PBoxMouseMove(at.x(), at.y());
            break;
        }
        case QEvent::MouseButtonRelease:
            PBoxMouseUp();
            break;
        default:
            handled = false;
        }
    });
    return handled;
}
