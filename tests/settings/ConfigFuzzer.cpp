// Any bytes as config.txt: the reader must neither crash nor hang, and what a
// save writes must read back to the very same save.
#include "MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static char name[] = "config-fuzzer", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static int argc = 3;
    if (!qApp)
        new QApplication(argc, argv); // lives as long as the run
    static QTemporaryDir folder;
    static MainWindow window(folder.filePath(QStringLiteral("velkaro")));

    QFile file(folder.filePath(QStringLiteral("config.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    // Loads config.txt, saves it and gives back what the save wrote.
    const auto loadAndSave = [&] {
        QFile saved(file.fileName());
        if (!window.loadConfig() || !window.saveConfig() || !saved.open(QIODevice::ReadOnly))
            std::abort();
        return saved.readAll();
    };
    if (loadAndSave() != loadAndSave())
        std::abort();
    return 0;
}
