#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Scaled as a whole at 125%, 150% and 200%: sizes, spacing and images,
    // not only the fonts; images from their larger entries where they have them.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // The executable's own full path: argv[0] may be a bare name found through
    // PATH, and on Windows it holds only what the ANSI code page can.
    MainWindow window(QCoreApplication::applicationFilePath());
    window.show();
    return app.exec();
}
