#ifndef VELKARO_TESTS_FAKEOS_H
#define VELKARO_TESTS_FAKEOS_H

#include "OsInterface.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <functional>

// A Windows 7 of the test's making, installed as the OS for as long as it lives.
// Each call that acts appends a line to the log ("write name=data", "sleep ms",
// "find title", "activate title"), where the stand-in programs log too.
class FakeOs : public OsInterface
{
public:
    FakeOs() { setInstance(this); }
    ~FakeOs() override { setInstance(nullptr); }

    bool versionAnswers = true;
    int platformId = 2, majorVersion = 6;
    QString installPath;
    std::string systemDir;
    QString localFolder; // %LOCALAPPDATA%
    QStringList windowTitles;
    int hiddenLooks = 0; // looks for a window that find none, as on a slow machine
    QMap<QString, QString> layers; // the user's compatibility layers by program path
    QString logPath;
    bool windows64 = true;
    std::string nativeDir;
    VersionResource version; // any file's, none while its product name is empty
    bool elevated = true;
    bool gameStarts = true; // a look after the first finds a new game process
    QString shortForm; // any path's short form
    QList<ProcessId> opened; // the processes whose file was asked for
    bool gameRanBefore = false; // every look finds a game process from before the launch
    bool rulesInPlace = false; // the launcher's rules, as the firewall reads them
    // What answers a prompt for rights: "declined", else the work runs
    // in-process as the elevated copy, elevated meanwhile.
    QString prompt;
    std::function<int(const QStringList&)> elevatedCopy;

    void record(const QString& line)
    {
        QFile log(logPath);
        if (log.open(QIODevice::Append))
            log.write(line.toUtf8() + '\n');
        recordedUpTo = log.size();
    }
    bool readMachineString(const std::string&, const std::u16string&, std::u16string& value) override
    {
        value = installPath.toStdU16String();
        return !installPath.isEmpty();
    }
    bool readUserString(const std::string&, const std::u16string& name, std::u16string& data) override
    {
        data = layers.value(QString::fromStdU16String(name)).toStdU16String();
        return layers.contains(QString::fromStdU16String(name));
    }
    bool writeUserString(const std::string&, const std::u16string& name, const std::u16string& data) override
    {
        layers.insert(QString::fromStdU16String(name), QString::fromStdU16String(data));
        record("write " + QString::fromStdU16String(name) + '=' + QString::fromStdU16String(data));
        return true;
    }
    bool queryVersion(int& platform, int& major) override
    {
        platform = platformId;
        major = majorVersion;
        return versionAnswers;
    }
    // Windows keeps "\\?\" and drive M:'s paths whole; no other full path is made, as outside Windows.
    std::u16string fullPath(const std::u16string& path) override
    {
        return path.rfind(u"\\\\?\\", 0) && path.rfind(u"M:", 0) ? u"" : path;
    }
    std::u16string longPath(const std::u16string& path) override { return path; }
    std::u16string shortPath(const std::u16string&) override { return shortForm.toStdU16String(); }
    std::string systemDirectory() override { return systemDir; }
    std::u16string localAppData() override { return localFolder.toStdU16String(); }
    bool isWindows64() override { return windows64; }
    std::string nativeSystemDirectory() override { return nativeDir; }
    bool versionResource(const std::u16string&, VersionResource& found) override { return !(found = version).productName.empty(); }
    WindowHandle findWindow(const std::string& title) override
    {
        record(QString::fromStdString("find " + title));
        return --hiddenLooks >= 0 ? 0 : WindowHandle(windowTitles.indexOf(QString::fromStdString(title)) + 1);
    }
    bool isElevated() override { return elevated; }
    // Another program runs throughout as process 3; the game, listed in
    // capitals, as process 7, and one from before the launch as process 5.
    bool processNames(std::vector<ProcessName>& processes) override
    {
        processes = {{3, u"explorer.exe"}};
        if (gameRanBefore)
            processes.push_back({5, game});
        if (looks++ > 0 && gameStarts)
            processes.push_back({7, game});
        return true;
    }
    // The game's file, asked for before the process list, names the game's processes.
    bool fileIdentity(const std::u16string& path, FileIdentity&) override
    {
        game = QString::fromStdU16String(path).section('/', -1).toUpper().toStdU16String();
        return true;
    }
    bool processIdentity(ProcessId id, FileIdentity&) override
    {
        opened << id;
        return true;
    }
    bool isDriveMissing(char) override { return false; }
    bool isDriveRemote(char letter) override { return letter == 'M'; }
    // The launcher's rules for rulesGame, or a firewall that cannot be read.
    bool firewallRules(std::vector<FirewallRule>& rules) override
    {
        const std::u16string game = rulesGame.toStdU16String();
        rules = {{u"StarCraft993", game, u"", u"*", u"All", 256, 7, true, true, true},
                 {u"StarCraftTCPUDP", u"", u"6112", u"*", u"All", 256, 7, true, true, true}};
        return rulesInPlace;
    }
    QString rulesGame;
    // Logged as "prompt" with the work, then the copy's own runs, then "prompted".
    Elevation runElevated(const std::u16string&, const std::u16string& parameters, std::uint32_t& code) override
    {
        const QStringList work = QProcess::splitCommand(QString::fromStdU16String(parameters));
        record("prompt " + work.value(2));
        if (prompt == "declined")
            return Elevation::Declined;
        elevated = true;
        code = std::uint32_t(elevatedCopy(work.mid(1)));
        elevated = false;
        record("prompted");
        return Elevation::Ran;
    }
    void activateWindow(WindowHandle window) override { record("activate " + windowTitles.value(int(window) - 1)); }
    // A pause first lets a program started just before it log (3 s at most),
    // as a real pause lets it show up.
    void sleepMs(unsigned milliseconds) override
    {
        for (QDeadlineTimer t(3000); QFile(logPath).size() <= recordedUpTo && !t.hasExpired();)
            QThread::msleep(10);
        record(QStringLiteral("sleep %1").arg(milliseconds));
    }

private:
    qint64 recordedUpTo = 0;
    int looks = 0;
    std::u16string game;
};

// A file of the test's making, in a folder made when missing.
inline QString writeFile(const QString& path, const QByteArray& bytes = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// config.txt as a save writes it; flags, a digit each: firewall, compatibility, palette, administrator.
inline QByteArray stored(const QByteArray& path, const QByteArray& flags = "1111", const QByteArray& network = {})
{
    return "PATH=" + path + "\nFIREWALL_EXCEPTION=" + flags[0] + "\nCOMPABILITY=" + flags[1] + "\nPALETTE=" + flags[2]
           + "\nADMINISTRATOR=" + flags[3] + '\n' + (network.isEmpty() ? "" : "NETWORK=" + network + '\n');
}

// A program's first bytes as a linker writes them: "MZ", e_lfanew, "PE\0\0", Machine.
inline QByteArray peHead(quint16 machine)
{
    return "MZ" + QByteArray(0x3a, '\0') + QByteArray("\x40\0\0\0PE\0\0", 8) + char(machine & 0xff) + char(machine >> 8);
}

#endif // VELKARO_TESTS_FAKEOS_H
