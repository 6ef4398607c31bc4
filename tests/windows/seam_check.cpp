// Checks the Win32 side of OsInterface against a real (or Wine's) Windows.
// Usage: seam_check checks   - registry, layers, system folder, windows, sleep
//        seam_check version  - prints "version <platform id> <major> <minor>"
//        seam_check target   - shows the window the checks look for
//        seam_check wait TITLE SECONDS - exit status 0 once a window so titled
//                                        exists, 1 when none came in time
// Each check prints "PASS name" or "FAIL name: detail"; run-seam-checks.sh
// counts them.
#include "OsInterface.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

OsInterface& platformOsInterface();

namespace {

int failures = 0;

void check(bool ok, const char* name, const std::string& detail = {})
{
    if (ok) {
        std::printf("PASS %s\n", name);
    } else {
        ++failures;
        std::printf("FAIL %s: %s\n", name, detail.c_str());
    }
    std::fflush(stdout);
}

std::string quoted(bool ok, const std::string& value)
{
    return ok ? "\"" + value.substr(0, 60) + (value.size() > 60 ? "...\"" : "\"")
                   + " (" + std::to_string(value.size()) + " bytes)"
              : "read failed";
}

// Writes straight into one registry view, bypassing the code under test.
bool putMachineValue(REGSAM view, const char* valueName, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, Registry::GameKey, 0, nullptr, 0,
                        KEY_SET_VALUE | view, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExA(key, valueName, 0, type, static_cast<const BYTE*>(data), size)
              == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

void checkMachineReads(OsInterface& os)
{
    const char in32[] = "C:\\Games\\Installed32";
    const char in64[] = "C:\\Games\\Installed64";
    const DWORD letters = 0x44434241; // "ABCD", no zero inside the four bytes
    const char embedded[] = "left\0right";
    std::string full(Registry::ValueBufferSize, '\0');
    for (std::size_t i = 0; i < full.size(); ++i)
        full[i] = static_cast<char>('a' + i % 26);
    std::string over = full + 'z';

    bool ready = putMachineValue(KEY_WOW64_32KEY, Registry::GameInstallPathValue, REG_SZ, in32, sizeof in32)
                 && putMachineValue(KEY_WOW64_64KEY, Registry::GameInstallPathValue, REG_SZ, in64, sizeof in64)
                 && putMachineValue(KEY_WOW64_64KEY, "Only64", REG_SZ, in64, sizeof in64)
                 && putMachineValue(KEY_WOW64_32KEY, "Letters", REG_DWORD, &letters, sizeof letters)
                 && putMachineValue(KEY_WOW64_32KEY, "Embedded", REG_SZ, embedded, sizeof embedded)
                 && putMachineValue(KEY_WOW64_32KEY, "Empty", REG_SZ, "", 1)
                 && putMachineValue(KEY_WOW64_32KEY, "Full", REG_BINARY, full.data(), DWORD(full.size()))
                 && putMachineValue(KEY_WOW64_32KEY, "Over", REG_BINARY, over.data(), DWORD(over.size()));
    check(ready, "registry values placed in both views");

    std::string value;
    bool ok = os.readMachineString(Registry::GameKey, Registry::GameInstallPathValue, value);
    check(ok && value == in32, "reads the 32-bit view, not the native one", quoted(ok, value));

    value = "untouched";
    ok = os.readMachineString(Registry::GameKey, "Only64", value);
    check(!ok, "value only in the native view is not seen", quoted(ok, value));
    ok = os.readMachineString(Registry::GameKey, "NoSuchValue", value);
    check(!ok, "missing value fails", quoted(ok, value));
    ok = os.readMachineString("SOFTWARE\\Velkaro Seam Check\\No Such Key", "InstallPath", value);
    check(!ok, "missing key fails", quoted(ok, value));

    ok = os.readMachineString(Registry::GameKey, "Letters", value);
    check(ok && value == "ABCD", "REG_DWORD taken as text up to the first zero", quoted(ok, value));
    ok = os.readMachineString(Registry::GameKey, "Embedded", value);
    check(ok && value == "left", "text ends at an embedded zero", quoted(ok, value));
    ok = os.readMachineString(Registry::GameKey, "Empty", value);
    check(ok && value.empty(), "empty string reads as empty", quoted(ok, value));
    ok = os.readMachineString(Registry::GameKey, "Full", value);
    check(ok && value == full, "1024 bytes without a zero read whole", quoted(ok, value));
    ok = os.readMachineString(Registry::GameKey, "Over", value);
    check(!ok, "1025 bytes do not fit and fail", quoted(ok, value));
}

void checkLayersWrite(OsInterface& os)
{
    const char* exe = "C:\\Games\\Some Game\\game.exe"; // backslashes stay in the value name
    const std::string flags = "DISABLEDWM HIGHDPIAWARE RUNASADMIN";

    RegDeleteKeyA(HKEY_CURRENT_USER, Registry::LayersKey);
    HKEY key = nullptr;
    bool absent = RegOpenKeyExA(HKEY_CURRENT_USER, Registry::LayersKey, 0, KEY_READ, &key)
                  == ERROR_FILE_NOT_FOUND;
    check(absent, "layers key absent before the first write");

    bool written = os.writeUserString(Registry::LayersKey, exe, "HIGHDPIAWARE");
    bool created = RegOpenKeyExA(HKEY_CURRENT_USER, Registry::LayersKey, 0, KEY_READ, &key)
                   == ERROR_SUCCESS;
    if (created)
        RegCloseKey(key);
    check(written && created, "first write creates the missing key");
    check(os.writeUserString(Registry::LayersKey, exe, flags), "second write succeeds");

    BYTE data[64];
    std::memset(data, 0x7f, sizeof data);
    DWORD size = sizeof data;
    DWORD type = REG_NONE;
    LONG result = ERROR_FILE_NOT_FOUND;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Registry::LayersKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        result = RegQueryValueExA(key, exe, nullptr, &type, data, &size);
        RegCloseKey(key);
    }
    check(result == ERROR_SUCCESS && type == REG_SZ && size == 35,
          "second write replaced the value: REG_SZ, 35 bytes",
          "result " + std::to_string(result) + ", type " + std::to_string(type) + ", size "
              + std::to_string(size));
    check(result == ERROR_SUCCESS && std::memcmp(data, flags.c_str(), flags.size() + 1) == 0
              && data[35] == 0x7f,
          "stored bytes are the flags and one terminating zero");
}

void checkSystemDirectory(OsInterface& os)
{
    std::string dir = os.systemDirectory();
    std::string tail = dir.size() >= 8 ? dir.substr(dir.size() - 8) : dir;
    check(lstrcmpiA(tail.c_str(), "system32") == 0, "system directory ends in system32",
          "\"" + dir + "\"");
    check(!dir.empty() && dir.back() != '\\', "system directory has no trailing separator",
          "\"" + dir + "\"");
    DWORD attributes = GetFileAttributesA(dir.c_str());
    check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY),
          "system directory exists");
}

// Handles this thread's messages until done() holds or the time is up; a busy
// machine may take a while to pass focus on.
template <typename Done>
bool pumpMessagesUntil(Done done, DWORD milliseconds = 3000)
{
    DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start >= milliseconds)
            return false;
        Sleep(10);
    }
}

const char* const TargetTitle = "Display Settings";

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER)
        DestroyWindow(window);
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND openWindow(const char* title, int x)
{
    static ATOM windowClass = 0;
    if (!windowClass) {
        WNDCLASSA description = {};
        description.lpfnWndProc = windowProc;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = "VelkaroSeamCheck";
        windowClass = RegisterClassA(&description);
    }
    return CreateWindowExA(0, "VelkaroSeamCheck", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 40,
                           320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The window the launcher looks for belongs to another program: show it from
// a second process until told to close, or for 20 seconds at most.
int showTargetWindow()
{
    HWND window = openWindow(TargetTitle, 20);
    if (!window)
        return 1;
    SetTimer(window, 1, 20000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

void checkWindows(OsInterface& os)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" target";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        check(false, "window of a second process shown", "CreateProcess failed");
        return;
    }
    WaitForInputIdle(process.hProcess, 5000);
    HWND target = nullptr;
    for (int attempt = 0; attempt < 50 && !target; ++attempt) {
        target = FindWindowA(nullptr, TargetTitle);
        if (!target)
            Sleep(100);
    }
    HWND own = openWindow("Seam Check Bystander", 400);
    SetForegroundWindow(own);
    bool ownInFront = pumpMessagesUntil([&] { return GetForegroundWindow() == own; });
    check(target && own && ownInFront,
          "window of a second process shown, another in the foreground");

    OsInterface::WindowHandle found = os.findWindow("display settings");
    check(target && found == reinterpret_cast<OsInterface::WindowHandle>(target),
          "title found with letter case ignored");
    check(os.findWindow("Display Properties") == 0, "other title finds nothing");
    check(os.findWindow("Display") == 0, "part of a title finds nothing");

    os.activateWindow(found);
    bool targetInFront = pumpMessagesUntil([&] { return GetForegroundWindow() == target; });
    check(target && targetInFront,
          "window of the other process brought to the foreground");

    if (target)
        PostMessageA(target, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DestroyWindow(own);
}

void checkSleep(OsInterface& os)
{
    ULONGLONG start = GetTickCount64();
    os.sleepMs(200);
    ULONGLONG took = GetTickCount64() - start;
    check(took >= 180 && took < 2000, "sleep waits about as long as asked",
          std::to_string(took) + " ms");
}

} // namespace

int main(int argc, char** argv)
{
    OsInterface& os = platformOsInterface();
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "version") {
        int platformId = -1;
        int major = -1;
        bool ok = os.queryVersion(platformId, major);
        OSVERSIONINFOW raw = {};
        raw.dwOSVersionInfoSize = sizeof raw;
        GetVersionExW(&raw);
        std::printf("version %d %d %lu%s\n", platformId, major, raw.dwMinorVersion,
                    ok ? "" : " failed");
        return ok ? 0 : 1;
    }
    if (mode == "target")
        return showTargetWindow();
    if (mode == "wait" && argc > 3) {
        for (int tenths = std::atoi(argv[3]) * 10; tenths > 0; --tenths) {
            if (FindWindowA(nullptr, argv[2]))
                return 0;
            Sleep(100);
        }
        return 1;
    }
    if (mode == "checks") {
        checkMachineReads(os);
        checkLayersWrite(os);
        checkSystemDirectory(os);
        checkWindows(os);
        checkSleep(os);
        return failures ? 1 : 0;
    }
    std::fprintf(stderr, "usage: seam_check checks|version|target|wait TITLE SECONDS\n");
    return 2;
}
