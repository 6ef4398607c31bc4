#include "OsInterface.h"

#include <chrono>
#include <thread>

namespace {

// Outside Windows there is no registry, no Windows version, no system
// directory and no window to find: report exactly that.
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
    std::string systemDirectory() override
    {
        return {};
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
};

} // namespace

OsInterface& platformOsInterface()
{
    static PortableOsInterface os;
    return os;
}
