#ifndef VELKARO_SYSTEM_H
#define VELKARO_SYSTEM_H

#include <QString>
#include <QStringList>

#include <functional>

class OsInterface;

// 5 for any system outside the NT family, else the major version capped at
// 7. Windows 7 reports 6.1, so it is level 6; Windows 10 reports 10 only to
// a program whose manifest names it.
int versionLevel(int platformId, int majorVersion);

// The Windows system folder ending in the platform's separator, or empty
// where the system cannot tell it.
QString systemDirectory(OsInterface& os);
// A program of Windows' own by its full path in the system folder, so that
// a same-named file in the launcher's or the current folder never runs in
// its place; the bare name where there is no system folder.
QString systemProgram(const QString& systemDir, const QString& bareName);

// The game's compatibility layers: the value already there with its other
// layers and a leading "~" kept, DISABLEDWM and HIGHDPIAWARE, and RUNASADMIN
// exactly when asked for.
QString compatibilityLayers(const QString& existing, bool runAsAdministrator);

// netsh's arguments for the two firewall rules.
QStringList firewallProgramRule(const QString& gamePath);
QStringList firewallPortRule();

// Waits for the display settings applet's window and brings it to the
// front; false when it never showed. appletRunsAfter(ms) waits up to ms
// and tells whether the applet still runs.
bool activateDisplaySettings(OsInterface& os, const std::function<bool(int)>& appletRunsAfter);

#endif // VELKARO_SYSTEM_H
