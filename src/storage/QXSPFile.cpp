#include "storage/QXSPFile.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include "graphics/BmpDecoder.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKFileStreamW.h"
#include "text/SkinProject.h"

namespace {

const QString kThemes = QStringLiteral("SKIN_THEMES");

void ResetProject(std::unique_ptr<TSkinProject>& project, const QString& member) {
    if (project)
        project->Clear();
    else
        project = std::make_unique<TSkinProject>(QString(), true);
    project->Origin = member;
}

void ResetBitmap(std::unique_ptr<QImage>& bitmap) {
    if (bitmap)
        *bitmap = QImage();
    else
        bitmap = std::make_unique<QImage>();
}

} // namespace

int StoredSchemeCount(TSkinProject& project, TLoadProblems* problems) {
    constexpr int most = TQXSPCustomFile::MaxThemeCount - 1;
    try {
        return qBound(0, project.ReadInteger(kThemes, QStringLiteral("Count"), 0), most);
    } catch (const EConvertError& error) {
        // The schemes are still there: count those stored one after another.
        int count = 0;
        while (count < most &&
               (project.ValueExists(kThemes, QStringLiteral("Name%1").arg(count + 1)) ||
                project.ValueExists(kThemes, QStringLiteral("Theme%1").arg(count + 1))))
            ++count;
        if (problems)
            problems->Add(error.Member, error.Detail(),
                          QStringLiteral("counted the %1 schemes stored").arg(count),
                          TProblemKind::BadValue);
        return count;
    }
}

int StoredSchemeValue(TSkinProject& project, int index, TLoadProblems* problems) {
    try {
        return project.ReadInteger(kThemes, QStringLiteral("Theme%1").arg(index), 0);
    } catch (const EConvertError& error) {
        if (problems)
            problems->Add(error.Member, error.Detail(),
                          QStringLiteral("the scheme is kept with hue 0"), TProblemKind::BadValue);
        return 0;
    }
}

// ---------------------------------------------------------------- custom file

TQXSPCustomFile::~TQXSPCustomFile() = default;

bool TQXSPCustomFile::LoadFromStream(QIODevice& source) {
    bool result = false;
    FellBack = false;
    try {
        result = TVESKCustomFile::LoadFromStream(source);
        if (!result) {
            LoadDefault();
            result = true;
            FellBack = !FLoadingDefault;
        }
    } catch (...) {
        LoadProject();
        throw;
    }
    LoadProject();
    return result;
}

void TQXSPCustomFile::Close() {
    Project.reset();
    TVESKCustomFile::Close();
}

void TQXSPCustomFile::LoadProject() {
    const QString member = QStringLiteral("main.ini");
    ResetProject(Project, member);
    LoadDocumentMember(member, *Project,
                       QStringLiteral("the main window's elements have no textures or places"));
    // A hostile count would make every scheme lookup walk billions of
    // entries; scheme 0 always exists.
    ThemeCount = StoredSchemeCount(*Project, &Problems) + 1;
    for (int i = 1; i < ThemeCount; ++i)
        StoredSchemeValue(*Project, i, &Problems);
}

void TQXSPCustomFile::LoadDocumentMember(const QString& member, TSkinProject& document,
                                         const QString& action) {
    auto stream = ExtractReported(member, action);
    if (!stream)
        return;
    try {
        document.LoadFromStream(*stream);
    } catch (const EVESKError& error) {
        document.Clear();
        Problems.Add(member, error.message(), action);
    }
}

void TQXSPCustomFile::ApplyTheme(QImage& bitmap) {
    if (!IsThemeValid(CurrentTheme))
        CurrentTheme = 0;
    if (CurrentTheme == 0 || bitmap.isNull())
        return;
    TVESKBmp working(bitmap);
    ApplyHue(working, CurrentTheme);
    QPainter painter(&bitmap);
    working.Draw(painter, 0, 0);
}

bool TQXSPCustomFile::IsThemeValid(int value) {
    for (int index = 0; index < ThemeCount; ++index)
        if (GetThemeValue(index) == value)
            return true;
    return value == 0;
}

int TQXSPCustomFile::GetThemeValue(int index) {
    if (index == 0 || !Project)
        return 0;
    return StoredSchemeValue(*Project, index);
}

QString TQXSPCustomFile::GetThemeName(int index) {
    if (index == 0)
        return QStringLiteral("Default");
    if (!Project)
        return QStringLiteral("Noname");
    return Project->ReadString(kThemes, QStringLiteral("Name%1").arg(index),
                               QStringLiteral("Noname"));
}

int TQXSPCustomFile::GetThemeCount() {
    return ThemeCount;
}

void TQXSPCustomFile::LoadDefault() {
    if (FLoadingDefault) {
        Reset();
        return;
    }
    FLoadingDefault = true;
    QFile resource(QStringLiteral(":/skin/DEFAULT"));
    resource.open(QIODevice::ReadOnly);
    try {
        LoadFromStream(resource);
    } catch (...) {
        FLoadingDefault = false;
        throw;
    }
    FLoadingDefault = false;
}

void TQXSPCustomFile::LoadFromFile(const QString& fileName) {
    TVESKFileStreamW stream(fileName, TVESKFileStreamW::fmOpenRead);
    if (!stream.IsValid())
        throw EVESKError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, stream.errorString()));
    LoadFromStream(stream);
}

// ---------------------------------------------------------------- skin file

TQXSPFile::~TQXSPFile() {
    Close();
}

void TQXSPFile::Close() {
    EquaIni.reset();
    EquaBmp.reset();
    ParentIni.reset();
    MainBmp.reset();
    MaskBmp.reset();
    TQXSPCustomFile::Close();
}

void TQXSPFile::LoadProject() {
    TQXSPCustomFile::LoadProject();
    LoadMembers();
    InstallFonts();
}

void TQXSPFile::LoadMembers() {
    ResetProject(ParentIni, QStringLiteral("parent.ini"));
    ResetProject(EquaIni, QStringLiteral("equa.ini"));
    ResetBitmap(MaskBmp);
    ResetBitmap(MainBmp);
    ResetBitmap(EquaBmp);
    // The header first: whatever a member holds, the skin keeps its name
    // and author.
    SkinName = AnsiToWide(FieldText(Header.SkinName, 32));
    Author = AnsiToWide(FieldText(Header.Author, 32));
    // A damaged member is reported and left empty; the ones after it load
    // as if it were fine. Members the editor does not rewrite stay in the
    // package as they are.
    LoadBitmapMember(QStringLiteral("main.bmp"), *MainBmp,
                     QStringLiteral("the main window is shown without textures; the member "
                                    "is kept as it is"));
    LoadBitmapMember(QStringLiteral("mask.bmp"), *MaskBmp,
                     QStringLiteral("ignored; a save makes a new mask"));
    LoadDocumentMember(QStringLiteral("parent.ini"), *ParentIni,
                       QStringLiteral("every element keeps its default panel"));
    LoadDocumentMember(QStringLiteral("equa.ini"), *EquaIni,
                       QStringLiteral("the built-in equalizer is used"));
    LoadBitmapMember(QStringLiteral("equa.bmp"), *EquaBmp,
                     QStringLiteral("the built-in equalizer bitmap is used"));
}

void TQXSPFile::LoadBitmapMember(const QString& member, QImage& target, const QString& action) {
    target = ReadBitmapMember(*this, member, action);
}

void TQXSPFile::InstallFonts() {
    const QString folder = FontsFolder();
    int fonts = 0;
    for (int i = 0; i < Count() && fonts < MaxFontCount; ++i) {
        const QString name = ItemName(i);
        if (!IsFontMemberName(name))
            continue;
        ++fonts;
        if (auto stream = ExtractFile(name))
            InstallFont(folder, name, *stream);
    }
}

QImage ReadBitmapMember(TVESKCustomFile& package, const QString& member, const QString& action) {
    const auto stream = package.ExtractReported(member, action);
    if (!stream)
        return QImage();
    try {
        return DecodeBmp(stream->data(), member).Image;
    } catch (const EBadBitmap& error) {
        package.Problems.Add(member, error.Reason, action);
        return QImage();
    }
}
