#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The executable's own full path: argv[0] may be a bare name found through
    // PATH, and on Windows it holds only what the ANSI code page can.
    MainWindow window(QCoreApplication::applicationFilePath());
    window.show();
    return app.exec();
}
