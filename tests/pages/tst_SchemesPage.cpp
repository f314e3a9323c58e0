// The colour schemes page: the list follows SKIN_THEMES of the main
// document through every change, and the preview is the main window's
// photograph under the hue shift of the slider.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "PagesTestSupport.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "editor/PreviewTrees.h"
#include "graphics/VESKBmp.h"
#include "graphics/VESKHue.h"

using namespace PagesTest;

namespace {

const QString kThemes = QStringLiteral("SKIN_THEMES");

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList Listed(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The section as "key=value" lines in stored order.
QStringList Section(TSkinProject& document) {
    QStringList lines;
    for (const char* key : {"Count", "Name1", "Theme1", "Name2", "Theme2", "Name3", "Theme3"})
        if (document.ValueExists(kThemes, QString::fromLatin1(key)))
            lines << QString::fromLatin1(key) + u'=' +
                         document.ReadString(kThemes, QString::fromLatin1(key), QString());
    return lines;
}

QImage Shown(const QLabel* image) {
    return image->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// A skin whose schemes section is gone, listed afresh.
void WithoutSchemes(TForm& form) {
    form.Main().EraseSection(kThemes);
    form.Form.RefreshSchemeList();
}

void AddScheme(TForm& form, const QString& name, int shift) {
    form.Form.ScrollBar1->setValue(shift);
    form.Dialogs.TextAnswer = name;
    Click(form.Form.Button6);
}

} // namespace

class SchemesPageTest : public QObject {
    Q_OBJECT

private slots:
    // The built-in skin's schemes are listed from the start, so a scheme
    // added before any package is opened cannot overwrite them.
    void builtInSchemesListedAtStart() {
        TForm form;
        QCOMPARE(Listed(form.Form.ListBox2), QStringList({"Amber", "Violet"}));
        QCOMPARE(form.Form.ListBox2->item(0)->data(Qt::UserRole).toInt(), -107);
        form.Dialogs.TextAnswer = QStringLiteral("Sea");
        Click(form.Form.Button6);
        QCOMPARE(Listed(form.Form.ListBox2), QStringList({"Amber", "Violet", "Sea"}));
        QCOMPARE(form.Main().ReadString(kThemes, QStringLiteral("Name1"), QString()),
                 QStringLiteral("Amber"));
    }

    void addWritesCountNameAndShift() {
        TForm form(TForm::Schemes);
        WithoutSchemes(form);
        QCOMPARE(form.Form.ListBox2->count(), 0);

        AddScheme(form, QStringLiteral("Warm"), 37);
        QCOMPARE(form.Dialogs.TextCaption, QStringLiteral("Имя"));
        QCOMPARE(form.Dialogs.TextPrompt, QStringLiteral("Введите имя цветовой схемы:"));
        QCOMPARE(form.Dialogs.TextInitial, QStringLiteral("Noname"));
        QCOMPARE(Section(form.Main()), QStringList({"Count=1", "Name1=Warm", "Theme1=37"}));
        QCOMPARE(Listed(form.Form.ListBox2), QStringList({"Warm"}));
        // The list starts over at the skin's own colours.
        QCOMPARE(form.Form.ScrollBar1->value(), 0);

        AddScheme(form, QStringLiteral("Warm"), -5);
        QCOMPARE(Section(form.Main()),
                 QStringList({"Count=2", "Name1=Warm", "Theme1=37", "Name2=Warm", "Theme2=-5"}));
    }

    void cancelledAddChangesNothing() {
        TForm form(TForm::Schemes);
        const QByteArray document = form.Document();
        form.Form.ScrollBar1->setValue(12);
        Click(form.Form.Button6);
        QCOMPARE(form.Document(), document);
        QCOMPARE(form.Form.ListBox2->count(), 2);
    }

    void deleteMovesTheLaterSchemesUp() {
        TForm form(TForm::Schemes);
        WithoutSchemes(form);
        AddScheme(form, QStringLiteral("A"), 10);
        AddScheme(form, QStringLiteral("B"), 20);
        AddScheme(form, QStringLiteral("C"), 30);
        form.Form.ListBox2->setCurrentRow(1);
        Click(form.Form.Button7);
        // Keys past "Count" stay behind and mean nothing.
        QCOMPARE(Section(form.Main()), QStringList({"Count=2", "Name1=A", "Theme1=10", "Name2=C",
                                                       "Theme2=30", "Name3=C", "Theme3=30"}));
        QCOMPARE(Listed(form.Form.ListBox2), QStringList({"A", "C"}));

        // Nothing selected, nothing deleted.
        form.Form.ListBox2->clearSelection();
        Click(form.Form.Button7);
        QCOMPARE(form.Form.ListBox2->count(), 2);
    }

    void renameKeepsTheShift() {
        TForm form(TForm::Schemes);
        form.Form.ListBox2->setCurrentRow(1);
        Click(form.Form.Button8);
        QCOMPARE(form.Dialogs.TextInitial, QStringLiteral("Violet"));
        QCOMPARE(Listed(form.Form.ListBox2), QStringList({"Amber", "Violet"}));

        form.Form.ListBox2->setCurrentRow(1);
        form.Dialogs.TextAnswer = QStringLiteral("Лиловая");
        Click(form.Form.Button8);
        QCOMPARE(Section(form.Main()), QStringList({"Count=2", "Name1=Amber", "Theme1=-107",
                                                       "Name2=Лиловая", "Theme2=51"}));
    }

    void clickingASchemeMovesTheSlider() {
        TForm form(TForm::Schemes);
        QListWidget* list = form.Form.ListBox2;
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(form.Form.ScrollBar1->value(), 51);
    }

    // A stranger's count cannot make the page list schemes for minutes.
    void hugeCountIsBounded() {
        TForm form(TForm::Schemes);
        form.Main().WriteInteger(kThemes, QStringLiteral("Count"), 2000000000);
        form.Form.RefreshSchemeList();
        QCOMPARE(form.Form.ListBox2->count(), TQXSPCustomFile::MaxThemeCount - 1);
        QCOMPARE(form.Form.ListBox2->item(2)->text(), QStringLiteral("Noname"));
    }

    // The preview is the photograph of the main window, without selection
    // frame, rotated by the slider's shift.
    void previewIsTheMainWindowUnderTheShift() {
        TForm form;
        QWidget* element = form.Form.Previews().Find(QStringLiteral("PLAYBTN"));
        QVERIFY(element);
        SelectedElement = element;
        const QImage unframed = [&] {
            SelectedElement = nullptr;
            QImage image(form.Form.MainCtrl->size(), QImage::Format_RGB32);
            image.fill(Qt::black);
            form.Form.MainCtrl->render(&image);
            SelectedElement = element;
            return image;
        }();

        form.Show(TForm::Schemes);
        // The photograph waits for the page switch to end.
        QCoreApplication::processEvents();
        QCOMPARE(SelectedElement.data(), element);
        QCOMPARE(Shown(form.Form.Image2), unframed);

        form.Form.ScrollBar1->setValue(200);
        TVESKBmp rotated(unframed);
        ApplyHue(rotated, 200);
        const QImage expected = rotated.Image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(Shown(form.Form.Image2), expected);
        QVERIFY(expected != unframed);

        form.Form.ScrollBar1->setValue(0);
        QCOMPARE(Shown(form.Form.Image2), unframed);
    }

    // Hue counts 255 steps a turn; the key colour stays whatever the shift.
    void hueShiftOfThePreview_data() {
        QTest::addColumn<int>("shift");
        QTest::newRow("200") << 200;
        QTest::newRow("-200") << -200;
        QTest::newRow("0") << 0;
    }
    void hueShiftOfThePreview() {
        QFETCH(int, shift);
        QImage image(3, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(255, 0, 255));
        image.setPixel(2, 0, qRgb(254, 0, 255));
        TVESKBmp bmp(image);
        ApplyHue(bmp, shift);
        const QImage out = bmp.Image();
        // Red has hue 0: 200 gives 200/255 of a turn, -200 wraps to 55/255.
        const int hue = (shift + 255) % 255;
        QVERIFY(qAbs(QColor(out.pixel(0, 0)).hslHueF() * 255.0 - hue) <= 1.0);
        QCOMPARE(out.pixel(1, 0), qRgb(255, 0, 255));
        QCOMPARE(out.pixel(2, 0) == qRgb(254, 0, 255), shift == 0);
    }
};

QX_REGISTER_TEST(SchemesPageTest)
#include "tst_SchemesPage.moc"
