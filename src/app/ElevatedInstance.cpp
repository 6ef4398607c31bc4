#include "ElevatedInstance.h"

#include "Network.h"
#include "OsInterface.h"
#include "System.h"

#include <QFile>
#include <QThread>

#include <cstdio>

int runElevatedWork(OsInterface& os, const QStringList& arguments, const QString& ownFolder)
{
    const ElevatedWork work = parseElevatedWork(arguments);
    // No window to show these in: whoever ran the verb by hand reads them.
    if (!work.refusal.isEmpty()) {
        std::fprintf(stderr, "Velkaro: %s: nothing done\n", qPrintable(work.refusal));
        return ElevatedRefused;
    }
    if (!os.isElevated()) {
        std::fprintf(stderr, "Velkaro: this work needs administrator rights: nothing done\n");
        return ElevatedNotElevated;
    }
    ElevatedResult result;
    if (work.install)
        result.installed = installForceBindIP(os, ownFolder, work.installBitness);
    // A failed install stops the launch: the rules wait for the next one.
    if (work.rules && (result.installed || !work.install))
        result.rulesRefused = addFirewallRules(systemDirectory(os), work.game);
    if (work.start) {
        // The launcher of a standard user cannot open the processes of the
        // administrator this runs as: the game's start is confirmed here.
        result.ran = true;
        result.run = runForceBindIP(os, work.game, work.address, gameFacts(os, work.game),
                                    [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
    }
    // Only into the file the launcher made, never a new one.
    QFile file(work.resultFile);
    const QByteArray bytes = writeElevatedResult(result);
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Velkaro: cannot write the result file\n");
        return ElevatedRefused;
    }
    return ElevatedDone;
}
