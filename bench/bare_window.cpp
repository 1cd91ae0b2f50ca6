// The baseline for the start-up benchmark: a Qt program that shows one
// empty window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(642, 436);
    window.show();
    return app.exec();
}
