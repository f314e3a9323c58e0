#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

#include "ElementsTestSupport.h"
#include "TestRegistry.h"
#include "controls/AlignLayout.h"
#include "controls/SelectedElement.h"
#include "controls/VESK_SE_Panel.h"

using namespace ElementsTest;

namespace {

// Types into a spin edit as the user does: everything selected, then keys.
void Type(QSpinBox* spin, int value) {
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
}

} // namespace

class TestElementList : public QObject {
    Q_OBJECT

    QTemporaryDir FFonts;

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FFonts.path().toUtf8()); }
    void cleanup() { SelectedElement = nullptr; }

    // Depth first: every entry's control lies in the panel entry it
    // follows, the plain playlist dock and the roots are not listed, and
    // every element of the window is.
    void mainWindowListsElementsDepthFirst() {
        TForm f;
        const QStringList names = f.ListNames();
        QStringList panels;
        QList<QWidget*> open; // panel entries whose elements may follow
        for (int i = 0; i < f.Form.CheckListBox1->count(); ++i) {
            auto* control = qobject_cast<QWidget*>(
                f.Form.CheckListBox1->item(i)->data(Qt::UserRole).value<QObject*>());
            QVERIFY(control);
            QCOMPARE(control->objectName(), names[i]);
            while (!open.isEmpty() && control->parentWidget() != open.last())
                open.removeLast();
            if (open.isEmpty())
                panels << names[i];
            if (qobject_cast<TVESKSEPanel*>(control))
                open << control;
        }
        // The top level of the list: the face, the bars, the playlist
        // panels in the order they stand in the dock.
        QCOMPARE(panels,
                 QStringList({"Main", "Leftbar", "RightBar", "TopPanel", "TabCtrl", "PlsCtrl"}));
        QCOMPARE(names.mid(names.indexOf("TabCtrl"), 3), QStringList({"TabCtrl", "TCP", "TCN"}));
        QVERIFY(!names.contains("PlaylistMan"));
        QVERIFY(!names.contains("MainCtrl"));
        QCOMPARE(names.size(), int(SkinElements(TSkinWindow::Main).size()));
    }

    void trayListLeavesOutItsTwoPanels() {
        TForm f(2);
        const QStringList names = f.ListNames();
        QVERIFY(!names.contains("TrayInfo"));
        QVERIFY(!names.contains("TrayCtrl"));
        QVERIFY(names.contains("trayrs"));
        QVERIFY(names.contains("traylc"));
        QCOMPARE(names.size(), int(SkinElements(TSkinWindow::Tray).size()) - 2);
    }

    void checkMarkSaysWhetherTheElementIsInTheSkin_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QString>("projSkn"); // empty: no such key
        QTest::addColumn<bool>("checked");
        QTest::newRow("placed") << 0 << "PLAYBTN" << false << QRect() << "" << true;
        QTest::newRow("nowhere") << 0 << "PLAYBTN" << true << QRect(0, 0, 0, 0) << "" << false;
        QTest::newRow("at the origin with a size")
            << 0 << "PLAYBTN" << true << QRect(0, 0, 5, 5) << "" << true;
        QTest::newRow("left out by the project")
            << 0 << "STOPBTN" << false << QRect() << "0" << false;
        QTest::newRow("project text other than 1")
            << 0 << "STOPBTN" << false << QRect() << "yes" << false;
        QTest::newRow("project says 1") << 0 << "STOPBTN" << false << QRect() << "1" << true;
        // The project of the main window speaks for every page.
        QTest::newRow("equalizer, main project") << 1 << "LIB" << false << QRect() << "0" << false;
        QTest::newRow("tray, nowhere")
            << 2 << "trayplay" << true << QRect(0, 0, 0, 0) << "" << false;
    }

    void checkMarkSaysWhetherTheElementIsInTheSkin() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, moved);
        QFETCH(QRect, bounds);
        QFETCH(QString, projSkn);
        QFETCH(bool, checked);
        TForm f(page);
        if (moved)
            ::SetBounds(f.Element(name), bounds);
        if (!projSkn.isEmpty())
            f.Form.SkinFile->Project->WriteString("PROJ_SKN", name, projSkn);
        f.Page(page);
        QVERIFY(f.Entry(name));
        QCOMPARE(f.Entry(name)->checkState() == Qt::Checked, checked);
    }

    void checkingShowsAndSizesAnElementLeftOut_data() {
        QTest::addColumn<QRect>("before");
        QTest::addColumn<QRect>("after");
        QTest::newRow("no size") << QRect(3, 4, 0, 0) << QRect(3, 4, 50, 50);
        QTest::newRow("a size") << QRect(3, 4, 20, 10) << QRect(3, 4, 20, 10);
        QTest::newRow("no height") << QRect(3, 4, 20, 0) << QRect(3, 4, 20, 0);
    }

    void checkingShowsAndSizesAnElementLeftOut() {
        QFETCH(QRect, before);
        QFETCH(QRect, after);
        TForm f;
        QWidget* element = f.Element("OPENBTN");
        ::SetBounds(element, before);
        element->hide();
        f.Form.SkinFile->Project->WriteString("PROJ_SKN", "OPENBTN", "0");
        f.Page(0);
        QListWidgetItem* entry = f.Entry("OPENBTN");
        QCOMPARE(entry->checkState(), Qt::Unchecked);
        const QByteArray documents = f.Documents();

        // The user ticks the box.
        f.Form.CheckListBox1->scrollToItem(entry);
        QStyleOptionViewItem option;
        option.initFrom(f.Form.CheckListBox1);
        option.rect = f.Form.CheckListBox1->visualItemRect(entry);
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = f.Form.CheckListBox1->style()->subElementRect(
            QStyle::SE_ItemViewItemCheckIndicator, &option, f.Form.CheckListBox1);
        QTest::mouseClick(f.Form.CheckListBox1->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(entry->checkState(), Qt::Checked);
        QVERIFY(!element->isHidden());
        QCOMPARE(element->geometry(), after);

        QTest::mouseClick(f.Form.CheckListBox1->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(entry->checkState(), Qt::Unchecked);
        QVERIFY(element->isHidden());
        QCOMPARE(f.Documents(), documents);
    }

    void clickingAnEntrySelectsItsElement() {
        TForm f;
        QListWidgetItem* entry = f.Entry("SeekBar");
        f.Form.CheckListBox1->scrollToItem(entry);
        const QRect text = f.Form.CheckListBox1->visualItemRect(entry);
        QTest::mouseClick(f.Form.CheckListBox1->viewport(), Qt::LeftButton, {},
                          text.center() + QPoint(text.width() / 4, 0));
        QCOMPARE(SelectedElement.data(), f.Element("SeekBar"));
        QCOMPARE(f.Form.GroupBox2->title(), QStringLiteral("SeekBar"));
        QCOMPARE(f.Rows().size(), 4);
    }

    // Typing a position moves the kinds that move and writes the key
    // without one trailing "_" into the shown page's document.
    void typedPositionMovesAndWrites_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("equalizer close button") << 1 << "CloseBtn_"
                                                << "CloseBtn";
        QTest::newRow("main window button") << 0 << "PLAYBTN"
                                            << "PLAYBTN";
        QTest::newRow("numeric display") << 0 << "Time"
                                         << "Time";
        QTest::newRow("slider") << 0 << "Volumebar"
                                << "Volumebar";
        QTest::newRow("equalizer slider") << 1 << "PREAMP"
                                          << "PREAMP";
        QTest::newRow("equalizer curve") << 1 << "EQVIS"
                                         << "EQVIS";
        QTest::newRow("tray button") << 2 << "trayplay"
                                     << "trayplay";
    }

    void typedPositionMovesAndWrites() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, key);
        TForm f(page);
        QWidget* element = f.Element(name);
        f.Click(name);
        const QSize size = element->size();
        Type(f.Form.SpinEdit1, 17);
        Type(f.Form.SpinEdit2, -3);
        QCOMPARE(element->geometry(), QRect(QPoint(17, -3), size));
        TSkinProject* document = f.Form.ShownDocument();
        QCOMPARE(document->ReadString("SKIN_OBJS", key, "missing"),
                 QStringLiteral("17,-3,%1,%2").arg(17 + size.width()).arg(-3 + size.height()));
        if (key != name)
            QCOMPARE(document->ReadString("SKIN_OBJS", name, "missing"), QStringLiteral("missing"));
    }

    void typedPositionLeavesOtherKindsAlone_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::newRow("text label") << 0 << "iTitle";
        QTest::newRow("border bar") << 0 << "Leftbar";
        QTest::newRow("area panel") << 0 << "PlsCtrl";
        QTest::newRow("equalizer face") << 1 << "main_";
        QTest::newRow("list box") << 0 << "Playlistbox";
        QTest::newRow("tray strip") << 2 << "traylc";
    }

    void typedPositionLeavesOtherKindsAlone() {
        QFETCH(int, page);
        QFETCH(QString, name);
        TForm f(page);
        QWidget* element = f.Element(name);
        f.Click(name);
        const QRect bounds = element->geometry();
        const QByteArray documents = f.Documents();
        Type(f.Form.SpinEdit1, 17);
        Type(f.Form.SpinEdit2, 23);
        QCOMPARE(element->geometry(), bounds);
        QCOMPARE(f.Documents(), documents);
    }

    void labelGeometryTypedIntoTheShownDocument_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::newRow("title label") << 0 << "iTitle";
        QTest::newRow("playlist box") << 0 << "Playlistbox";
        QTest::newRow("equalizer list box") << 1 << "DSP";
        QTest::newRow("tray title") << 2 << "trayrs";
    }

    void labelGeometryTypedIntoTheShownDocument() {
        QFETCH(int, page);
        QFETCH(QString, name);
        TForm f(page);
        QWidget* label = f.Element(name);
        f.Click(name);
        QVERIFY(!f.Form.Panel2->isHidden());
        QCOMPARE(f.Form.SpinEdit3->value(), label->x());
        QCOMPARE(f.Form.SpinEdit6->value(), label->height());
        Type(f.Form.SpinEdit3, 5);
        Type(f.Form.SpinEdit4, 6);
        Type(f.Form.SpinEdit5, 70);
        Type(f.Form.SpinEdit6, 12);
        QCOMPARE(label->geometry(), QRect(5, 6, 70, 12));
        QCOMPARE(f.Form.ShownDocument()->ReadString("SKIN_OBJS", name, "missing"),
                 QStringLiteral("5,6,75,18"));
    }

    // Numbers far outside any preview are written as typed where they fit,
    // and saturate instead of wrapping around where they do not.
    void extremeTypedNumbersSaturate() {
        TForm f;
        f.Click("PLAYBTN");
        const int width = f.Element("PLAYBTN")->width();
        Type(f.Form.SpinEdit1, INT_MAX);
        const QString written =
            f.Form.ShownDocument()->ReadString("SKIN_OBJS", "PLAYBTN", "missing");
        QVERIFY2(written.startsWith(QString::number(INT_MAX) + u','), qPrintable(written));
        QVERIFY2(written.section(u',', 2, 2) == QString::number(INT_MAX) || width == 0,
                 qPrintable(written));
    }

    void parentSelectorMovesTheElement_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("entry");
        QTest::newRow("left border") << 4 << "Leftbar"
                                     << "LEFT BORDER";
        QTest::newRow("right border") << 3 << "RightBar"
                                      << "RIGHT BORDER";
        QTest::newRow("playlist bottom") << 2 << "PlsCtrl"
                                         << "PLAYLIST BTM PANEL";
        QTest::newRow("playlist top") << 1 << "TopPanel"
                                      << "PLAYLIST TOP PANEL";
    }

    void parentSelectorMovesTheElement() {
        QFETCH(int, index);
        QFETCH(QString, panel);
        QFETCH(QString, entry);
        TForm f;
        QWidget* element = f.Element("HELPBTN");
        f.Click("HELPBTN");
        QVERIFY(!f.Form.Panel10->isHidden());
        QCOMPARE(f.Form.ComboBox1->currentText(), QStringLiteral("MAIN PANEL"));
        const QRect bounds = element->geometry();
        const QByteArray documents = f.Documents();
        f.Form.ComboBox1->setCurrentIndex(index);
        emit f.Form.ComboBox1->activated(index);
        QCOMPARE(element->parentWidget(), f.Element(panel));
        QCOMPARE(element->geometry(), bounds);
        QVERIFY(element->isVisible());
        QCOMPARE(f.Documents(), documents);
        // Selected again, the sheet shows the area it now lies in.
        f.Form.ComboBox1->setCurrentIndex(0);
        f.Click("HELPBTN");
        QCOMPARE(f.Form.ComboBox1->currentText(), entry);
    }

    void traySelectorMovesBetweenTheTrayWindows() {
        TForm f(2);
        QWidget* element = f.Element("trayvol");
        f.Click("trayvol");
        QVERIFY(!f.Form.Panel3->isHidden());
        QVERIFY(f.Form.Panel10->isHidden());
        const QString before = element->parentWidget()->objectName();
        const int other = before == "TrayInfo" ? 0 : 1;
        f.Form.ComboBox2->setCurrentIndex(other);
        emit f.Form.ComboBox2->activated(other);
        QCOMPARE(element->parentWidget()->objectName(),
                 QString(other == 1 ? "TrayInfo" : "TrayCtrl"));
        QVERIFY(element->isVisible());
        f.Click("trayvol");
        QCOMPARE(f.Form.ComboBox2->currentIndex(), other);
    }

    void moveUpPutsAPlaylistPanelFirst() {
        TForm f;
        QWidget* top = f.Element("TopPanel");
        QWidget* tabs = f.Element("TabCtrl");
        QVERIFY(top->height() > 0 && tabs->height() > 0);
        QVERIFY(top->y() < tabs->y());
        f.Click("TabCtrl");
        QVERIFY(!f.Form.Button9->isHidden());
        QTest::mouseClick(f.Form.Button9, Qt::LeftButton);
        QCOMPARE(tabs->y(), 0);
        QCOMPARE(top->y(), tabs->height());
        // A button is no panel: the command leaves it where it is.
        f.Click("PLAYBTN");
        QVERIFY(f.Form.Button9->isHidden());
        const QPoint at = f.Element("PLAYBTN")->pos();
        f.Form.Button9Click();
        QCOMPARE(f.Element("PLAYBTN")->pos(), at);
    }
};

QX_REGISTER_TEST(TestElementList)
#include "tst_ElementList.moc"
