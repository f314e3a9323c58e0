#include "editor/testmode/ButtonLooks.h"

#include <QWidget>

#include "controls/ElementControl.h"
#include "editor/SkinRenderer.h"
#include "text/SkinProject.h"

namespace {

const QString kRects = QStringLiteral("SKIN_RECTS");

} // namespace

QString ButtonStateSuffix(ElementKind kind, const TButtonState& state) {
    if (kind == ElementKind::PushButton) {
        if (state.Pressed && state.Hover)
            return QStringLiteral("_DWN");
        return QLatin1String(state.Hover || state.Pressed ? "_SEL" : "_NRM");
    }
    if (kind == ElementKind::ToggleButton) {
        const bool lit = state.Hover || state.Pressed;
        if (state.Checked)
            return QLatin1String(lit ? "_CHKS" : "_CHK");
        return QLatin1String(lit ? "_UCHS" : "_UCH");
    }
    return QString();
}

QString ButtonKey(TSkinWindow window, ElementKind kind, const QString& name) {
    if (kind != ElementKind::PushButton)
        return name;
    // The equalizer keys its buttons without one trailing "_"; the main
    // window's copy of the equalizer's close button is keyed as its own.
    if (window == TSkinWindow::Equalizer)
        return name.endsWith(u'_') ? name.chopped(1) : name;
    if (name.toUpper() == QLatin1String("CLOSEBTN_"))
        return QStringLiteral("CloseBtn");
    return name;
}

QImage ButtonStateTexture(TSkinWindow window, QWidget* button, const TButtonState& state,
                          TSkinProject& document, const QImage& bitmap) {
    const TElementControl* control = AsElementControl(button);
    if (!control)
        return QImage();
    const ElementKind kind = control->Kind();
    const QString key = ButtonKey(window, kind, control->Name());
    QString suffix = ButtonStateSuffix(kind, state);
    if (suffix.isEmpty())
        return QImage();
    if (!document.ValueExists(kRects, key + suffix))
        suffix = ButtonStateSuffix(kind, TButtonState{});
    return TSkinRenderer::Texture(document, bitmap, kRects, key + suffix);
}
