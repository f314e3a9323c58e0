#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "AnswerDialogs.h"
#include "QxspProcess.h"
#include "TestRegistry.h"
#include "controls/SelectedElement.h"
#include "editor/QX_SE.h"
#include "graphics/VESKHue.h"

namespace {

QString BinaryDir() {
    return QStringLiteral(QX_TEST_BINARY_DIR);
}

QImage WidgetPixels(QWidget* root) {
    QImage image(root->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    root->render(&image);
    return image;
}

} // namespace

class TestRenderCommand : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TAnswerDialogs FDialogs;

    QImage Render(const QStringList& options) {
        const QString out = FDir.filePath(QStringLiteral("out.png"));
        QFile::remove(out);
        const QxspRun run =
            Qxsp(QStringList{"render", BinaryDir() + "/skins/default.qxsp", out} + options);
        if (run.status != 0)
            qWarning("qxsp: %s", run.err.constData());
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() { qputenv("QX_FONTS_DIR", FDir.filePath("fonts").toUtf8()); }

    // The tool draws a window exactly as the editor shows it.
    void sameAsTheEditor_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("main") << "main";
        QTest::newRow("equalizer") << "equalizer";
        QTest::newRow("tray") << "tray";
    }
    void sameAsTheEditor() {
        QFETCH(QString, window);
        TQXForm form(&FDialogs);
        SelectedElement = nullptr;
        QWidget* root = window == "main"        ? form.MainCtrl
                        : window == "equalizer" ? form.EQUA
                                                : form.TrayControlMain;
        const QImage editor = WidgetPixels(root);
        const QImage tool = Render({"--window", window});
        QCOMPARE(tool.size(), editor.size());
        QVERIFY(tool == editor);
    }

    // A colour scheme turns the hue of the skin's textures by its value
    // ("Amber" is -107); the left border bar is texture only.
    void schemeTurnsTheHue() {
        const QImage plain = Render({});
        const QImage amber = Render({"--scheme", "1"});
        QCOMPARE(amber.size(), plain.size());
        QVERIFY(amber != plain);
        for (int y = 0; y < plain.height(); ++y) {
            const QRgb p = plain.pixel(2, y);
            quint8 r = qRed(p), g = qGreen(p), b = qBlue(p);
            // The key colour stays what it is.
            if (p != qRgb(255, 0, 255))
                HueShift(r, g, b, -107);
            QCOMPARE(amber.pixel(2, y), qRgb(r, g, b));
        }
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        const QString skin = BinaryDir() + "/skins/default.qxsp";
        QTest::newRow("no such scheme")
            << QStringList{"render", skin, "x.png", "--scheme", "9"} << 1;
        QTest::newRow("not a package")
            << QStringList{"render", BinaryDir() + "/CMakeCache.txt", "x.png"} << 1;
        QTest::newRow("missing file") << QStringList{"render", "/nonexistent.qxsp", "x.png"} << 1;
        QTest::newRow("unknown window")
            << QStringList{"render", skin, "x.png", "--window", "playlist"} << 2;
        QTest::newRow("negative scheme")
            << QStringList{"render", skin, "x.png", "--scheme", "-1"} << 2;
        QTest::newRow("no output") << QStringList{"render", skin} << 2;
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QDir::setCurrent(FDir.path());
        QCOMPARE(Qxsp(args).status, status);
        QVERIFY(!QFile::exists(FDir.filePath("x.png")));
    }
};

QX_REGISTER_TEST(TestRenderCommand)
#include "tst_RenderCommand.moc"
