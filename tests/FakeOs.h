#ifndef VELKARO_TESTS_FAKEOS_H
#define VELKARO_TESTS_FAKEOS_H

#include "OsInterface.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QThread>

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
    QStringList windowTitles;
    int hiddenLooks = 0; // looks for a window that find none, as on a slow machine
    QMap<QString, QString> layers; // the user's compatibility layers by program path
    QString logPath;
    bool elevated = true;
    bool gameStarts = true; // a look after the first finds a new game process
    bool gameRanBefore = false; // every look finds one from before the launch

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
    std::u16string fullPath(const std::u16string&) override { return {}; }
    std::string systemDirectory() override { return systemDir; }
    WindowHandle findWindow(const std::string& title) override
    {
        record(QString::fromStdString("find " + title));
        return --hiddenLooks >= 0 ? 0 : WindowHandle(windowTitles.indexOf(QString::fromStdString(title)) + 1);
    }
    bool isElevated() override { return elevated; }
    bool processesRunning(const std::u16string&, std::vector<ProcessId>& ids) override
    {
        ids.assign(looks++ > 0 && gameStarts ? 1 : 0, 7);
        ids.insert(ids.begin(), gameRanBefore ? 1 : 0, 3);
        return true;
    }
    bool isDriveMissing(char) override { return false; }
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
};

#endif // VELKARO_TESTS_FAKEOS_H
