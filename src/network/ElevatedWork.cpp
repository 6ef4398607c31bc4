#include "Network.h"

#include "System.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QThread>

namespace {

// A path the file system resolves as it is: absolute on a drive, or a
// \\server\share path, which the launcher offers where a mapped drive is
// not seen, never a device path; an existing file named .exe, starting
// with a PE header.
QString gameRefusal(const QString& game)
{
    const QString plain = QDir::fromNativeSeparators(game);
    if (!QDir::isAbsolutePath(game) || plain.startsWith(QLatin1String("//?/")) || plain.startsWith(QLatin1String("//./")))
        return QStringLiteral("the game's path is no full path");
    QFile file(game);
    if (!QFileInfo(game).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("no game file at that path");
    if (!game.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) || peMachine(file.read(4096)) == 0)
        return QStringLiteral("the game is no .exe program");
    return QString();
}

} // namespace

ElevatedWork parseElevatedWork(const QStringList& arguments)
{
    ElevatedWork work;
    const auto refuse = [&work](const QString& why) {
        work.refusal = why;
        return work;
    };
    if (arguments.size() < 2)
        return refuse(QStringLiteral("too few arguments"));
    work.resultFile = arguments.at(0);
    const QString resultName = QFileInfo(work.resultFile).fileName();
    if (!QDir::isAbsolutePath(work.resultFile) || !QFileInfo(work.resultFile).isFile()
        || !resultName.startsWith(QLatin1String("velkaro-")) || !resultName.endsWith(QLatin1String(".result")))
        return refuse(QStringLiteral("no result file of the launcher's"));
    const QStringList steps = arguments.at(1).split(QLatin1Char('+'));
    for (const QString& step : steps) {
        const bool install = step == QLatin1String("install") || step == QLatin1String("install64");
        bool* done = install                           ? &work.install
                     : step == QLatin1String("rules") ? &work.rules
                     : step == QLatin1String("start") ? &work.start
                                                      : nullptr;
        if (!done || *done)
            return refuse(QStringLiteral("unknown work: %1").arg(arguments.at(1)));
        *done = true;
        if (step == QLatin1String("install64"))
            work.installBitness = Bitness::X64;
    }
    if (work.start && steps.size() > 1)
        return refuse(QStringLiteral("unknown work: %1").arg(arguments.at(1)));
    const int wanted = 2 + (work.rules || work.start ? 1 : 0) + (work.start ? 1 : 0);
    if (arguments.size() != wanted)
        return refuse(QStringLiteral("%1 arguments where %2 belong").arg(arguments.size()).arg(wanted));
    if (wanted > 2) {
        work.game = arguments.at(2);
        const QString why = gameRefusal(work.game);
        if (!why.isEmpty())
            return refuse(why);
    }
    if (work.start) {
        work.address = arguments.at(3);
        const QHostAddress address(work.address);
        // Only the plain dotted form: nothing else may reach ForceBindIP's command line.
        if (address.protocol() != QAbstractSocket::IPv4Protocol || address.toString() != work.address)
            return refuse(QStringLiteral("not an IPv4 address: %1").arg(work.address));
    }
    return work;
}

QStringList elevatedWorkArguments(const ElevatedWork& work)
{
    QStringList steps;
    if (work.install)
        steps << QString::fromLatin1(work.installBitness == Bitness::X64 ? "install64" : "install");
    if (work.rules)
        steps << QStringLiteral("rules");
    if (work.start)
        steps << QStringLiteral("start");
    QStringList arguments{QString::fromLatin1(ElevatedVerb), work.resultFile, steps.join(QLatin1Char('+'))};
    if (work.rules || work.start)
        arguments << work.game;
    if (work.start)
        arguments << work.address;
    return arguments;
}

QByteArray writeElevatedResult(const ElevatedResult& result)
{
    QByteArray bytes = "installed=" + QByteArray::number(result.installed ? 1 : 0) + "\nrules="
                       + QByteArray::number(result.rulesRefused) + '\n';
    if (result.ran)
        bytes += "failedToStart=" + QByteArray::number(result.run.failedToStart ? 1 : 0)
                 + "\nexitCode=" + QByteArray::number(result.run.exitCode) + "\ncrashed="
                 + QByteArray::number(result.run.crashed ? 1 : 0) + "\ngameStarted="
                 + QByteArray::number(result.run.gameStarted ? 1 : 0) + '\n';
    return bytes;
}

ElevatedResult readElevatedResult(const QByteArray& bytes)
{
    ElevatedResult result;
    for (const QByteArray& line : bytes.split('\n')) {
        const int equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (key == "installed")
            result.installed = value == "1";
        else if (key == "rules")
            result.rulesRefused = value.toInt();
        else if (key == "failedToStart")
            result.ran = true, result.run.failedToStart = value == "1";
        else if (key == "exitCode")
            result.run.exitCode = value.toUInt();
        else if (key == "crashed")
            result.run.crashed = value == "1";
        else if (key == "gameStarted")
            result.run.gameStarted = value == "1";
    }
    return result;
}

bool installForceBindIP(OsInterface& os, const QString& from, Bitness bitness)
{
    return copyForceBindIP(from, bitness == Bitness::X64 ? nativeSystemDirectory(os) : systemDirectory(os), bitness);
}

ForceBindIPRun runForceBindIP(OsInterface& os, const QString& game, const QString& address, const GameFacts& facts,
                              const std::function<void(int)>& wait)
{
    // The game's processes before, so that only a new one counts as started.
    const std::u16string program = game.toStdU16String();
    std::vector<OsInterface::ProcessId> before;
    processesRunning(os, program, before);

    const GameStart start = gameStart(game, address, facts);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    // ForceBindIP hands its folder on: the game starts where its own shortcut starts it.
    process.setWorkingDirectory(start.workingDirectory);
    process.start(start.program, start.arguments);
    ForceBindIPRun run;
    if (!process.waitForFinished(-1) && process.error() == QProcess::FailedToStart) {
        run.failedToStart = true;
        return run;
    }
    run.exitCode = static_cast<quint32>(process.exitCode());
    run.crashed = isCrash(process.exitStatus(), run.exitCode);
    run.gameStarted = gameStarted(os, program, before, wait);
    return run;
}
