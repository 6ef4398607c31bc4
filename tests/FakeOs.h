#ifndef VELKARO_TESTS_FAKEOS_H
#define VELKARO_TESTS_FAKEOS_H

#include "OsInterface.h"

#include <QString>
#include <QStringList>

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
    std::map<std::pair<std::string, std::string>, std::string> userValues;
    bool userWritesFail = false;
    std::string systemDir;
    QStringList windowTitles;

    // What the launcher did, in order: "write <name>=<data>", "sleep <ms>",
    // "find <title>", "activate <title>".
    QStringList calls;

    bool readMachineString(const std::string& subKey, const std::string& valueName, std::string& value) override
    {
        auto it = machineValues.find({subKey, valueName});
        if (it == machineValues.end())
            return false;
        value = it->second;
        return true;
    }
    bool writeUserString(const std::string& subKey, const std::string& valueName, const std::string& data) override
    {
        calls << QStringLiteral("write %1=%2").arg(QString::fromStdString(valueName), QString::fromStdString(data));
        if (userWritesFail)
            return false;
        userValues[{subKey, valueName}] = data;
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
        calls << QStringLiteral("find ") + wanted;
        for (int i = 0; i < windowTitles.size(); ++i) {
            if (windowTitles.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
                return static_cast<WindowHandle>(i + 1);
        }
        return 0;
    }
    void activateWindow(WindowHandle window) override
    {
        calls << QStringLiteral("activate ") + windowTitles.value(static_cast<int>(window) - 1);
    }
    void sleepMs(unsigned milliseconds) override
    {
        calls << QStringLiteral("sleep %1").arg(milliseconds);
    }
};

#endif // VELKARO_TESTS_FAKEOS_H
