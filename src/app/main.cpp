#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Tavrendale");
    window.setFixedSize(433, 242);
    window.show();
    return app.exec();
}
