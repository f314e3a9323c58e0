#ifdef QX_TEST_WIDGETS
#include <QApplication>

#include "editor/ErrorBox.h"
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTest>

#include "TestRegistry.h"
#include "graphics/PlayerFaces.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    RegisterPlayerFaces(); // as the editor does at start
#ifdef QX_TEST_WIDGETS
    SetModalErrorBoxes(false); // nobody is there to close one
#endif
    int failed = 0;
    for (auto& factory : TestRegistry::factories()) {
        auto test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
