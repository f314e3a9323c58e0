#pragma once

#include <functional>

#include <QDialog>

#include "compiler/SavePipeline.h"

class IEditorDialogs;
class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class ISaveSource;

// The save window: asks for the file name, runs the save pipeline and logs
// its steps, one line per finished step, with the running step, its result
// and the progress of the current element loop below. It exists for one
// save only.
class TSaveForm : public QDialog, public ISaveLog {
    Q_OBJECT

public:
    // What the save works on is taken when the pipeline starts, after the
    // file name has been chosen.
    using TTargetSource = std::function<TSaveTarget()>;

    TSaveForm(IEditorDialogs& dialogs, TTargetSource source, QWidget* parent = nullptr);

    // The save itself, started from the window's own event queue once its
    // modal loop runs. Closes the window when done or cancelled; after an
    // error the window stays, showing the step that failed, until the user
    // closes it.
    void StartSave();
    bool IsSaving() const { return FSaving; }

    // The file the name question starts at: the package that is open.
    void SetSuggestedFileName(const QString& fileName) { FSuggested = fileName; }
    // The file the last save wrote, empty until one has.
    QString SavedFileName() const { return FSaved; }

    // A step begins (newLine: the finished step goes into the log) or the
    // running step gets its result. Lets the windows paint, then pauses so
    // the log can be read.
    void SetStatus(const QString& text, bool newLine) override;
    void SetProgress(int percent) override;

    // The pause after every status line, 100 ms unless set; tests and saves
    // without a window use 0.
    static void SetStatusPause(int milliseconds);
    static int StatusPause();

    QFrame* Panel1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

protected:
    // The window cannot be closed while the pipeline runs in it.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildLayout();

    IEditorDialogs& FDialogs;
    TTargetSource FSource;
    QString FSuggested;
    QString FSaved;
    bool FSaving = false;
};

// Shows a save window over the main window, starts its save as soon as its
// modal loop runs, and destroys it afterwards. Does nothing while another
// save is running. Answers the file written, empty when nothing was.
QString ShowSaveForm(ISaveSource& source);
