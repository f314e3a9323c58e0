// Editing a texture rectangle: the rectangle selector picks it out of the
// preview's bitmap, its dependent states follow its size, and whatever the
// texture shapes (the element's size, the frame, the equalizer, the tray
// windows) is laid out and rendered again.

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QTabWidget>

#include "controls/ElementControl.h"
#include "controls/SelectedElement.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/EditorDialogs.h"
#include "editor/PreviewTrees.h"
#include "editor/PropertySheet.h"
#include "editor/QX_SE.h"
#include "editor/SkinRenderer.h"
#include "storage/QXSPFile.h"
#include "text/SkinProject.h"

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");

// Stored rectangles come from strangers' files; moving their far corner
// must not wrap.
int SaturatedSum(int a, int b) {
    return int(std::clamp<std::int64_t>(std::int64_t(a) + b, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

TRect SizedAt(const TRect& place, int width, int height) {
    return {place.Left, place.Top, SaturatedSum(place.Left, width),
            SaturatedSum(place.Top, height)};
}

// The element keeps its place and takes the size.
void Resize(QWidget* element, int width, int height) {
    const auto side = [](int v) { return std::clamp(v, 0, TRect::kQRectLimit); };
    SetBounds(element, QRect(element->pos(), QSize(side(width), side(height))));
}

TRect BoundsOf(const QWidget* element) {
    return TRect::FromQRect(element->geometry());
}

bool IsKind(int kind, std::initializer_list<ElementKind> kinds) {
    return std::any_of(kinds.begin(), kinds.end(),
                       [kind](ElementKind k) { return int(k) == kind; });
}

} // namespace

void TQXForm::EditRectProperty(const TVKProperty& row, TSkinProject& document,
                               const QImage& bitmap) {
    const QPointer<QWidget> element = SelectedElement;
    // A value that does not parse is what the renderer reads as nothing;
    // the selector starts from there, so the user can mend it.
    TRect rect;
    try {
        rect = StrToRect(row.Value);
    } catch (const std::exception&) {
        rect = TRect();
    }
    // A cancelled selector leaves the skin alone: writing its answer back
    // would still even out the dependent states and the display halves.
    if (!Dialogs().SelectRect(this, bitmap, rect, row.IsDependent))
        return;
    if (!row.IsDependent)
        ResizeDependentRects(row, rect, document);
    document.WriteRect(row.Section, row.Key, rect);
    if (element)
        FollowRectEdit(element, row, rect, document, bitmap);
    if (element)
        SelectElementAsClick(element);
}

void TQXForm::ResizeDependentRects(const TVKProperty& row, const TRect& rect,
                                   TSkinProject& document) {
    for (const QString& key : row.DependentKeys) {
        const TRect state = document.ReadRect(row.Section, key, TRect());
        document.WriteRect(row.Section, key, SizedAt(state, rect.Width(), rect.Height()));
    }
}

void TQXForm::FitButtonToState() {
    QWidget* element = SelectedElement;
    const TElementControl* control = AsElementControl(element);
    TSkinProject* document = PageDocument(0);
    if (!control || !document)
        return;
    QString state;
    if (control->Kind() == ElementKind::PushButton)
        state = QStringLiteral("_NRM");
    else if (control->Kind() == ElementKind::ToggleButton)
        state = QStringLiteral("_UCH");
    else
        return;
    const QString name = element->objectName();
    const TRect texture = document->ReadRect(kRects, name + state, TRect());
    Resize(element, texture.Width(), texture.Height());
    document->WriteRect(kObjs, name, BoundsOf(element));
}

// Several steps may apply to one element; their order matters, as later
// renders place the element by what earlier steps wrote.
void TQXForm::FollowRectEdit(QWidget* element, const TVKProperty& row, const TRect& rect,
                             TSkinProject& document, const QImage& bitmap) {
    const TElementControl* control = AsElementControl(element);
    if (!control)
        return;
    const int kind = control->Tag;
    const int page = PreviewPageOf(row.Element ? row.Element.data() : element);
    const QString name = element->objectName();

    if (kind == int(ElementKind::MultiDisplay)) {
        if (QWidget* block = Previews().Find(QStringLiteral("MultiDisplay"))) {
            Resize(block, rect.Width(), rect.Height());
            const int mid = rect.Top + (rect.Bottom - rect.Top) / 2;
            document.WriteRect(kObjs, QStringLiteral("MultiDisplay"), BoundsOf(block));
            document.WriteRect(kRects, QStringLiteral("MultiDisplayTOP"),
                               {rect.Left, rect.Top, rect.Right, mid});
            document.WriteRect(kRects, QStringLiteral("MultiDisplayBTM"),
                               {rect.Left, mid, rect.Right, rect.Bottom});
            RenderElement(block, bitmap, &document);
        }
    }
    if (kind == int(ElementKind::BorderBar)) {
        if (element == Previews().Leftbar())
            document.WriteInteger(QStringLiteral("SKIN_WIDTHS"), QStringLiteral("BARSIZE"),
                                  rect.Width());
        else
            document.WriteInteger(QStringLiteral("SKIN_Widths"), QStringLiteral("BarSizeR"),
                                  rect.Width());
    }
    if (page == 0)
        FitButtonToState();
    if (kind == int(ElementKind::NumericDisplay))
        RenderNumericDisplay(name, bitmap, qobject_cast<TVESKNumLabel*>(element), &document);
    // The tray's progress strips show their new texture as every other
    // textured element does.
    if (IsKind(kind, {ElementKind::PushButton, ElementKind::ToggleButton, ElementKind::TabBar,
                      ElementKind::TrayStrip}))
        RenderElement(element, bitmap, &document);
    if (IsKind(kind, {ElementKind::AreaPanel, ElementKind::BorderBar})) {
        if (page == 0) {
            RenderMainFrame();
        } else if (page == 1) {
            document.WriteRect(kObjs, QStringLiteral("MAIN"), rect);
            LoadEqualizer();
        }
    }
    if (kind == int(ElementKind::Spectrum)) {
        if (QWidget* spectrum = Previews().Find(QStringLiteral("SPECTRUM"))) {
            Resize(spectrum, rect.Width(), rect.Height());
            document.WriteRect(kObjs, QStringLiteral("SPECTRUM"), BoundsOf(spectrum));
        }
        RenderElement(element, bitmap, &document);
    }
    if (IsKind(kind, {ElementKind::Slider, ElementKind::EqSlider})) {
        const TRect track = document.ReadRect(kRects, name + QStringLiteral("_BK"), TRect());
        Resize(element, track.Width(), track.Height());
        document.WriteRect(kObjs, name, BoundsOf(element));
        RenderElement(element, bitmap, &document);
    }
    if (kind == int(ElementKind::EqCurve)) {
        // The curve display lies where its texture lies in the face.
        document.WriteRect(kObjs, row.Key, rect);
        auto* curve = Previews().Get<TVESKSESkin>(QStringLiteral("EQVIS"));
        if (curve && EqBitmap) {
            TSkinRenderer::Place(curve, document.ReadRect(kObjs, QStringLiteral("EQVIS"), TRect()));
            curve->SetImgBackGround(
                TSkinRenderer::Texture(document, *EqBitmap, kRects, QStringLiteral("EQVIS")));
        }
    }
    if (kind == int(ElementKind::TrayPanel)) {
        document.WriteRect(kObjs, row.Key, {0, 0, rect.Width(), rect.Height()});
        LoadTrayController(false);
    }
}
