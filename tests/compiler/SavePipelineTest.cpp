#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "AnswerDialogs.h"
#include "CompilerTestSupport.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "compiler/MemberBytes.h"
#include "compiler/PackageFile.h"
#include "compiler/QX_SE_Save.h"
#include "storage/QXSPFile.h"
#include "storage/VESKErrors.h"

using namespace CompilerTest;

namespace {

// A skin to save without the editor's window: the built-in package, empty
// equalizer and tray documents and a small main preview.
struct TSmallSkin {
    TQXSPFile package;
    std::unique_ptr<TSkinProject> equalizer = Document({"[SKIN_OBJS]", "EQVIS=1,2,3,4"});
    std::unique_ptr<TSkinProject> tray = Document();
    QImage trayBitmap = Solid(4, 3, qRgb(1, 2, 3));
    QWidget root;
    QWidget trayRoot;
    TSaveTarget target;

    TSmallSkin() {
        QFile resource(QStringLiteral(":/skin/DEFAULT"));
        resource.open(QIODevice::ReadOnly);
        package.LoadFromStream(resource);
        root.resize(40, 40);
        auto* main = Make<TVESKSEPanel>(&root, QStringLiteral("Main"), QRect(0, 0, 40, 20));
        main->SetImgBackGround(Solid(40, 20, qRgb(9, 9, 9)));
        Make<TVESKSESkin>(main, QStringLiteral("PLAYBTN"), QRect(1, 2, 3, 4));
        target.Package = &package;
        target.EqDocument = equalizer.get();
        target.TrayDocument = tray.get();
        target.TrayBitmap = &trayBitmap;
        target.Main.MainCtrl = &root;
        target.Main.Main = main;
        target.TrayInfo = Make<TVESKSEPanel>(&trayRoot, QStringLiteral("TrayInfo"), QRect());
        target.SkinName = QStringLiteral("Новая");
        target.Author = QStringLiteral("Автор");
        target.Description = QStringLiteral("Первая\nвторая");
    }
};

} // namespace

class SavePipelineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TSaveForm::SetStatusPause(0); }

    void packageFileName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/tmp/skin"
                                      << "/tmp/skin.qxsp";
        QTest::newRow("other extension") << "/tmp/skin.bmp"
                                         << "/tmp/skin.qxsp";
        QTest::newRow("right extension") << "/tmp/skin.qxsp"
                                         << "/tmp/skin.qxsp";
        QTest::newRow("last point only") << "/tmp/my.skin.v2"
                                         << "/tmp/my.skin.qxsp";
        QTest::newRow("point in a folder") << "/tmp/a.b/skin"
                                           << "/tmp/a.b/skin.qxsp";
        QTest::newRow("trailing point") << "/tmp/skin."
                                        << "/tmp/skin.qxsp";
    }
    void packageFileName() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(SkinPackageFileName(chosen), saved);
    }

    void description_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("one line") << "Skin" << QByteArray("Skin\r\n");
        QTest::newRow("line break at the end") << "a\nb\n" << QByteArray("a\r\nb\r\n");
        QTest::newRow("blank lines") << "\n\nx" << QByteArray("\r\n\r\nx\r\n");
        QTest::newRow("code page") << "Шкурка" << QByteArray("\xD8\xEA\xF3\xF0\xEA\xE0\r\n");
    }
    void description() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(DescriptionBytes(text), bytes);
    }

    // In a folder that takes no new file the user's writable file is
    // rewritten in place; a new name there is refused.
    void lockedFolderRewritesTheFileInPlace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skin.qxsp"));
        WriteFile(path, QByteArray(100000, 'x'));
        // The immutable flag stops root too, whom the mode bits do not.
        const auto chattr = [&](const char* flag) {
            QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), dir.path()});
        };
        chattr("+i");
        const auto unlock = qScopeGuard([&] { chattr("-i"); });
        if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly))
            QSKIP("no folder can be locked here");
        TSmallSkin skin;
        WritePackageFile(path, skin.package);
        const QByteArray written = ReadFile(path);
        QVERIFY(written.startsWith("QXSP") && written.size() < 100000);
        QVERIFY_THROWS_EXCEPTION(
            EVESKError, WritePackageFile(dir.filePath(QStringLiteral("new.qxsp")), skin.package));
    }

    // A save that fails once the file is open leaves the previous file as
    // it was; one whose file cannot be made says so.
    void failedWriteKeepsThePreviousFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("skin.qxsp"));
        TSmallSkin skin;
        WritePackageFile(path, skin.package);
        const QByteArray before = ReadFile(path);
        QVERIFY(before.startsWith("QXSP"));
        skin.package.Close(); // the members' bytes are gone
        QVERIFY_THROWS_EXCEPTION(EVESKError, WritePackageFile(path, skin.package));
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"skin.qxsp"}));

        const QString missing = dir.filePath(QStringLiteral("no/such/skin.qxsp"));
        try {
            WritePackageFile(missing, skin.package);
            QFAIL("no error");
        } catch (const EVESKError& error) {
            QVERIFY2(error.message().startsWith(
                         QStringLiteral("Cannot create file \"%1\". ").arg(missing)),
                     qPrintable(error.message()));
        }
    }

    // The log shows every finished step with its result; the last step
    // stays in the panels.
    void logAndMembers() {
        QTemporaryDir dir;
        TSmallSkin skin;
        TAnswerDialogs dialogs;
        dialogs.SaveAnswer = dir.filePath(QStringLiteral("out.bmp"));
        TSaveForm form(dialogs, [&skin] { return skin.target; });
        QCOMPARE(form.windowTitle(), QString("Saving..."));
        QCOMPARE(form.size(), QSize(440, 228));
        form.StartSave();

        QCOMPARE(dialogs.SaveCalls, 1);
        QCOMPARE(dialogs.SaveFilter, QString("VESK Classic Skin Package (*.qxsp)"));
        QCOMPARE(dialogs.SaveExtension, QString("qxsp"));
        QStringList log;
        for (int i = 0; i < form.ListBox1->count(); ++i)
            log << form.ListBox1->item(i)->text();
        QCOMPARE(log, QStringList({
                          "Генерация файла конфигурации... ",
                          "Запись основного окна...  [выполнено]",
                          "Запись элементов эквалайзера...  [выполнено]",
                          "Запись элементов плэйлиста...  [выполнено]",
                          "Запись элементов TrayControl... [Выполнено]",
                          "Запись элементов контекстного меню...  [выполнено]",
                          "Генерация файла конфигурации... [выполнено] ",
                          "Генерация маски главного окна...  [выполнено]",
                          "Сохранение файла конфигурации...  [выполнено]",
                      }));
        QCOMPARE(form.Panel2->text(), QString("Сохранение обложки в файл..."));
        QCOMPARE(form.Panel3->text(), QString(" [выполнено]"));
        QVERIFY(form.Panel2->font().bold());

        QVERIFY(!QFile::exists(dialogs.SaveAnswer));
        TQXSPFile saved;
        saved.LoadFromFile(dir.filePath(QStringLiteral("out.qxsp")));
        const QStringList names = MemberNames(saved);
        QCOMPARE(names.mid(names.size() - 8),
                 QStringList({"tray.bmp", "tray_parent.ini", "tray.ini", "mask.bmp", "info.txt",
                              "main.ini", "parent.ini", "equa.ini"}));
        // The members nobody generates keep their places before these.
        QCOMPARE(names.mid(0, names.size() - 8),
                 QStringList({"main.bmp", "equa.bmp", "imglist.bmp"}));
        QCOMPARE(saved.SkinName, QString("Новая"));
        QCOMPARE(saved.Author, QString("Автор"));
        QCOMPARE(saved.ExtractFile(QStringLiteral("info.txt"))->data(),
                 DescriptionBytes(QStringLiteral("Первая\nвторая")));
        QCOMPARE(saved.ExtractFile(QStringLiteral("equa.ini"))->data(),
                 QByteArray("[SKIN_OBJS]\r\nEQVIS=1,2,3,4\r\n\r\n"));
        QCOMPARE(Value(*saved.Project, "SKIN_OBJS", "PLAYBTN"), QString("1,2,4,6"));
        QCOMPARE(Value(*saved.ParentIni, "PARENT", "PLAYBTN"), QString("MAIN"));
    }

    void headerTextsAreCutTo32Characters() {
        QTemporaryDir dir;
        TSmallSkin skin;
        skin.target.SkinName = QString(32, u'N');
        skin.target.Author = QString(40, u'A');
        TSilentSaveLog log;
        RunSavePipeline(skin.target, dir.filePath(QStringLiteral("s")), log);
        QCOMPARE(QByteArray(skin.package.Header.SkinName, 32), QByteArray(32, 'N'));
        QCOMPARE(QByteArray(skin.package.Header.Author, 32), QByteArray(32, 'A'));
    }

    void cancelledDialogWritesNothing() {
        QTemporaryDir dir;
        TSmallSkin skin;
        const QByteArray main = DocumentBytes(*skin.package.Project);
        const int members = skin.package.Count();
        TAnswerDialogs dialogs;
        int taken = 0;
        TSaveForm form(dialogs, [&] {
            ++taken;
            return skin.target;
        });
        form.show();
        form.StartSave();
        QCOMPARE(dialogs.SaveCalls, 1);
        QCOMPARE(taken, 0);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.ListBox1->count(), 0);
        QCOMPARE(DocumentBytes(*skin.package.Project), main);
        QCOMPARE(skin.package.Count(), members);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    // While the pipeline runs, closing the window and starting it again do
    // nothing; after a failure the window stays to show the failed step.
    void windowDuringAndAfterTheSave() {
        QTemporaryDir dir;
        TSmallSkin skin;
        TAnswerDialogs dialogs;
        TSaveForm* current = nullptr;
        dialogs.SaveAnswer = dir.filePath(QStringLiteral("no/folder/out"));
        dialogs.WhileSaving = [&] {
            QVERIFY(current->IsSaving());
            QVERIFY(!current->close());
            current->StartSave();
        };
        TSaveForm form(dialogs, [&skin] { return skin.target; });
        current = &form;
        form.show();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^error box: Cannot create file \".*out.qxsp\""));
        form.StartSave();
        QCOMPARE(dialogs.SaveCalls, 1);
        QVERIFY(!form.IsSaving());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Panel2->text(), QString("Сохранение обложки в файл..."));
        QCOMPARE(form.Panel3->text(), QString());
        QVERIFY(form.close());
    }
};

QX_REGISTER_TEST(SavePipelineTest)
#include "SavePipelineTest.moc"
