#include <QMouseEvent>
#include <QTest>

#include "PreviewTestSupport.h"
#include "TestRegistry.h"
#include "controls/PlainPanel.h"
#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"

using namespace PreviewTest;

namespace {

QString ClassName(const QWidget* control) {
    return QString::fromLatin1(control->metaObject()->className());
}

QStringList ChildNames(const QWidget* container) {
    QStringList names;
    for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        names << child->objectName();
    return names;
}

} // namespace

class TestPreviewTrees : public QObject {
    Q_OBJECT

private slots:
    // Every element of the vocabulary exists once, named, tagged with its
    // kind, under its default container, in vocabulary order.
    void everyElementOnceInItsPlace() {
        TSandbox box;
        for (TSkinWindow window : {TSkinWindow::Main, TSkinWindow::Equalizer, TSkinWindow::Tray}) {
            QHash<QString, QStringList> expectedChildren;
            for (const TSkinElement& element : SkinElements(window)) {
                const QString name = QLatin1String(element.Name);
                const QList<QWidget*> found = box.Trees.Root(window)->findChildren<QWidget*>(name);
                QCOMPARE(found.size(), 1);
                QWidget* control = found.first();
                QCOMPARE(control->accessibleName(), name);
                QCOMPARE(AsElementControl(control)->Tag, int(element.Kind));
                QCOMPARE(control->parentWidget()->objectName(), QLatin1String(element.Parent));
                expectedChildren[QLatin1String(element.Parent)] << name;
            }
            for (auto it = expectedChildren.begin(); it != expectedChildren.end(); ++it) {
                QStringList actual = ChildNames(box.Trees.Find(it.key()));
                actual.removeAll(QStringLiteral("PlaylistMan"));
                QCOMPARE(actual, it.value());
            }
        }
    }

    void controlsByKind_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("hint");
        QTest::newRow("face") << "Main"
                              << "TVESKSEPanel" << int(TAlign::None) << "";
        QTest::newRow("left bar") << "Leftbar"
                                  << "TVESKSESkin" << int(TAlign::Left) << "";
        QTest::newRow("right bar") << "RightBar"
                                   << "TVESKSESkin" << int(TAlign::Right) << "";
        QTest::newRow("dock") << "PlaylistMan"
                              << "TPlainPanel" << int(TAlign::None) << "";
        QTest::newRow("top panel") << "TopPanel"
                                   << "TVESKSEPanel" << int(TAlign::Top) << "";
        QTest::newRow("tab strip") << "TabCtrl"
                                   << "TVESKSEPanel" << int(TAlign::Top) << "";
        QTest::newRow("bottom panel") << "PlsCtrl"
                                      << "TVESKSEPanel" << int(TAlign::Bottom) << "";
        QTest::newRow("button") << "PLAYBTN"
                                << "TVESKSESkin" << int(TAlign::None) << "";
        QTest::newRow("display") << "Time"
                                 << "TVESKSENumLabel" << int(TAlign::None) << "";
        QTest::newRow("label") << "iTitle"
                               << "TVESKSELabel" << int(TAlign::None) << "";
        QTest::newRow("list box") << "DSP"
                                  << "TVESKSELabel" << int(TAlign::None) << "";
        QTest::newRow("curve") << "EQVIS"
                               << "TVESKSESkin" << int(TAlign::None) << "";
        QTest::newRow("tray info") << "TrayInfo"
                                   << "TVESKSEPanel" << int(TAlign::Top) << "";
        QTest::newRow("tray bar") << "TrayCtrl"
                                  << "TVESKSEPanel" << int(TAlign::Bottom) << "";
        QTest::newRow("tray title") << "trayrs"
                                    << "TVESKSELabel" << int(TAlign::None) << "1";
        QTest::newRow("tray seek") << "trayseek"
                                   << "TVESKSESkin" << int(TAlign::None) << "1";
        QTest::newRow("tray play") << "trayplay"
                                   << "TVESKSESkin" << int(TAlign::None) << "";
        QTest::newRow("tray strip") << "traylc"
                                    << "TVESKSESkin" << int(TAlign::None) << "";
    }
    void controlsByKind() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(int, align);
        QFETCH(QString, hint);
        TSandbox box;
        QWidget* control = box.Trees.Find(name);
        QVERIFY(control);
        QCOMPARE(ClassName(control), className);
        QCOMPARE(int(AlignOf(control)), align);
        QCOMPARE(control->toolTip(), hint);
        const bool bar = name == QLatin1String("Leftbar") || name == QLatin1String("RightBar");
        if (auto* skin = qobject_cast<TVESKSESkin*>(control))
            QCOMPARE(skin->Tiled(), bar);
    }

    void numericDisplaysFromTheVocabulary_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("glyphs");
        QTest::newRow("time") << "Time"
                              << "-00:00"
                              << "-00:00" << 13;
        QTest::newRow("mode") << "PLAYBACK"
                              << "0"
                              << "0" << 3;
        QTest::newRow("tray status starts blank") << "traystatus"
                                                  << ""
                                                  << "0" << 3;
        QTest::newRow("tray time") << "traytime"
                                   << " 00:00"
                                   << " 00:00" << 13;
    }
    void numericDisplaysFromTheVocabulary() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, defaultText);
        QFETCH(int, glyphs);
        TSandbox box;
        auto* display = box.Get<TVESKSENumLabel>(name);
        QCOMPARE(display->Caption(), caption);
        QCOMPARE(display->Default(), defaultText);
        QCOMPARE(display->ComponentCount(), glyphs);
    }

    // Which of the three handlers each control hands its mouse events to.
    void mouseBindings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("calls"); // press, move, release
        QTest::newRow("button") << "PLAYBTN"
                                << "select drag release";
        QTest::newRow("label") << "Infobar"
                               << "select drag release";
        QTest::newRow("display") << "Time"
                                 << "select drag release";
        QTest::newRow("equalizer slider") << "PREAMP"
                                          << "select drag release";
        QTest::newRow("face") << "Main"
                              << "select";
        QTest::newRow("bar") << "RightBar"
                             << "select";
        QTest::newRow("tab strip") << "TabCtrl"
                                   << "select";
        QTest::newRow("equalizer face") << "main_"
                                        << "select";
        QTest::newRow("tab button") << "TCN"
                                    << "select";
        QTest::newRow("tray panel") << "TrayCtrl"
                                    << "select";
    }
    void mouseBindings() {
        QFETCH(QString, name);
        QFETCH(QString, calls);
        QStringList seen;
        TPreviewHandlers handlers;
        handlers.Select = [&](QWidget* sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            seen << QStringLiteral("select");
            QCOMPARE(sender->objectName(), name);
        };
        handlers.Drag = [&](QWidget*, Qt::KeyboardModifiers, int, int) {
            seen << QStringLiteral("drag");
        };
        handlers.Release = [&](QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            seen << QStringLiteral("release");
        };
        TSandbox box(handlers);
        QWidget* control = box.Trees.Find(name);
        SetBounds(control, QRect(0, 0, 20, 20));
        const auto send = [control](QEvent::Type type, Qt::MouseButton button,
                                    Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), button, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(control, &event);
        };
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(seen.join(u' '), calls);
    }

    // The dock's placeholder reads in the room its panels leave free.
    void dockPlaceholderInTheFreeArea() {
        TSandbox box;
        SetBounds(box.Trees.PlaylistMan(), QRect(0, 0, 100, 100));
        SetBounds(box.Trees.TopPanel(), QRect(0, 0, 100, 20));
        SetBounds(box.Trees.TabCtrl(), QRect(0, 20, 100, 10));
        SetBounds(box.Trees.PlsCtrl(), QRect(0, 0, 100, 25));
        QCOMPARE(box.Trees.PlaylistMan()->FreeArea(), QRect(0, 30, 100, 45));
        QCOMPARE(box.Trees.PlaylistMan()->Caption(), QStringLiteral("Playlist Dock"));
        box.Trees.TabCtrl()->hide();
        QCOMPARE(box.Trees.PlaylistMan()->FreeArea(), QRect(0, 20, 100, 55));
    }
};

QX_REGISTER_TEST(TestPreviewTrees)
#include "tst_PreviewTrees.moc"
