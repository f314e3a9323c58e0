#include "controls/VESKMenuPainter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>

#include "graphics/SkinFontFace.h"
#include "graphics/VESKHue.h"

namespace {

constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr TColor kGrayText = 0x808080;

// Room between the gutter and the text, and between the shortcut and the
// item's right edge.
constexpr int kTextGap = 5;

// The window system's virtual keys that menus use, as Qt keys. Enter is
// given Qt's "Enter" rather than "Return": it is the key's label and the
// name the player's users see.
Qt::Key QtKeyOf(int virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9')
        return Qt::Key(Qt::Key_0 + (virtualKey - '0'));
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key(Qt::Key_A + (virtualKey - 'A'));
    if (virtualKey >= 0x70 && virtualKey <= 0x87) // F1 to F24
        return Qt::Key(Qt::Key_F1 + (virtualKey - 0x70));
    switch (virtualKey) {
    case 0x08:
        return Qt::Key_Backspace;
    case 0x09:
        return Qt::Key_Tab;
    case 0x0D:
        return Qt::Key_Enter;
    case 0x1B:
        return Qt::Key_Escape;
    case 0x20:
        return Qt::Key_Space;
    case 0x21:
        return Qt::Key_PageUp;
    case 0x22:
        return Qt::Key_PageDown;
    case 0x23:
        return Qt::Key_End;
    case 0x24:
        return Qt::Key_Home;
    case 0x25:
        return Qt::Key_Left;
    case 0x26:
        return Qt::Key_Up;
    case 0x27:
        return Qt::Key_Right;
    case 0x28:
        return Qt::Key_Down;
    case 0x2D:
        return Qt::Key_Insert;
    case 0x2E:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

// The text as a menu shows it with mnemonics hidden: a single '&' marks the
// next letter and disappears, "&&" stands for one '&'.
QString WithoutMnemonic(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                ++i;
            else
                continue;
        }
        shown += text[i];
    }
    return shown;
}

void FillRect(QPainter& canvas, const TRect& rect, TColor color) {
    canvas.fillRect(rect.ToQRect(), ColorToQColor(color));
}

// The classic rectangle: filled with the brush, outlined with a one-pixel
// pen on its inner edge.
void DrawRectangle(QPainter& canvas, const TRect& rect, TColor pen, TColor brush) {
    const QRect area = rect.ToQRect();
    canvas.fillRect(area, ColorToQColor(brush));
    if (area.width() <= 0 || area.height() <= 0)
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(ColorToQColor(pen), 0));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(area.adjusted(0, 0, -1, -1));
    canvas.restore();
}

// Single line, vertically centred, not clipped, cut with an ellipsis when
// wider than the rectangle.
void DrawLine(QPainter& canvas, const QRect& area, const QString& text, Qt::Alignment horizontal,
              const TSkinFontFace& face) {
    const QString shown =
        QFontMetrics(face.Font).elidedText(text, Qt::ElideRight, std::max(area.width(), 0));
    DrawSkinText(canvas, area, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, shown,
                 face);
}

} // namespace

QString ShortCutToText(TShortCut shortcut) {
    const Qt::Key key = QtKeyOf(shortcut & 0xFF);
    if (shortcut == 0 || key == Qt::Key_unknown)
        return QString();
    Qt::KeyboardModifiers modifiers;
    if (shortcut & scShift)
        modifiers |= Qt::ShiftModifier;
    if (shortcut & scCtrl)
        modifiers |= Qt::ControlModifier;
    if (shortcut & scAlt)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, key)).toString(QKeySequence::NativeText);
}

TVESKMenuPainter::TVESKMenuPainter()
    : Font(QFontDatabase::systemFont(QFontDatabase::GeneralFont)),
      BaseColor(GetSysColor(kButtonFace)) {}

void TVESKMenuPainter::DrawItemBackground(QPainter& canvas, TColor selectedColor,
                                          TColor gutterColor, TColor menuColor, const TRect& rect,
                                          bool menuBar, unsigned state, const TFont& font,
                                          int gutterWidth, TColor borderColor) const {
    canvas.setFont(font.ToQFont());
    if (state & ODS_SELECTED) {
        DrawRectangle(canvas, rect, borderColor, selectedColor);
    } else if (!menuBar) {
        // The gutter ends at the gutter width counted from the canvas, not
        // from the item.
        FillRect(canvas, {rect.Left, rect.Top, gutterWidth, rect.Bottom}, gutterColor);
        FillRect(canvas, {gutterWidth, rect.Top, rect.Right, rect.Bottom}, menuColor);
    } else if (state & ODS_HOTLIGHT) {
        DrawRectangle(canvas, rect, GetSysColor(kButtonShadow), selectedColor);
    } else {
        FillRect(canvas, rect, GetSysColor(kButtonFace));
    }
}

void TVESKMenuPainter::DrawItemText(QPainter& canvas, bool menuBar, const TRect& rect,
                                    int gutterWidth, unsigned state, TShortCut shortcut,
                                    const QString& text, const TFont& font, bool separator) const {
    TRect area = rect;
    if (!menuBar)
        area.Left += gutterWidth + kTextGap;

    TFont look = font;
    if (state & ODS_DEFAULT)
        look.Style = fsBold;
    if (state & ODS_DISABLED)
        look.Color = kGrayText;
    const TSkinFontFace face = SkinFontFace(look);
    canvas.setFont(face.Font);

    if (separator) {
        const int middle = area.Top + (area.Bottom - area.Top) / 2;
        FillRect(canvas, {area.Left, middle, area.Right, middle + 1}, ScaleColor(BaseColor, 0.8f));
        return;
    }

    canvas.save();
    canvas.setPen(ColorToQColor(look.Color));
    canvas.setBackgroundMode(Qt::TransparentMode);
    DrawLine(canvas, area.ToQRect(), WithoutMnemonic(text),
             menuBar ? Qt::AlignHCenter : Qt::AlignLeft, face);
    if (shortcut != 0) {
        area.Right -= kTextGap;
        DrawLine(canvas, area.ToQRect(), ShortCutToText(shortcut), Qt::AlignRight, face);
    }
    canvas.restore();
}
