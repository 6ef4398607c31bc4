#ifndef VELKARO_SYSTEM_H
#define VELKARO_SYSTEM_H

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "OsInterface.h"

// 5 for any system outside the NT family, else the major version capped at
// 7. Windows 7 reports 6.1, so it is level 6; Windows 10 reports 10 only to
// a program whose manifest names it.
int versionLevel(int platformId, int majorVersion);

// The Windows system folder ending in the platform's separator, or empty
// where the system cannot tell it.
QString systemDirectory(OsInterface& os);
// The same of Windows' own bitness: Sysnative for the 32-bit build on 64-bit Windows.
QString nativeSystemDirectory(OsInterface& os);
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
// The same two allowances for the public profile, through the advanced
// firewall, each run of netsh one list; the port rule is one rule per
// protocol. The deletes take away what an earlier launch added, since that
// context keeps any number of rules of one name.
QList<QStringList> firewallPublicRuleDeletes();
QList<QStringList> firewallPublicRules(const QString& gamePath);

// Runs netsh for the rules above, from the system folder: 0, or the exit
// code of the first netsh that refused a rule.
int addFirewallRules(const QString& systemDir, const QString& gamePath);
// Whether the launcher's rules, by their names, together let the game and
// port 6112 over TCP and UDP in on the domain, private and public profiles,
// from anywhere. Anything unclear counts as not in place.
bool firewallRulesInPlace(const std::vector<OsInterface::FirewallRule>& rules, const QString& gamePath);

// One command line that CommandLineToArgvW splits into arguments again.
QString windowsCommandLine(const QStringList& arguments);

// Waits for the display settings applet's window and brings it to the
// front; false when it never showed. appletRunsAfter(ms) waits up to ms
// and tells whether the applet still runs.
bool activateDisplaySettings(OsInterface& os, const std::function<bool(int)>& appletRunsAfter);

// The drive letter path starts with when this process runs elevated and
// sees no such drive, as it does not see the drives the user mapped
// unelevated; else 0.
char hiddenMappedDrive(OsInterface& os, const QString& path);

// The drive letter path starts with when that is a network drive, which the
// process a prompt elevates does not see; else 0.
char networkDrive(OsInterface& os, const QString& path);

// The processes now running the file at program. Only those whose name in
// the process list is the program's long or short file name, in any letter
// case, are opened and compared by file identity, so that any spelling of
// a path names the same file and no other process's file is touched. False
// when the system cannot tell.
bool processesRunning(OsInterface& os, const std::u16string& program, std::vector<OsInterface::ProcessId>& ids);

// Whether a process running the file at program shows up that is not among
// before: looked for at once, then every 200 ms for 5 s, wait(ms) passing
// the time between looks. True also when the system cannot tell.
bool gameStarted(OsInterface& os, const std::u16string& program, const std::vector<OsInterface::ProcessId>& before,
                 const std::function<void(int)>& wait);

#endif // VELKARO_SYSTEM_H
