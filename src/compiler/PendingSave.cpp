#include "compiler/PendingSave.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "compiler/EditorSaveTarget.h"
#include "compiler/MemberBytes.h"
#include "compiler/SaveSource.h"
#include "controls/AlignLayout.h"
#include "storage/QXSPFile.h"
#include "storage/VESKErrors.h"
#include "text/SkinProject.h"

namespace {

std::unique_ptr<TSkinProject> CopyDocument(TSkinProject* document) {
    auto copy = std::make_unique<TSkinProject>();
    if (!document)
        return copy;
    QBuffer bytes;
    bytes.setData(DocumentBytes(*document));
    bytes.open(QIODevice::ReadOnly);
    copy->LoadFromStream(bytes);
    return copy;
}

// The members as they are, without reading any of them into objects.
std::unique_ptr<TQXSPFile> CopyPackage(TQXSPFile& package) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    package.SaveToStream(bytes);
    bytes.close();
    bytes.open(QIODevice::ReadOnly);
    auto copy = std::make_unique<TQXSPFile>();
    copy->TVESKCustomFile::LoadFromStream(bytes);
    copy->Project = CopyDocument(package.Project.get());
    copy->ParentIni = CopyDocument(package.ParentIni.get());
    return copy;
}

// The save sets hidden playlist panels to height 0 for its photograph; the
// preview keeps the heights it had.
class TGeometryKeeper {
public:
    explicit TGeometryKeeper(std::initializer_list<QWidget*> widgets) {
        for (QWidget* widget : widgets)
            if (widget)
                FKept.emplace_back(widget, widget->geometry());
    }
    ~TGeometryKeeper() {
        for (const auto& [widget, geometry] : FKept)
            SetBounds(widget, geometry);
    }

private:
    std::vector<std::pair<QWidget*, QRect>> FKept;
};

} // namespace

QByteArray PendingSaveBytes(ISaveSource& source) {
    TSaveTarget target = source.SaveTarget();
    if (!target.Package)
        throw EVESKError(QStringLiteral("No skin is loaded"));
    const auto package = CopyPackage(*target.Package);
    const auto equalizer = CopyDocument(target.EqDocument);
    const auto tray = CopyDocument(target.TrayDocument);
    target.Package = package.get();
    target.EqDocument = equalizer.get();
    target.TrayDocument = tray.get();
    // The page shown stays; the previews draw alike on every page.
    target.ShowSkinsPage = nullptr;

    const TGeometryKeeper keeper{target.Main.TopPanel, target.Main.TabCtrl};
    QTemporaryDir folder;
    if (!folder.isValid())
        throw EVESKError(QStringLiteral("Cannot create a temporary folder"));
    const QString fileName = folder.filePath(QStringLiteral("pending.qxsp"));
    TSilentSaveLog log;
    RunSavePipeline(target, fileName, log);
    QFile written(fileName);
    if (!written.open(QIODevice::ReadOnly))
        throw EVESKError(QStringLiteral("Cannot open file %1").arg(fileName));
    return written.readAll();
}
