#include "OsInterface.h"

#include <chrono>
#include <thread>

#include <cstring>

#include <sys/utsname.h>
#include <unistd.h>

namespace {

// Outside Windows there is no registry, no Windows version, no system
// directory, no %LOCALAPPDATA%, no window to find, no version resource and
// no drive letter, no firewall and no prompt for rights:
// report exactly that. Windows' width is the machine's own.
// Root counts as elevated; which process runs the game is not told, so a
// launch takes the game as started, as ForceBindIP does not exist here.
class PortableOsInterface : public OsInterface
{
public:
    bool readMachineString(const std::string&, const std::u16string&, std::u16string&) override
    {
        return false;
    }
    bool readUserString(const std::string&, const std::u16string&, std::u16string&) override
    {
        return false;
    }
    bool writeUserString(const std::string&, const std::u16string&, const std::u16string&) override
    {
        return false;
    }
    bool queryVersion(int&, int&) override
    {
        return false;
    }
    std::u16string fullPath(const std::u16string&) override
    {
        return {};
    }
    std::u16string longPath(const std::u16string&) override
    {
        return {};
    }
    std::u16string shortPath(const std::u16string&) override
    {
        return {};
    }
    std::string systemDirectory() override
    {
        return {};
    }
    std::u16string localAppData() override
    {
        return {};
    }
    bool isWindows64() override
    {
        utsname system{};
        return uname(&system) == 0 && std::strstr(system.machine, "64") != nullptr;
    }
    std::string nativeSystemDirectory() override
    {
        return {};
    }
    bool versionResource(const std::u16string&, VersionResource&) override
    {
        return false;
    }
    WindowHandle findWindow(const std::string&) override
    {
        return 0;
    }
    void activateWindow(WindowHandle) override {}
    void sleepMs(unsigned milliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    bool isElevated() override
    {
        return geteuid() == 0;
    }
    bool processNames(std::vector<ProcessName>&) override
    {
        return false;
    }
    bool fileIdentity(const std::u16string&, FileIdentity&) override
    {
        return false;
    }
    bool processIdentity(ProcessId, FileIdentity&) override
    {
        return false;
    }
    bool isDriveMissing(char) override
    {
        return false;
    }
    bool isDriveRemote(char) override
    {
        return false;
    }
    bool firewallRules(std::vector<FirewallRule>&) override
    {
        return false;
    }
    Elevation runElevated(const std::u16string&, const std::u16string&, std::uint32_t&) override
    {
        return Elevation::Failed;
    }
};

} // namespace

OsInterface& platformOsInterface()
{
    static PortableOsInterface os;
    return os;
}
