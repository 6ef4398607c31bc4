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
// folder, one separator between names, native separators.
QString cleanGamePath(const QString& typed, OsInterface& os);

// The game a path names: for a folder holding starcraft.exe in any letter
// case, that file, in the letters it has on disk; any other path as it is.
QString gameFile(const QString& path);

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

// The game's path as its installer recorded it in the registry, or empty.
QString installedGamePath(OsInterface& os);

#endif // VELKARO_SETTINGS_H
