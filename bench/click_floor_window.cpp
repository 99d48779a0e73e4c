// The floor for a screen shown by a click: an 800 x 600 frameless window
// with a button, whose click shows a new 800 x 600 frameless top-level window
// that paints itself (a filled background), as the program's screens are
// shown over the main menu. startup_figures.py times the click to the new
// window painted for this program and for the program's own screens alike.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget first(nullptr, Qt::FramelessWindowHint);
    first.setWindowTitle("Lumora!");
    first.resize(800, 600);
    auto* button = new QPushButton("Open", &first);
    button->setGeometry(0, 0, 800, 600);
    std::unique_ptr<QWidget> second;
    QObject::connect(button, &QPushButton::clicked, [&second] {
        second = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        second->setWindowTitle("Lumora!");
        second->resize(800, 600);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::darkBlue);
        second->setPalette(palette);
        second->setAutoFillBackground(true);
        second->show();
    });
    first.show();
    return app.exec();
}
