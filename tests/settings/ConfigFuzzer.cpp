// Any bytes as config.txt: the reader must neither crash nor hang, and what a
// save writes must read back to the very same save.
#include "MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

static QTemporaryDir* folder;
static MainWindow* window;

static QByteArray saved()
{
    QFile file(folder->filePath(QStringLiteral("config.txt")));
    if (!window->saveConfig() || !file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "config-fuzzer";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    folder = new QTemporaryDir;
    window = new MainWindow(folder->filePath(QStringLiteral("velkaro")));
    std::atexit([] { delete window; delete folder; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(folder->filePath(QStringLiteral("config.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    if (!window->loadConfig())
        std::abort();
    const QByteArray first = saved();
    if (!window->loadConfig() || saved() != first)
        std::abort();
    return 0;
}
