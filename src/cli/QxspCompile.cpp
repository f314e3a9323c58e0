#include "cli/QxspCompile.h"

#include <QScopeGuard>

#include "cli/QxspCommandTable.h"
#include "cli/QxspErrors.h"
#include "cli/QxspPackageIO.h"
#include "compiler/EditorSaveTarget.h"
#include "compiler/SavePipeline.h"
#include "editor/EditorDialogs.h"
#include "editor/ErrorBox.h"
#include "editor/QX_SE.h"
#include "editor/SkinPreviewSet.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

// Nobody is there to answer: every question is cancelled.
class TNoDialogs : public IEditorDialogs {
public:
    QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&) override {
        return {};
    }
    std::optional<QColor> Color(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<TFont> Font(QWidget*, const TFont&) override { return std::nullopt; }
    std::optional<QString> Text(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void Information(QWidget*, const QString&, const QString&) override {}
};

} // namespace

void CmdCompile(const QStringList& args, QxspContext&) {
    if (args.size() != 2)
        ThrowUsage("compile");
    const QString& fileName = args[0];
    const QString& out = args[1];
    // The editor opens its built-in skin for a file that is no package; a
    // tool that did so would answer a typing error with a skin.
    {
        TVESKCustomFile probe;
        LoadPackageFile(fileName, probe);
    }
    // The window reports its own errors in a box nobody could close here.
    SetModalErrorBoxes(false);
    // Loading installs the skin's fonts for the labels; they go with the tool.
    const auto removeFonts = qScopeGuard([] { RemoveFonts(FontsFolder()); });
    TNoDialogs dialogs;
    TQXForm form(&dialogs);
    form.OpenSkin(fileName);
    // The editor opens a damaged package as far as it can and says what it
    // could not read; a compiler that did so would write a skin with
    // members or values silently lost.
    if (!form.SkinFile->Problems.IsEmpty())
        throw QxspFailure(
            QStringLiteral("%1: cannot be compiled as it stands:\n  %2")
                .arg(fileName, form.SkinFile->Problems.Lines().join(QStringLiteral("\n  "))));
    if (RenderPreviewImage(form.MainPreview()).isNull())
        throw QxspFailure(
            QStringLiteral("%1: the window has no size that can be drawn").arg(fileName));
    TSaveTarget target = SaveTargetOf(form);
    TSilentSaveLog log;
    try {
        RunSavePipeline(target, out, log);
    } catch (const EVESKError& error) {
        throw QxspFailure(QStringLiteral("%1: %2").arg(out, error.message()));
    }
}
