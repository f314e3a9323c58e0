// INI documents: the first input byte chooses the encoding of the rest
// (odd: UTF-16LE behind a byte-order mark, even: the bytes as they stand).
// Sections and keys found in the input are read back through every typed
// reader, the document is saved in both encodings, and the saves reload.

#include <algorithm>

#include "FuzzSupport.h"
#include "graphics/VESKFont.h"
#include "storage/VESKErrors.h"
#include "text/SkinProject.h"

namespace {

// Enough lookups to reach every reader; a document of a hundred thousand
// sections would otherwise turn one input into billions of comparisons.
constexpr int kMaxLookups = 16;

QByteArray Save(TVESKIniFileW& document, bool ansi) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    document.SaveToStream(out, ansi);
    return out.data();
}

void ReadTyped(TSkinProject& project, const QString& section, const QString& key) {
    const QString value = project.ReadString(section, key, QStringLiteral("__DEMOSTR"));
    FUZZ_CHECK(project.ValueExists(section, key) == (value != QLatin1String("__DEMOSTR")));
    project.ReadBool(section, key, false);
    project.ReadRect(section, key, TRect{1, 2, 3, 4});
    try {
        project.ReadInteger(section, key, 7);
    } catch (const EConvertError&) {
    }
    try {
        TMyFont font;
        project.ReadFont(section, key, font);
        TFont object;
        project.ReadFontTo(section, key, object);
    } catch (const EConvertError&) {
    }
}

// Looks up what the input named, also in another letter case, since names
// match without regard to case.
void ReadEverything(TSkinProject& project) {
    int lookups = 0;
    for (int s = 0; s < project.Sections.Count() && lookups < kMaxLookups; ++s) {
        const QString section = project.Sections.Strings(s);
        const TVESKStringListW* keys = project.Sections.Objects(s);
        FUZZ_CHECK(keys != nullptr);
        FUZZ_CHECK(project.FindSection(section) >= 0);
        FUZZ_CHECK(project.FindSection(section) <= s);
        for (int k = 0; k < keys->Count() && lookups < kMaxLookups; ++k, ++lookups) {
            ReadTyped(project, section, keys->Names(k));
            ReadTyped(project, section.toLower(), keys->Names(k).toUpper());
        }
    }
}

bool SameDocument(TVESKIniFileW& a, TVESKIniFileW& b) {
    if (a.Sections.Count() != b.Sections.Count())
        return false;
    for (int s = 0; s < a.Sections.Count(); ++s) {
        const TVESKStringListW* ka = a.Sections.Objects(s);
        const TVESKStringListW* kb = b.Sections.Objects(s);
        if (a.Sections.Strings(s) != b.Sections.Strings(s) || ka->Count() != kb->Count())
            return false;
        for (int k = 0; k < ka->Count(); ++k)
            if (ka->Names(k) != kb->Names(k) || ka->Strings(k) != kb->Strings(k))
                return false;
    }
    return true;
}

// UTF-16 keeps every character, so its save reloads as the same document;
// code page text may lose characters once, after which its save is stable.
void CheckSaves(TSkinProject& project) {
    const QByteArray wide = Save(project, false);
    TSkinProject fromWide;
    FuzzStream wideInput(wide);
    fromWide.LoadFromStream(wideInput);
    FUZZ_CHECK(SameDocument(project, fromWide));

    const QByteArray ansi = Save(project, true);
    TSkinProject fromAnsi;
    FuzzStream ansiInput(ansi);
    fromAnsi.LoadFromStream(ansiInput);
    FUZZ_CHECK(fromAnsi.Sections.Count() == project.Sections.Count());
    FUZZ_CHECK(Save(fromAnsi, true) == ansi);
}

// A write lands where the next read finds it.
void CheckWrite(TSkinProject& project, const QString& value) {
    const QString section = project.Sections.Count() ? project.Sections.Strings(0) : "NEW";
    project.WriteString(section, QStringLiteral("FuzzKey"), value);
    FUZZ_CHECK(project.ReadString(section, QStringLiteral("fuzzkey"), QString()) == value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    QByteArray bytes = FuzzBytes(data + 1, size - 1);
    if (data[0] & 1)
        bytes.prepend("\xFF\xFE", 2);
    TSkinProject project;
    FuzzStream input(bytes);
    project.LoadFromStream(input);
    ReadEverything(project);
    CheckSaves(project);
    CheckWrite(project, QString::fromLatin1(bytes.left(16)));
    return 0;
}
