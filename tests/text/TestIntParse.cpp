#include <QTest>

#include "TestRegistry.h"
#include "storage/VESKErrors.h"
#include "text/VESKIntParse.h"

class TestIntParse : public QObject {
    Q_OBJECT

private slots:
    void valid_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "12" << 12;
        QTest::newRow("leading blanks") << "   12" << 12;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("minus") << "-7" << -7;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("dollar hex") << " $1F" << 31;
        QTest::newRow("x hex") << "x10" << 16;
        QTest::newRow("X hex") << "X1f" << 31;
        QTest::newRow("0x hex") << "-0x10" << -16;
        QTest::newRow("0X hex") << "0XaB" << 171;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << -2147483647 - 1;
        QTest::newRow("hex pattern -1") << "$FFFFFFFF" << -1;
        QTest::newRow("hex pattern smallest") << "$80000000" << -2147483647 - 1;
        QTest::newRow("system colour in hex") << "$FF000008" << -16777208;
        QTest::newRow("negated hex") << "-$1" << -1;
        QTest::newRow("hex leading zeros") << "$000000000F" << 15;
    }
    void valid() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(StrToInt(text), value);
    }

    void invalid_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blank") << " "
                               << " ";
        QTest::newRow("letters") << "abc"
                                 << "abc";
        QTest::newRow("just past the largest") << "2147483648"
                                               << "2147483648";
        QTest::newRow("just past the smallest") << "-2147483649"
                                                << "-2147483649";
        QTest::newRow("huge") << "99999999999999999999"
                              << "99999999999999999999";
        QTest::newRow("nine hex digits") << "$100000000"
                                         << "$100000000";
        QTest::newRow("trailing blank") << "12 "
                                        << "12 ";
        QTest::newRow("inner blank") << "1 2"
                                     << "1 2";
        QTest::newRow("tab is no blank") << "\t1"
                                         << "\t1";
        QTest::newRow("blank after sign") << "- 1"
                                          << "- 1";
        QTest::newRow("two signs") << "+-1"
                                   << "+-1";
        QTest::newRow("sign only") << "-"
                                   << "-";
        QTest::newRow("dollar only") << "$"
                                     << "$";
        QTest::newRow("0x only") << "0x"
                                 << "0x";
        QTest::newRow("trailing letter") << "12a"
                                         << "12a";
        QTest::newRow("bad hex digit") << "$1G"
                                       << "$1G";
        QTest::newRow("fraction") << "1.5"
                                  << "1.5";
        QTest::newRow("NUL after digits, shown as ?") << QString("1") + QChar() + "2"
                                                      << "1?2";
        QTest::newRow("full-width digits") << u"\uFF11\uFF12"_qs << "??";
        QTest::newRow("Cyrillic kept") << u"\u0434\u0432\u0430"_qs << u"\u0434\u0432\u0430"_qs;
    }
    void invalid() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QVERIFY(!TryStrToInt(text));
        try {
            StrToInt(text);
            QFAIL("no error raised");
        } catch (const EConvertError& error) {
            QCOMPARE(error.message(), "'" + shown + "' is not a valid integer value");
        }
    }
};

QX_REGISTER_TEST(TestIntParse)
#include "TestIntParse.moc"
