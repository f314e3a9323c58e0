#include "compiler/SavePipeline.h"

#include "compiler/MainMask.h"
#include "compiler/MemberBytes.h"
#include "compiler/PackageFile.h"
#include "storage/QXSPFile.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "text/SkinProject.h"

namespace {

constexpr int kHeaderTextSize = 32;

// The step results as the log shows them; the tray step's alone is
// capitalised and has no leading blank.
const QString kDone = QStringLiteral(" [выполнено]");
const QString kTrayDone = QStringLiteral("[Выполнено]");
const QString kConfiguration = QStringLiteral("Генерация файла конфигурации...");

void CheckTarget(const TSaveTarget& target) {
    if (!target.Package || !target.Package->Project || !target.Package->ParentIni ||
        !target.EqDocument || !target.TrayDocument || !target.TrayBitmap)
        throw EVESKError(QStringLiteral("No skin is loaded"));
}

} // namespace

void RunSavePipeline(TSaveTarget& target, const QString& fileName, ISaveLog& log) {
    CheckTarget(target);
    TQXSPFile& package = *target.Package;
    TSkinProject& project = *package.Project;
    const TSaveProgress progress = [&log](int percent) { log.SetProgress(percent); };
    auto status = [&log](const QString& text) { log.SetStatus(text, true); };
    auto result = [&log](const QString& text) { log.SetStatus(text, false); };

    if (target.ShowSkinsPage)
        target.ShowSkinsPage();
    SetFieldText(package.Header.SkinName, kHeaderTextSize,
                 WideToAnsi(target.SkinName.left(kHeaderTextSize)));
    SetFieldText(package.Header.Author, kHeaderTextSize,
                 WideToAnsi(target.Author.left(kHeaderTextSize)));

    status(kConfiguration);
    status(QStringLiteral("Запись основного окна..."));
    WriteMainWindow(target.Main, project, *package.ParentIni, progress);
    result(kDone);

    status(QStringLiteral("Запись элементов эквалайзера..."));
    WriteEqualizer(target.EqualizerFace, *target.EqDocument, progress);
    result(kDone);

    status(QStringLiteral("Запись элементов плэйлиста..."));
    WritePlaylist(project);
    result(kDone);

    status(QStringLiteral("Запись элементов TrayControl..."));
    AddMember(package, QStringLiteral("tray.bmp"),
              BitmapMemberBytes(package, QStringLiteral("tray.bmp"), *target.TrayBitmap));
    {
        const auto trayParents =
            WriteTrayController(target.TrayInfo, target.TrayCtrl, *target.TrayDocument, progress);
        AddMember(package, QStringLiteral("tray_parent.ini"), DocumentBytes(*trayParents));
    }
    AddMember(package, QStringLiteral("tray.ini"), DocumentBytes(*target.TrayDocument));
    result(kTrayDone);

    status(QStringLiteral("Запись элементов контекстного меню..."));
    WriteContextMenu(project, target.Menu);
    result(kDone);

    status(kConfiguration + kDone);
    status(QStringLiteral("Генерация маски главного окна..."));
    const TMaskMargins margins = BuildMainMask(target.Main, project, package);
    result(kDone);
    WriteMaskMargins(project, margins);

    status(QStringLiteral("Сохранение файла конфигурации..."));
    AddMember(package, QStringLiteral("info.txt"), DescriptionBytes(target.Description));
    AddMember(package, QStringLiteral("main.ini"), DocumentBytes(project));
    AddMember(package, QStringLiteral("parent.ini"), DocumentBytes(*package.ParentIni));
    AddMember(package, QStringLiteral("equa.ini"), DocumentBytes(*target.EqDocument));
    result(kDone);

    status(QStringLiteral("Сохранение обложки в файл..."));
    WritePackageFile(fileName, package);
    result(kDone);
}
