#pragma once

#include <functional>

#include <QImage>
#include <QString>

#include "compiler/SectionsWriter.h"

class QWidget;
class TQXSPFile;
class TSkinProject;

// Everything a save reads and writes, wherever it is held: the package
// with its main and parent documents, the equalizer's and tray's documents,
// the tray bitmap, the three previews, the menu's looks and the texts that
// become the header and the description. Nothing here is owned.
struct TSaveTarget {
    TQXSPFile* Package = nullptr;
    TSkinProject* EqDocument = nullptr;
    TSkinProject* TrayDocument = nullptr;
    const QImage* TrayBitmap = nullptr;

    TMainWindowPreview Main;
    QWidget* EqualizerFace = nullptr; // "main_"
    QWidget* TrayInfo = nullptr;
    QWidget* TrayCtrl = nullptr;

    TMenuLooks Menu;
    QString SkinName;
    QString Author;
    QString Description;

    // Brings the main preview on screen before it is photographed.
    std::function<void()> ShowSkinsPage;
};

// Where the pipeline reports its steps: a step begins (newLine set) or the
// running step gets its result; the progress of an element loop in percent.
class ISaveLog {
public:
    virtual ~ISaveLog() = default;
    virtual void SetStatus(const QString& text, bool newLine) = 0;
    virtual void SetProgress(int percent) = 0;
};

// A log that keeps nothing, for saves nobody watches.
class TSilentSaveLog : public ISaveLog {
public:
    void SetStatus(const QString&, bool) override {}
    void SetProgress(int) override {}
};

// Writes the previews into the documents, builds the mask, adds every
// generated member to the package and writes the package to fileName as it
// is given. Changes to the package and documents stay.
// Any error ends the pipeline where it happened and propagates; the target
// file is replaced only by a complete package.
void RunSavePipeline(TSaveTarget& target, const QString& fileName, ISaveLog& log);
