#pragma once

#include <span>
#include <vector>

#include <QString>

// The skin's element vocabulary in one table: which elements each skinned
// window of the player has, what kind each one is, where it sits in the
// preview tree, and which INI keys it reads. The preview layout builds its
// controls from it, and the default skin's tests check the skin against it.

// The number every preview control carries in its tag.
enum class ElementKind : int {
    AreaPanel = 0,
    BorderBar = 1,
    PushButton = 2,
    ToggleButton = 3,
    TabBar = 4,
    NumericDisplay = 5,
    MultiDisplay = 6,
    TextLabel = 7,
    ListBox = 8,
    Spectrum = 9,
    Slider = 10,
    EqSlider = 11,
    EqCurve = 12,
    TrayStrip = 20,
    TrayPanel = 21,
};

enum class TSkinWindow { Main, Equalizer, Tray };

// How a key's value is read, and for rectangles what they address.
enum class TSkinValue {
    Placement,  // rectangle in the window or its panel
    Texture,    // rectangle in the window's bitmap
    GlyphStrip, // rectangle in the bitmap holding equal glyphs side by side
    MaskBand,   // rectangle in mask.bmp
    Font,       // "name,colour,height,style"
    Color,      // 0x00BBGGRR as a decimal integer
    Integer,
    Bool,       // "1" or "0"
};

struct TSkinKey {
    QString Section;
    QString Key;
    TSkinValue Value;

    friend bool operator==(const TSkinKey&, const TSkinKey&) = default;
};

struct TSkinElement {
    TSkinWindow Window;
    const char* Name;   // the preview control's name
    ElementKind Kind;
    const char* Parent; // the preview container that holds it by default
    // Numeric displays only: glyphs in the strip and the template text whose
    // length is the number of character cells.
    int GlyphCount = 0;
    const char* DefaultText = nullptr;
};

// The files one window is made of inside a package.
struct TSkinWindowMembers {
    const char* Ini;
    const char* Bitmap;
    const char* ParentIni; // nullptr: the window has no parent document
};

TSkinWindowMembers SkinWindowMembers(TSkinWindow window);

// In preview-tree order: each panel is followed by the elements it holds.
std::span<const TSkinElement> SkinElements(TSkinWindow window);
// Names compare without regard to case, as INI keys do; nullptr when unknown.
const TSkinElement* FindSkinElement(TSkinWindow window, const QString& name);
const TSkinElement* FindSkinElement(const QString& name);

// The stem of the element's INI keys: the equalizer drops one trailing "_"
// ("CloseBtn_" -> "CloseBtn", "main_" -> "main"), the tray panels are keyed
// in lower case ("trayinfo"), everything else by its name.
QString SkinElementKey(const TSkinElement& element);

// Every key the element's rendering, property rows and saving use, without
// case-insensitive duplicates, in the order the property sheet shows them
// after the placement rectangle.
std::vector<TSkinKey> SkinElementKeys(const TSkinElement& element);
// Keys of the window as a whole: frame geometry, playlist and menu looks,
// mask bands, colour schemes.
std::vector<TSkinKey> SkinWindowKeys(TSkinWindow window);

// The code that "PARENT" gives a container ("MAIN", "TOP", "BTM", "R_BRD",
// "L_BRD" in the main window, "INFO" for the tray information panel); empty
// for containers that have none.
QString ParentCode(TSkinWindow window, const QString& container);
// The container a code names, in any letter case; empty for a code that
// names none.
QString ParentContainer(TSkinWindow window, const QString& code);
