#include <QTemporaryDir>
#include <QTest>

#include "BuiltInSkin.h"
#include "QxspProcess.h"
#include "TestRegistry.h"
#include "editor/SkinPreviewSet.h"
#include "editor/SkinRenderer.h"

// "qxsp render --state" draws the buttons in the state textures the test
// mode shows, everywhere in the window or on the one element named.
class RenderStates : public QObject {
    Q_OBJECT

    QTemporaryDir FFolder;
    QString FSkin;
    TSkinPreviewSet FPreviews;

    // The element's rectangle in the main window's picture.
    QRect Place(const QString& name) const {
        QWidget* element = FPreviews.Trees().Find(name);
        return QRect(element->mapTo(FPreviews.Root(TSkinWindow::Main), QPoint()), element->size());
    }

    QImage Texture(const QString& key) const {
        return TSkinRenderer::Texture(*FPreviews.Document(TSkinWindow::Main),
                                      *FPreviews.Bitmap(TSkinWindow::Main),
                                      QStringLiteral("SKIN_RECTS"), key)
            .convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() {
        qputenv("QX_FONTS_DIR", FFolder.filePath("fonts").toUtf8());
        FSkin = FFolder.filePath(QStringLiteral("skin.qxsp"));
        WriteBuiltInSkin(FSkin);
        auto file = std::make_unique<TQXSPFile>();
        file->LoadFromFile(FSkin);
        FPreviews.Load(std::move(file));
    }

    void states_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("shown"); // element=key

        QTest::newRow("rest") << QStringList{"--state", "rest"}
                              << QStringList{"PLAYBTN=PLAYBTN_NRM", "MUTEBTN=MUTEBTN_UCH"};
        QTest::newRow("hover")
            << QStringList{"--state", "hover"}
            << QStringList{"PLAYBTN=PLAYBTN_SEL", "MUTEBTN=MUTEBTN_UCHS", "CloseBtn=CloseBtn_SEL"};
        QTest::newRow("pressed") << QStringList{"--state", "pressed"}
                                 << QStringList{"PLAYBTN=PLAYBTN_DWN", "STOPBTN=STOPBTN_DWN"};
        QTest::newRow("checked") << QStringList{"--state", "checked"}
                                 << QStringList{"PLAYBTN=PLAYBTN_NRM", "MUTEBTN=MUTEBTN_CHK"};
        QTest::newRow("one element")
            << QStringList{"--element", "MUTEBTN", "--state", "hover"}
            << QStringList{"MUTEBTN=MUTEBTN_UCHS", "PLAYBTN=PLAYBTN_NRM", "SHUFFLE=SHUFFLE_UCH"};
    }

    void states() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, shown);
        const QString out = FFolder.filePath(QStringLiteral("out.png"));
        const QxspRun run = Qxsp(QStringList{"render", FSkin, out} + options);
        QCOMPARE(run.status, 0);
        const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB32);
        for (const QString& pair : shown) {
            const QStringList parts = pair.split(u'=');
            const QImage texture = Texture(parts[1]);
            QVERIFY2(!texture.isNull(), qPrintable(parts[1]));
            const QRect place = Place(parts[0]);
            QVERIFY2(picture.copy(QRect(place.topLeft(), texture.size())) == texture,
                     qPrintable(pair));
        }
    }

    void refused_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown state") << QStringList{"--state", "sideways"} << 2;
        QTest::newRow("state without word") << QStringList{"--state"} << 2;
        QTest::newRow("no such button") << QStringList{"--element", "NOPE"} << 1;
        QTest::newRow("a slider is no button") << QStringList{"--element", "SeekBar"} << 1;
        QTest::newRow("button of another window")
            << QStringList{"--element", "trayplay", "--state", "hover"} << 1;
    }

    void refused() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        const QString out = FFolder.filePath(QStringLiteral("refused.png"));
        const QxspRun run = Qxsp(QStringList{"render", FSkin, out} + options);
        QCOMPARE(run.status, status);
        QVERIFY(!QFile::exists(out));
    }
};

QX_REGISTER_TEST(RenderStates)
#include "tst_RenderStates.moc"
