#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AnswerDialogs.h"
#include "BuiltInSkin.h"
#include "CompilerTestSupport.h"
#include "TestFiles.h"
#include "TestPackages.h"
#include "TestRegistry.h"
#include "compiler/EditorSaveTarget.h"
#include "compiler/MainMask.h"
#include "compiler/MemberBytes.h"
#include "compiler/PackageFile.h"
#include "compiler/QX_SE_Save.h"
#include "controls/SelectedElement.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"

using namespace CompilerTest;

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

const QStringList kIniMembers = {"main.ini", "parent.ini", "equa.ini", "tray.ini",
                                 "tray_parent.ini"};

std::unique_ptr<TQXSPFile> BuiltInSkin() {
    auto package = std::make_unique<TQXSPFile>();
    QFile resource(QStringLiteral(":/skin/DEFAULT"));
    resource.open(QIODevice::ReadOnly);
    package->LoadFromStream(resource);
    return package;
}

std::unique_ptr<TSkinProject> MemberDocument(TVESKCustomFile& package, const QString& name) {
    auto document = std::make_unique<TSkinProject>();
    if (const auto stream = package.ExtractFile(name))
        document->LoadFromStream(*stream);
    return document;
}

// Every key of the original's sections with a different value, or missing,
// in the copy: "member/section/key=original -> copy".
QStringList ChangedValues(TVESKCustomFile& original, TVESKCustomFile& copy) {
    QStringList changed;
    for (const QString& member : kIniMembers) {
        const auto before = MemberDocument(original, member);
        const auto after = MemberDocument(copy, member);
        for (int s = 0; s < before->Sections.Count(); ++s) {
            const QString section = before->Sections.Strings(s);
            for (const QString& key : Keys(*before, section)) {
                const QString was = Value(*before, section, key);
                const QString is = Value(*after, section, key);
                if (was != is)
                    changed << member + u'/' + section + u'/' + key + u'=' + was + " -> " + is;
            }
        }
    }
    return changed;
}

// Keys the copy has and the original has not: "member/section/key".
QStringList AddedKeys(TVESKCustomFile& original, TVESKCustomFile& copy) {
    QStringList added;
    for (const QString& member : kIniMembers) {
        const auto before = MemberDocument(original, member);
        const auto after = MemberDocument(copy, member);
        for (int s = 0; s < after->Sections.Count(); ++s) {
            const QString section = after->Sections.Strings(s);
            for (const QString& key : Keys(*after, section))
                if (!before->ValueExists(section, key))
                    added << member + u'/' + section + u'/' + key;
        }
    }
    return added;
}

// What the previews show of every control: place, visibility, holder and,
// for labels, the font.
QStringList PreviewState(TQXForm& form) {
    QStringList state;
    for (QWidget* root : {form.MainCtrl, form.EQUA, form.TrayControlMain})
        for (QWidget* control : root->findChildren<QWidget*>()) {
            QString line = control->objectName() + u' ' + control->parentWidget()->objectName();
            const QRect g = control->geometry();
            line +=
                QStringLiteral(" %1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
            line += control->isHidden() ? QStringLiteral(" hidden") : QString();
            if (auto* label = qobject_cast<TVESKSELabel*>(control))
                line += u' ' + FontToString(label->Font());
            state << line;
        }
    return state;
}

// Closes the save window once its save has ended (it stays open after an
// error until the user closes it).
void CloseSaveWindowWhenDone() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* save = qobject_cast<TSaveForm*>(window);
                save && save->isVisible() && !save->IsSaving()) {
                save->close();
                poll->deleteLater();
            }
    });
    poll->start(10);
}

} // namespace

class SaveWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    QString Path(const QString& name) const { return FDir.filePath(name); }

    // Saves through the window's save command; answers the file question.
    QByteArray Save(TQXForm& form, TAnswerDialogs& dialogs, const QString& name) {
        dialogs.SaveAnswer = Path(name);
        form.SpeedButton2Click();
        return ReadFile(SkinPackageFileName(Path(name)));
    }

private slots:
    void initTestCase() {
        qputenv("QX_FONTS_DIR", FDir.filePath(QStringLiteral("fonts")).toUtf8());
        TSaveForm::SetStatusPause(0);
    }
    void cleanup() { SelectedElement = nullptr; }

    // Open, save, open again: the same skin, and a second save of it the
    // same bytes. System colours and fonts of height 0 are kept as written.
    void roundTripKeepsEveryValue_data() {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("built-in skin") << QStringList();
        QTest::newRow("system colours, height 0") << QStringList{
            "SKIN_FONTS|MENUFONT|MS Sans Serif,-16777208,0,2", "SKIN_FONTS|MENUCOLOR|-16777201",
            "SKIN_FONTS|PLSBK|-16777211", "SKIN_FONTS|Infobar|Tahoma,-16777208,0,3"};
    }
    void roundTripKeepsEveryValue() {
        QFETCH(QStringList, values);
        const QString source = Path(QStringLiteral("source.qxsp"));
        WriteBuiltInSkin(source, values);
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OpenSkin(source);
        QWidget* play = form.MainCtrl->findChild<QWidget*>(QStringLiteral("PLAYBTN"));
        QVERIFY(play);
        SelectedElement = play;
        const QStringList shown = PreviewState(form);

        const QByteArray first = Save(form, dialogs, QStringLiteral("round"));
        QVERIFY(!first.isEmpty());
        QCOMPARE(SelectedElement.data(), play);
        QCOMPARE(dialogs.SaveCalls, 1);

        TQXSPFile saved;
        saved.LoadFromFile(Path(QStringLiteral("round.qxsp")));
        QCOMPARE(MemberNames(saved),
                 QStringList({"main.bmp", "equa.bmp", "imglist.bmp", "tray.bmp", "tray_parent.ini",
                              "tray.ini", "mask.bmp", "info.txt", "main.ini", "parent.ini",
                              "equa.ini"}));
        TQXSPFile original;
        original.LoadFromFile(source);
        QCOMPARE(ChangedValues(original, saved), QStringList());
        QCOMPARE(AddedKeys(original, saved), QStringList());
        for (const char* bitmap : {"main.bmp", "equa.bmp", "imglist.bmp", "tray.bmp"})
            QCOMPARE(saved.ExtractFile(bitmap)->data(), original.ExtractFile(bitmap)->data());

        QCOMPARE(Save(form, dialogs, QStringLiteral("again.qxsp")), first);

        TQXForm reopened(&dialogs);
        reopened.OpenSkin(Path(QStringLiteral("round.qxsp")));
        QCOMPARE(PreviewState(reopened), shown);
    }

    // The mask of the built-in skin: its bands and margins, and white
    // exactly where the photograph of the preview shows the key colour.
    void maskOfTheBuiltInSkin() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Save(form, dialogs, QStringLiteral("mask.qxsp"));
        TQXSPFile saved;
        saved.LoadFromFile(Path(QStringLiteral("mask.qxsp")));
        TSkinProject& project = *saved.Project;
        QCOMPARE(
            QStringList(
                {Value(project, "SKIN_MASK", "TopRect"), Value(project, "SKIN_MASK", "CenterRect"),
                 Value(project, "SKIN_MASK", "BottomRect"), Value(project, "SKIN_MASK", "Top"),
                 Value(project, "SKIN_MASK", "Bottom"), Value(project, "SKIN_MASK", "Left"),
                 Value(project, "SKIN_MASK", "Right")}),
            QStringList({"0,0,350,124", "0,124,350,139", "0,140,350,168", "83", "84", "6", "6"}));

        const QByteArray bytes = saved.ExtractFile(QStringLiteral("mask.bmp"))->data();
        QCOMPARE(quint8(bytes[28]), quint8(24));
        const QImage mask = QImage::fromData(bytes, "BMP");
        const TSaveTarget target = SaveTargetOf(form);
        const TMaskGeometry geometry = MaskGeometry(target.Main);
        QCOMPARE(geometry, (TMaskGeometry{350, 168, 28, 15}));
        const QImage picture = ComposeMaskPicture(target.Main, geometry);
        QCOMPARE(mask.size(), picture.size());
        int cut = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const bool key = picture.pixel(x, y) == kMagenta;
                QCOMPARE(mask.pixel(x, y), key ? kWhite : kBlack);
                cut += key;
            }
        QVERIFY(cut > 0);
        // The skin's own mask was drawn from the skin's textures by other
        // means; the editor's photograph must agree with it.
        QCOMPARE(mask, QImage::fromData(BuiltInSkin()->ExtractFile("mask.bmp")->data())
                           .convertToFormat(mask.format()));
    }

    // The save brings the skins page up before it photographs the main
    // preview; showing that page selects its first element, whose frame
    // must not end up in the mask.
    void skinsPageShownWithoutSelection() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.PageControl1->setCurrentIndex(4);
        const TSaveTarget target = SaveTargetOf(form);
        target.ShowSkinsPage();
        QCOMPARE(form.PageControl1->currentIndex(), 0);
        QVERIFY(!SelectedElement);
    }

    // Header and tab strip switched off: no part of the skin, no room in
    // the playlist's geometry nor in the mask's photograph.
    void hiddenPlaylistPanels() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        QWidget* header = form.MainCtrl->findChild<QWidget*>(QStringLiteral("TopPanel"));
        QWidget* tabs = form.MainCtrl->findChild<QWidget*>(QStringLiteral("TabCtrl"));
        header->hide();
        tabs->hide();
        Save(form, dialogs, QStringLiteral("hidden.qxsp"));
        QCOMPARE(header->height(), 0);
        QCOMPARE(tabs->height(), 0);
        TQXSPFile saved;
        saved.LoadFromFile(Path(QStringLiteral("hidden.qxsp")));
        QCOMPARE(Value(*saved.Project, "SKIN_OBJS", "TopPanel"), QString("0,0,0,0"));
        QCOMPARE(Value(*saved.Project, "SKIN_OBJS", "TabCtrl"), QString("0,0,0,0"));
        QCOMPARE(Value(*saved.Project, "SKIN_WIDTHS", "PLSTOP"), QString("152"));
        // The header's own elements keep their places and parents.
        QCOMPARE(Value(*saved.ParentIni, "PARENT", "Playlistbox"), QString("TOP"));
    }

    // The tray's scrolling title is written as the piece of its panel's
    // texture behind it; loading takes that texture's origin off again, so
    // a save and a load leave the title where it was.
    void trayTitleStaysInPlace() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        form.TrayDocument->WriteString("SKIN_RECTS", "trayinfo", "10,100,250,166");
        form.TrayDocument->WriteString("SKIN_RECTS", "trayrs", "18,105,242,118");
        form.LoadTrayController(false);
        QWidget* title = form.TrayControlMain->findChild<QWidget*>(QStringLiteral("trayrs"));
        QCOMPARE(title->geometry(), QRect(8, 5, 224, 13));

        Save(form, dialogs, QStringLiteral("tray.qxsp"));
        TQXSPFile saved;
        saved.LoadFromFile(Path(QStringLiteral("tray.qxsp")));
        const auto tray = MemberDocument(saved, QStringLiteral("tray.ini"));
        QCOMPARE(Value(*tray, "SKIN_RECTS", "TrayRS"), QString("18,105,242,118"));
        QCOMPARE(Value(*tray, "SKIN_OBJS", "trayrs"), QString("8,5,232,18"));
        const auto parents = MemberDocument(saved, QStringLiteral("tray_parent.ini"));
        QCOMPARE(Value(*parents, "PARENT", "trayrs"), QString("INFO"));

        TQXForm reopened(&dialogs);
        reopened.OpenSkin(Path(QStringLiteral("tray.qxsp")));
        QCOMPARE(
            reopened.TrayControlMain->findChild<QWidget*>(QStringLiteral("trayrs"))->geometry(),
            QRect(8, 5, 224, 13));
    }

    // Cancelling the file question changes nothing at all.
    void cancelledSave() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        QStringList before;
        for (TSkinProject* document : {form.SkinFile->Project.get(), form.SkinFile->ParentIni.get(),
                                       form.EqDocument.get(), form.TrayDocument.get()})
            before << QString::fromLatin1(DocumentBytes(*document).toBase64());
        const QStringList members = MemberNames(*form.SkinFile);
        const QStringList shown = PreviewState(form);
        const int files = QDir(FDir.path()).entryList(QDir::Files).size();

        dialogs.SaveAnswer.clear();
        form.SpeedButton2Click();
        QCOMPARE(dialogs.SaveCalls, 1);
        QStringList after;
        for (TSkinProject* document : {form.SkinFile->Project.get(), form.SkinFile->ParentIni.get(),
                                       form.EqDocument.get(), form.TrayDocument.get()})
            after << QString::fromLatin1(DocumentBytes(*document).toBase64());
        QCOMPARE(after, before);
        QCOMPARE(MemberNames(*form.SkinFile), members);
        QCOMPARE(PreviewState(form), shown);
        QCOMPARE(QDir(FDir.path()).entryList(QDir::Files).size(), files);
    }

    // A second save command and closing the save window while the save
    // runs are both refused; the save goes on to the end.
    void saveCannotBeReentered() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        int inner = 0;
        dialogs.WhileSaving = [&] {
            if (inner++)
                return;
            form.SpeedButton2Click();
            if (QWidget* modal = QApplication::activeModalWidget())
                QVERIFY(!modal->close());
        };
        QVERIFY(!Save(form, dialogs, QStringLiteral("once.qxsp")).isEmpty());
        QCOMPARE(dialogs.SaveCalls, 1);
    }

    // A save that fails shows the error, keeps the window with the failed
    // step until it is closed, and gives the selection back.
    void failedSave() {
        TAnswerDialogs dialogs;
        TQXForm form(&dialogs);
        const QString target = Path(QStringLiteral("kept.qxsp"));
        Save(form, dialogs, QStringLiteral("kept.qxsp"));
        const QByteArray before = ReadFile(target);
        QVERIFY(!before.isEmpty());

        QWidget* play = form.MainCtrl->findChild<QWidget*>(QStringLiteral("PLAYBTN"));
        SelectedElement = play;
        // A photograph beyond any texture's size cannot be taken.
        form.MainCtrl->resize(20000, form.MainCtrl->height());
        QTest::ignoreMessage(QtWarningMsg, "error box: Out of memory");
        CloseSaveWindowWhenDone();
        QByteArray after = Save(form, dialogs, QStringLiteral("kept.qxsp"));
        QCOMPARE(after, before);
        QCOMPARE(SelectedElement.data(), play);
    }
};

QX_REGISTER_TEST(SaveWindowTest)
#include "SaveWindowTest.moc"
