#ifndef VELKARO_SETTINGS_H
#define VELKARO_SETTINGS_H

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

class OsInterface;

// The four launch options; 0 is off, any other value on. Kept as integers
// because the settings file may hold any number and gets it back unchanged.
struct LaunchOptions
{
    std::int32_t firewallException = 1;
    std::int32_t compatibility = 1;
    std::int32_t paletteTricks = 1;
    std::int32_t runAsAdministrator = 1;
};

// The one form of a game path the launcher works with and stores: quotes and
// blanks around it dropped, then the full path the system itself makes of it
// where it tells one (Windows); elsewhere absolute against the current
// folder, one separator between names, native separators. A "\\?\" path
// that names its file in the plain form too becomes that form.
QString cleanGamePath(const QString& typed, OsInterface& os);

// The plain form of a "\\?\" path ("\\?\C:\x" is "C:\x", "\\?\UNC\s\x" is
// "\\s\x") where that form names the same file: shorter than MAX_PATH, no
// name ending in a dot or a blank, no device name such as CON or COM1.
// Any other path, "\\?\Volume{...}" and "\\?\GLOBALROOT" among them, as it is.
QString plainPath(const QString& path);

// The game a path names. A folder stands for the first of starcraft.exe in
// it, on 64-bit Windows x86_64\starcraft.exe (today's client), and
// x86\starcraft.exe, each name in any letter case, in the letters it has on
// disk; a folder holding none of them, and any other path, as it is.
QString gameFile(const QString& path, bool windows64);

// A game path is usable when it names an existing file or folder; one
// character is never enough.
bool isValidPath(const QString& path);

// config.txt's lines over the path, options and kept network: what it
// recognises replaces what they held, later lines over earlier ones. A PATH
// value is taken only when pathUsable accepts it; a NETWORK value is any
// text to the end of its line. Text is in the system's 8-bit encoding unless
// a byte-order mark says it is UTF-8 or UTF-16.
void readConfig(const QByteArray& bytes, QString& gamePath, LaunchOptions& options, QString& network,
                const std::function<bool(const QString&)>& pathUsable = isValidPath);
// The five lines a save writes, and a sixth for a kept network, in the
// system's own 8-bit encoding, or as UTF-8 with a byte-order mark when that
// encoding cannot hold the path or the network. A value that would not read
// back (a line break, a zero, no Unicode, 8-bit bytes too many for the
// reader's line, a network's blanks around it) is stored as no value at all.
QByteArray writeConfig(const QString& gamePath, const LaunchOptions& options, const QString& network = QString());

// Whole files: read as bytes, written in text mode (CR LF on Windows). The
// write replaces the old file only once the new one is complete.
bool readTextFile(const QString& fileName, QByteArray& bytes);
bool replaceTextFile(const QString& fileName, const QByteArray& bytes);

// Where config.txt may lie: beside the launcher; in the user's own folder
// (%LOCALAPPDATA%\Velkaro, elsewhere Qt's per-user application data) for a
// launcher in a folder the user cannot write; and, on Windows, where Windows
// put the writes of an earlier version that asked for no rights (VirtualStore).
// Empty where there is no such place.
struct ConfigPlaces
{
    QString beside;
    QString perUser;
    QString virtualStore;
};
ConfigPlaces configPlaces(const QString& appDir, OsInterface& os);
// The file a start reads: the newer of the two where both exist, the
// VirtualStore copy where neither does; empty when there is none.
QString configToRead(const ConfigPlaces& places);
// Where a save goes: beside the launcher when its folder takes a new file,
// else the user's own, its folder made.
QString configToWrite(const ConfigPlaces& places);

// The game's path from the folder its installer recorded in the registry:
// starcraft.exe in it, or where that is missing the game the folder rule
// finds there; empty without a record.
QString installedGamePath(OsInterface& os);

#endif // VELKARO_SETTINGS_H
