#include <QApplication>
#include <QFontDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "TestRegistry.h"
#include "editor/EditorDialogs.h"

// Skin fonts pass through Qt's font dialog, which knows neither their colour
// nor their pixel heights nor faces this machine lacks.
class TestFontDialogAnswer : public QObject {
    Q_OBJECT

    static TFont Tahoma() { return TFont{QStringLiteral("Tahoma"), 0x123456, -11, fsItalic}; }

private slots:
    // OK on the real dialog without touching anything gives back the skin's
    // font as it was: no renamed face, no height drift through points.
    // Bold stays also where the dialog lists the face without a bold style.
    void untouchedDialogKeepsTheFont_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("style");
        for (int height : {-8, -11, -13, -15, -24, 12})
            QTest::newRow(qPrintable(QString::number(height))) << "Tahoma" << height << 1;
        QTest::newRow("Tahoma bold") << "Tahoma" << 12 << 2;
        QTest::newRow("MS Sans Serif bold") << "MS Sans Serif" << 13 << 3;
    }
    void untouchedDialogKeepsTheFont() {
        QFETCH(QString, face);
        QFETCH(int, height);
        QFETCH(int, style);
        const TFont font{face, -16777208, height, TFontStyles(style)};
        QFontDialog dialog(font.ToQFont());
        const QFont shown = dialog.currentFont();
        QCOMPARE(FontFromDialog(font, shown, dialog.currentFont()), font);
    }

    // The real dialog's colour button asks through the same interface; the
    // colour comes back with the untouched font.
    void colourIsChosenInTheFontDialog() {
        struct TColourAnswer : QtEditorDialogs {
            std::optional<QColor> Color(QWidget*, const QColor&) override {
                return QColor(1, 2, 3);
            }
        } dialogs;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            dialog->findChild<QPushButton*>(QStringLiteral("FontColorButton"))->click();
            qobject_cast<QDialog*>(dialog)->accept();
        });
        const auto answer = dialogs.Font(nullptr, Tahoma());
        QCOMPARE(answer.value_or(TFont{}), (TFont{"Tahoma", RGBColor(1, 2, 3), -11, fsItalic}));
    }

    void changesTakeEffect() {
        QFont shown(QStringLiteral("Sans Serif"));
        shown.setPointSize(8);
        shown.setItalic(true);

        QFont bolder = shown;
        bolder.setBold(true);
        bolder.setItalic(false);
        TFont answer = FontFromDialog(Tahoma(), shown, bolder);
        QCOMPARE(answer.Name, QStringLiteral("Tahoma"));
        QCOMPARE(answer.Height, -11);
        QCOMPARE(answer.Style, TFontStyles(fsBold));
        QCOMPARE(answer.Color, Tahoma().Color);

        QFont other = shown;
        other.setFamily(QStringLiteral("Serif"));
        other.setPointSize(12);
        other.setUnderline(true);
        answer = FontFromDialog(Tahoma(), shown, other);
        QCOMPARE(answer.Name, QStringLiteral("Serif"));
        QCOMPARE(answer.Height, -16);
        QCOMPARE(answer.Style, TFontStyles(fsItalic | fsUnderline));
    }
};

QX_REGISTER_TEST(TestFontDialogAnswer)

#include "tst_FontDialogAnswer.moc"
