#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "EditorWindowFixture.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "app/StartOptions.h"

class TestStartOptions : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase() {
        qputenv("QX_FONTS_DIR", FDir.filePath(QStringLiteral("fonts")).toUtf8());
    }

    // The editor as a shell starts it, with no display: answers need none,
    // the errors come after Qt's options are taken, offscreen. (--help
    // itself is held to the manual page by the "manuals" test.)
    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer"); // a pattern of stdout, or of stderr on failure
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^qxskinedit \\d+\\.\\d+\n$";
        QTest::newRow("help after Qt's options")
            << QStringList{"-platform", "offscreen", "-h"} << 0 << "^Usage: qxskinedit";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2
                                        << "^qxskinedit: .*frobnicate.*\nTry 'qxskinedit --help'";
        QTest::newRow("two files")
            << QStringList{"a.qxsp", "b.qxsp"} << 2 << "^qxskinedit: only one file";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (status != 0)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(QX_TEST_BINARY_DIR "/src/qxskinedit"), args);
        QVERIFY(editor.waitForFinished(60000));
        QCOMPARE(editor.exitCode(), status);
        const QString said =
            status == 0 ? editor.readAllStandardOutput() : editor.readAllStandardError();
        QVERIFY2(
            QRegularExpression(answer, QRegularExpression::MultilineOption).match(said).hasMatch(),
            qPrintable(said));
    }

    // The named file opens as through "Открыть"; whatever goes wrong, the
    // built-in skin stays, the user is told, and a save does not offer to
    // overwrite the file that could not be read.
    void openAtStart_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name"); // the skin name the window shows; empty: built-in
        QTest::addColumn<QString>("told"); // the information shown, or the error box
        QTest::addColumn<QString>("target"); // the file a save suggests
        QTest::newRow("no file") << QString() << ""
                                 << "" << "";
        QTest::newRow("package") << "blue.qxsp"
                                 << "Blue Steel"
                                 << "" << "blue.qxsp";
        QTest::newRow("not a package") << "notes.qxsp"
                                       << ""
                                       << "notes.qxsp\" не является пакетом" << "";
        QTest::newRow("missing") << "missing.qxsp"
                                 << ""
                                 << "error box: Cannot open file" << "";
    }
    void openAtStart() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, told);
        QFETCH(QString, target);
        WriteFile(FDir.filePath(QStringLiteral("blue.qxsp")), PackageBytes({}, "Blue Steel"));
        WriteFile(FDir.filePath(QStringLiteral("notes.qxsp")), "not a skin at all");
        TEditorWindow<> window;
        const QString builtIn = window.Form.Edit2->text();
        const bool errorBox = told.startsWith(QLatin1String("error box"));
        if (errorBox)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QRegularExpression::escape(told)));
        OpenStartSkin(window.Form, file.isEmpty() ? file : FDir.filePath(file));
        QCOMPARE(window.Form.Edit2->text(), name.isEmpty() ? builtIn : name);
        QVERIFY(window.Form.Action2->isEnabled());
        QCOMPARE(window.Dialogs.InformationCalls, told.isEmpty() || errorBox ? 0 : 1);
        QVERIFY2(window.Dialogs.InformationText.contains(errorBox ? QString() : told),
                 qPrintable(window.Dialogs.InformationText));
        QCOMPARE(window.Form.SaveFileName(), target.isEmpty() ? target : FDir.filePath(target));
    }
};

QX_REGISTER_TEST(TestStartOptions)
#include "tst_StartOptions.moc"
