#ifndef VELKARO_TESTS_FAKEOS_H
#define VELKARO_TESTS_FAKEOS_H

#include "OsInterface.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A Windows of the test's making: installed as the OS for as long as it lives.
class FakeOs : public OsInterface
{
public:
    FakeOs()
    {
        OsInterface::setInstance(this);
    }
    ~FakeOs() override
    {
        OsInterface::setInstance(nullptr);
    }

    // Windows 7 by default.
    bool versionAnswers = true;
    int platformId = 2;
    int majorVersion = 6;

    void playWindowsXp()
    {
        majorVersion = 5;
    }

    std::map<std::pair<std::string, std::string>, std::string> machineValues;
    std::string systemDir;
    QStringList windowTitles;

    // When set, each thing the launcher does is appended to this file as one
    // line, in order: "write <name>=<data>", "sleep <ms>", "find <title>",
    // "activate <title>". Programs the test stands in for may log there too.
    QString logPath;
    void record(const QString& line)
    {
        QFile log(logPath);
        if (!logPath.isEmpty() && log.open(QIODevice::Append))
            log.write(line.toUtf8() + '\n');
        recordedUpTo = log.size();
    }

    bool readMachineString(const std::string& subKey, const std::string& valueName, std::string& value) override
    {
        auto it = machineValues.find({subKey, valueName});
        if (it == machineValues.end())
            return false;
        value = it->second;
        return true;
    }
    bool writeUserString(const std::string&, const std::string& valueName, const std::string& data) override
    {
        record(QStringLiteral("write %1=%2").arg(QString::fromStdString(valueName), QString::fromStdString(data)));
        return true;
    }
    bool queryVersion(int& platform, int& major) override
    {
        if (!versionAnswers)
            return false;
        platform = platformId;
        major = majorVersion;
        return true;
    }
    std::string systemDirectory() override
    {
        return systemDir;
    }
    WindowHandle findWindow(const std::string& title) override
    {
        const QString wanted = QString::fromStdString(title);
        record(QStringLiteral("find ") + wanted);
        for (int i = 0; i < windowTitles.size(); ++i) {
            if (windowTitles.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
                return static_cast<WindowHandle>(i + 1);
        }
        return 0;
    }
    void activateWindow(WindowHandle window) override
    {
        record(QStringLiteral("activate ") + windowTitles.value(static_cast<int>(window) - 1));
    }
    // With a log, a pause first lets a program started just before it log there
    // (3 s at most), as a real pause lets it show up.
    void sleepMs(unsigned milliseconds) override
    {
        for (QDeadlineTimer t(3000); !logPath.isEmpty() && QFile(logPath).size() <= recordedUpTo && !t.hasExpired();)
            QThread::msleep(10);
        record(QStringLiteral("sleep %1").arg(milliseconds));
    }

private:
    qint64 recordedUpTo = 0;
};

#endif // VELKARO_TESTS_FAKEOS_H
