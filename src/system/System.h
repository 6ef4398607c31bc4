#ifndef VELKARO_SYSTEM_H
#define VELKARO_SYSTEM_H

#include <QString>
#include <QStringList>

class OsInterface;

// 5 for any system before Vista or outside the NT family, else the major
// version, 7 standing for 7 and every later one.
int versionLevel(int platformId, int majorVersion);

// The Windows system folder ending in the platform's separator, or empty
// where the system cannot tell it.
QString systemDirectory(OsInterface& os);
// A program of Windows' own by its full path in the system folder, so that
// a same-named file in the launcher's or the current folder never runs in
// its place; the bare name where there is no system folder.
QString systemProgram(const QString& systemDir, const QString& bareName);

// The compatibility layers for the game, or empty when neither option asks
// for one.
QString compatibilityLayers(bool compatibility, bool runAsAdministrator);

// netsh's arguments for the two firewall rules.
QStringList firewallProgramRule(const QString& gamePath);
QStringList firewallPortRule();

// Waits for the display settings applet's window and brings it to the
// front; false when it never showed.
bool activateDisplaySettings(OsInterface& os);

#endif // VELKARO_SYSTEM_H
