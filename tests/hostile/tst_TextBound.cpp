// A text is refused before it is split when it is longer than any skin's INI
// text could be: split into lines and sections it would take about a
// hundred times its size.

#include <QBuffer>
#include <QTest>

#include "TestRegistry.h"
#include "storage/VESKErrors.h"
#include "text/VESKIniFileW.h"
#include "text/VESKStringListW.h"

class TestTextBound : public QObject {
    Q_OBJECT

private slots:
    void boundCountsFromThePosition_data() {
        QTest::addColumn<qint64>("prefix");
        QTest::addColumn<qint64>("rest");
        QTest::addColumn<bool>("refused");
        const qint64 bound = TVESKStringListW::MaxTextSize;
        QTest::newRow("at the bound") << qint64(0) << bound << false;
        QTest::newRow("one byte over") << qint64(0) << bound + 1 << true;
        QTest::newRow("over in all, at the bound from the position")
            << qint64(10) << bound << false;
    }
    void boundCountsFromThePosition() {
        QFETCH(qint64, prefix);
        QFETCH(qint64, rest);
        QFETCH(bool, refused);
        // Lines of "[" are the costliest text: every two bytes a section.
        QByteArray bytes(prefix + rest, '\n');
        for (qint64 i = prefix; i < bytes.size(); i += 2)
            bytes[i] = '[';
        QBuffer stream(&bytes);
        QVERIFY(stream.open(QIODevice::ReadOnly));
        QVERIFY(stream.seek(prefix));

        TVESKIniFileW document;
        document.WriteString("KEPT", "k", "v");
        if (refused) {
            QVERIFY_THROWS_EXCEPTION(EOutOfMemory, document.LoadFromStream(stream));
            QCOMPARE(document.Sections.Count(), 1);
            QCOMPARE(stream.pos(), prefix);
        } else {
            document.LoadFromStream(stream);
            QCOMPARE(document.Sections.Count(), 1 + int(rest / 2));
        }
        QCOMPARE(document.ReadString("KEPT", "k", ""), QStringLiteral("v"));
    }
};

QX_REGISTER_TEST(TestTextBound)

#include "tst_TextBound.moc"
