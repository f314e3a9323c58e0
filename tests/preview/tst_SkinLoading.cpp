#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "AnswerDialogs.h"
#include "PreviewTestSupport.h"
#include "QxspProcess.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "controls/VESK_SE_Panel.h"
#include "editor/LoadReportForm.h"
#include "editor/QX_SE.h"
#include "editor/SkinLoader.h"
#include "editor/SkinPreviewSet.h"
#include "storage/QXSPFile.h"
#include "storage/VESKCodePage.h"

using namespace PreviewTest;

namespace {

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/skin/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestSkinLoading : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TAnswerDialogs FDialogs;
    int FCount = 0;

    // The built-in skin changed by edit, written to a file of its own.
    QString Package(const std::function<void(TVESKCustomFile&)>& edit) {
        auto package = DefaultPackage();
        edit(*package);
        const QString path = FDir.filePath(QStringLiteral("skin%1.qxsp").arg(++FCount));
        if (!WritePackage(*package, path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void Open(TQXForm& form, const QString& path) {
        FDialogs.OpenAnswer = path;
        form.Button1Click();
    }

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FDir.filePath("fonts").toUtf8()); }
    void init() { FDialogs = TAnswerDialogs(); }

    // Start-up shows the built-in skin in all three previews, with its header,
    // description and options on the pages.
    void startUpShowsTheBuiltInSkin() {
        TQXForm form(&FDialogs);
        QCOMPARE(form.MainCtrl->size(), QSize(350, 304));
        QCOMPARE(form.Previews().Main()->geometry(), QRect(6, 0, 338, 152));
        QCOMPARE(form.EQUA->size(), QSize(350, 138));
        QCOMPARE(form.TrayControlMain->size(), QSize(240, 92));
        for (QWidget* root : {form.MainCtrl, form.EQUA, form.TrayControlMain})
            QVERIFY(Colours(RenderPreviewImage(root)).size() > 50);
        QCOMPARE(form.Edit1->text(), QStringLiteral("skin.bmp"));
        QCOMPARE(form.Edit2->text(), form.SkinFile->SkinName);
        QVERIFY(!form.Edit2->text().isEmpty());
        QVERIFY(form.Memo1->toPlainText().startsWith(QStringLiteral("Graphite — ")));
        QVERIFY(form.CheckBox1->isChecked());
        QVERIFY(!form.Image1->pixmap().isNull());
        QVERIFY(form.EqDocument && form.TrayDocument);
    }

    // Parent codes match in any case; balanceSlider vanishes when its code
    // names no panel, other elements stay where they are (here: under the
    // bottom panel, where the test puts the button first).
    void parentCodes_data() {
        QTest::addColumn<QString>("code"); // "-": no entry at all
        QTest::addColumn<QString>("parent");
        QTest::addColumn<bool>("balanceVanishes");
        QTest::newRow("upper") << "MAIN"
                               << "Main" << false;
        QTest::newRow("lower") << "main"
                               << "Main" << false;
        QTest::newRow("top") << "Top"
                             << "TopPanel" << false;
        QTest::newRow("bottom") << "btm"
                                << "PlsCtrl" << false;
        QTest::newRow("right border") << "r_brd"
                                      << "RightBar" << false;
        QTest::newRow("left border") << "L_Brd"
                                     << "Leftbar" << false;
        QTest::newRow("unknown") << "TRAY"
                                 << "PlsCtrl" << true;
        QTest::newRow("default") << "0"
                                 << "PlsCtrl" << true;
        QTest::newRow("no entry") << "-"
                                  << "PlsCtrl" << true;
    }
    void parentCodes() {
        QFETCH(QString, code);
        QFETCH(QString, parent);
        QFETCH(bool, balanceVanishes);
        const QByteArray entries = code == QLatin1String("-")
                                       ? QByteArray("[PARENT]\r\nMENUBTN=MAIN\r\n")
                                       : "[Parent]\r\nPLAYBTN=" + code.toLatin1() +
                                             "\r\nbalanceSlider=" + code.toLatin1() + "\r\n";
        TQXForm form(&FDialogs);
        form.Previews().Find("PLAYBTN")->setParent(form.Previews().PlsCtrl());
        Open(form, Package([&](TVESKCustomFile& p) { PutMember(p, "parent.ini", entries); }));
        QWidget* button = form.Previews().Find("PLAYBTN");
        QWidget* balance = form.Previews().Find("balanceSlider");
        QCOMPARE(button->parentWidget()->objectName(), parent);
        QVERIFY(!button->isHidden());
        QCOMPARE(balance->geometry() == QRect(0, 0, 0, 0), balanceVanishes);
        if (!balanceVanishes)
            QCOMPARE(balance->parentWidget()->objectName(), parent);
    }

    // Without an entry a tray element goes to the panel its hint names; an
    // entry, even an empty one, decides otherwise.
    void trayParents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panel");
        QTest::newRow("hinted, no entry") << "traysot"
                                          << "TrayInfo";
        QTest::newRow("hinted, empty entry") << "trayseek"
                                             << "TrayCtrl";
        QTest::newRow("plain, entry in lower case") << "trayplay"
                                                    << "TrayInfo";
        QTest::newRow("plain, no entry") << "trayvol"
                                         << "TrayCtrl";
    }
    void trayParents() {
        QFETCH(QString, name);
        QFETCH(QString, panel);
        TQXForm form(&FDialogs);
        Open(form, Package([](TVESKCustomFile& p) {
                 PutMember(p, "tray_parent.ini", "[PARENT]\r\ntrayplay=info\r\ntrayseek=\r\n");
             }));
        QCOMPARE(form.Previews().Find(name)->parentWidget()->objectName(), panel);
        // Moved by hand, the element goes back when the tray is rendered again.
        QWidget* other = panel == QLatin1String("TrayInfo") ? form.Previews().TrayCtrl()
                                                            : form.Previews().TrayInfo();
        form.Previews().Find(name)->setParent(other);
        form.LoadTrayController(false);
        QCOMPARE(form.Previews().Find(name)->parentWidget()->objectName(), panel);
    }

    // A package lacking the equalizer gains the built-in one as members; one
    // lacking the tray shows the built-in tray without gaining it.
    void missingWindowsComeFromTemplates() {
        TQXForm form(&FDialogs);
        Open(form, Package([](TVESKCustomFile& p) {
                 for (const char* name :
                      {"equa.ini", "equa.bmp", "tray.ini", "tray.bmp", "tray_parent.ini"})
                     p.RemoveFile(QLatin1String(name));
             }));
        TQXSPFile& package = *form.SkinFile;
        QCOMPARE(Member(package, "equa.ini"), Resource("EQI"));
        QCOMPARE(Member(package, "equa.bmp"), Resource("EQS"));
        QVERIFY(!package.ExtractFile("tray.ini"));
        QVERIFY(!package.ExtractFile("tray.bmp"));
        QCOMPARE(form.EQUA->size(), QSize(350, 138));
        QCOMPARE(form.TrayControlMain->size(), QSize(240, 92));
    }

    // Opening another package reads its equalizer and tray, not the ones
    // held from the previous package; opening the first again restores them.
    void secondPackageReplacesEqualizerAndTray() {
        TQXForm form(&FDialogs);
        const QString small = Package([](TVESKCustomFile& p) {
            PutMember(p, "equa.ini", "[SKIN_OBJS]\r\nmain=0,0,200,100\r\n");
            PutMember(p, "tray.ini",
                      "[SKIN_RECTS]\r\ntrayctrl=0,0,100,20\r\ntrayinfo=0,0,100,30\r\n");
        });
        Open(form, small);
        QCOMPARE(form.EQUA->size(), QSize(200, 100));
        QCOMPARE(form.TrayControlMain->size(), QSize(100, 52));
        Open(form, Package([](TVESKCustomFile&) {}));
        QCOMPARE(form.EQUA->size(), QSize(350, 138));
        QCOMPARE(form.TrayControlMain->size(), QSize(240, 92));
    }

    // Font members are listed by their extension in any case, in member
    // order; a name that only contains ".ttf" is not a font.
    void fontMembersByExtension() {
        TQXForm form(&FDialogs);
        Open(form, Package([](TVESKCustomFile& p) {
                 for (const char* name :
                      {"a.ttf", "B.TTF", "notes.ttf.txt", "c.TtF", "ttf", "d.ttfx"})
                     PutMember(p, QLatin1String(name), "not really a font");
             }));
        QStringList listed;
        for (int i = 0; i < form.ListBox1->count(); ++i)
            listed << form.ListBox1->item(i)->text();
        QCOMPARE(listed, QStringList({"a.ttf", "B.TTF", "c.TtF"}));
    }

    // The header and the description are the opened skin's own, also when
    // they are empty or missing; a missing icon strip keeps the old picture.
    void headerAndDescriptionFollowTheSkin() {
        TQXForm form(&FDialogs);
        const qint64 strip = form.Image1->pixmap().cacheKey();
        Open(form, Package([](TVESKCustomFile& p) {
                 SetFieldText(p.Header.Author, 32, QByteArray());
                 SetFieldText(p.Header.SkinName, 32, "\xCD\xEE\xF7\xFC"); // "Ночь"
                 PutMember(p, "info.txt", "\xCE\xEF\xE8\xF1\xE0\xED\xE8\xE5\r\nline 2");
                 p.RemoveFile("imglist.bmp");
             }));
        QCOMPARE(form.Edit3->text(), QString());
        QCOMPARE(form.Edit2->text(), QStringLiteral("Ночь"));
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("Описание\nline 2"));
        QCOMPARE(form.Image1->pixmap().cacheKey(), strip);
        Open(form, Package([](TVESKCustomFile& p) { p.RemoveFile("info.txt"); }));
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("(описания нет)"));
    }

    // An element switched off in one skin is part of the next one again: it
    // would otherwise be saved as missing from a skin that has it.
    void switchedOffElementsShowInTheNextSkin() {
        TQXForm form(&FDialogs);
        QWidget* button = form.Previews().Find("PLAYBTN");
        button->hide();
        form.Previews().TopPanel()->hide();
        Open(form, Package([](TVESKCustomFile&) {}));
        QVERIFY(!button->isHidden());
        QVERIFY(!form.Previews().TopPanel()->isHidden());
        QCOMPARE(form.Previews().TopPanel()->height(), 20);
    }

    void fontMemberNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("font");
        QTest::newRow("lower") << "x.ttf" << true;
        QTest::newRow("mixed") << "X.tTf" << true;
        QTest::newRow("inner") << "x.ttf.bmp" << false;
        QTest::newRow("longer") << "x.ttfs" << false;
    }
    void fontMemberNames() {
        QFETCH(QString, name);
        QFETCH(bool, font);
        auto package = DefaultPackage();
        PutMember(*package, name, "x");
        QCOMPARE(TSkinLoader::FontMembers(*package).contains(name), font);
    }

    // A damaged member costs only itself; one report lists it after the
    // open, and the package tool will not compile the package as it stands.
    void damagedMemberIsReported_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        auto package = DefaultPackage();
        const QByteArray bitmap = package->ExtractFile("main.bmp")->data();
        QByteArray ini = package->ExtractFile("main.ini")->data();
        ini.replace("BARSIZE=6", "BARSIZE=2  ");
        QTest::newRow("main.bmp cut short")
            << "main.bmp" << bitmap.left(bitmap.size() / 2) << "pixel area is cut short";
        QTest::newRow("equa.bmp not a bitmap")
            << "equa.bmp" << QByteArray("plain text") << "does not begin with";
        QTest::newRow("a value with blanks")
            << "main.ini" << ini << "[SKIN_WIDTHS] BARSIZE: '2  ' is not a valid integer value";
    }
    void damagedMemberIsReported() {
        QFETCH(QString, member);
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const QString path =
            Package([&](TVESKCustomFile& package) { PutMember(package, member, content); });
        TQXForm form(&FDialogs);
        const QString name = form.Edit2->text(), author = form.Edit3->text();
        Open(form, path);
        QCOMPARE(form.Edit2->text(), name);
        QCOMPARE(form.Edit3->text(), author);
        QVERIFY(form.LoadReport && form.LoadReport->isVisible() && !form.LoadReport->isModal());
        const QTreeWidget* list = form.LoadReport->List();
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), member);
        QVERIFY2(list->topLevelItem(0)->text(1).contains(problem),
                 qPrintable(list->topLevelItem(0)->text(1)));
        QVERIFY(!list->topLevelItem(0)->text(2).isEmpty());
        // The members after it loaded.
        QVERIFY(form.CheckListBox1->count() > 50);
        QVERIFY(Colours(RenderPreviewImage(form.TrayControlMain)).size() > 50);

        const QxspRun run = Qxsp({"compile", path, FDir.filePath("compiled.qxsp")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(member.toUtf8()), run.err.constData());
        QVERIFY(!QFile::exists(FDir.filePath("compiled.qxsp")));
    }

    // A file that is no package is said to be so, then the built-in skin
    // takes the place of the skin the user had.
    void notAPackageIsSaidSo() {
        TQXForm form(&FDialogs);
        Open(form, Package([](TVESKCustomFile& package) {
                 SetFieldText(package.Header.SkinName, 32, "Mine");
             }));
        const QString text = FDir.filePath("words.qxsp");
        WriteFile(text,
                  QByteArray("These are words, not a skin package, long enough for a header."));
        Open(form, text);
        QCOMPARE(FDialogs.InformationCalls, 1);
        QVERIFY(FDialogs.InformationText.contains("words.qxsp"));
        QVERIFY(form.SkinFile->FellBack && form.SkinFile->SkinName != QLatin1String("Mine"));
    }

    // main.ini saved by a text editor as UTF-8 with its mark reads as the
    // same text in the code page does.
    void utf8WithMarkRendersAsCodePage() {
        auto package = DefaultPackage();
        QByteArray ansi = package->ExtractFile("main.ini")->data();
        ansi.replace("[SKIN_THEMES]\r\n", "[SKIN_THEMES]\r\nName2=\xD2\xB8\xEF\xEB\xE0\xFF\r\n");
        const QByteArray utf8 = "\xEF\xBB\xBF" + AnsiToWide(ansi).toUtf8();
        QList<QImage> pictures;
        QStringList schemes;
        for (const QByteArray& text : {ansi, utf8}) {
            const QString path =
                Package([&](TVESKCustomFile& edited) { PutMember(edited, "main.ini", text); });
            auto file = std::make_unique<TQXSPFile>();
            file->LoadFromFile(path);
            QVERIFY(file->Problems.IsEmpty());
            schemes << file->GetThemeName(2);
            TSkinPreviewSet previews;
            previews.Load(std::move(file));
            pictures << RenderPreviewImage(previews.Root(TSkinWindow::Main));
        }
        QCOMPARE(schemes[0], u"\u0422\u0451\u043F\u043B\u0430\u044F"_qs);
        QCOMPARE(schemes[1], schemes[0]);
        QCOMPARE(pictures[1], pictures[0]);
    }
};

QX_REGISTER_TEST(TestSkinLoading)
#include "tst_SkinLoading.moc"
