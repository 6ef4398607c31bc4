/* Plays the outside programs the launcher starts, chosen by its own file name:
 * ForceBindIP.exe, ForceBindIP64.exe, netsh.exe, rundll32.exe and the game,
 * StarCraft.exe. Each run appends tab-separated records to
 * %VELKARO_STANDIN_LOG%: its own full path, the event, how many compatibility
 * layers values exist, the raw command line, its current folder, all in UTF-8;
 * ForceBindIP's command line as the 8-bit call gives it, as programs of its
 * age read it.
 * Under any other name, "reg VALUE" prints the type and hex bytes of the
 * value VALUE in the user's compatibility layers key, or "absent"; "about
 * FILE" prints what Windows reads of FILE's version block and manifest. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

static const wchar_t *commandLine;
static const char layersKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";

static void record(const char *event)
{
    static char line[16384], cmd[8192], self[MAX_PATH * 3], folder[MAX_PATH * 3];
    wchar_t path[MAX_PATH];
    DWORD layers = 0, written;
    HKEY key;
    /* Tells the moment the layers value was written, relative to the runs. */
    if (!RegOpenKeyExA(HKEY_CURRENT_USER, layersKey, 0, KEY_QUERY_VALUE, &key)) {
        RegQueryInfoKeyA(key, NULL, NULL, NULL, NULL, NULL, NULL, &layers, NULL, NULL, NULL, NULL);
        RegCloseKey(key);
    }
    GetModuleFileNameW(NULL, path, MAX_PATH);
    GetLongPathNameW(path, path, MAX_PATH); /* started by its short path, it is named so */
    WideCharToMultiByte(CP_UTF8, 0, path, -1, self, sizeof self, NULL, NULL);
    WideCharToMultiByte(CP_UTF8, 0, commandLine ? commandLine : GetCommandLineW(), -1, cmd, sizeof cmd, NULL, NULL);
    GetCurrentDirectoryW(MAX_PATH, path);
    WideCharToMultiByte(CP_UTF8, 0, path, -1, folder, sizeof folder, NULL, NULL);
    int length = snprintf(line, sizeof line, "%s\t%s\t%lu\t%s\t%s\n", self, event, layers, cmd, folder);
    GetEnvironmentVariableW(L"VELKARO_STANDIN_LOG", path, MAX_PATH);
    /* Append-only access: records of concurrent runs never overwrite each other. */
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    WriteFile(file, line, (DWORD)length, &written, NULL);
    CloseHandle(file);
}

int wmain(int argc, wchar_t **argv)
{
    wchar_t self[MAX_PATH], narrow[8192];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    GetLongPathNameW(self, self, MAX_PATH);
    const wchar_t *name = wcsrchr(self, L'\\') + 1;

    if (!_wcsicmp(name, L"rundll32.exe")) {
        HWND window = CreateWindowExW(0, L"STATIC", L"Display Settings", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                      NULL, NULL, NULL, NULL);
        /* Shown without activation: only the launcher may bring it to the front. */
        ShowWindow(window, SW_SHOWNOACTIVATE);
        record("shown");
        for (ULONGLONG end = GetTickCount64() + 5000; GetTickCount64() < end; Sleep(5)) {
            MSG msg;
            while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            if (GetForegroundWindow() == window) {
                record("foreground");
                break;
            }
        }
        for (;;) /* until the launcher ends it */
            Sleep(1000);
    }
    const int forceBindIP = !_wcsicmp(name, L"forcebindip.exe") || !_wcsicmp(name, L"forcebindip64.exe");
    /* What ForceBindIP reads is logged; the game it starts is named the same way unless a "?" took a letter. */
    if (forceBindIP && MultiByteToWideChar(CP_ACP, 0, GetCommandLineA(), -1, narrow, 8192))
        commandLine = narrow;
    if (forceBindIP || !_wcsicmp(name, L"netsh.exe")) {
        record("run");
        /* ForceBindIP starts the game, its second argument, in its own folder, unless
         * VELKARO_STANDIN_NO_GAME is set. */
        STARTUPINFOW startup = {.cb = sizeof startup};
        PROCESS_INFORMATION game;
        if (forceBindIP && argc >= 3 && !_wgetenv(L"VELKARO_STANDIN_NO_GAME"))
            CreateProcessW(argv[2], NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &game);
        return 0;
    }
    if (!_wcsicmp(name, L"starcraft.exe")) { /* runs long enough for the launcher to see it */
        record("game");
        Sleep(10000);
        return 0;
    }
    if (argc == 3 && !wcscmp(argv[1], L"reg")) {
        BYTE data[4096];
        DWORD type = 0, size = sizeof data;
        HKEY key;
        /* The name in any letters, as Windows looks it up. */
        if (RegOpenKeyExA(HKEY_CURRENT_USER, layersKey, 0, KEY_QUERY_VALUE, &key)
            || RegQueryValueExW(key, argv[2], NULL, &type, data, &size)) {
            puts("absent");
            return 1;
        }
        printf("type %lu ", type);
        for (DWORD i = 0; i < size; ++i)
            printf("%02x", data[i]);
        puts("");
        return 0;
    }
    if (argc == 3 && !wcscmp(argv[1], L"about")) {
        /* What Explorer's Properties show, then the manifest as UAC reads it. */
        static BYTE info[65536];
        static const wchar_t *const fields[] = {L"ProductName", L"FileVersion", L"OriginalFilename"};
        wchar_t query[64], *text;
        UINT length;
        for (int i = 0; i < 3; ++i) {
            swprintf(query, 64, L"\\StringFileInfo\\040904b0\\%ls", fields[i]);
            if (GetFileVersionInfoW(argv[2], 0, sizeof info, info) && VerQueryValueW(info, query, (void **)&text, &length))
                printf("%ls ", text);
        }
        HMODULE exe = LoadLibraryExW(argv[2], NULL, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC manifest = exe ? FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : NULL;
        if (manifest)
            printf("\n%.*s\n", (int)SizeofResource(exe, manifest), (const char *)LockResource(LoadResource(exe, manifest)));
        return 0;
    }
    return 2;
}
