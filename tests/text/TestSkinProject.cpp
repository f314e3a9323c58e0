#include <QTest>

#include "TestRegistry.h"
#include "graphics/VESKHue.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"
#include "text/SkinProject.h"

Q_DECLARE_METATYPE(TRect)

namespace {

void Load(TSkinProject& project, const QByteArray& bytes) {
    auto stream = NewMemoryStream(bytes);
    project.LoadFromStream(*stream);
}

} // namespace

class TestSkinProject : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CurrentTheme = 0; }

    void strToRect_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<TRect>("rect");
        QTest::newRow("plain") << "1,2,3,4" << true << TRect{1, 2, 3, 4};
        QTest::newRow("negative") << "-5,0,10,-20" << true << TRect{-5, 0, 10, -20};
        QTest::newRow("blank before a number") << "1, 2,3,4" << true << TRect{1, 2, 3, 4};
        QTest::newRow("hex field") << "$10,0,0,0" << true << TRect{16, 0, 0, 0};
        QTest::newRow("three fields") << "1,2,3" << false << TRect{};
        QTest::newRow("five fields") << "1,2,3,4,5" << false << TRect{};
        QTest::newRow("empty") << "" << false << TRect{};
        QTest::newRow("empty field") << "1,,3,4" << false << TRect{};
        QTest::newRow("trailing blank") << "1,2,3,4 " << false << TRect{};
    }
    void strToRect() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(TRect, rect);
        if (valid)
            QCOMPARE(StrToRect(text), rect);
        else
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToRect(text));
    }

    void readRect_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<TRect>("rect");
        QTest::newRow("present") << QByteArray("k=10,20,30,40") << TRect{10, 20, 30, 40};
        QTest::newRow("missing gives the default")
            << QByteArray("other=5,5,5,5") << TRect{1, 2, 3, 4};
        QTest::newRow("three fields") << QByteArray("k=1,2,3") << TRect{};
        QTest::newRow("five fields") << QByteArray("k=1,2,3,4,5") << TRect{};
        QTest::newRow("empty value") << QByteArray("k=") << TRect{};
    }
    void readRect() {
        QFETCH(QByteArray, line);
        QFETCH(TRect, rect);
        TSkinProject project;
        Load(project, "[SKIN_RECTS]\n" + line);
        QCOMPARE(project.ReadRect("skin_rects", "K", TRect{1, 2, 3, 4}), rect);
    }

    void writeRect() {
        TSkinProject project;
        project.WriteRect("SKIN_OBJS", "A", TRect{10, 20, 30, 40});
        project.WriteRect("SKIN_OBJS", "B", TRect{-1, -2, 0, 2147483647});
        QCOMPARE(project.ReadString("SKIN_OBJS", "A", ""), QString("10,20,30,40"));
        QCOMPARE(project.ReadString("SKIN_OBJS", "B", ""), QString("-1,-2,0,2147483647"));
        QCOMPARE(project.ReadRect("SKIN_OBJS", "B", {}), (TRect{-1, -2, 0, 2147483647}));
    }

    void strToFont_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("height");
        QTest::addColumn<unsigned>("style");
        QTest::newRow("bold") << "Tahoma,6839878,11,2"
                              << "Tahoma" << 6839878 << 11 << unsigned(fsBold);
        QTest::newRow("bold italic") << "Arial,0,12,3"
                                     << "Arial" << 0 << 12 << unsigned(fsBold | fsItalic);
        QTest::newRow("all three")
            << "Arial,0,12,7"
            << "Arial" << 0 << 12 << unsigned(fsBold | fsItalic | fsUnderline);
        QTest::newRow("unknown bit") << "Arial,0,12,8"
                                     << "Arial" << 0 << 12 << 0u;
        QTest::newRow("blanks in the name and a system colour")
            << "MS Sans Serif,-16777208,11,0"
            << "MS Sans Serif" << -16777208 << 11 << 0u;
        QTest::newRow("empty name") << ",0,13,0"
                                    << "" << 0 << 13 << 0u;
        QTest::newRow("negative height kept") << "Arial,255,-12,4"
                                              << "Arial" << 255 << -12 << unsigned(fsUnderline);
    }
    void strToFont() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(int, color);
        QFETCH(int, height);
        QFETCH(unsigned, style);
        TMyFont font;
        StrToFont(text, font, false);
        QCOMPARE(font.Name, name);
        QCOMPARE(font.Color, color);
        QCOMPARE(font.Height, height);
        QCOMPARE(font.Style, style);
    }

    void badFontLeavesRecord_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("name only") << "Tahoma";
        QTest::newRow("three fields") << "Tahoma,1,2";
        QTest::newRow("bad colour") << "Tahoma,red,2,3";
        QTest::newRow("five fields") << "Tahoma,1,2,3,4";
    }
    void badFontLeavesRecord() {
        QFETCH(QString, text);
        TMyFont font{9, "Keep", 77, fsBold};
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFont(text, font, true));
        QCOMPARE(font.Name, QString("Keep"));
        QCOMPARE(font.Color, 77);
        QCOMPARE(font.Height, 9);
        QCOMPARE(font.Style, unsigned(fsBold));
    }

    void myFontToStr() {
        TMyFont font;
        StrToFont("Tahoma,6839878,-11,7", font, false);
        font.Style |= fsStrikeOut;
        QCOMPARE(MyFontToStr(font), QString("Tahoma,6839878,11,7"));
        font.Height = -2147483647 - 1;
        TMyFont back;
        StrToFont(MyFontToStr(font), back, false);
        QCOMPARE(back.Height, font.Height);
    }

    void readFontTo() {
        TSkinProject project;
        Load(project, "[SKIN_FONTS]\nLabel=Verdana,255,-14,5\nEmpty=\n");
        const TFont original{"Original", 1, 2, fsBold};
        TFont font = original;
        project.ReadFontTo("SKIN_FONTS", "Missing", font);
        QCOMPARE(font, original);
        project.ReadFontTo("SKIN_FONTS", "empty", font);
        QCOMPARE(font, original);
        TMyFont record{3, "Keep", 4, fsItalic};
        project.ReadFont("SKIN_FONTS", "Missing", record);
        project.ReadFont("SKIN_FONTS", "Empty", record);
        QCOMPARE(record.Name, QString("Keep"));
        project.ReadFontTo("skin_fonts", "LABEL", font);
        QCOMPARE(font, (TFont{"Verdana", 255, -14, fsItalic | fsUnderline}));
    }

    void themeAdjustment_data() {
        QTest::addColumn<int>("theme");
        QTest::newRow("no scheme") << 0;
        QTest::newRow("a scheme") << 85;
    }
    void themeAdjustment() {
        QFETCH(int, theme);
        CurrentTheme = theme;
        const int red = RGBColor(200, 30, 10);
        const int expected = ThemeColor(red, theme);
        if (theme != 0)
            QVERIFY(expected != red);
        TSkinProject project;
        Load(project, "[SKIN_FONTS]\nC=" + QByteArray::number(red) + "\nF=Tahoma," +
                          QByteArray::number(red) +
                          ",11,0\n[SKIN_OPTIONS]\nC=" + QByteArray::number(red));
        QCOMPARE(project.ReadInteger("SKIN_FONTS", "C", 0), expected);
        QCOMPARE(project.ReadInteger("skin_fonts", "c", 0), expected);
        QCOMPARE(project.ReadInteger("SKIN_OPTIONS", "C", 0), red);
        QCOMPARE(project.TVESKIniFileW::ReadInteger("SKIN_FONTS", "C", 0), red);
        TMyFont font;
        project.ReadFont("SKIN_FONTS", "F", font);
        QCOMPARE(font.Color, expected);
        StrToFont("Tahoma," + QString::number(red) + ",11,0", font, false);
        QCOMPARE(font.Color, red);
    }
};

QX_REGISTER_TEST(TestSkinProject)
#include "TestSkinProject.moc"
