#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "check/SkinFinding.h"
#include "graphics/BmpDecoder.h"
#include "storage/SkinVocabulary.h"
#include "storage/VESKContainerReport.h"
#include "storage/VESKCustomFile.h"
#include "text/SkinProject.h"

// A package as the checker reads it: the file's bytes and structure, and
// the members the rules look at, each read once. A member that is missing
// or cannot be read is absent here; the rule that found out has said so.
struct TCheckedSkin {
    QByteArray Bytes;
    TVESKCustomFile Package;
    TContainerReport Container;

    // The window documents and bitmaps by window, and the parent documents.
    std::unique_ptr<TSkinProject> Documents[3];
    std::optional<QImage> Bitmaps[3];
    std::unique_ptr<TSkinProject> Parents;     // parent.ini
    std::unique_ptr<TSkinProject> TrayParents; // tray_parent.ini

    // Font faces the package carries, as the fonts name themselves.
    QStringList PackageFaces;

    TSkinProject* Document(TSkinWindow window) const { return Documents[int(window)].get(); }
    const QImage* Bitmap(TSkinWindow window) const {
        const auto& bitmap = Bitmaps[int(window)];
        return bitmap ? &*bitmap : nullptr;
    }
    // The member's content; none when it is missing or does not inflate.
    std::optional<QByteArray> Member(const QString& name);
};

// What the checker consults besides the package.
struct TSkinCheckOptions {
    // Whether the system has a font face; the package's own faces count
    // beside it. Unset: every face counts as installed.
    std::function<bool(const QString& face)> FaceInstalled;
    // Rules that need the editor's previews (the window's mask), run once
    // the package has been read.
    std::function<void(TCheckedSkin& skin, TFindings& findings)> PreviewRules;
};

// Every rule over a package file's bytes.
TFindings CheckSkinBytes(const QByteArray& bytes, const TSkinCheckOptions& options = {});

// A bitmap member as the package loader decodes it; none, with the reason,
// when it is refused.
std::optional<TBmpDecoded> DecodeBitmapMember(const QByteArray& bytes, const QString& name,
                                              QString* reason = nullptr);
