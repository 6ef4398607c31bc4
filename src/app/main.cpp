#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program path comes in the system's own 8-bit encoding.
    MainWindow window(QString::fromLocal8Bit(argv[0]));
    window.show();
    return app.exec();
}
