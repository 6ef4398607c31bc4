#ifndef VELKARO_OSINTERFACE_H
#define VELKARO_OSINTERFACE_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The one door to the operating system. Texts are 8-bit byte strings in the
// system's own code page, exactly as the 8-bit Windows calls take and give
// them (callers convert with QString::fromLocal8Bit / toLocal8Bit), except
// registry values and paths, which are UTF-16. The Win32 side stays free of
// Qt so that it can be built and checked on its own.
class OsInterface
{
public:
    using WindowHandle = std::uintptr_t; // 0: no window
    using ProcessId = std::uint32_t;

    // A file as the file system knows it, whatever path names it.
    struct FileIdentity
    {
        std::uint64_t volume = 0;
        std::array<std::uint8_t, 16> file{};
        bool operator==(const FileIdentity& other) const { return volume == other.volume && file == other.file; }
    };
    // A running process as the system's process list names it: its
    // program's file name alone, without a folder.
    struct ProcessName
    {
        ProcessId id = 0;
        std::u16string fileName;
    };

    virtual ~OsInterface() = default;

    // HKEY_LOCAL_MACHINE\subKey, value valueName, as UTF-16 text: an install
    // folder in any letters arrives whole. REG_SZ and REG_EXPAND_SZ values
    // only, up to their first zero. Both builds read the 32-bit view, where a
    // 32-bit installer writes.
    virtual bool readMachineString(const std::string& subKey, const std::u16string& valueName,
                                   std::u16string& value) = 0;

    // HKEY_CURRENT_USER\subKey, value valueName, as UTF-16 text: the wide
    // calls, so that a name in any letters is the name Windows looks up.
    // The read takes REG_SZ and REG_EXPAND_SZ values only, up to their first
    // zero. The write creates the key when missing and sets the value as
    // REG_SZ, terminating zero included.
    virtual bool readUserString(const std::string& subKey, const std::u16string& valueName,
                                std::u16string& data) = 0;
    virtual bool writeUserString(const std::string& subKey, const std::u16string& valueName,
                                 const std::u16string& data) = 0;

    // Platform id (2 for the NT family) and major version, from the extended
    // version record first and the basic one second. False when both fail.
    virtual bool queryVersion(int& platformId, int& majorVersion) = 0;

    // The full path Windows itself makes of path (GetFullPathNameW), or empty
    // where the system makes none.
    virtual std::u16string fullPath(const std::u16string& path) = 0;
    // The long form of an existing path (GetLongPathNameW) and its 8.3 short
    // form (GetShortPathNameW), or empty where the system or volume has none.
    virtual std::u16string longPath(const std::u16string& path) = 0;
    virtual std::u16string shortPath(const std::u16string& path) = 0;

    // The Windows system directory without a trailing separator, or empty
    // when the system cannot tell it.
    virtual std::string systemDirectory() = 0;

    // The user's own local application data folder (%LOCALAPPDATA%), UTF-16,
    // without a trailing separator; empty where the system has none.
    virtual std::u16string localAppData() = 0;
    // Whether Windows itself is 64-bit, whichever build asks.
    virtual bool isWindows64() = 0;
    // The system directory of Windows' own bitness, without a trailing
    // separator: a 32-bit process on 64-bit Windows reaches the real System32
    // only as %windir%\Sysnative, its own System32 being SysWOW64. Empty when
    // the system cannot tell it.
    virtual std::string nativeSystemDirectory() = 0;

    // What a program's version resource tells: VS_FIXEDFILEINFO's file
    // version (major, minor, build, revision) and the ProductName of the
    // first language \VarFileInfo\Translation lists, empty when it has none.
    struct VersionResource
    {
        std::array<std::uint16_t, 4> fileVersion{};
        std::u16string productName;
    };
    // False when the file has no version resource or cannot be read.
    virtual bool versionResource(const std::u16string& file, VersionResource& resource) = 0;

    // Top-level window whose whole title equals title, letter case ignored.
    virtual WindowHandle findWindow(const std::string& title) = 0;
    // Brings the window to the foreground, then makes it the active one.
    virtual void activateWindow(WindowHandle window) = 0;

    virtual void sleepMs(unsigned milliseconds) = 0;

    // Whether this process runs with an elevated token; a filtered
    // administrator's token is not elevated.
    virtual bool isElevated() = 0;
    // The running processes by name, from a snapshot that opens none of
    // them. False when the system cannot tell.
    virtual bool processNames(std::vector<ProcessName>& processes) = 0;
    // The identity of the file at path, and of the program process id runs:
    // that one opens the process and then its file, which may lie on a slow
    // share, so it is asked only of processes whose name fits. False where
    // either cannot be opened (another user's process, a gone file).
    virtual bool fileIdentity(const std::u16string& path, FileIdentity& identity) = 0;
    virtual bool processIdentity(ProcessId id, FileIdentity& identity) = 0;
    // Whether drive letter names no drive this process can see, as a drive
    // mapped in another logon session (the unelevated one) is not seen.
    virtual bool isDriveMissing(char letter) = 0;
    // Whether drive letter names a network drive, which a process elevated
    // through a prompt does not see when the user mapped it.
    virtual bool isDriveRemote(char letter) = 0;

    // One rule of the firewall as its API reads it: the profiles as a mask
    // (1 domain, 2 private, 4 public), the protocol by its IANA number (256:
    // any). Texts as the firewall keeps them; "*" or empty: any.
    struct FirewallRule
    {
        std::u16string name;
        std::u16string application;
        std::u16string localPorts;
        std::u16string remoteAddresses;
        std::u16string interfaceTypes;
        int protocol = 0;
        int profiles = 0;
        bool enabled = false;
        bool inbound = false;
        bool allow = false;
    };
    // The firewall's rules, read without rights. False where the API fails.
    virtual bool firewallRules(std::vector<FirewallRule>& rules) = 0;

    // Starts program with parameters, one command line, through the "runas"
    // verb, so that Windows asks for rights, and waits for it to end.
    enum class Elevation { Ran, Declined, Failed };
    virtual Elevation runElevated(const std::u16string& program, const std::u16string& parameters,
                                  std::uint32_t& exitCode) = 0;

    // The implementation in use: the platform's own unless a test installed
    // another. setInstance(nullptr) restores the platform's own.
    static OsInterface* instance();
    static void setInstance(OsInterface* os);
};

// Registry locations the launcher works with.
namespace Registry {
constexpr const char* GameKey = "SOFTWARE\\Blizzard Entertainment\\Starcraft";
constexpr const char16_t* GameInstallPathValue = u"InstallPath";
constexpr const char* LayersKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
} // namespace Registry

#endif // VELKARO_OSINTERFACE_H
