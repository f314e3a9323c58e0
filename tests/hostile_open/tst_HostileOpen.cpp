// Opens every package of the hostile corpus the way a user does: the open
// command of the real editor window, answered with the file. Each must end as
// the manifest says (a skin loaded, or the error in the error box with the
// previous skin kept), leave a window that still draws and saves, write
// nothing outside the fonts folder, and keep memory bounded.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "AnswerDialogs.h"
#include "HostileCorpus.h"
#include "TestRegistry.h"
#include "editor/LoadReportForm.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"
#include "storage/QXSPFonts.h"
#include "text/SkinProject.h"

namespace {

// The error box logs its text under tests; this collects it.
QStringList ErrorBoxTexts;
QtMessageHandler PreviousHandler = nullptr;

void CollectErrorBoxes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const QString prefix = QStringLiteral("error box: ");
    if (text.startsWith(prefix)) {
        ErrorBoxTexts << text.mid(prefix.size());
        return;
    }
    PreviousHandler(type, context, text);
}

// What the user is left with, to tell a kept skin from a replaced one.
QString SkinIdentity(const TQXForm& form) {
    return form.SkinFile->SkinName + u'|' + QString::number(form.SkinFile->Count());
}

} // namespace

class TestHostileOpen : public QObject {
    Q_OBJECT

private:
    THostileFolders folders;
    QJsonArray cases;
    // Answers the open question with the file under test; everything else is
    // cancelled.
    std::unique_ptr<TAnswerDialogs> dialogs;
    std::unique_ptr<TQXForm> form;

private slots:
    void initTestCase() {
        const std::optional<QJsonArray> corpus = CorpusCases();
        if (!corpus)
            QSKIP("no hostile corpus: ctest runs make_corpus.py first (fixture hostile_corpus)");
        cases = *corpus;
        QVERIFY(!cases.isEmpty());

        folders.Enter();
        PreviousHandler = qInstallMessageHandler(CollectErrorBoxes);
        // One window for the whole corpus, as a user opening file after file.
        dialogs = std::make_unique<TAnswerDialogs>();
        form = std::make_unique<TQXForm>(dialogs.get());
        form->show();
    }

    void cleanupTestCase() {
        form.reset();
        qInstallMessageHandler(PreviousHandler);
        folders.Leave();
    }

    void opensAsTheManifestSays_data() { AddCorpusRows(cases); }
    void opensAsTheManifestSays() {
        QFETCH(QString, path);
        QFETCH(QJsonObject, load);
        const QString expected = load["outcome"].toString();
        const QString before = SkinIdentity(*form);
        ErrorBoxTexts.clear();

        dialogs->OpenAnswer = path;
        form->Button1Click();

        QVERIFY(form->SkinFile && form->SkinFile->Project && form->SkinFile->MainBmp);
        if (expected == QLatin1String("package") || expected == QLatin1String("default")) {
            QVERIFY2(ErrorBoxTexts.isEmpty(), qPrintable(ErrorBoxTexts.join(u'\n')));
            // The editor adds the members a skin lacks from its templates.
            if (load.contains("count"))
                QVERIFY(form->SkinFile->Count() >= load["count"].toInt());
            // What it could not read is listed after the open.
            if (load.contains("problems"))
                QVERIFY(form->LoadReport && form->LoadReport->List()->topLevelItemCount() > 0);
        } else {
            // The error reaches the user once and the skin they had stays.
            QCOMPARE(ErrorBoxTexts.size(), 1);
            if (load.contains("message"))
                QCOMPARE(ErrorBoxTexts.first(), load["message"].toString());
            else if (expected == QLatin1String("read_error"))
                QCOMPARE(ErrorBoxTexts.first(), QStringLiteral("Stream read error"));
            QCOMPARE(SkinIdentity(*form), before);
        }
        qInfo("%s: %s", qPrintable(QFileInfo(path).fileName()),
              qPrintable(ErrorBoxTexts.isEmpty()
                             ? QStringLiteral("opened \"%1\", %2 members")
                                   .arg(form->SkinFile->SkinName)
                                   .arg(form->SkinFile->Count())
                             : QStringLiteral("error box \"%1\"").arg(ErrorBoxTexts.first())));

        // The editor is still usable: the window with its previews draws
        // (a skin without a face leaves an empty preview), save is offered.
        QVERIFY(!form->grab().isNull());
        QVERIFY(form->Action2->isEnabled());
        QVERIFY(form->CheckListBox1->count() > 0);

        folders.CheckNothingEscaped();
    }

    void memoryStayedBounded() { CheckPeakMemory("the editor"); }
};

QX_REGISTER_TEST(TestHostileOpen)

#include "tst_HostileOpen.moc"
