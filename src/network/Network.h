#ifndef VELKARO_NETWORK_H
#define VELKARO_NETWORK_H

#include <QHostAddress>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <vector>

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

// Folders end in a separator, or are empty for the working directory.
bool isForceBindIPIn(const QString& folder);
// The first of ForceBindIP's two files that none of the folders holds, or empty.
QString missingForceBindIPFile(const QStringList& folders);
// The program a launch runs: in the system folder, as systemProgram takes
// Windows' own; the bare name where there is no system folder.
QString forceBindIPProgram(const QString& systemDir);
// Copies ForceBindIP's two files from one folder to another, never over a
// file already there; true when both are then in place.
bool copyForceBindIP(const QString& from, const QString& to);

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
