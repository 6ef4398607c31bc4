/* Plays the outside programs the launcher starts, chosen by its own file name:
 * ForceBindIP.exe, netsh.exe, rundll32.exe. Each run appends tab-separated
 * records to %VELKARO_STANDIN_LOG%: name, tick, event, how many compatibility
 * layers values exist, config.txt beside it ("-" or its bytes in hex), the raw
 * command line in UTF-8.
 * Under any other name, "reg VALUE" prints the type and hex bytes of the
 * value VALUE in the user's compatibility layers key, or "absent". */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

static wchar_t dir[MAX_PATH], name[MAX_PATH];
static const char layersKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";

static void hex(char *out, const BYTE *bytes, DWORD size)
{
    for (DWORD i = 0; i < size; ++i)
        sprintf(out + 2 * i, "%02x", bytes[i]);
    out[2 * size] = 0;
}

static void record(const char *event)
{
    static BYTE config[4096];
    static char line[16384], configHex[2 * sizeof config + 1], cmd[8192], nameUtf8[MAX_PATH * 3];
    wchar_t path[MAX_PATH];
    DWORD size = 0, layers = 0;
    HKEY key;
    /* Tells the moment the layers value was written, relative to the runs. */
    if (!RegOpenKeyExA(HKEY_CURRENT_USER, layersKey, 0, KEY_QUERY_VALUE, &key)) {
        RegQueryInfoKeyA(key, NULL, NULL, NULL, NULL, NULL, NULL, &layers, NULL, NULL, NULL, NULL);
        RegCloseKey(key);
    }
    swprintf(path, MAX_PATH, L"%lsconfig.txt", dir);
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, 0, NULL);
    strcpy(configHex, "-");
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, config, sizeof config, &size, NULL);
        CloseHandle(file);
        hex(configHex, config, size);
    }
    WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, cmd, sizeof cmd, NULL, NULL);
    WideCharToMultiByte(CP_UTF8, 0, name, -1, nameUtf8, sizeof nameUtf8, NULL, NULL);
    int length = snprintf(line, sizeof line, "%s\t%llu\t%s\t%lu\t%s\t%s\n", nameUtf8, GetTickCount64(), event,
                          layers, configHex, cmd);
    if (length >= (int)sizeof line)
        length = sizeof line - 1;
    if (!GetEnvironmentVariableW(L"VELKARO_STANDIN_LOG", path, MAX_PATH))
        swprintf(path, MAX_PATH, L"%lsstandin.log", dir);
    /* Append-only access: records of concurrent runs never overwrite each other. */
    file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, line, (DWORD)length, &size, NULL);
    CloseHandle(file);
}

int wmain(int argc, wchar_t **argv)
{
    GetModuleFileNameW(NULL, dir, MAX_PATH);
    wchar_t *slash = wcsrchr(dir, L'\\');
    wcscpy(name, slash + 1);
    slash[1] = 0;
    CharLowerW(name);

    if (!wcscmp(name, L"rundll32.exe")) {
        HWND window = CreateWindowExW(0, L"STATIC", L"Display Settings", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                      NULL, NULL, NULL, NULL);
        /* Shown without activation: only the launcher may bring it to the front. */
        ShowWindow(window, SW_SHOWNOACTIVATE);
        record(GetForegroundWindow() == window ? "shown-foreground" : "shown");
        const char *outcome = "never-foreground";
        for (ULONGLONG end = GetTickCount64() + 5000; GetTickCount64() < end; Sleep(5)) {
            MSG msg;
            while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            if (GetForegroundWindow() == window) {
                outcome = "foreground";
                break;
            }
        }
        record(outcome);
        for (;;) /* until the launcher ends it */
            Sleep(1000);
    }
    if (!wcscmp(name, L"forcebindip.exe") || !wcscmp(name, L"netsh.exe")) {
        record("run");
        return 0;
    }
    if (argc == 3 && !wcscmp(argv[1], L"reg")) {
        BYTE data[4096];
        DWORD type = 0, size = sizeof data;
        char value[MAX_PATH * 2], out[2 * sizeof data + 1];
        HKEY key;
        /* The launcher writes with the 8-bit calls; read back the same way. */
        WideCharToMultiByte(CP_ACP, 0, argv[2], -1, value, sizeof value, NULL, NULL);
        if (RegOpenKeyExA(HKEY_CURRENT_USER, layersKey, 0, KEY_QUERY_VALUE, &key)
            || RegQueryValueExA(key, value, NULL, &type, data, &size)) {
            puts("absent");
            return 1;
        }
        hex(out, data, size);
        printf("type %lu %s\n", type, out);
        return 0;
    }
    return 2;
}
