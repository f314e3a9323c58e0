#include "editor/SkinLoader.h"

#include <QBuffer>
#include <QFile>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QWidget>

#include "controls/PlainPanel.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/PreviewTrees.h"
#include "graphics/BmpDecoder.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"
#include "text/SkinProject.h"

namespace {

const QString kTrayInfoCode = QStringLiteral("INFO");

// The labels of the main window that take their looks from the document,
// in the order they are read.
const char* const kMainLabels[] = {"LengthLabel", "SizeLabel",   "CountLabel",
                                   "Infobar",     "Playlistbox", "iTitle",
                                   "iAlbum",      "iArtist",     "iGenre"};

std::unique_ptr<QIODevice> ReadResource(const QString& name) {
    QFile resource(QStringLiteral(":/skin/") + name);
    if (!resource.open(QIODevice::ReadOnly))
        return nullptr;
    return NewMemoryStream(resource.readAll());
}

// Re-parenting hides a widget in Qt; an element keeps showing unless it was
// switched off.
void MoveTo(QWidget* control, QWidget* panel) {
    if (control->parentWidget() == panel)
        return;
    const bool shown = !control->isHidden();
    control->setParent(panel);
    if (shown)
        control->show();
}

QList<QWidget*> ChildControls(const QWidget* container) {
    return container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

} // namespace

QString DecodeDescription(const QByteArray& bytes) {
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        text = decoder(bytes.mid(2));
    } else {
        text = AnsiToWide(bytes);
    }
    // Lines as the memo keeps them; a save joins them with CR LF again.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

TSkinLoader::TSkinLoader(const TPreviewTrees& trees, TSkinState state)
    : FTrees(trees), FState(state) {}

TQXSPFile* TSkinLoader::Package() const {
    return FState.SkinFile->get();
}

TSkinRenderer TSkinLoader::Renderer() const {
    TQXSPFile* package = Package();
    return TSkinRenderer(FTrees, package ? package->Project.get() : nullptr,
                         package ? package->MainBmp.get() : nullptr);
}

void TSkinLoader::Attempt(const QString& what, const std::function<void()>& step) const {
    if (!FReport) {
        step();
        return;
    }
    // While a skin loads, a value that does not parse costs only the step
    // that read it; the report tells the user which.
    try {
        step();
    } catch (const EConvertError& error) {
        FReport->Add(error.Member, error.Detail(), what, TProblemKind::BadValue);
    } catch (const EVESKError& error) {
        FReport->Add(QString(), error.message(), what);
    }
}

void TSkinLoader::LoadSkin(std::unique_ptr<TQXSPFile> file, const TLoadPages& pages) {
    std::unique_ptr<TQXSPFile>& held = *FState.SkinFile;
    if (held)
        held->Close();
    held = std::move(file);
    if (!held)
        held = std::make_unique<TQXSPFile>();
    TQXSPFile& package = *held;
    // A package that was never read has no documents yet; it loads as an
    // empty skin.
    if (!package.Project)
        package.Project = std::make_unique<TSkinProject>();
    if (!package.ParentIni)
        package.ParentIni = std::make_unique<TSkinProject>();
    if (!package.MainBmp)
        package.MainBmp = std::make_unique<QImage>();
    FReport = &package.Problems;
    const auto stopReporting = qScopeGuard([this] { FReport = nullptr; });
    const auto call = [this](const char* what, const auto& step, auto&... args) {
        if (step)
            Attempt(QString::fromUtf8(what), [&] { step(args...); });
    };

    // A new skin starts with every element shown: one the user switched off
    // in the previous skin would otherwise be saved as missing from this one.
    ShowAllElements();
    call("the header is shown as far as it was read", pages.ShowHeader, package);
    call("the playlist option is left as it was", pages.ReadPlaylistFlag, *package.Project);
    call("the icon strip keeps its previous picture", pages.LoadImageList, package);
    call("the menu looks are shown as far as they were read", pages.ReadMenuLooks,
         *package.Project);
    Attempt(QStringLiteral("the main window's frame is drawn as far as it was read"),
            [this] { Renderer().RenderMainFrame(TSkinRenderer::TPlaylistPanels::Render); });
    Attempt(QStringLiteral("the equalizer is drawn as far as it was read"),
            [this] { LoadEqualizer(); });
    LoadTrayController(true);
    call("the font list is left empty", pages.RefreshFontList);
    RenderMainElements();
    call("the playlist page is filled as far as it was read", pages.FillPlaylistTab);
    ReparentMainElements();
    call("", pages.ShowMainPreview);
    call("the element list is filled as far as it was read", pages.FillElementList);
}

void TSkinLoader::ShowAllElements() const {
    for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray})
        for (QWidget* control : FTrees.Controls(window))
            control->setVisible(true);
}

void TSkinLoader::ReadMemberOrTemplate(const QString& member, const QString& resource,
                                       bool addTemplate,
                                       const std::function<void(QIODevice&)>& read,
                                       const QString& action) const {
    TQXSPFile* package = Package();
    if (package) {
        if (auto stream = package->ExtractReported(member, action)) {
            try {
                read(*stream);
                return;
            } catch (const EBadBitmap& error) {
                package->Problems.Add(member, error.Reason, action);
            } catch (const EVESKError& error) {
                package->Problems.Add(member, error.message(), action);
            }
        }
    }
    auto stream = ReadResource(resource);
    if (!stream)
        return;
    // Only a member that is missing is completed from the template; a
    // damaged one stays in the package as it is for its author to mend.
    if (package && addTemplate && package->IndexOf(member) < 0) {
        package->AddFile(member, stream.get());
        stream->seek(0);
    }
    read(*stream);
}

void TSkinLoader::LoadEqualizer() {
    std::unique_ptr<TSkinProject>& document = *FState.EqDocument;
    std::unique_ptr<QImage>& bitmap = *FState.EqBitmap;
    if (!document) {
        const QString iniMember = QStringLiteral("equa.ini");
        document = std::make_unique<TSkinProject>();
        document->Origin = iniMember;
        ReadMemberOrTemplate(
            iniMember, QStringLiteral("EQI"), true,
            [&](QIODevice& stream) {
                document->Clear();
                document->LoadFromStream(stream);
            },
            QStringLiteral("the built-in equalizer is used"));
        bitmap = std::make_unique<QImage>();
        // The package has decoded its equalizer bitmap already when it had
        // one; decoding it again would only cost start-up time.
        TQXSPFile* package = Package();
        if (package && package->EquaBmp && !package->EquaBmp->isNull())
            *bitmap = *package->EquaBmp;
        else
            ReadMemberOrTemplate(QStringLiteral("equa.bmp"), QStringLiteral("EQS"), true,
                                 ReadBitmapInto(*bitmap, QStringLiteral("equa.bmp")),
                                 QStringLiteral("the built-in equalizer bitmap is used"));
    }
    if (!bitmap)
        bitmap = std::make_unique<QImage>();
    Renderer().RenderEqualizer(*document, *bitmap);
}

std::function<void(QIODevice&)> TSkinLoader::ReadBitmapInto(QImage& target, const QString& name) {
    return [&target, name](QIODevice& stream) { target = DecodeBmp(stream.readAll(), name).Image; };
}

bool TSkinLoader::LoadFromMember(std::unique_ptr<QIODevice> stream,
                                 const std::function<void(QIODevice&)>& loader) {
    if (!stream)
        return false;
    loader(*stream);
    return true;
}

void TSkinLoader::LoadTrayController(bool reload) {
    std::unique_ptr<TSkinProject>& document = *FState.TrayDocument;
    std::unique_ptr<QImage>& bitmap = *FState.TrayBitmap;
    if (!bitmap)
        bitmap = std::make_unique<QImage>();
    if (!document)
        document = std::make_unique<TSkinProject>();
    if (reload) {
        const QString iniMember = QStringLiteral("tray.ini");
        document->Origin = iniMember;
        // A document loads by adding sections; a second read into the same
        // document would leave the first one's values in front.
        const auto readDocument = [&](QIODevice& stream) {
            document->Clear();
            document->LoadFromStream(stream);
        };
        ReadMemberOrTemplate(iniMember, QStringLiteral("TCC"), false, readDocument,
                             QStringLiteral("the built-in tray controller is used"));
        ReadMemberOrTemplate(QStringLiteral("tray.bmp"), QStringLiteral("TCS"), false,
                             ReadBitmapInto(*bitmap, QStringLiteral("tray.bmp")),
                             QStringLiteral("the built-in tray controller bitmap is used"));
    }
    Attempt(QStringLiteral("the tray elements keep their default panels"),
            [this] { LoadTrayParents(); });
    try {
        Renderer().RenderTray(*document, *bitmap);
    } catch (const std::exception&) {
        // The tray preview shows what it got so far.
    }
}

void TSkinLoader::LoadTrayParents() {
    QWidget* info = FTrees.TrayInfo();
    QWidget* controls = FTrees.TrayCtrl();
    if (!info || !controls)
        return;
    TSkinProject parents;
    const QString member = QStringLiteral("tray_parent.ini");
    parents.Origin = member;
    if (TQXSPFile* package = Package())
        if (auto stream = package->ExtractReported(
                member, QStringLiteral("the tray elements keep their default panels")))
            parents.LoadFromStream(*stream);
    for (QWidget* panel : {controls, info}) {
        // From the last child to the first: children leave the panel on the
        // way.
        const QList<QWidget*> children = ChildControls(panel);
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            const QString fallback =
                (*child)->toolTip() == QLatin1String("1") ? kTrayInfoCode : QString();
            const QString code =
                parents.ReadString(QStringLiteral("PARENT"), (*child)->objectName(), fallback);
            MoveTo(*child, code.compare(kTrayInfoCode, Qt::CaseInsensitive) == 0 ? info : controls);
        }
    }
}

QWidget* TSkinLoader::ParentPanelByName(const QString& code) const {
    static const struct {
        const char* Code;
        const char* Panel;
    } kCodes[] = {{"MAIN", "Main"},
                  {"TOP", "TopPanel"},
                  {"BTM", "PlsCtrl"},
                  {"R_BRD", "RightBar"},
                  {"L_BRD", "Leftbar"}};
    for (const auto& entry : kCodes)
        if (code.compare(QLatin1String(entry.Code), Qt::CaseInsensitive) == 0)
            return FTrees.Find(QLatin1String(entry.Panel));
    return nullptr;
}

void TSkinLoader::LoadLabelLook(TVESKSELabel* label, TSkinProject& document) const {
    if (!label)
        return;
    TFont font = label->Font();
    document.ReadFontTo(QStringLiteral("SKIN_FONTS"), label->objectName(), font);
    label->SetFont(font);
    TSkinRenderer::Place(
        label, document.ReadRect(QStringLiteral("SKIN_OBJS"), label->objectName(), TRect()));
}

void TSkinLoader::RenderMainElements() {
    TQXSPFile* package = Package();
    if (!package || !package->Project || !package->MainBmp)
        return;
    TSkinProject& document = *package->Project;
    const QImage& bitmap = *package->MainBmp;
    const TSkinRenderer renderer = Renderer();
    // The border bars are searched too: an element that an earlier skin put
    // there would otherwise keep that skin's textures.
    for (QWidget* panel :
         {static_cast<QWidget*>(FTrees.Main()), static_cast<QWidget*>(FTrees.TopPanel()),
          static_cast<QWidget*>(FTrees.PlsCtrl()), static_cast<QWidget*>(FTrees.Leftbar()),
          static_cast<QWidget*>(FTrees.RightBar())}) {
        if (!panel)
            continue;
        for (QWidget* child : ChildControls(panel)) {
            TElementControl* element = AsElementControl(child);
            if (!element)
                continue;
            Attempt(WithoutTextures(child), [&] {
                switch (element->Kind()) {
                case ElementKind::PushButton:
                case ElementKind::ToggleButton:
                case ElementKind::MultiDisplay:
                case ElementKind::Spectrum:
                case ElementKind::Slider:
                    renderer.RenderElement(child, bitmap, &document);
                    break;
                case ElementKind::NumericDisplay:
                    renderer.RenderNumericDisplay(child->objectName(), bitmap,
                                                  qobject_cast<TVESKNumLabel*>(child), &document);
                    break;
                default:
                    break;
                }
            });
        }
    }
    for (const char* name : kMainLabels)
        LoadLabelLook(FTrees.Get<TVESKSELabel>(QLatin1String(name)), document);
    for (const char* name : {"TCP", "TCN"}) {
        QWidget* control = FTrees.Find(QLatin1String(name));
        Attempt(WithoutTextures(control),
                [&] { renderer.RenderElement(control, bitmap, &document); });
    }
}

QString TSkinLoader::WithoutTextures(const QWidget* element) {
    return QStringLiteral("%1 is shown as far as it was read")
        .arg(element ? element->objectName() : QString());
}

void TSkinLoader::ReparentMainElements() {
    TQXSPFile* package = Package();
    TSkinProject* parents = package ? package->ParentIni.get() : nullptr;
    for (QWidget* control : FTrees.Controls(TSkinWindow::Main)) {
        // Areas, border bars and the dock make up the window itself; the
        // parent document places what lies on them.
        TElementControl* element = AsElementControl(control);
        if (!element || qobject_cast<TVESKSEPanel*>(control) ||
            element->Kind() == ElementKind::BorderBar)
            continue;
        const QString code = parents
                                 ? parents->ReadString(QStringLiteral("Parent"),
                                                       control->objectName(), QStringLiteral("0"))
                                 : QStringLiteral("0");
        QWidget* panel = ParentPanelByName(code);
        if (!panel) {
            if (control->objectName() == QLatin1String("balanceSlider"))
                SetBounds(control, QRect());
            continue;
        }
        MoveTo(control, panel);
    }
}

void TSkinLoader::RenderWindow(TSkinWindow window) {
    switch (window) {
    case TSkinWindow::Main:
        Renderer().RenderMainFrame();
        RenderMainElements();
        break;
    case TSkinWindow::Equalizer:
        LoadEqualizer();
        break;
    case TSkinWindow::Tray:
        LoadTrayController(false);
        break;
    }
}

void TSkinLoader::RenderAll() {
    Renderer().RenderMainFrame(TSkinRenderer::TPlaylistPanels::Render);
    LoadEqualizer();
    LoadTrayController(false);
    RenderMainElements();
}

QStringList TSkinLoader::FontMembers(const TVESKCustomFile& package) {
    QStringList names;
    for (int i = 0; i < package.Count(); ++i)
        if (IsFontMemberName(package.ItemName(i)))
            names << package.ItemName(i);
    return names;
}
