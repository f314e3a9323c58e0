#pragma once

#include <functional>
#include <memory>

#include <QImage>
#include <QStringList>

#include "editor/SkinRenderer.h"
#include "storage/SkinVocabulary.h"

class QIODevice;
class QWidget;
class TPreviewTrees;
class TQXSPFile;
class TSkinProject;
class TVESKCustomFile;
class TVESKSELabel;
class TLoadProblems;

// The skin being edited: the open package and the equalizer's and tray
// controller's documents and bitmaps read from it. Whoever holds them (the
// main window, a preview without a window) hands the loader their places.
struct TSkinState {
    std::unique_ptr<TQXSPFile>* SkinFile;
    std::unique_ptr<TSkinProject>* EqDocument;
    std::unique_ptr<QImage>* EqBitmap;
    std::unique_ptr<TSkinProject>* TrayDocument;
    std::unique_ptr<QImage>* TrayBitmap;
};

// What a load fills besides the previews: the pages of the main window.
// A preview without a window leaves them all out.
struct TLoadPages {
    std::function<void(TQXSPFile&)> ShowHeader;          // name, author, image file, description
    std::function<void(TSkinProject&)> ReadPlaylistFlag; // hidden playlist scroll bar
    std::function<void(TQXSPFile&)> LoadImageList;       // the menu's icon strip
    std::function<void(TSkinProject&)> ReadMenuLooks;    // menu colours and font
    std::function<void()> RefreshFontList;
    std::function<void()> FillPlaylistTab;
    std::function<void()> ShowMainPreview;
    std::function<void()> FillElementList;
};

// Turns a package into the previews: reads the equalizer and tray members
// (or the built-in templates), renders every preview and puts each element
// under the panel that the package's parent documents name.
class TSkinLoader {
public:
    TSkinLoader(const TPreviewTrees& trees, TSkinState state);

    // The whole load; the state takes the package, closing the one it held.
    void LoadSkin(std::unique_ptr<TQXSPFile> file, const TLoadPages& pages = {});

    // Reads the equalizer members when no equalizer document exists yet
    // (a package without them gains the built-in templates as members),
    // then renders the equalizer preview.
    void LoadEqualizer();
    // With reload, reads the tray members again (or the templates, which the
    // package does not gain). Always puts the tray elements back under the
    // panels the package names and renders the tray preview; errors while
    // rendering are swallowed.
    void LoadTrayController(bool reload);
    void LoadTrayParents();

    // Renders the elements of the main window's face, playlist panels and
    // border bars, the labels and the tab buttons.
    void RenderMainElements();
    // Puts the main window's elements under the panels the parent document
    // names; balanceSlider vanishes when it names none.
    void ReparentMainElements();
    // Renders every element of one preview again from the document and
    // bitmap held, e.g. after its bitmap was replaced.
    void RenderWindow(TSkinWindow window);
    // Renders every preview again from the documents and bitmaps held,
    // e.g. after the bitmaps were recoloured.
    void RenderAll();

    void LoadLabelLook(TVESKSELabel* label, TSkinProject& document) const;
    // "MAIN", "TOP", "BTM", "R_BRD", "L_BRD" in any case; nullptr for any
    // other code.
    QWidget* ParentPanelByName(const QString& code) const;

    // Hands an existing member stream to the loader; false when there is
    // none.
    static bool LoadFromMember(std::unique_ptr<QIODevice> stream,
                               const std::function<void(QIODevice&)>& loader);
    // The package's font members in member order.
    static QStringList FontMembers(const TVESKCustomFile& package);

    TSkinRenderer Renderer() const;

private:
    TQXSPFile* Package() const;
    // Reads the member with read; a member that is missing or cannot be read
    // (reported with action) gives way to the template resource, which a
    // missing member becomes when addTemplate is set.
    void ReadMemberOrTemplate(const QString& member, const QString& resource, bool addTemplate,
                              const std::function<void(QIODevice&)>& read,
                              const QString& action) const;
    static std::function<void(QIODevice&)> ReadBitmapInto(QImage& target, const QString& name);
    // While a skin loads, runs step so that an error costs only that step
    // and is reported with what as what the editor did instead; otherwise
    // errors go to the caller.
    void Attempt(const QString& what, const std::function<void()>& step) const;
    static QString WithoutTextures(const QWidget* element);
    void ShowAllElements() const;

    const TPreviewTrees& FTrees;
    TSkinState FState;
    TLoadProblems* FReport = nullptr;
};
// The description member "info.txt" as text, lines ending in "\n": code
// page text, or Unicode when it starts with a byte-order mark.
QString DecodeDescription(const QByteArray& bytes);
