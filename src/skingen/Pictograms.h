#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The skin's pictograms, one drawing per sign, designed on a 16 x 16 grid
// and scaled to the box they are asked for. Buttons and the menu icon strip
// share them, so a sign looks the same wherever it appears.
enum class Pictogram {
    Play,
    Pause,
    Stop,
    Prev,
    Next,
    Eject,
    Record,
    Repeat,
    Shuffle,
    Speaker,
    Mute,
    Plus,
    Minus,
    Close,
    Check,
    Search,
    Sort,
    List,
    Dots,
    Gear,
    Question,
    Info,
    Pin,
    Moon,
    Eye,
    Copy,
    Save,
    Trash,
    Edit,
    Tag,
    Note,
    Disc,
    Radio,
    Equalizer,
    Spectrum,
    Star,
    Heart,
    Clock,
    Globe,
    Refresh,
    Download,
    ArrowUp,
    ArrowDown,
    Menu,
    Palette,
    Folder,
    File,
    Lock,
    Headphones,
    Home,
    ChevronLeft,
    ChevronRight,
    ChevronDown,
    ToTray,
    Logo,
};

// Antialiased: draw it on opaque ground only, never next to the key colour.
void DrawPictogram(QPainter& painter, Pictogram sign, const QRectF& box, const QColor& color);
