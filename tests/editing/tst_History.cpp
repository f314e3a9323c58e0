#include <functional>

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>

#include "EditingTestSupport.h"
#include "TestRegistry.h"
#include "compiler/EditorSaveTarget.h"
#include "compiler/QX_SE_Save.h"

using namespace EditingTest;

namespace {

using TChange = std::function<void(TForm&, const QTemporaryDir&)>;

QByteArray Hash(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
}

QByteArray Hash(const QImage& image) {
    return Hash(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
}

QImage Pixels(QWidget* root) {
    QImage image(root->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    root->render(&image);
    return image;
}

// Everything a change may touch, as the user would see it or a save would
// write it: the documents, the package's members in order, the pixels of
// the three previews and the values the pages hold.
struct TSeen {
    QByteArray Documents;
    QStringList Members;
    QList<QByteArray> Previews;
    QStringList Pages;

    static TSeen Of(TForm& f) {
        TSeen seen;
        seen.Documents = f.Documents() + DocumentBytes(*f.Form.SkinFile->ParentIni);
        TQXSPFile& package = *f.Form.SkinFile;
        for (int i = 0; i < package.Count(); ++i) {
            const auto member = package.ExtractFile(package.ItemName(i));
            seen.Members << package.ItemName(i) + u':' + Hash(member ? member->data() : "-");
        }
        // The selection frame is no part of the skin.
        const TSelectionSetAside noFrame;
        for (QWidget* root :
             {f.Form.MainPreview(), f.Form.EqualizerPreview(), f.Form.TrayPreview()})
            seen.Previews << Hash(Pixels(root));
        for (QWidget* swatch : {f.Form.Panel14, f.Form.Panel15, f.Form.Panel16, f.Form.Panel19,
                                f.Form.Panel25, f.Form.Panel26, f.Form.Panel27})
            seen.Pages << QString::number(SwatchColor(swatch));
        seen.Pages << SampleFont(f.Form.Panel17).Name << f.Form.Edit3->text()
                   << f.Form.Edit2->text() << f.Form.Memo1->toPlainText()
                   << Hash(f.Form.Image1->pixmap().toImage()) << f.Form.Edit17->text();
        for (int i = 0; i < f.Form.CheckListBox1->count(); ++i)
            seen.Pages << QString::number(f.Form.CheckListBox1->item(i)->checkState());
        return seen;
    }
};

void Compare(const TSeen& seen, const TSeen& expected) {
    QCOMPARE(seen.Documents, expected.Documents);
    QCOMPARE(seen.Members, expected.Members);
    QCOMPARE(seen.Previews, expected.Previews);
    QCOMPARE(seen.Pages, expected.Pages);
}

QByteArray Save(TForm& f, const QString& fileName) {
    TSaveForm::SetStatusPause(0);
    f.Dialogs.SaveAnswer = fileName;
    f.Form.SpeedButton2Click();
    QFile file(fileName + QStringLiteral(".qxsp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("not saved");
}

void Type(QSpinBox* spin, int value) {
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
}

void SelectRow(TForm& f, const QString& key) {
    for (int i = 0; i < f.Form.ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = f.Form.ListView1->topLevelItem(i);
        if (PropertyOf(item)->Key == key)
            f.Form.ListView1->setCurrentItem(item);
    }
}

void Drag(QWidget* element, QPoint by) {
    QTest::mousePress(element, Qt::LeftButton, Qt::AltModifier, QPoint(2, 2));
    QTest::mouseMove(element, QPoint(2, 2) + by / 2);
    QTest::mouseMove(element, QPoint(2, 2) + (by - by / 2));
    QTest::mouseRelease(element, Qt::LeftButton, Qt::AltModifier, QPoint(2, 2));
}

QImage Sheet(TForm& f, int page) {
    QImage picture(f.Form.PageBitmap(page)->size(), QImage::Format_RGB32);
    picture.fill(qRgb(12, 34, 56));
    return picture;
}

} // namespace

Q_DECLARE_METATYPE(TChange)

class TestHistory : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("error box"))); }
    void cleanup() { SelectedElement = nullptr; }

    // Each kind of change is one step: undone, the skin is as before (its
    // documents, members, pages and preview pixels) and saves to the same
    // bytes; redone, it is as after.
    void everyChangeIsUndoneAndRedoneExactly_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<TChange>("change");
        // Named as the menu names the step.
        const auto row = [](int page, const char* caption, TChange change) {
            QTest::newRow(caption) << page << change;
        };
        row(0, "перемещение PLAYBTN", [](TForm& f, auto&) { Drag(f.Element("PLAYBTN"), {7, 3}); });
        row(0, "перемещение STOPBTN", [](TForm& f, auto&) {
            f.Click("STOPBTN");
            Type(f.Form.SpinEdit1, 17);
            Type(f.Form.SpinEdit2, 4);
        });
        row(1, "перемещение VESKSlider3", [](TForm& f, auto&) {
            f.Click("VESKSlider3");
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(f.Form.TabSheet7, Qt::Key_Right, Qt::ShiftModifier);
        });
        row(0, "размер iGenre", [](TForm& f, auto&) {
            f.Click("iGenre");
            Type(f.Form.SpinEdit5, 70);
            Type(f.Form.SpinEdit6, 12);
        });
        row(0, "отключение PLAYBTN",
            [](TForm& f, auto&) { f.Entry("PLAYBTN")->setCheckState(Qt::Unchecked); });
        row(0, "перенос PLAYBTN", [](TForm& f, auto&) {
            f.Click("PLAYBTN");
            f.Form.ComboBox1Select(1);
        });
        row(2, "перенос trayvol", [](TForm& f, auto&) {
            f.Click("trayvol");
            f.Form.ComboBox2Select(1);
        });
        row(0, "перемещение вверх TabCtrl", [](TForm& f, auto&) {
            f.Click("TabCtrl");
            f.Form.Button9Click();
        });
        row(0, "изменение PLAYBTN_NRM", [](TForm& f, auto&) {
            f.Click("PLAYBTN");
            f.Dialogs.RectAnswer = TRect{3, 4, 30, 24};
            SelectRow(f, "PLAYBTN_NRM");
            f.Form.ListView1DblClick();
        });
        row(0, "изменение iGenre", [](TForm& f, auto&) {
            f.Click("iGenre");
            f.Dialogs.ColorAnswer = QColor(200, 10, 10);
            SelectRow(f, "iGenre");
            f.Form.ListView1DblClick();
        });
        row(0, "изменение SeekBar_HORIZONTAL", [](TForm& f, auto&) {
            f.Click("SeekBar");
            SelectRow(f, "SeekBar_HORIZONTAL");
            f.Form.ListView1DblClick();
        });
        row(0, "изменение SpectrumColor", [](TForm& f, auto&) {
            f.Click("SPECTRUM");
            f.Dialogs.ColorAnswer = QColor(10, 200, 10);
            SelectRow(f, "SpectrumColor");
            f.Form.ListView1DblClick();
        });
        row(0, "изменение MainHOff", [](TForm& f, auto&) {
            f.Click("Main");
            f.Dialogs.TextAnswer = QStringLiteral("7");
            SelectRow(f, "MainHOff");
            f.Form.ListView1DblClick();
        });
        row(0, "вставка текстур STOPBTN", [](TForm& f, auto&) {
            f.Click("PLAYBTN");
            f.Form.Action4->trigger();
            f.Click("STOPBTN");
            f.Form.Action5->trigger();
        });
        row(0, "замена рисунка main.bmp", [](TForm& f, auto&) {
            f.Dialogs.Picture = Sheet(f, 0);
            f.Form.SpeedButton1Click();
        });
        row(2, "замена рисунка tray.bmp", [](TForm& f, auto&) {
            f.Dialogs.Picture = Sheet(f, 2);
            f.Form.SpeedButton1Click();
        });
        row(0, "цвет PLSBK", [](TForm& f, auto&) {
            f.Dialogs.ColorAnswer = QColor(1, 2, 3);
            f.Form.Button28Click();
        });
        row(0, "изменение PLSTOP", [](TForm& f, auto&) {
            f.Dialogs.RectAnswer = TRect{1, 2, 40, 9};
            f.Form.PickPlaylistTexture(f.Form.Edit17);
        });
        row(0, "шрифт PLSNRM", [](TForm& f, auto&) {
            f.Dialogs.FontAnswer = TFont{QStringLiteral("DejaVu Sans"), 255, 14, fsBold};
            f.Form.Button72->click();
        });
        row(0, "цвет меню", [](TForm& f, auto&) {
            f.Dialogs.ColorAnswer = QColor(9, 8, 7);
            f.Form.Button13Click();
        });
        row(0, "очистка иконок меню", [](TForm& f, auto&) { f.Form.Button16Click(); });
        row(0, "добавление шрифта extra.ttf", [](TForm& f, const QTemporaryDir& dir) {
            QFile font(dir.filePath("extra.ttf"));
            QVERIFY(font.open(QIODevice::WriteOnly) && font.write("not really a font") > 0);
            font.close();
            f.Dialogs.OpenAnswer = font.fileName();
            f.Form.Button2Click();
        });
        row(0, "добавление схемы Blue", [](TForm& f, auto&) {
            f.Dialogs.TextAnswer = QStringLiteral("Blue");
            f.Form.Button6Click();
        });
        row(0, "изменение автора", [](TForm& f, auto&) { QTest::keyClicks(f.Form.Edit3, "xyz"); });
        row(0, "изменение названия", [](TForm& f, auto&) { QTest::keyClicks(f.Form.Edit2, "!"); });
        row(0, "изменение описания",
            [](TForm& f, auto&) { QTest::keyClicks(f.Form.Memo1, "more"); });
    }
    void everyChangeIsUndoneAndRedoneExactly() {
        QFETCH(int, page);
        QFETCH(TChange, change);
        const QString caption = QString::fromUtf8(QTest::currentDataTag());
        QTemporaryDir dir;
        TForm f(page);
        const QByteArray original = Save(f, dir.filePath("before"));
        const TSeen before = TSeen::Of(f);
        QVERIFY(!f.Form.isWindowModified());

        change(f, dir);
        const TSeen after = TSeen::Of(f);
        QVERIFY(f.Form.isWindowModified());
        QCOMPARE(f.Form.History->count(), 1);
        QCOMPARE(f.Form.UndoItem->text(), QStringLiteral("Отменить: ") + caption);

        f.Form.UndoItem->trigger();
        Compare(TSeen::Of(f), before);
        QVERIFY(!f.Form.isWindowModified());
        QCOMPARE(f.Form.RedoItem->text(), QStringLiteral("Повторить: ") + caption);

        f.Form.RedoItem->trigger();
        Compare(TSeen::Of(f), after);
        QVERIFY(f.Form.isWindowModified());

        f.Form.UndoItem->trigger();
        QCOMPARE(Save(f, dir.filePath("undone")), original);
    }

    // With unsaved changes, closing asks; "Отмена" keeps the window and the
    // skin, "Нет" lets them go, "Да" saves and closes only once saved.
    void closingAsksAboutUnsavedChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveAnswered");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("modified");
        QTest::newRow("Отмена") << int(TSaveChanges::Cancel) << true << false << true;
        QTest::newRow("Нет") << int(TSaveChanges::Discard) << true << true << true;
        QTest::newRow("Да") << int(TSaveChanges::Save) << true << true << false;
        QTest::newRow("Да, save cancelled") << int(TSaveChanges::Save) << false << false << true;
    }
    void closingAsksAboutUnsavedChanges() {
        QFETCH(int, answer);
        QFETCH(bool, saveAnswered);
        QFETCH(bool, closes);
        QFETCH(bool, modified);
        QTemporaryDir dir;
        TForm f;
        QVERIFY(f.Form.close());
        QCOMPARE(f.Dialogs.SaveChangesCalls, 0);
        f.Form.show();
        Drag(f.Element("PLAYBTN"), {5, 0});
        const QRect moved = f.Element("PLAYBTN")->geometry();
        TSaveForm::SetStatusPause(0);
        f.Dialogs.SaveChangesAnswer = TSaveChanges(answer);
        if (saveAnswered)
            f.Dialogs.SaveAnswer = dir.filePath("out");

        f.Form.ExitItem->trigger();
        QCOMPARE(f.Dialogs.SaveChangesCalls, 1);
        QCOMPARE(f.Form.isVisible(), !closes);
        QCOMPARE(f.Form.isWindowModified(), modified);
        QCOMPARE(f.Element("PLAYBTN")->geometry(), moved);
        QCOMPARE(QFile::exists(dir.filePath("out.qxsp")),
                 answer == int(TSaveChanges::Save) && saveAnswered);

        // Opening another skin asks too; kept changes keep the skin open.
        if (!closes) {
            f.Dialogs.SaveChangesAnswer = TSaveChanges::Cancel;
            f.Dialogs.OpenAnswer = dir.filePath("other.qxsp");
            f.Form.Button1Click();
            QCOMPARE(f.Dialogs.SaveChangesCalls, 2);
            QCOMPARE(f.Dialogs.OpenCalls, 0);
            QCOMPARE(f.Element("PLAYBTN")->geometry(), moved);
        } else if (QFile::exists(dir.filePath("out.qxsp"))) {
            // The skin saved, opened again, starts a history of its own.
            QCOMPARE(f.Form.History->count(), 1);
            f.Form.OpenSkin(dir.filePath("out.qxsp"));
            QCOMPARE(f.Form.History->count(), 0);
            QVERIFY(!f.Form.UndoItem->isEnabled() && !f.Form.isWindowModified());
        }
    }
};

QX_REGISTER_TEST(TestHistory)
#include "tst_History.moc"
