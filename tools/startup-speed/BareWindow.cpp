// The yardstick of the start-up measurement: a bare Qt 6 frameless 1024 x 768 window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(1024, 768);
    window.show();
    return app.exec();
}
