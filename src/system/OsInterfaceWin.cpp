#include "OsInterface.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which they need.
#include <tlhelp32.h>
#include <shlobj.h>
#include <shellapi.h>
#include <winver.h>
#include <netfw.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <initializer_list>

OsInterface& platformOsInterface();

namespace {

// Bytes up to the first zero, never beyond size.
std::string textUpToZero(const char* bytes, std::size_t size)
{
    const void* zero = std::memchr(bytes, 0, size);
    return std::string(bytes, zero ? static_cast<const char*>(zero) - bytes : size);
}

// wchar_t is UTF-16 on Windows.
const wchar_t* wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A REG_SZ or REG_EXPAND_SZ value through the wide calls, up to its first
// zero, however long it is.
bool readString(HKEY root, const std::string& subKey, REGSAM view, const std::u16string& valueName,
                std::u16string& data)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = 0;
    LONG queried = RegQueryValueExW(key, wide(valueName), nullptr, &type, nullptr, &size);
    std::u16string buffer(size / sizeof(char16_t) + 1, u'\0');
    if (queried == ERROR_SUCCESS) {
        size = static_cast<DWORD>(buffer.size() * sizeof(char16_t));
        queried = RegQueryValueExW(key, wide(valueName), nullptr, &type, reinterpret_cast<BYTE*>(&buffer[0]), &size);
    }
    RegCloseKey(key);
    if (queried != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // Stored data need not carry its zero; the extra element gives one.
    data = buffer.substr(0, std::min<std::size_t>(buffer.find(u'\0'), size / sizeof(char16_t)));
    return true;
}

bool identify(const wchar_t* path, OsInterface::FileIdentity& identity)
{
    // No access asked for: a running program's file can still be opened so.
    HANDLE file = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // The 128-bit id where the volume gives one (Windows 8 and later), since a
    // ReFS file index need not be unique; else the volume serial and index.
    FILE_ID_INFO id;
    BY_HANDLE_FILE_INFORMATION info;
    bool known = true;
    identity = {};
    if (GetFileInformationByHandleEx(file, FileIdInfo, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        std::memcpy(identity.file.data(), id.FileId.Identifier, identity.file.size());
    } else if (GetFileInformationByHandle(file, &info)) {
        identity.volume = info.dwVolumeSerialNumber;
        const std::uint64_t index = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        std::memcpy(identity.file.data(), &index, sizeof index);
    } else {
        known = false;
    }
    CloseHandle(file);
    return known;
}

// The size-then-text pattern of GetLongPathNameW and GetShortPathNameW.
template <typename Call> std::u16string pathFrom(Call call, const std::u16string& path)
{
    const DWORD size = call(wide(path), nullptr, 0);
    if (size == 0)
        return {};
    std::u16string result(size, u'\0');
    const DWORD length = call(wide(path), reinterpret_cast<wchar_t*>(&result[0]), size);
    if (length == 0 || length >= size)
        return {};
    result.resize(length);
    return result;
}

std::u16string bstrText(BSTR text)
{
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)) : std::u16string();
}

// A BSTR property of a COM object, freed once copied.
template <typename Getter> std::u16string bstrProperty(Getter get)
{
    BSTR text = nullptr;
    if (FAILED(get(&text)))
        return {};
    std::u16string copy = bstrText(text);
    SysFreeString(text);
    return copy;
}

bool readRule(INetFwRule* rule, OsInterface::FirewallRule& read)
{
    VARIANT_BOOL enabled = VARIANT_FALSE;
    NET_FW_RULE_DIRECTION direction = NET_FW_RULE_DIR_OUT;
    NET_FW_ACTION action = NET_FW_ACTION_BLOCK;
    long protocol = 0;
    long profiles = 0;
    if (FAILED(rule->get_Enabled(&enabled)) || FAILED(rule->get_Direction(&direction))
        || FAILED(rule->get_Action(&action)) || FAILED(rule->get_Protocol(&protocol))
        || FAILED(rule->get_Profiles(&profiles)))
        return false;
    read.name = bstrProperty([rule](BSTR* t) { return rule->get_Name(t); });
    read.application = bstrProperty([rule](BSTR* t) { return rule->get_ApplicationName(t); });
    read.localPorts = bstrProperty([rule](BSTR* t) { return rule->get_LocalPorts(t); });
    read.remoteAddresses = bstrProperty([rule](BSTR* t) { return rule->get_RemoteAddresses(t); });
    read.interfaceTypes = bstrProperty([rule](BSTR* t) { return rule->get_InterfaceTypes(t); });
    read.enabled = enabled != VARIANT_FALSE;
    read.inbound = direction == NET_FW_RULE_DIR_IN;
    read.allow = action == NET_FW_ACTION_ALLOW;
    read.protocol = static_cast<int>(protocol);
    read.profiles = static_cast<int>(profiles);
    return true;
}

// Every rule through the policy's enumerator; false on any failure, since a
// rule left unread could be the one that decides.
bool readRules(std::vector<OsInterface::FirewallRule>& rules)
{
    CLSID policyClass;
    INetFwPolicy2* policy = nullptr;
    INetFwRules* all = nullptr;
    IUnknown* enumerator = nullptr;
    IEnumVARIANT* items = nullptr;
    bool read = SUCCEEDED(CLSIDFromProgID(L"HNetCfg.FwPolicy2", &policyClass))
                && SUCCEEDED(CoCreateInstance(policyClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(INetFwPolicy2),
                                              reinterpret_cast<void**>(&policy)))
                && SUCCEEDED(policy->get_Rules(&all)) && SUCCEEDED(all->get__NewEnum(&enumerator))
                && SUCCEEDED(enumerator->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&items)));
    rules.clear();
    for (VARIANT item; read;) {
        VariantInit(&item);
        ULONG fetched = 0;
        const HRESULT next = items->Next(1, &item, &fetched);
        if (next != S_OK || fetched != 1) {
            read = next == S_FALSE;
            break;
        }
        INetFwRule* rule = nullptr;
        OsInterface::FirewallRule one;
        read = (item.vt == VT_DISPATCH || item.vt == VT_UNKNOWN) && item.punkVal
               && SUCCEEDED(item.punkVal->QueryInterface(__uuidof(INetFwRule), reinterpret_cast<void**>(&rule)))
               && readRule(rule, one);
        if (rule)
            rule->Release();
        VariantClear(&item);
        rules.push_back(one);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{items, enumerator, all, policy}) {
        if (object)
            object->Release();
    }
    return read;
}

class WinOsInterface final : public OsInterface
{
public:
    bool readMachineString(const std::string& subKey, const std::u16string& valueName,
                           std::u16string& value) override
    {
        // The install path comes from a 32-bit installer, so it sits in the
        // 32-bit view. Asking for that view in both builds keeps one branch
        // for both; a 32-bit build on 32-bit Windows has only that view.
        return readString(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_32KEY, valueName, value);
    }

    bool readUserString(const std::string& subKey, const std::u16string& valueName,
                        std::u16string& data) override
    {
        return readString(HKEY_CURRENT_USER, subKey, 0, valueName, data);
    }

    bool writeUserString(const std::string& subKey, const std::u16string& valueName,
                         const std::u16string& data) override
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key,
                            nullptr)
            != ERROR_SUCCESS)
            return false;
        LONG set = RegSetValueExW(key, wide(valueName), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
        RegCloseKey(key);
        return set == ERROR_SUCCESS;
    }

    bool queryVersion(int& platformId, int& majorVersion) override
    {
        OSVERSIONINFOEXW info;
        std::memset(&info, 0, sizeof info);
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
        OSVERSIONINFOW* basic = reinterpret_cast<OSVERSIONINFOW*>(&info);
        if (!GetVersionExW(basic)) {
            // Old systems know only the short record.
            info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
            if (!GetVersionExW(basic))
                return false;
        }
        platformId = static_cast<int>(info.dwPlatformId);
        majorVersion = static_cast<int>(info.dwMajorVersion);
        return true;
    }

    std::u16string fullPath(const std::u16string& path) override
    {
        // The first call tells the size needed, zero included.
        DWORD size = GetFullPathNameW(wide(path), 0, nullptr, nullptr);
        if (size == 0)
            return {};
        std::u16string full(size, u'\0');
        const DWORD length = GetFullPathNameW(wide(path), size, reinterpret_cast<wchar_t*>(&full[0]), nullptr);
        if (length == 0 || length >= size)
            return {};
        full.resize(length);
        return full;
    }

    std::u16string longPath(const std::u16string& path) override
    {
        return pathFrom(GetLongPathNameW, path);
    }

    std::u16string shortPath(const std::u16string& path) override
    {
        return pathFrom(GetShortPathNameW, path);
    }

    std::string systemDirectory() override
    {
        char buffer[1024];
        std::memset(buffer, 0, sizeof buffer);
        UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
        // A result of the buffer size or more is the size needed, not text.
        if (length == 0 || length >= sizeof buffer)
            return {};
        std::string directory = textUpToZero(buffer, length);
        // Only a system living in a drive's root would end in a separator.
        if (!directory.empty() && directory.back() == '\\')
            directory.pop_back();
        return directory;
    }

    std::u16string localAppData() override
    {
        // The shell's own answer: the environment variable may be missing or
        // point elsewhere. A folder that does not exist yet is still named.
        PWSTR path = nullptr;
        std::u16string folder;
        if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &path)))
            folder = reinterpret_cast<const char16_t*>(path);
        CoTaskMemFree(path);
        return folder;
    }

    bool isWindows64() override
    {
        // The native answer, not the one a 32-bit process is given.
        SYSTEM_INFO info;
        GetNativeSystemInfo(&info);
        const WORD machine = info.wProcessorArchitecture;
        return machine == PROCESSOR_ARCHITECTURE_AMD64 || machine == PROCESSOR_ARCHITECTURE_ARM64
               || machine == PROCESSOR_ARCHITECTURE_IA64;
    }

    std::string nativeSystemDirectory() override
    {
        BOOL wow64 = FALSE;
        if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)
            return systemDirectory();
        // GetWindowsDirectory would give a terminal server user's own folder.
        char buffer[1024];
        std::memset(buffer, 0, sizeof buffer);
        const UINT length = GetSystemWindowsDirectoryA(buffer, sizeof buffer);
        if (length == 0 || length >= sizeof buffer)
            return {};
        std::string directory = textUpToZero(buffer, length);
        if (directory.back() != '\\')
            directory += '\\';
        return directory + "Sysnative";
    }

    bool versionResource(const std::u16string& file, VersionResource& resource) override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(wide(file), &ignored);
        std::vector<BYTE> block(size);
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (size == 0 || !GetFileVersionInfoW(wide(file), 0, size, block.data())
            || !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)
            || length < sizeof *fixed || fixed->dwSignature != VS_FFI_SIGNATURE)
            return false;
        resource.fileVersion = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
        resource.productName.clear();
        // Language and code page, each a WORD: the string table is named by their hex digits.
        WORD* language = nullptr;
        if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&language), &length)
            || length < 2 * sizeof(WORD))
            return true;
        std::u16string query = u"\\StringFileInfo\\";
        const unsigned long table = (static_cast<unsigned long>(language[0]) << 16) | language[1];
        for (int shift = 28; shift >= 0; shift -= 4)
            query += u"0123456789abcdef"[(table >> shift) & 0xF];
        query += u"\\ProductName";
        wchar_t* text = nullptr;
        if (VerQueryValueW(block.data(), wide(query), reinterpret_cast<void**>(&text), &length) && text)
            resource.productName.assign(reinterpret_cast<const char16_t*>(text), wcsnlen(text, length));
        return true;
    }

    WindowHandle findWindow(const std::string& title) override
    {
        return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title.c_str()));
    }

    void activateWindow(WindowHandle window) override
    {
        HWND hwnd = reinterpret_cast<HWND>(window);
        SetForegroundWindow(hwnd);
        SetActiveWindow(hwnd);
    }

    void sleepMs(unsigned milliseconds) override
    {
        Sleep(milliseconds);
    }

    bool isElevated() override
    {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return false;
        TOKEN_ELEVATION elevation{};
        DWORD size = 0;
        const BOOL asked = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
        CloseHandle(token);
        return asked && elevation.TokenIsElevated != 0;
    }

    bool processNames(std::vector<ProcessName>& processes) override
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return false;
        processes.clear();
        PROCESSENTRY32W entry;
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
            const auto* name = reinterpret_cast<const char16_t*>(entry.szExeFile);
            processes.push_back({entry.th32ProcessID, std::u16string(name, wcsnlen(entry.szExeFile, MAX_PATH))});
        }
        CloseHandle(snapshot);
        return true;
    }

    bool fileIdentity(const std::u16string& path, FileIdentity& identity) override
    {
        return identify(wide(path), identity);
    }

    bool processIdentity(ProcessId id, FileIdentity& identity) override
    {
        // Limited query rights are given for a user's own processes,
        // elevated or not; others' are passed over.
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
        if (!process)
            return false;
        std::vector<wchar_t> image(32768);
        DWORD size = static_cast<DWORD>(image.size());
        const BOOL named = QueryFullProcessImageNameW(process, 0, image.data(), &size);
        CloseHandle(process);
        return named && identify(image.data(), identity);
    }

    bool isDriveMissing(char letter) override
    {
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', 0};
        return GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR;
    }

    bool isDriveRemote(char letter) override
    {
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', 0};
        return GetDriveTypeW(root) == DRIVE_REMOTE;
    }

    bool firewallRules(std::vector<FirewallRule>& rules) override
    {
        // COM on this thread for the read alone; Qt may have set it up
        // already, in a mode of its own, which is then used as it is.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const bool read = readRules(rules);
        if (SUCCEEDED(com))
            CoUninitialize();
        return read;
    }

    Elevation runElevated(const std::u16string& program, const std::u16string& parameters,
                          std::uint32_t& exitCode) override
    {
        SHELLEXECUTEINFOW info;
        std::memset(&info, 0, sizeof info);
        info.cbSize = sizeof info;
        // The process handle, to wait for it; no return before the start is done.
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
        info.lpVerb = L"runas";
        info.lpFile = wide(program);
        info.lpParameters = wide(parameters);
        // Handed on to the game ForceBindIP starts, which must show.
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info))
            return GetLastError() == ERROR_CANCELLED ? Elevation::Declined : Elevation::Failed;
        if (!info.hProcess)
            return Elevation::Failed;
        WaitForSingleObject(info.hProcess, INFINITE);
        DWORD code = 0;
        const BOOL ended = GetExitCodeProcess(info.hProcess, &code);
        CloseHandle(info.hProcess);
        exitCode = code;
        return ended ? Elevation::Ran : Elevation::Failed;
    }
};

} // namespace

OsInterface& platformOsInterface()
{
    static WinOsInterface os;
    return os;
}
