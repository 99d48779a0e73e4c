// An empty 800 x 600 frameless window: the yardstick for how quickly a Qt
// window can appear on this machine, which start-up of the program is
// compared with (startup_figures.py).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle("Lumora!");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
