#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "AnswerDialogs.h"
#include "QxspProcess.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "compiler/QX_SE_Save.h"
#include "editor/QX_SE.h"

namespace {

QString BinaryDir() {
    return QStringLiteral(QX_TEST_BINARY_DIR);
}

} // namespace

class CompileCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase() {
        qputenv("QX_FONTS_DIR", FDir.filePath(QStringLiteral("fonts")).toUtf8());
        TSaveForm::SetStatusPause(0);
    }

    // The tool writes what the editor writes when it opens the file and
    // saves it.
    void sameBytesAsTheEditor() {
        const QString skin = BinaryDir() + QStringLiteral("/skins/default.qxsp");
        const QString compiled = FDir.filePath(QStringLiteral("compiled.qxsp"));
        const QxspRun run = Qxsp({"compile", skin, compiled});
        QVERIFY2(run.status == 0, run.err.constData());

        TAnswerDialogs dialogs;
        dialogs.SaveAnswer = FDir.filePath(QStringLiteral("edited.qxsp"));
        TQXForm form(&dialogs);
        form.OpenSkin(skin);
        // Saved from another page, with the main preview's page not shown:
        // the photograph does not depend on what the screen shows.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.PageControl1->setCurrentIndex(4);
        form.PageControl2->setCurrentIndex(2);
        form.SpeedButton2Click();
        QCOMPARE(form.PageControl1->currentIndex(), 0);
        const QByteArray edited = ReadFile(dialogs.SaveAnswer);
        QVERIFY(!edited.isEmpty());
        QCOMPARE(ReadFile(compiled), edited);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("no output") << QStringList({"compile", "x.qxsp"}) << 2;
        QTest::newRow("no package") << QStringList({"compile", "", ""}) << 1;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const QString text = FDir.filePath(QStringLiteral("text.qxsp"));
        const QString out = FDir.filePath(QStringLiteral("never.qxsp"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a skin");
        file.close();
        if (args.size() == 3)
            args = QStringList({"compile", text, out});
        QCOMPARE(Qxsp(args).status, status);
        QVERIFY(!QFile::exists(out));
    }
};

QX_REGISTER_TEST(CompileCommandTest)
#include "CompileCommandTest.moc"
