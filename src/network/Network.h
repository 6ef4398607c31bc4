#ifndef VELKARO_NETWORK_H
#define VELKARO_NETWORK_H

#include <QHostAddress>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "OsInterface.h"

// One surveyed interface as the network list shows it.
struct NetworkEntry
{
    QString name;
    QString ip; // first IPv4 address, empty when the interface has no address at all
    bool connected = false;
    QString displayText;
};

// What the survey needs to know of an interface, so that the mapping can be
// fed made-up interfaces as well as the host's own.
struct SurveyedInterface
{
    QString name;
    QList<QHostAddress> addresses; // in the order the system gives them
};

// The host's interfaces in the order the system lists them.
QList<SurveyedInterface> hostInterfaces();
std::vector<NetworkEntry> networkEntries(const QList<SurveyedInterface>& interfaces);
// The address of the first record named exactly "Hamachi", or empty.
QString hamachiAddress(const std::vector<NetworkEntry>& networks);
// The entry a start selects when there is no Hamachi address: the first
// Radmin VPN or ZeroTier adapter with an address, by how its name begins in
// any letter case, else the first entry.
int defaultNetworkIndex(const std::vector<NetworkEntry>& networks);
// The first entry of that name when it has an address; -1 when it is gone.
int keptNetworkIndex(const std::vector<NetworkEntry>& networks, const QString& name);

// Which ForceBindIP a game needs: ForceBindIP.exe with BindIP.dll, or for a
// 64-bit game ForceBindIP64.exe with BindIP64.dll, as a 32-bit library
// cannot load into a 64-bit process.
enum class Bitness { X86, X64 };

// Folders end in a separator, or are empty for the working directory.
bool isForceBindIPIn(const QString& folder, Bitness bitness = Bitness::X86);
// The first of ForceBindIP's two files that none of the folders holds, or empty.
QString missingForceBindIPFile(const QStringList& folders, Bitness bitness = Bitness::X86);
// The program a launch runs: in the system folder, as systemProgram takes
// Windows' own; the bare name where there is no system folder.
QString forceBindIPProgram(const QString& systemDir, Bitness bitness = Bitness::X86);
// The game path as ForceBindIP gets it. A program of its age reads its
// command line through the 8-bit calls, where letters the system's code page
// lacks arrive as "?": such a path goes as its short form where the volume
// gives one in plain ASCII, any other as it is.
QString forceBindIPGamePath(const QString& gamePath, OsInterface& os);
// Copies ForceBindIP's two files from one folder to another, never over a
// file already there; true when both are then in place.
bool copyForceBindIP(const QString& from, const QString& to, Bitness bitness = Bitness::X86);

// The Machine field of a PE image's file header, read from the file's first
// bytes ("MZ", e_lfanew, "PE\0\0", Machine); 0 where they hold no such header.
quint16 peMachine(const QByteArray& head);
constexpr quint16 MachineX64 = 0x8664;

// Whether the game hands over to Blizzard's app unless started with -launch:
// file version 1.18 or later of a product named StarCraft in any letter case.
bool needsLaunchSwitch(const OsInterface::VersionResource& resource);

// What a launch knows of the game's file and of the system it starts on.
struct GameFacts
{
    Bitness bitness = Bitness::X86;
    bool launchSwitch = false;
    bool windows64 = false;
    // Both end in a separator, or are empty where the system tells none.
    QString systemDir;
    QString nativeSystemDir;
    // The game's path as ForceBindIP is to read it; empty: the path itself.
    QString commandLinePath;
};
// The facts of the game at path: its header read from the file, the rest from the system.
GameFacts gameFacts(OsInterface& os, const QString& game);

// The folder ForceBindIP runs from: the system folder for a 32-bit game; for
// a 64-bit one the native system folder, where the game finds BindIP64.dll
// however ForceBindIP64 names it, unless the 32-bit system folder alone holds
// the pair. The install puts a missing pair in the native folder.
QString forceBindIPFolder(const GameFacts& facts);

// How ForceBindIP starts a game: its program, its arguments and the folder
// it starts in, the game's own, which the game inherits.
struct GameStart
{
    QString program;
    QStringList arguments;
    QString workingDirectory;
};
GameStart gameStart(const QString& game, const QString& address, const GameFacts& facts);

// ForceBindIP run to start the game, and what came of it: the game's
// processes counted before, looked for after, as gameStarted does.
struct ForceBindIPRun
{
    bool failedToStart = false;
    quint32 exitCode = 0;
    bool crashed = false;
    bool gameStarted = false;
};
ForceBindIPRun runForceBindIP(OsInterface& os, const QString& game, const QString& address, const GameFacts& facts,
                              const std::function<void(int)>& wait);

// Installs the ForceBindIP pair of that bitness from a folder into the system
// folder the system names: the native one for the 64-bit pair.
bool installForceBindIP(OsInterface& os, const QString& from, Bitness bitness);

// The work a launcher hands to a copy of itself that Windows starts with
// administrator rights: "--elevated-work RESULT STEPS [GAME [ADDRESS]]".
// STEPS joins with "+" any of install or install64 (the pair of that
// bitness), rules (the firewall rules for GAME), or is start alone
// (ForceBindIP binding GAME to ADDRESS). Whoever starts the copy chooses
// its command line, so each part is checked and nothing else is taken.
constexpr const char* ElevatedVerb = "--elevated-work";
struct ElevatedWork
{
    QString resultFile; // the launcher's, already there: "velkaro-*.result"
    bool install = false;
    Bitness installBitness = Bitness::X86;
    bool rules = false;
    bool start = false;
    QString game; // absolute, local, an existing .exe with a PE header
    QString address; // an IPv4 address, as Qt writes it
    QString refusal; // why the command line was refused; empty: taken
};
// The arguments after the verb.
ElevatedWork parseElevatedWork(const QStringList& arguments);
QStringList elevatedWorkArguments(const ElevatedWork& work);

// What the copy reports through the result file, as "key=value" lines.
struct ElevatedResult
{
    bool installed = false;
    int rulesRefused = -1; // netsh's first refusal, 0 for none; -1: not run
    bool ran = false; // ForceBindIP's run is told
    ForceBindIPRun run;
};
QByteArray writeElevatedResult(const ElevatedResult& result);
ElevatedResult readElevatedResult(const QByteArray& bytes);
// The copy's exit codes.
enum ElevatedExit { ElevatedDone = 0, ElevatedRefused = 2, ElevatedNotElevated = 3 };

// Whether ForceBindIP's end, as the process runner reports it, is a crash:
// what Qt on Windows counts as one (codes 0x80000000 to 0xCFFFFFFF, such as
// 0xC0000005), and the codes of unhandled software exceptions
// (0xE0000000 to 0xEFFFFFFF, such as a C++ exception's 0xE06D7363), which it
// counts as exit codes. exit(-1), 0xFFFFFFFF, stays an exit code.
bool isCrash(QProcess::ExitStatus status, quint32 code);
// An exit code as Windows users meet it: small ones in decimal, with their
// sign, status codes in hexadecimal.
QString exitCodeText(quint32 code);

#endif // VELKARO_NETWORK_H
