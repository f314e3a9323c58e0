#include "storage/QXSPFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKFileStreamW.h"
#include "text/SkinProject.h"

namespace {

const QString kThemes = QStringLiteral("SKIN_THEMES");

// A member bitmap may declare any size; what a skin texture sheet can
// reasonably need is far below this, and a hostile header must not make
// the editor allocate gigabytes.
constexpr int kMaxBitmapMegabytes = 256;

class EBadMember : public EVESKError {
public:
    explicit EBadMember(const QString& name)
        : EVESKError(QStringLiteral("Member %1 is not a valid bitmap").arg(name)) {}
};

void ResetProject(std::unique_ptr<TSkinProject>& project) {
    if (project)
        project->Clear();
    else
        project = std::make_unique<TSkinProject>(QString(), true);
}

void ResetBitmap(std::unique_ptr<QImage>& bitmap) {
    if (bitmap)
        *bitmap = QImage();
    else
        bitmap = std::make_unique<QImage>();
}

QImage ReadBitmap(QIODevice& stream, const QString& name) {
    QImageReader reader(&stream, "bmp");
    reader.setAllocationLimit(kMaxBitmapMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        throw EBadMember(name);
    return image;
}

} // namespace

// ---------------------------------------------------------------- custom file

TQXSPCustomFile::~TQXSPCustomFile() = default;

bool TQXSPCustomFile::LoadFromStream(QIODevice& source) {
    bool result = false;
    try {
        result = TVESKCustomFile::LoadFromStream(source);
        if (!result) {
            LoadDefault();
            result = true;
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
    ResetProject(Project);
    if (auto stream = ExtractFile(QStringLiteral("main.ini")))
        Project->LoadFromStream(*stream);
    // A hostile count would make every scheme lookup walk billions of
    // entries; scheme 0 always exists.
    const qint64 stored = Project->ReadInteger(kThemes, QStringLiteral("Count"), 0);
    ThemeCount = int(qBound(qint64(1), stored + 1, qint64(MaxThemeCount)));
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
    return Project->ReadInteger(kThemes, QStringLiteral("Theme%1").arg(index), 0);
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
    // A damaged member ends the loading silently: the members after it stay
    // empty and the editor shows what could be read.
    try {
        ResetProject(ParentIni);
        ResetProject(EquaIni);
        ResetBitmap(MaskBmp);
        ResetBitmap(MainBmp);
        ResetBitmap(EquaBmp);

        const auto loadBitmap = [this](const QString& name, QImage& target) {
            if (auto stream = ExtractFile(name))
                target = ReadBitmap(*stream, name);
        };
        const auto loadProject = [this](const QString& name, TSkinProject& target) {
            if (auto stream = ExtractFile(name))
                target.LoadFromStream(*stream);
        };
        loadBitmap(QStringLiteral("main.bmp"), *MainBmp);
        loadBitmap(QStringLiteral("mask.bmp"), *MaskBmp);
        loadProject(QStringLiteral("parent.ini"), *ParentIni);
        loadProject(QStringLiteral("equa.ini"), *EquaIni);
        loadBitmap(QStringLiteral("equa.bmp"), *EquaBmp);

        SkinName = AnsiToWide(FieldText(Header.SkinName, 32));
        Author = AnsiToWide(FieldText(Header.Author, 32));
    } catch (const std::exception&) {
    }
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
