#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "EditorWindowFixture.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "app/StartOptions.h"

namespace {

const QString kEditor = QStringLiteral(QX_TEST_BINARY_DIR "/src/qxskinedit");

// The built-in skin under another name, as a package the user has.
void WriteRenamedSkin(const QString& fileName, const QByteArray& name) {
    TQXSPFile package;
    QFile resource(QStringLiteral(":/skin/DEFAULT")), out(fileName);
    QVERIFY(resource.open(QIODevice::ReadOnly));
    package.LoadFromStream(resource);
    SetFieldText(package.Header.SkinName, 32, name);
    QVERIFY(out.open(QIODevice::WriteOnly));
    package.SaveToStream(out);
}

} // namespace

class TestStartOptions : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FDir.filePath(QStringLiteral("fonts")).toUtf8()); }

    // The editor as a shell starts it. --help and --version must answer
    // without any display, which the other rows have offscreen.
    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer"); // a pattern of stdout, or of stderr on failure
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "^Usage: qxskinedit \\[options\\] \\[FILE.qxsp\\]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^qxskinedit \\d+\\.\\d+\n$";
        QTest::newRow("help after Qt's options")
            << QStringList{"-platform", "offscreen", "-h"} << 0 << "^Usage: qxskinedit";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2
                                        << "^qxskinedit: .*frobnicate.*\nTry 'qxskinedit --help'";
        QTest::newRow("two files") << QStringList{"a.qxsp", "b.qxsp"} << 2
                                   << "^qxskinedit: only one file";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (status == 0)
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        else
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        editor.setProcessEnvironment(env);
        editor.start(kEditor, args);
        QVERIFY(editor.waitForFinished(60000));
        QCOMPARE(editor.exitCode(), status);
        const QString said =
            status == 0 ? editor.readAllStandardOutput() : editor.readAllStandardError();
        const QRegularExpression expected(answer, QRegularExpression::MultilineOption);
        QVERIFY2(expected.match(said).hasMatch(), qPrintable(said));
    }

    // The named file opens as through "Открыть"; whatever goes wrong, the
    // built-in skin stays and the user is told.
    void openAtStart_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");    // the skin name the window shows
        QTest::addColumn<QString>("told");    // the information shown, or the error box
        QTest::newRow("no file") << QString() << "" << "";
        QTest::newRow("package") << "blue.qxsp" << "Blue Steel" << "";
        QTest::newRow("not a package") << "notes.qxsp" << ""
                                       << "notes.qxsp\" не является пакетом";
        QTest::newRow("missing") << "missing.qxsp" << "" << "error box: Cannot open file";
    }
    void openAtStart() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, told);
        WriteRenamedSkin(FDir.filePath(QStringLiteral("blue.qxsp")), "Blue Steel");
        WriteFile(FDir.filePath(QStringLiteral("notes.qxsp")), "not a skin at all");
        TEditorWindow<> window;
        const QString builtIn = window.Form.Edit2->text();
        const QString path = file.isEmpty() ? file : FDir.filePath(file);
        if (told.startsWith(QLatin1String("error box")))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(told)));
        OpenStartSkin(window.Form, path);
        QCOMPARE(window.Form.Edit2->text(), name.isEmpty() ? builtIn : name);
        QVERIFY(window.Form.Action2->isEnabled());
        const bool informed = !told.isEmpty() && !told.startsWith(QLatin1String("error box"));
        QCOMPARE(window.Dialogs.InformationCalls, informed ? 1 : 0);
        QVERIFY2(window.Dialogs.InformationText.contains(informed ? told : QString()),
                 qPrintable(window.Dialogs.InformationText));
    }
};

QX_REGISTER_TEST(TestStartOptions)
#include "tst_StartOptions.moc"
