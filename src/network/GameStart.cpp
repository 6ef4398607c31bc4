#include "Network.h"

#include "System.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

quint32 littleEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes.at(at + i));
    return value;
}

// Every linker puts the headers in the file's first page.
constexpr int HeadSize = 4096;

} // namespace

quint16 peMachine(const QByteArray& head)
{
    constexpr int LfanewAt = 0x3c;
    if (head.size() < LfanewAt + 4 || !head.startsWith("MZ"))
        return 0;
    const quint32 pe = littleEndian(head, LfanewAt, 4);
    if (pe > quint32(head.size() - 6) || head.mid(int(pe), 4) != QByteArray("PE\0\0", 4))
        return 0;
    return static_cast<quint16>(littleEndian(head, int(pe) + 4, 2));
}

bool needsLaunchSwitch(const OsInterface::VersionResource& resource)
{
    const auto& version = resource.fileVersion;
    return (version[0] > 1 || (version[0] == 1 && version[1] >= 18))
           && QString::fromStdU16String(resource.productName).compare(QLatin1String("StarCraft"), Qt::CaseInsensitive)
                  == 0;
}

GameFacts gameFacts(OsInterface& os, const QString& game)
{
    GameFacts facts;
    QFile file(game);
    if (file.open(QIODevice::ReadOnly) && peMachine(file.read(HeadSize)) == MachineX64)
        facts.bitness = Bitness::X64;
    OsInterface::VersionResource resource;
    facts.launchSwitch = os.versionResource(game.toStdU16String(), resource) && needsLaunchSwitch(resource);
    facts.windows64 = os.isWindows64();
    facts.systemDir = systemDirectory(os);
    facts.nativeSystemDir = nativeSystemDirectory(os);
    facts.commandLinePath = forceBindIPGamePath(game, os);
    return facts;
}

QString forceBindIPFolder(const GameFacts& facts)
{
    if (facts.bitness == Bitness::X86)
        return facts.systemDir;
    if (!isForceBindIPIn(facts.nativeSystemDir, Bitness::X64) && isForceBindIPIn(facts.systemDir, Bitness::X64))
        return facts.systemDir;
    return facts.nativeSystemDir;
}

GameStart gameStart(const QString& game, const QString& address, const GameFacts& facts)
{
    // ForceBindIP [-i] <address> <program> [arguments]: what follows the game is the game's.
    QStringList arguments{address, facts.commandLinePath.isEmpty() ? game : facts.commandLinePath};
    if (facts.launchSwitch)
        arguments << QStringLiteral("-launch");
    return {forceBindIPProgram(forceBindIPFolder(facts), facts.bitness), arguments,
            QDir::toNativeSeparators(QFileInfo(game).absolutePath())};
}
