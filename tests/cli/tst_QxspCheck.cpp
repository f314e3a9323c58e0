#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "QxspProcess.h"
#include "TestFiles.h"
#include "TestRegistry.h"

// "qxsp check" as a user runs it over one file or a whole collection.
class TestQxspCheck : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    static QString builtIn() {
        return QStringLiteral(QX_TEST_BINARY_DIR "/skins/default.qxsp");
    }

private slots:
    void initTestCase() {
        WriteFile(path("text.qxsp"), "plain text, no package");
        // A package that only a warning is wrong with.
        WriteFile(path("tail.qxsp"), ReadFile(builtIn()) + "tail");
    }

    void statusAndReport_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("report");
        QTest::newRow("built-in skin") << QStringList{builtIn(), "--werror"} << 0
                                       << QByteArray("default.qxsp: no findings");
        QTest::newRow("warning only") << QStringList{"@tail"} << 0
                                      << QByteArray("warning: 4 bytes follow the last member "
                                                    "[container.trailing-bytes]");
        QTest::newRow("warning as error") << QStringList{"@tail", "--werror"} << 1
                                          << QByteArray("tail.qxsp: 0 errors, 1 warning");
        QTest::newRow("not a package") << QStringList{"@text"} << 1
                                       << QByteArray("[container.not-package]");
        QTest::newRow("no such file") << QStringList{"@none"} << 1
                                      << QByteArray("[file.unreadable]");
        QTest::newRow("many files") << QStringList{builtIn(), "@text", "@tail"} << 1
                                    << QByteArray("text.qxsp: 1 error, 0 warnings");
        QTest::newRow("no file") << QStringList{"--json"} << 2 << QByteArray();
        QTest::newRow("unknown option") << QStringList{"@tail", "--fix"} << 2 << QByteArray();
    }
    void statusAndReport() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, report);
        for (QString& arg : args)
            if (arg.startsWith(u'@'))
                arg = path(arg.mid(1) + ".qxsp");
        const QxspRun run = Qxsp(QStringList{"check"} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.out.contains(report), run.out.constData());
        QCOMPARE(run.err.contains("qxsp:"), status != 0);
    }

    void jsonHasOneObjectPerFinding() {
        const QxspRun run = Qxsp({"check", "--json", path("tail.qxsp"), path("text.qxsp")});
        QCOMPARE(run.status, 1);
        const QJsonArray findings = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(findings.size(), 2);
        const QJsonObject first = findings[0].toObject();
        QCOMPARE(first["rule"].toString(), QString("container.trailing-bytes"));
        QCOMPARE(first["severity"].toString(), QString("warning"));
        QCOMPARE(first["file"].toString(), path("tail.qxsp"));
        for (const char* field : {"member", "section", "key", "value", "element", "message"})
            QVERIFY2(first.contains(field), field);
        QCOMPARE(findings[1].toObject()["severity"].toString(), QString("error"));
    }

    // What the editor saves is what the checker accepts.
    void compiledSkinIsClean() {
        QCOMPARE(Qxsp({"compile", builtIn(), path("saved.qxsp")}).status, 0);
        const QxspRun run = Qxsp({"check", "--werror", path("saved.qxsp")});
        QVERIFY2(run.status == 0, run.out.constData());
    }
};

QX_REGISTER_TEST(TestQxspCheck)
#include "tst_QxspCheck.moc"
