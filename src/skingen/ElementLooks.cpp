#include "skingen/ElementLooks.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "skingen/PixelFont.h"
#include "skingen/SkinPalette.h"
#include "skingen/Surfaces.h"

namespace {

using P = Pictogram;

struct TLookEntry {
    const char* Name;
    TLook Look;
};

TLook Sign(P sign, bool flat = false) { return TLook{sign, {}, flat, {}, false}; }
TLook Word(const char* word) { return TLook{{}, QLatin1String(word), false, {}, false}; }
TLook Toggle(P sign, P checked, bool flat = false, bool warning = false) {
    return TLook{sign, {}, flat, checked, warning};
}

const TLookEntry Looks[] = {
    // main window: title bar
    {"MENUBTN", Sign(P::Menu, true)},
    {"QXBtn", Sign(P::Logo, true)},
    {"VESKOptions", Sign(P::Gear, true)},
    {"HELPBTN", Sign(P::Question, true)},
    {"StayOnTop", Toggle(P::Pin, P::Pin, true)},
    {"TOTRAYBTN", Sign(P::ToTray, true)},
    {"CloseBtn", Sign(P::Close, true)},
    // transport and sound
    {"PREVBTN", Sign(P::Prev)},
    {"PLAYBTN", Sign(P::Play)},
    {"PAUSEBTN", Sign(P::Pause)},
    {"STOPBTN", Sign(P::Stop)},
    {"NEXTBTN", Sign(P::Next)},
    {"OPENBTN", Sign(P::Eject)},
    {"MUTEBTN", Toggle(P::Speaker, P::Mute, true, true)},
    // function strip
    {"EQBTN", Word("EQ")},
    {"PLSBTN", Word("PL")},
    {"VisPrev", Sign(P::ChevronLeft)},
    {"VisualBtn", Word("VIS")},
    {"VISNEXT", Sign(P::ChevronRight)},
    {"Repeat_", Toggle(P::Repeat, P::Repeat)},
    {"SHUFFLE", Toggle(P::Shuffle, P::Shuffle)},
    {"CapRadio", Toggle(P::Radio, P::Radio)},
    {"TAGEDIT", Word("TAG")},
    {"TagEditBtn", Word("ID3")},
    {"FILEINFO", Word("INFO")},
    {"FILECOPY", Word("COPY")},
    {"SleepBTN", Sign(P::Moon)},
    {"RecBTN", TLook{P::Record, {}, false, {}, true}},
    {"Utils", Word("UTIL")},
    {"AnalogEQ_DSP", Word("DSP")},
    // playlist dock
    {"PrevPLS", Sign(P::ChevronLeft, true)},
    {"NextPLS", Sign(P::ChevronRight, true)},
    {"TCP", Sign(P::ChevronLeft, true)},
    {"TCN", Sign(P::ChevronRight, true)},
    {"AddBtn", Sign(P::Plus)},
    {"DelBtn", Sign(P::Minus)},
    {"SortBtn", Sign(P::Sort)},
    {"FindBtn", Sign(P::Search)},
    {"MiscBtn", Sign(P::Dots)},
    {"plsmanbtn", Sign(P::List)},
    {"PlsOpt", Sign(P::Gear)},
    // equalizer
    {"EQSWITCH", TLook{{}, QStringLiteral("ON"), false, {}, false}},
    {"LIB", Word("LIB")},
    {"CFG", Word("CFG")},
    {"CloseBtn_", Sign(P::Close, true)},
    // tray controller
    {"trayprev", Sign(P::Prev, true)},
    {"trayplay", Sign(P::Play, true)},
    {"traypause", Sign(P::Pause, true)},
    {"traystop", Sign(P::Stop, true)},
    {"traynext", Sign(P::Next, true)},
    {"trayopen", Sign(P::Eject, true)},
    {"trayroll", Sign(P::ChevronDown, true)},
    {"trayopt", Sign(P::Gear, true)},
    {"traycpy", Sign(P::Copy, true)},
    {"traysot", Toggle(P::Pin, P::Pin)},
    {"TraySleepBtn", Toggle(P::Moon, P::Moon)},
    {"trayRND", Toggle(P::Shuffle, P::Shuffle)},
    {"trayREP", Toggle(P::Repeat, P::Repeat)},
    {"traydhfi", Toggle(P::Eye, P::Eye)},
};

struct TState {
    bool Checked = false;
    bool Hover = false;
    bool Down = false;
};

TState StateOf(const QString& suffix) {
    const QString s = suffix.toUpper();
    return {s.startsWith("_CHK"), s == "_SEL" || s.endsWith('S'), s == "_DWN"};
}

// Signs sit on whole pixels and keep a square box, so they stay crisp.
QRectF SignBox(const QSize& size, bool down) {
    const int least = std::min(size.width(), size.height());
    const int side = std::max(5, least < 16 ? least - 4 : int(std::lround(least * 0.62)));
    const int x = (size.width() - side) / 2;
    const int y = (size.height() - side) / 2 + (down ? 1 : 0);
    return QRectF(x, y, side, side);
}

QColor InkOf(const TLook& look, const TState& state) {
    const QColor lit = look.Warning ? Palette::Record : Palette::Accent;
    if (look.Warning && !look.CheckedSign)
        return state.Hover || state.Down ? Palette::Record.lighter(125) : Palette::Record;
    if (state.Checked)
        return state.Hover ? lit.lighter(125) : lit;
    if (state.Down)
        return Palette::Accent;
    if (state.Hover)
        return Palette::AccentBright;
    return look.Flat ? Palette::TextDim : Palette::Text;
}

void PaintBody(QPainter& painter, const QSize& size, const TLook& look, const TState& state) {
    const QRectF box(0, 0, size.width(), size.height());
    const qreal radius = size.height() >= 20 ? 3.5 : 2.5;
    if (!look.Flat) {
        const TPlateState plate = state.Down || (state.Checked && !state.Hover) ? TPlateState::Down
                                  : state.Hover                              ? TPlateState::Hover
                                                                             : TPlateState::Normal;
        DrawPlate(painter, box, plate, radius);
        return;
    }
    if (!state.Hover && !state.Down)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    QColor glow = state.Down ? Palette::PlateDownTop : Palette::PlateHoverTop;
    painter.setBrush(glow);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

// A checked plate shows a lit bar along its bottom; an unchecked one the
// same bar dark, so the two states differ in more than colour.
void PaintLamp(QImage& image, const TLook& look, const TState& state) {
    if (look.Flat)
        return;
    QPainter painter(&image);
    const QColor lamp = state.Checked ? (look.Warning ? Palette::Record : Palette::Accent)
                                      : Palette::Ghost;
    if (!look.Word.isEmpty()) {
        painter.fillRect(QRect(4, (image.height() - 3) / 2, 3, 3), lamp);
        return;
    }
    painter.fillRect(QRect(4, image.height() - 3, image.width() - 8, 1), lamp);
}

} // namespace

TLook LookOf(const QString& elementName) {
    for (const TLookEntry& e : Looks)
        if (elementName.compare(QLatin1String(e.Name), Qt::CaseInsensitive) == 0)
            return e.Look;
    return Sign(P::Dots);
}

QImage PaintButtonState(const QImage& backdrop, const TLook& look, const QString& suffix) {
    QImage image = backdrop.convertToFormat(QImage::Format_RGB32);
    const TState state = StateOf(suffix);
    const bool toggle = suffix.toUpper().startsWith("_UCH") || suffix.toUpper().startsWith("_CHK");
    {
        QPainter painter(&image);
        PaintBody(painter, image.size(), look, state);
        const QColor ink = InkOf(look, state);
        if (look.Sign) {
            const Pictogram sign = state.Checked && look.CheckedSign ? *look.CheckedSign : *look.Sign;
            DrawPictogram(painter, sign, SignBox(image.size(), state.Down), ink);
        }
        painter.end();
        if (!look.Word.isEmpty()) {
            QRect box = image.rect().translated(0, state.Down ? 1 : 0);
            if (toggle)
                box.adjust(6, 0, 0, 0);
            DrawTinyTextCentered(image, box, look.Word, ink);
        }
    }
    if (toggle)
        PaintLamp(image, look, state);
    return image;
}
