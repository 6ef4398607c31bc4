// Checks the Win32 side of OsInterface against a real (or Wine's) Windows.
// Usage: seam_check checks   - registry, layers, system folder, windows, sleep
//        seam_check version  - prints "version <platform id> <major>"
//        seam_check target   - shows the window the checks look for
//        seam_check wait TITLE SECONDS - exit status 0 once a window so titled
//                                        exists, 1 when none came in time
// Each check prints "PASS name" or "FAIL name: detail"; run-seam-checks.sh
// counts them.
#include "OsInterface.h"

#include <windows.h>

#include <cstdio>
#include <string>

OsInterface& platformOsInterface();

static int failures = 0;
static const char* const TargetTitle = "Display Settings";

static void check(bool ok, const char* name, const std::string& detail = {})
{
    failures += !ok;
    std::printf(ok ? "PASS %s\n" : "FAIL %s: %s\n", name, detail.c_str());
    std::fflush(stdout);
}

// Handles this thread's messages until done() holds or the time is up; a busy
// machine may take a while to pass focus on.
template <typename Done>
static bool pumpMessagesUntil(Done done, DWORD milliseconds = 3000)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10)) {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
        if (done())
            return true;
    }
    return false;
}

// Writes straight into one registry view, bypassing the code under test.
static bool putMachineValue(REGSAM view, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr; // stays null, and the write fails, when the key cannot be made
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, Registry::GameKey, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key, nullptr);
    const bool ok = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

static void checkMachineReads(OsInterface& os)
{
    const char in32[] = "C:\\Games\\Installed32", in64[] = "C:\\Games\\Installed64";
    const DWORD letters = 0x44434241; // "ABCD", no zero inside the four bytes
    const std::string full(Registry::ValueBufferSize, 'a'), over = full + 'z';
    check(putMachineValue(KEY_WOW64_32KEY, Registry::GameInstallPathValue, REG_SZ, in32, sizeof in32)
              && putMachineValue(KEY_WOW64_64KEY, Registry::GameInstallPathValue, REG_SZ, in64, sizeof in64)
              && putMachineValue(KEY_WOW64_64KEY, "Only64", REG_SZ, in64, sizeof in64)
              && putMachineValue(KEY_WOW64_32KEY, "Letters", REG_DWORD, &letters, sizeof letters)
              && putMachineValue(KEY_WOW64_32KEY, "Full", REG_BINARY, full.data(), DWORD(full.size()))
              && putMachineValue(KEY_WOW64_32KEY, "Over", REG_BINARY, over.data(), DWORD(over.size())),
          "registry values placed in both views");

    // expected: the text read, or nullptr when the read must fail.
    const auto read = [&os](const char* name, const char* key, const char* valueName, const char* expected) {
        std::string value;
        const bool ok = os.readMachineString(key, valueName, value);
        check(expected ? ok && value == expected : !ok, name, ok ? "\"" + value.substr(0, 60) + "\"" : "read failed");
    };
    read("reads the 32-bit view, not the native one", Registry::GameKey, Registry::GameInstallPathValue, in32);
    read("value only in the native view is not seen", Registry::GameKey, "Only64", nullptr);
    read("missing value fails", Registry::GameKey, "NoSuchValue", nullptr);
    read("missing key fails", "SOFTWARE\\Velkaro Seam Check\\No Such Key", "InstallPath", nullptr);
    read("REG_DWORD taken as text up to the first zero", Registry::GameKey, "Letters", "ABCD");
    read("1024 bytes without a zero read whole", Registry::GameKey, "Full", full.c_str());
    read("1025 bytes do not fit and fail", Registry::GameKey, "Over", nullptr);
}

static void checkLayersWrite(OsInterface& os)
{
    const char* exe = "C:\\Games\\Some Game\\game.exe"; // backslashes stay in the value name
    const std::string flags = "DISABLEDWM HIGHDPIAWARE RUNASADMIN";
    HKEY key = nullptr;
    RegDeleteKeyA(HKEY_CURRENT_USER, Registry::LayersKey);
    const bool ok = RegOpenKeyExA(HKEY_CURRENT_USER, Registry::LayersKey, 0, KEY_READ, &key) == ERROR_FILE_NOT_FOUND
                    && os.writeUserString(Registry::LayersKey, exe, "HIGHDPIAWARE")
                    && os.writeUserString(Registry::LayersKey, exe, flags);
    char data[64];
    DWORD size = sizeof data, type = REG_NONE;
    LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, Registry::LayersKey, 0, KEY_READ, &key);
    if (result == ERROR_SUCCESS) {
        result = RegQueryValueExA(key, exe, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
    }
    check(ok && result == ERROR_SUCCESS && type == REG_SZ && std::string(data, size) == flags + '\0',
          "missing layers key made, value written over: REG_SZ, the flags and one terminating zero",
          "result " + std::to_string(result) + ", type " + std::to_string(type) + ", size " + std::to_string(size));
}

// The window the launcher looks for belongs to another program: the "target"
// mode of this very program shows it.
static void checkWindows(OsInterface& os)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" target";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return check(false, "window of a second process shown", "CreateProcess failed");
    HWND target = nullptr;
    pumpMessagesUntil([&] { return target = FindWindowA(nullptr, TargetTitle); }, 5000);
    HWND own = CreateWindowExA(0, "STATIC", "Seam Check Bystander", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 40, 320, 200,
                               nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    check(target && own && pumpMessagesUntil([&] { return GetForegroundWindow() == own; }),
          "window of a second process shown, another in the foreground");

    const OsInterface::WindowHandle found = os.findWindow("display settings");
    check(target && found == reinterpret_cast<OsInterface::WindowHandle>(target), "title found, letter case ignored");
    check(os.findWindow("Display Properties") == 0 && os.findWindow("Display") == 0,
          "another title or part of the title finds nothing");
    os.activateWindow(found);
    check(target && pumpMessagesUntil([&] { return GetForegroundWindow() == target; }),
          "window of the other process brought to the foreground");
    PostMessageA(target, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 5000);
}

int main(int argc, char** argv)
{
    OsInterface& os = platformOsInterface();
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "version") {
        int platformId = -1, major = -1;
        const bool ok = os.queryVersion(platformId, major);
        std::printf("version %d %d%s\n", platformId, major, ok ? "" : " failed");
        return ok ? 0 : 1;
    }
    if (mode == "target") { // closed by the checks, or gone after 20 seconds
        HWND window = CreateWindowExA(0, "STATIC", TargetTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 40, 320, 200,
                                      nullptr, nullptr, nullptr, nullptr);
        return window && pumpMessagesUntil([&] { return !IsWindow(window); }, 20000) ? 0 : 1;
    }
    if (mode == "wait" && argc > 3)
        return pumpMessagesUntil([&] { return FindWindowA(nullptr, argv[2]); }, std::stoi(argv[3]) * 1000) ? 0 : 1;
    if (mode == "checks") {
        checkMachineReads(os);
        checkLayersWrite(os);
        const std::string dir = os.systemDirectory();
        const DWORD attributes = GetFileAttributesA(dir.c_str());
        check(dir.size() > 8 && lstrcmpiA(dir.c_str() + dir.size() - 8, "system32") == 0
                  && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
              "system directory exists and ends in system32, no separator after", "\"" + dir + "\"");
        checkWindows(os);
        const ULONGLONG start = GetTickCount64();
        os.sleepMs(200);
        const ULONGLONG took = GetTickCount64() - start;
        check(took >= 180 && took < 2000, "sleep waits about as long as asked", std::to_string(took) + " ms");
        return failures ? 1 : 0;
    }
    std::fprintf(stderr, "usage: seam_check checks|version|target|wait TITLE SECONDS\n");
    return 2;
}
