// Any bytes as config.txt: the reader must neither crash nor hang, and what a
// save writes must read back to the very same save.
#include "Settings.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray readAndWrite(const QByteArray& bytes)
{
    QString path, network;
    LaunchOptions options;
    // Whether a path exists is the file system's business, not the reader's.
    readConfig(bytes, path, options, network, [](const QString& p) { return p.size() >= 2; });
    return writeConfig(path, options, network);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray saved = readAndWrite(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    if (readAndWrite(saved) != saved)
        std::abort();
    return 0;
}
