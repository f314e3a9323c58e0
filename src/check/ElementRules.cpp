// The rules on each element's keys: present, readable, sensible
// rectangles, states of one size, digit strips, sliders, and the element's
// place inside its panel.

#include <QSize>

#include "check/PanelSizes.h"
#include "check/SkinRules.h"
#include "storage/PropertyRows.h"
#include "storage/VESKErrors.h"
#include "text/VESKIntParse.h"

namespace {

const QString kObjs = QStringLiteral("SKIN_OBJS");
const QString kRects = QStringLiteral("SKIN_RECTS");
const QString kNumerics = QStringLiteral("SKIN_NUMERICS");
// The mask rule and the scheme rule read these as a whole.
const QString kMask = QStringLiteral("SKIN_MASK");
const QString kThemes = QStringLiteral("SKIN_THEMES");

// Rectangles and fonts are what an element is drawn with; integers, flags
// and colours have defaults the player and the editor fall back on.
bool IsRequired(TSkinValue value) {
    switch (value) {
    case TSkinValue::Placement:
    case TSkinValue::Texture:
    case TSkinValue::GlyphStrip:
    case TSkinValue::Font:
        return true;
    default:
        return false;
    }
}

bool HasArea(const TRect& r) {
    return r.Width() > 0 && r.Height() > 0;
}

QString Num(int value) {
    return QString::number(value);
}

class TWindowCheck {
public:
    TWindowCheck(const TCheckedSkin& skin, TSkinWindow window,
                 const std::function<bool(const QString&)>& faceAvailable, TFindings& findings)
        : FSkin(skin), FWindow(window), FDocument(*skin.Document(window)),
          FBitmap(skin.Bitmap(window)), FMembers(SkinWindowMembers(window)),
          FFaceAvailable(faceAvailable), FFindings(findings) {}

    void CheckElement(const TSkinElement& element) {
        const std::vector<TSkinKey> keys = SkinElementKeys(element);
        if (!IsPartOfSkin(keys))
            return;
        const QString name = QLatin1String(element.Name);
        for (const TSkinKey& key : keys)
            CheckValue(key, name);
        const QString stem = SkinElementKey(element);
        CheckStates(element, stem);
        if (element.Kind == ElementKind::NumericDisplay)
            CheckStrip(element, stem);
        if (element.Kind == ElementKind::Slider || element.Kind == ElementKind::EqSlider)
            CheckThumb(name, stem);
        CheckBounds(element, stem);
    }

    void CheckWindowKeys() {
        for (const TSkinKey& key : SkinWindowKeys(FWindow))
            if (!WideSameText(key.Section, kMask) && !WideSameText(key.Section, kThemes))
                CheckValue(key, QString());
    }

private:
    void Add(TRuleId rule, const QString& section, const QString& key, const QString& element,
             const QStringList& details = {}) {
        FFindings.push_back({rule, QLatin1String(FMembers.Ini), section, key,
                             FDocument.ReadString(section, key, QString()), element, details});
    }

    // An element whose placement is missing or "0,0,0,0" is not part of
    // the skin; the areas and bars that have none always are.
    bool IsPartOfSkin(const std::vector<TSkinKey>& keys) {
        for (const TSkinKey& key : keys) {
            if (key.Section != kObjs)
                continue;
            if (!FDocument.ValueExists(key.Section, key.Key))
                return false;
            try {
                return !StrToRect(FDocument.ReadString(key.Section, key.Key, QString())).IsZero();
            } catch (const EConvertError&) {
                return true;
            }
        }
        return true;
    }

    void CheckValue(const TSkinKey& key, const QString& element) {
        if (!FDocument.ValueExists(key.Section, key.Key)) {
            if (IsRequired(key.Value))
                Add(TRuleId::KeyMissing, key.Section, key.Key, element);
            return;
        }
        const QString text = FDocument.ReadString(key.Section, key.Key, QString());
        const auto unreadable = [&](const char* kind) {
            Add(TRuleId::KeyUnparseable, key.Section, key.Key, element, {QLatin1String(kind)});
        };
        switch (key.Value) {
        case TSkinValue::Placement:
        case TSkinValue::Texture:
        case TSkinValue::GlyphStrip:
        case TSkinValue::MaskBand:
            CheckRect(key, text, element);
            break;
        case TSkinValue::Font:
            CheckFont(key, text, element);
            break;
        case TSkinValue::Color:
            if (const auto color = TryStrToInt(text); !color)
                unreadable("a colour");
            else if (!IsColorValue(*color))
                Add(TRuleId::ColorInvalid, key.Section, key.Key, element, {text});
            break;
        case TSkinValue::Integer:
            if (!TryStrToInt(text))
                unreadable("an integer");
            break;
        case TSkinValue::Bool:
            // Anything but "1" reads as false, "True" included.
            if (text != u'0' && text != u'1')
                unreadable("0 or 1");
            break;
        }
    }

    void CheckRect(const TSkinKey& key, const QString& text, const QString& element) {
        TRect rect;
        try {
            rect = StrToRect(text);
        } catch (const EConvertError&) {
            Add(TRuleId::KeyUnparseable, key.Section, key.Key, element,
                {QStringLiteral("a rectangle")});
            return;
        }
        if (rect.Width() < 0 || rect.Height() < 0) {
            Add(TRuleId::RectReversed, key.Section, key.Key, element);
        } else if (!HasArea(rect)) {
            Add(TRuleId::RectEmpty, key.Section, key.Key, element,
                {Num(rect.Width()), Num(rect.Height())});
        } else if ((key.Value == TSkinValue::Texture || key.Value == TSkinValue::GlyphStrip) &&
                   FBitmap && !FBitmap->rect().contains(rect.ToQRect())) {
            Add(TRuleId::RectOutsideBitmap, key.Section, key.Key, element,
                {QLatin1String(FMembers.Bitmap), Num(FBitmap->width()), Num(FBitmap->height())});
        }
    }

    void CheckFont(const TSkinKey& key, const QString& text, const QString& element) {
        TMyFont font;
        try {
            StrToFont(text, font, false);
        } catch (const EConvertError&) {
            Add(TRuleId::KeyUnparseable, key.Section, key.Key, element, {QStringLiteral("a font")});
            return;
        }
        if (font.Height == 0)
            Add(TRuleId::FontHeightZero, key.Section, key.Key, element);
        if (!IsColorValue(font.Color))
            Add(TRuleId::ColorInvalid, key.Section, key.Key, element, {Num(font.Color)});
        if (!font.Name.isEmpty() && !FFaceAvailable(font.Name))
            Add(TRuleId::FontFaceMissing, key.Section, key.Key, element, {font.Name});
    }

    std::optional<TRect> Area(const QString& section, const QString& key) {
        const auto rect = ReadGoodRect(FDocument, section, key);
        return rect && HasArea(*rect) ? rect : std::nullopt;
    }

    // A dependent state takes its master's size wherever the editor sets
    // it; the player cuts every state by one size.
    void CheckStates(const TSkinElement& element, const QString& stem) {
        const TAreaRows* area =
            FWindow == TSkinWindow::Main ? FindMainAreaRows(QLatin1String(element.Name)) : nullptr;
        const TKindRows* kind = area ? nullptr : FindKindRows(FWindow, element.Kind);
        const std::span<const TRowSpec> rows =
            area ? area->Rows : kind ? kind->Rows : std::span<const TRowSpec>();
        for (const TRowSpec& row : rows) {
            const QString section = QLatin1String(row.Section);
            const QString masterKey = ExpandKey(row.Key, stem);
            const auto master = row.Dependents[0] ? Area(section, masterKey) : std::nullopt;
            if (!master)
                continue;
            for (const char* pattern : row.Dependents) {
                const QString key = pattern ? ExpandKey(pattern, stem) : QString();
                const auto state = pattern ? Area(section, key) : std::nullopt;
                if (state && (state->Width() != master->Width() ||
                              state->Height() != master->Height()))
                    Add(TRuleId::StateSizeMismatch, section, key, QLatin1String(element.Name),
                        {Num(state->Width()), Num(state->Height()), masterKey,
                         Num(master->Width()), Num(master->Height())});
            }
        }
    }

    void CheckStrip(const TSkinElement& element, const QString& stem) {
        const auto strip = Area(kNumerics, stem);
        if (strip && element.GlyphCount > 0 && strip->Width() % element.GlyphCount != 0)
            Add(TRuleId::StripGlyphs, kNumerics, stem, QLatin1String(element.Name),
                {Num(strip->Width()), Num(element.GlyphCount)});
    }

    void CheckThumb(const QString& name, const QString& stem) {
        const QString trackKey = stem + QStringLiteral("_BK");
        const auto thumb = Area(kRects, stem + QStringLiteral("_THM"));
        const auto track = Area(kRects, trackKey);
        if (thumb && track &&
            (thumb->Width() > track->Width() || thumb->Height() > track->Height()))
            Add(TRuleId::SliderThumb, kRects, stem + QStringLiteral("_THM"), name,
                {Num(thumb->Width()), Num(thumb->Height()), trackKey, Num(track->Width()),
                 Num(track->Height())});
    }

    void CheckBounds(const TSkinElement& element, const QString& stem) {
        const std::optional<TPanelSize> panel = HoldingPanel(FSkin, element);
        const auto bounds = panel ? Area(kObjs, stem) : std::nullopt;
        if (bounds && !QRect(QPoint(), panel->Size).contains(bounds->ToQRect()))
            Add(TRuleId::BoundsOutsidePanel, kObjs, stem, QLatin1String(element.Name),
                {panel->Name, Num(panel->Size.width()), Num(panel->Size.height())});
    }

    const TCheckedSkin& FSkin;
    TSkinWindow FWindow;
    TSkinProject& FDocument;
    const QImage* FBitmap;
    TSkinWindowMembers FMembers;
    const std::function<bool(const QString&)>& FFaceAvailable;
    TFindings& FFindings;
};

} // namespace

std::optional<TRect> ReadGoodRect(TSkinProject& document, const QString& section,
                                  const QString& key) {
    if (!document.ValueExists(section, key))
        return std::nullopt;
    try {
        return StrToRect(document.ReadString(section, key, QString()));
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

void CheckWindow(const TCheckedSkin& skin, TSkinWindow window,
                 const std::function<bool(const QString&)>& faceAvailable, TFindings& findings) {
    if (!skin.Document(window))
        return;
    TWindowCheck check(skin, window, faceAvailable, findings);
    for (const TSkinElement& element : SkinElements(window))
        check.CheckElement(element);
    check.CheckWindowKeys();
}
