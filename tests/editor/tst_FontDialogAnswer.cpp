#include <QFontDialog>
#include <QTest>

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
    void untouchedDialogKeepsTheFont_data() {
        QTest::addColumn<int>("height");
        for (int height : {-8, -11, -13, -15, -24, 12})
            QTest::newRow(qPrintable(QString::number(height))) << height;
    }
    void untouchedDialogKeepsTheFont() {
        QFETCH(int, height);
        TFont font = Tahoma();
        font.Height = height;
        QFontDialog dialog(font.ToQFont());
        const QFont shown = dialog.currentFont();
        QCOMPARE(FontFromDialog(font, shown, dialog.currentFont()), font);
    }

    void changesTakeEffect() {
        QFont shown(QStringLiteral("Sans Serif"));
        shown.setPointSize(8);

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
        QCOMPARE(answer.Style, TFontStyles(fsUnderline));
    }
};

QX_REGISTER_TEST(TestFontDialogAnswer)

#include "tst_FontDialogAnswer.moc"
