#include "storage/SkinVocabulary.h"

namespace {

using K = ElementKind;
constexpr auto M = TSkinWindow::Main;
constexpr auto E = TSkinWindow::Equalizer;
constexpr auto T = TSkinWindow::Tray;

// The main window with its playlist dock. `MainCtrl` holds the face `Main`,
// the border bars and the plain panel `PlaylistMan`, which in turn holds the
// three playlist panels.
constexpr TSkinElement MainElements[] = {
    {M, "Main", K::AreaPanel, "MainCtrl"},
    // title bar
    {M, "MENUBTN", K::PushButton, "Main"},
    {M, "QXBtn", K::PushButton, "Main"},
    {M, "Infobar", K::TextLabel, "Main"},
    {M, "VESKOptions", K::PushButton, "Main"},
    {M, "HELPBTN", K::PushButton, "Main"},
    {M, "StayOnTop", K::ToggleButton, "Main"},
    {M, "TOTRAYBTN", K::PushButton, "Main"},
    {M, "CloseBtn", K::PushButton, "Main"},
    // displays
    {M, "Player", K::NumericDisplay, "Main", 3, "0"},
    {M, "Time", K::NumericDisplay, "Main", 13, "-00:00"},
    {M, "SRINFO", K::NumericDisplay, "Main", 13, "00"},
    {M, "BRINFO", K::NumericDisplay, "Main", 13, "000"},
    {M, "PLAYBACK", K::NumericDisplay, "Main", 3, "0"},
    {M, "SleepTime", K::NumericDisplay, "Main", 13, "00:00:00"},
    {M, "SPECTRUM", K::Spectrum, "Main"},
    {M, "MultiDisplay", K::MultiDisplay, "Main"},
    {M, "iTitle", K::TextLabel, "Main"},
    {M, "iArtist", K::TextLabel, "Main"},
    {M, "iAlbum", K::TextLabel, "Main"},
    {M, "iGenre", K::TextLabel, "Main"},
    // sliders and transport
    {M, "SeekBar", K::Slider, "Main"},
    {M, "PREVBTN", K::PushButton, "Main"},
    {M, "PLAYBTN", K::PushButton, "Main"},
    {M, "PAUSEBTN", K::PushButton, "Main"},
    {M, "STOPBTN", K::PushButton, "Main"},
    {M, "NEXTBTN", K::PushButton, "Main"},
    {M, "OPENBTN", K::PushButton, "Main"},
    {M, "MUTEBTN", K::ToggleButton, "Main"},
    {M, "Volumebar", K::Slider, "Main"},
    {M, "balanceSlider", K::Slider, "Main"},
    {M, "SpeedSlider", K::Slider, "Main"},
    // function strip
    {M, "EQBTN", K::PushButton, "Main"},
    {M, "PLSBTN", K::PushButton, "Main"},
    {M, "VisPrev", K::PushButton, "Main"},
    {M, "VisualBtn", K::PushButton, "Main"},
    {M, "VISNEXT", K::PushButton, "Main"},
    {M, "Repeat_", K::ToggleButton, "Main"},
    {M, "SHUFFLE", K::ToggleButton, "Main"},
    {M, "CapRadio", K::ToggleButton, "Main"},
    {M, "TAGEDIT", K::PushButton, "Main"},
    {M, "TagEditBtn", K::PushButton, "Main"},
    {M, "FILEINFO", K::PushButton, "Main"},
    {M, "FILECOPY", K::PushButton, "Main"},
    {M, "SleepBTN", K::PushButton, "Main"},
    {M, "RecBTN", K::PushButton, "Main"},
    {M, "Utils", K::PushButton, "Main"},
    {M, "AnalogEQ_DSP", K::PushButton, "Main"},
    {M, "Leftbar", K::BorderBar, "MainCtrl"},
    {M, "RightBar", K::BorderBar, "MainCtrl"},
    // playlist dock
    {M, "TopPanel", K::AreaPanel, "PlaylistMan"},
    {M, "PrevPLS", K::PushButton, "TopPanel"},
    {M, "Playlistbox", K::ListBox, "TopPanel"},
    {M, "NextPLS", K::PushButton, "TopPanel"},
    {M, "TabCtrl", K::TabBar, "PlaylistMan"},
    {M, "TCP", K::PushButton, "TabCtrl"},
    {M, "TCN", K::PushButton, "TabCtrl"},
    {M, "PlsCtrl", K::AreaPanel, "PlaylistMan"},
    {M, "AddBtn", K::PushButton, "PlsCtrl"},
    {M, "DelBtn", K::PushButton, "PlsCtrl"},
    {M, "SortBtn", K::PushButton, "PlsCtrl"},
    {M, "FindBtn", K::PushButton, "PlsCtrl"},
    {M, "MiscBtn", K::PushButton, "PlsCtrl"},
    {M, "plsmanbtn", K::PushButton, "PlsCtrl"},
    {M, "PlsOpt", K::PushButton, "PlsCtrl"},
    {M, "CountLabel", K::TextLabel, "PlsCtrl"},
    {M, "LengthLabel", K::TextLabel, "PlsCtrl"},
    {M, "SizeLabel", K::TextLabel, "PlsCtrl"},
};

constexpr TSkinElement EqualizerElements[] = {
    {E, "main_", K::AreaPanel, "EQUA"},
    {E, "EQSWITCH", K::ToggleButton, "main_"},
    {E, "LIB", K::PushButton, "main_"},
    {E, "CFG", K::PushButton, "main_"},
    {E, "CloseBtn_", K::PushButton, "main_"},
    {E, "EQVIS", K::EqCurve, "main_"},
    {E, "DSP", K::ListBox, "main_"},
    {E, "PREAMP", K::EqSlider, "main_"},
    {E, "VESKSlider1", K::EqSlider, "main_"},
    {E, "VESKSlider2", K::EqSlider, "main_"},
    {E, "VESKSlider3", K::EqSlider, "main_"},
    {E, "VESKSlider4", K::EqSlider, "main_"},
    {E, "VESKSlider5", K::EqSlider, "main_"},
    {E, "VESKSlider6", K::EqSlider, "main_"},
    {E, "VESKSlider7", K::EqSlider, "main_"},
    {E, "VESKSlider8", K::EqSlider, "main_"},
    {E, "VESKSlider9", K::EqSlider, "main_"},
    {E, "VESKSlider10", K::EqSlider, "main_"},
    {E, "VESKSlider11", K::EqSlider, "main_"},
    {E, "VESKSlider12", K::EqSlider, "main_"},
    {E, "VESKSlider13", K::EqSlider, "main_"},
    {E, "VESKSlider14", K::EqSlider, "main_"},
    {E, "VESKSlider15", K::EqSlider, "main_"},
    {E, "VESKSlider16", K::EqSlider, "main_"},
    {E, "VESKSlider17", K::EqSlider, "main_"},
    {E, "VESKSlider18", K::EqSlider, "main_"},
    {E, "balance", K::EqSlider, "main_"},
    {E, "speed", K::EqSlider, "main_"},
    {E, "echo", K::EqSlider, "main_"},
    {E, "reverb", K::EqSlider, "main_"},
    {E, "flanger", K::EqSlider, "main_"},
    {E, "chorus", K::EqSlider, "main_"},
};

// `TrayControlMain` holds the drop-down information panel above the button
// bar. Elements of the information panel go there when "tray_parent.ini"
// says nothing about them.
constexpr TSkinElement TrayElements[] = {
    {T, "TrayInfo", K::TrayPanel, "TrayControlMain"},
    {T, "trayrs", K::TextLabel, "TrayInfo"},
    {T, "traystatus", K::NumericDisplay, "TrayInfo", 3, "0"},
    {T, "traytime", K::NumericDisplay, "TrayInfo", 13, " 00:00"},
    {T, "traykhz", K::NumericDisplay, "TrayInfo", 13, "00"},
    {T, "traykbps", K::NumericDisplay, "TrayInfo", 13, "000"},
    {T, "TraySleepTime", K::NumericDisplay, "TrayInfo", 13, "00:00:00"},
    {T, "trayseek", K::Slider, "TrayInfo"},
    {T, "traysot", K::ToggleButton, "TrayInfo"},
    {T, "TraySleepBtn", K::ToggleButton, "TrayInfo"},
    {T, "trayRND", K::ToggleButton, "TrayInfo"},
    {T, "trayREP", K::ToggleButton, "TrayInfo"},
    {T, "traydhfi", K::ToggleButton, "TrayInfo"},
    {T, "TrayCtrl", K::TrayPanel, "TrayControlMain"},
    {T, "trayprev", K::PushButton, "TrayCtrl"},
    {T, "trayplay", K::PushButton, "TrayCtrl"},
    {T, "traypause", K::PushButton, "TrayCtrl"},
    {T, "traystop", K::PushButton, "TrayCtrl"},
    {T, "traynext", K::PushButton, "TrayCtrl"},
    {T, "trayopen", K::PushButton, "TrayCtrl"},
    {T, "trayvol", K::Slider, "TrayCtrl"},
    {T, "traylc", K::TrayStrip, "TrayCtrl"},
    {T, "trayrc", K::TrayStrip, "TrayCtrl"},
    {T, "trayroll", K::PushButton, "TrayCtrl"},
    {T, "trayopt", K::PushButton, "TrayCtrl"},
    {T, "traycpy", K::PushButton, "TrayCtrl"},
};

const QString Objs = QStringLiteral("SKIN_OBJS");
const QString Rects = QStringLiteral("SKIN_RECTS");
const QString Numerics = QStringLiteral("SKIN_NUMERICS");
const QString Widths = QStringLiteral("SKIN_WIDTHS");
const QString Fonts = QStringLiteral("SKIN_FONTS");
const QString Options = QStringLiteral("SKIN_OPTIONS");

class TKeyList {
public:
    // Later spellings of a key already listed ("PlaylistBox" after
    // "Playlistbox") name the same value and are dropped.
    void Add(const QString& section, const QString& key, TSkinValue value) {
        for (const TSkinKey& k : FKeys)
            if (k.Section.compare(section, Qt::CaseInsensitive) == 0 &&
                k.Key.compare(key, Qt::CaseInsensitive) == 0)
                return;
        FKeys.push_back({section, key, value});
    }
    void AddStates(const QString& stem, std::initializer_list<const char*> suffixes) {
        for (const char* suffix : suffixes)
            Add(Rects, stem + QLatin1String(suffix), TSkinValue::Texture);
    }
    std::vector<TSkinKey> Take() { return std::move(FKeys); }

private:
    std::vector<TSkinKey> FKeys;
};

void AddButtonKeys(TKeyList& keys, const QString& stem, ElementKind kind) {
    keys.Add(Objs, stem, TSkinValue::Placement);
    if (kind == K::PushButton)
        keys.AddStates(stem, {"_NRM", "_SEL", "_DWN"});
    else
        keys.AddStates(stem, {"_UCH", "_UCHS", "_CHK", "_CHKS"});
}

void AddSliderKeys(TKeyList& keys, const QString& stem) {
    keys.Add(Objs, stem, TSkinValue::Placement);
    keys.Add(Widths, stem + "_HORIZONTAL", TSkinValue::Bool);
    keys.AddStates(stem, {"_BK", "_BKS", "_THM"});
}

// A label's rectangle in "SKIN_RECTS" is the piece of its panel's texture
// that lies behind its text; the player repaints the text over it.
void AddLabelKeys(TKeyList& keys, const QString& stem) {
    keys.Add(Objs, stem, TSkinValue::Placement);
    keys.Add(Fonts, stem, TSkinValue::Font);
    keys.Add(Rects, stem, TSkinValue::Texture);
}

void AddListBoxLooks(TKeyList& keys, const QString& stem, const char* selectedSuffix) {
    keys.Add(Fonts, stem + "_BK", TSkinValue::Color);
    keys.Add(Fonts, stem + QLatin1String(selectedSuffix), TSkinValue::Color);
    keys.Add(Fonts, stem, TSkinValue::Font);
    keys.Add(Fonts, stem + "_NRMFONT", TSkinValue::Font);
    keys.Add(Fonts, stem + "_SELFONT", TSkinValue::Font);
}

void AddMainPanelKeys(TKeyList& keys, const QString& name) {
    if (name == QLatin1String("Main")) {
        keys.Add(Rects, "MainForm", TSkinValue::Texture);
        keys.Add(Widths, "MainHOff", TSkinValue::Integer);
    } else if (name == QLatin1String("PlsCtrl")) {
        keys.Add(Rects, "plsctrl", TSkinValue::Texture);
    } else {
        keys.Add(Objs, name, TSkinValue::Placement);
        keys.Add(Rects, name, TSkinValue::Texture);
    }
}

void AddBarKeys(TKeyList& keys, const QString& name) {
    const QString side = name == QLatin1String("Leftbar") ? "LEFT" : "RIGHT";
    keys.Add(Rects, side + "TOPBAR", TSkinValue::Texture);
    keys.Add(Rects, side + "CENTER", TSkinValue::Texture);
    keys.Add(Rects, side + "BOTBAR", TSkinValue::Texture);
    // The right bar takes "BARSIZE" too unless a skin sets "BARSIZER".
    if (side == QLatin1String("LEFT"))
        keys.Add(Widths, "BARSIZE", TSkinValue::Integer);
}

void AddMainKeys(TKeyList& keys, const TSkinElement& e, const QString& stem) {
    switch (e.Kind) {
    case K::AreaPanel:
        AddMainPanelKeys(keys, stem);
        break;
    case K::BorderBar:
        AddBarKeys(keys, stem);
        break;
    case K::TabBar:
        keys.Add(Objs, "TabCtrl", TSkinValue::Placement);
        keys.Add(Rects, "TabCtrl", TSkinValue::Texture);
        break;
    case K::MultiDisplay:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        keys.Add(Rects, "MultiDisplayTOP", TSkinValue::Texture);
        keys.Add(Rects, "MultiDisplayBTM", TSkinValue::Texture);
        break;
    case K::ListBox:
        AddLabelKeys(keys, stem);
        AddListBoxLooks(keys, "PlaylistBox", "_SEL");
        break;
    case K::Spectrum:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        keys.Add(Options, "SpectrumColor", TSkinValue::Color);
        keys.Add(Options, "SpectrumPeakColor", TSkinValue::Color);
        keys.Add(Options, "SpectrumPeaks", TSkinValue::Integer);
        keys.Add(Options, "SpectrumYoff", TSkinValue::Integer);
        break;
    default:
        break;
    }
}

void AddEqualizerKeys(TKeyList& keys, const TSkinElement& e, const QString& stem) {
    switch (e.Kind) {
    case K::AreaPanel:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        keys.Add("SKIN_WIDTH", "BorderL", TSkinValue::Integer);
        keys.Add("SKIN_WIDTH", "BorderR", TSkinValue::Integer);
        keys.Add("SKIN_WIDTH", "BorderT", TSkinValue::Integer);
        break;
    case K::ListBox:
        AddLabelKeys(keys, stem);
        AddListBoxLooks(keys, stem, "_BKS");
        break;
    case K::EqCurve:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        keys.Add(Fonts, "EQVISL", TSkinValue::Color);
        keys.Add(Fonts, "EQVISE", TSkinValue::Color);
        break;
    default:
        break;
    }
}

void AddTrayKeys(TKeyList& keys, const TSkinElement& e, const QString& stem) {
    switch (e.Kind) {
    case K::TrayPanel:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        break;
    case K::TextLabel:
        // The scrolling title is placed by its "SKIN_RECTS" rectangle; the
        // save writes its "SKIN_OBJS" rectangle beside it.
        keys.Add(Rects, stem, TSkinValue::Placement);
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Fonts, stem, TSkinValue::Font);
        break;
    case K::TrayStrip:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Rects, stem, TSkinValue::Texture);
        keys.Add(Rects, stem + "s", TSkinValue::Texture);
        keys.Add("SKIN_CFG", stem, TSkinValue::Integer);
        break;
    default:
        break;
    }
}

} // namespace

TSkinWindowMembers SkinWindowMembers(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        return {"main.ini", "main.bmp", "parent.ini"};
    case TSkinWindow::Equalizer:
        return {"equa.ini", "equa.bmp", nullptr};
    case TSkinWindow::Tray:
        return {"tray.ini", "tray.bmp", "tray_parent.ini"};
    }
    return {};
}

std::span<const TSkinElement> SkinElements(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        return MainElements;
    case TSkinWindow::Equalizer:
        return EqualizerElements;
    case TSkinWindow::Tray:
        return TrayElements;
    }
    return {};
}

const TSkinElement* FindSkinElement(TSkinWindow window, const QString& name) {
    for (const TSkinElement& e : SkinElements(window))
        if (name.compare(QLatin1String(e.Name), Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const TSkinElement* FindSkinElement(const QString& name) {
    for (TSkinWindow w : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
        if (const TSkinElement* e = FindSkinElement(w, name))
            return e;
    return nullptr;
}

QString SkinElementKey(const TSkinElement& element) {
    QString key = QLatin1String(element.Name);
    if (element.Window == TSkinWindow::Equalizer && key.endsWith('_'))
        key.chop(1);
    if (element.Kind == K::TrayPanel)
        key = key.toLower();
    return key;
}

std::vector<TSkinKey> SkinElementKeys(const TSkinElement& element) {
    TKeyList keys;
    const QString stem = SkinElementKey(element);
    switch (element.Kind) {
    case K::PushButton:
    case K::ToggleButton:
        AddButtonKeys(keys, stem, element.Kind);
        break;
    case K::NumericDisplay:
        keys.Add(Objs, stem, TSkinValue::Placement);
        keys.Add(Numerics, stem, TSkinValue::GlyphStrip);
        break;
    case K::TextLabel:
        if (element.Window != TSkinWindow::Tray)
            AddLabelKeys(keys, stem);
        break;
    case K::Slider:
    case K::EqSlider:
        AddSliderKeys(keys, stem);
        break;
    default:
        break;
    }
    if (element.Window == TSkinWindow::Main)
        AddMainKeys(keys, element, stem);
    else if (element.Window == TSkinWindow::Equalizer)
        AddEqualizerKeys(keys, element, stem);
    else
        AddTrayKeys(keys, element, stem);
    return keys.Take();
}

namespace {

void AddPlaylistKeys(TKeyList& keys) {
    for (const char* k : {"PLSLEFT", "PLSTOP", "PLSWIDTH", "PLSBottom"})
        keys.Add(Widths, k, TSkinValue::Integer);
    keys.Add(Widths, "HidePLSScroll", TSkinValue::Bool);
    keys.Add(Objs, "SCROLLUP", TSkinValue::Placement);
    keys.Add(Objs, "SCROLLDOWN", TSkinValue::Placement);
    for (const char* k : {"PLSTOP", "PLSBTM", "PLSLEFT", "PLSRIGHT", "TAB_ACT", "TAB_BK"})
        keys.Add(Rects, k, TSkinValue::Texture);
    keys.AddStates("SCROLLUP", {"_NRM", "_SEL", "_DWN"});
    keys.AddStates("SCROLLDOWN", {"_NRM", "_SEL", "_DWN"});
    keys.AddStates("SCROLLSLIDER", {"_BK", "_BKS", "_THM"});
    keys.Add(Rects, "PLS_CHECK", TSkinValue::Texture);
    keys.Add(Rects, "PLS_UNCHECK", TSkinValue::Texture);
    for (const char* k : {"PLSBK", "PLSActive", "PLSPlay"})
        keys.Add(Fonts, k, TSkinValue::Color);
    for (const char* k : {"PLSNRM", "PLSSEL", "PLSCUR", "PLSTABN", "PLSTABA"})
        keys.Add(Fonts, k, TSkinValue::Font);
    keys.Add(Fonts, "PLSTABC", TSkinValue::Color);
}

void AddMenuKeys(TKeyList& keys) {
    for (const char* k : {"GutterColor", "MENUCOLOR", "SelectedColor", "BorderColor"})
        keys.Add(Fonts, k, TSkinValue::Color);
    keys.Add(Fonts, "MENUFONT", TSkinValue::Font);
}

void AddMaskKeys(TKeyList& keys) {
    for (const char* k : {"TopRect", "CenterRect", "BottomRect"})
        keys.Add("SKIN_MASK", k, TSkinValue::MaskBand);
    for (const char* k : {"Top", "Bottom", "Left", "Right"})
        keys.Add("SKIN_MASK", k, TSkinValue::Integer);
}

} // namespace

std::vector<TSkinKey> SkinWindowKeys(TSkinWindow window) {
    TKeyList keys;
    if (window == TSkinWindow::Main) {
        AddPlaylistKeys(keys);
        AddMenuKeys(keys);
        AddMaskKeys(keys);
        keys.Add("SKIN_THEMES", "Count", TSkinValue::Integer);
    }
    return keys.Take();
}

namespace {

struct TParentCode {
    TSkinWindow Window;
    const char* Container;
    const char* Code;
};

constexpr TParentCode kParentCodes[] = {
    {M, "Main", "MAIN"},      {M, "TopPanel", "TOP"}, {M, "PlsCtrl", "BTM"},
    {M, "RightBar", "R_BRD"}, {M, "Leftbar", "L_BRD"}, {T, "TrayInfo", "INFO"},
};

} // namespace

QString ParentCode(TSkinWindow window, const QString& container) {
    for (const TParentCode& c : kParentCodes)
        if (c.Window == window &&
            container.compare(QLatin1String(c.Container), Qt::CaseInsensitive) == 0)
            return QLatin1String(c.Code);
    return {};
}

QString ParentContainer(TSkinWindow window, const QString& code) {
    for (const TParentCode& c : kParentCodes)
        if (c.Window == window && code.compare(QLatin1String(c.Code), Qt::CaseInsensitive) == 0)
            return QLatin1String(c.Container);
    return {};
}
