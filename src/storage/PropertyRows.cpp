#include "storage/PropertyRows.h"

namespace {

using K = ElementKind;

constexpr const char* Rects = "SKIN_RECTS";
constexpr const char* Numerics = "SKIN_NUMERICS";
constexpr const char* Widths = "SKIN_WIDTHS";
constexpr const char* Fonts = "SKIN_FONTS";
constexpr const char* Options = "SKIN_OPTIONS";
// The equalizer's border offsets live in a section of their own, singular.
constexpr const char* EqWidth = "SKIN_WIDTH";
constexpr const char* Cfg = "SKIN_CFG";

constexpr TRowSpec Rect(const char* caption, const char* section, const char* key) {
    return {caption, "TRECT", section, key};
}
constexpr TRowSpec Master(const char* caption, const char* key,
                          std::array<const char*, 3> dependents) {
    return {caption, "TRECT", Rects, key, 0, false, dependents};
}
constexpr TRowSpec Dependent(const char* caption, const char* key) {
    return {caption, "TRECT", Rects, key, 0, true};
}
constexpr TRowSpec Int(const char* caption, const char* section, const char* key,
                       int defaultValue = 0) {
    return {caption, "TINT", section, key, defaultValue};
}
constexpr TRowSpec Color(const char* caption, const char* section, const char* key) {
    return {caption, "TCOLOR", section, key};
}
constexpr TRowSpec Font(const char* caption, const char* key) {
    return {caption, "TFONT", Fonts, key};
}
constexpr TRowSpec FontColor(const char* caption, const char* key) {
    return {caption, "TFONTCOLOR", Fonts, key};
}
constexpr TRowSpec Bool(const char* caption, const char* key, bool defaultValue) {
    return {caption, "BOOL", Widths, key, defaultValue ? 1 : 0};
}
constexpr TRowSpec Style(const char* caption, const char* key) {
    return {caption, "TGSTYLE", Cfg, key};
}

// ------------------------------------------------------------ main window

constexpr TRowSpec PlsCtrlRows[] = {Rect("Texture", Rects, "plsCtrl")};
constexpr TRowSpec TabCtrlRows[] = {Rect("Texture", Rects, "TabCtrl")};
constexpr TRowSpec TopPanelRows[] = {Rect("Texture", Rects, "TopPanel")};
constexpr TRowSpec LeftbarRows[] = {
    Rect("TOP", Rects, "LEFTTOPBAR"),
    Rect("Center", Rects, "LEFTCENTER"),
    Rect("Bottom", Rects, "LEFTBOTBAR"),
};
constexpr TRowSpec RightBarRows[] = {
    Rect("TOP", Rects, "RIGHTTOPBAR"),
    Rect("Center", Rects, "RIGHTCENTER"),
    Rect("Bottom", Rects, "RIGHTBOTBAR"),
};
constexpr TRowSpec MainRows[] = {
    Rect("Texture", Rects, "MainForm"),
    Int("RollOffset", Widths, "MainHOff", 2),
};

constexpr TAreaRows MainAreas[] = {
    {"PlsCtrl", PlsCtrlRows}, {"TabCtrl", TabCtrlRows, true}, {"TopPanel", TopPanelRows, true},
    {"Leftbar", LeftbarRows}, {"RightBar", RightBarRows},     {"Main", MainRows},
};

constexpr TRowSpec PushButtonRows[] = {
    Master("State_NRM", "*_NRM", {"*_SEL", "*_DWN"}),
    Dependent("State_SEL", "*_SEL"),
    Dependent("State_DWN", "*_DWN"),
};
constexpr TRowSpec ToggleButtonRows[] = {
    Master("Unchecked", "*_UCH", {"*_UCHS", "*_CHK", "*_CHKS"}),
    Dependent("Unchecked_SEL", "*_UCHS"),
    Dependent("Checked", "*_CHK"),
    Dependent("Checked_SEL", "*_CHKS"),
};
constexpr TRowSpec NumericRows[] = {Rect("Numeric_Table", Numerics, "*")};
constexpr TRowSpec MultiDisplayRows[] = {
    {"Numeric_Table", "TRECT", Rects, "*", 0, false, {}, TRowValue::MultiDisplaySpan},
};
constexpr TRowSpec LabelRows[] = {
    Font("Font", "*"),
    FontColor("FontColor", "*"),
};
constexpr TRowSpec PlaylistBoxRows[] = {
    Font("Font", "*"),
    FontColor("FontColor", "*"),
    Color("Background", Fonts, "PlaylistBox_BK"),
    Color("Selected", Fonts, "PlaylistBox_SEL"),
    Font("Font", "PlaylistBox"),
    Font("NormalFont", "PlaylistBox_NRMFONT"),
    FontColor("NormalFontColor", "PlaylistBox_NRMFONT"),
    Font("SelectedFont", "PlaylistBox_SELFONT"),
    FontColor("SelectedFontColor", "PlaylistBox_SELFONT"),
};
constexpr TRowSpec SpectrumRows[] = {
    Rect("Texture", Rects, "*"),
    Color("Spectrum Color", Options, "SpectrumColor"),
    Color("Peak Color", Options, "SpectrumPeakColor"),
    Int("Peaks Count", Options, "SpectrumPeaks", 50),
};
// "Horizontral" is the caption skin authors know the row by.
constexpr TRowSpec SliderRows[] = {
    Bool("Horizontral", "*_HORIZONTAL", true),
    Master("Normal", "*_BK", {"*_BKS"}),
    Dependent("Selected", "*_BKS"),
    Rect("Thumb", Rects, "*_THM"),
};

constexpr TKindRows MainKinds[] = {
    {K::PushButton, PushButtonRows},  {K::ToggleButton, ToggleButtonRows},
    {K::NumericDisplay, NumericRows}, {K::MultiDisplay, MultiDisplayRows},
    {K::TextLabel, LabelRows, true},  {K::ListBox, PlaylistBoxRows, true},
    {K::Spectrum, SpectrumRows},      {K::Slider, SliderRows},
};

// -------------------------------------------------------------- equalizer

constexpr TRowSpec EqPanelRows[] = {
    Rect("Texture", Rects, "*"),
    Int("Left Offset", EqWidth, "BorderL"),
    Int("Right Offset", EqWidth, "BorderR"),
    Int("Top Offset", EqWidth, "BorderT"),
};
// The equalizer lists the pressed state before the hover state as the
// master's dependents; the order in which they are resized follows it.
constexpr TRowSpec EqPushButtonRows[] = {
    Master("State_NRM", "*_NRM", {"*_DWN", "*_SEL"}),
    Dependent("State_SEL", "*_SEL"),
    Dependent("State_DWN", "*_DWN"),
};
constexpr TRowSpec EqListBoxRows[] = {
    Font("Font", "*"),
    FontColor("FontColor", "*"),
    Color("Background", Fonts, "*_BK"),
    Color("Selected", Fonts, "*_BKS"),
    Font("NormalFont", "*_NRMFONT"),
    FontColor("NormalFontColor", "*_NRMFONT"),
    Font("SelectedFont", "*_SELFONT"),
    FontColor("SelectedFontColor", "*_SELFONT"),
};
constexpr TRowSpec EqSliderRows[] = {
    Bool("Horizontral", "*_HORIZONTAL", false),
    Master("Normal", "*_BK", {"*_BKS"}),
    Dependent("Selected", "*_BKS"),
    Rect("Thumb", Rects, "*_THM"),
};
constexpr TRowSpec EqCurveRows[] = {
    Rect("Texture", Rects, "*"),
    Color("LineColor", Fonts, "EQVISL"),
    Color("PLineColor", Fonts, "EQVISE"),
};

constexpr TKindRows EqualizerKinds[] = {
    {K::AreaPanel, EqPanelRows},         {K::PushButton, EqPushButtonRows},
    {K::ToggleButton, ToggleButtonRows}, {K::ListBox, EqListBoxRows, true},
    {K::EqSlider, EqSliderRows},         {K::EqCurve, EqCurveRows},
};

// ------------------------------------------------------- tray controller

constexpr TRowSpec TrayStripRows[] = {
    Master("Background", "*", {"*s"}),
    Dependent("Progress", "*s"),
    Style("Orientation", "*"),
};
constexpr TRowSpec TrayPanelRows[] = {Rect("Texture", Rects, "*")};

constexpr TKindRows TrayKinds[] = {
    {K::PushButton, PushButtonRows},  {K::ToggleButton, ToggleButtonRows},
    {K::NumericDisplay, NumericRows}, {K::TextLabel, LabelRows, true},
    {K::Slider, SliderRows},          {K::TrayStrip, TrayStripRows},
    {K::TrayPanel, TrayPanelRows},
};

std::span<const TKindRows> KindsOf(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        return MainKinds;
    case TSkinWindow::Equalizer:
        return EqualizerKinds;
    case TSkinWindow::Tray:
        return TrayKinds;
    }
    return {};
}

} // namespace

const TAreaRows* FindMainAreaRows(const QString& elementName) {
    for (const TAreaRows& area : MainAreas)
        if (elementName == QLatin1String(area.Name))
            return &area;
    return nullptr;
}

const TKindRows* FindKindRows(TSkinWindow window, ElementKind kind) {
    for (const TKindRows& rows : KindsOf(window))
        if (rows.Kind == kind)
            return &rows;
    return nullptr;
}

QString ExpandKey(const char* pattern, const QString& stem) {
    const QString key = QString::fromLatin1(pattern);
    return key.startsWith(u'*') ? stem + key.mid(1) : key;
}
