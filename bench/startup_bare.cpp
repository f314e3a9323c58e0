// The yardstick of the editor's start-up: a bare Qt Widgets main window of
// the editor's size, from process start to the first event-loop turn after
// show().

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1070, 814);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
