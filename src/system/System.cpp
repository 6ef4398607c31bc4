#include "System.h"

#include "OsInterface.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

int versionLevel(int platformId, int majorVersion)
{
    constexpr int WindowsNtPlatform = 2;
    if (platformId != WindowsNtPlatform)
        return 5;
    return majorVersion > 6 ? 7 : majorVersion;
}

namespace {

QString folderText(const std::string& directory)
{
    if (directory.empty())
        return QString();
    return QString::fromLocal8Bit(directory.data(), static_cast<int>(directory.size())) + QDir::separator();
}

} // namespace

QString systemDirectory(OsInterface& os)
{
    return folderText(os.systemDirectory());
}

QString nativeSystemDirectory(OsInterface& os)
{
    return folderText(os.nativeSystemDirectory());
}

QString systemProgram(const QString& systemDir, const QString& bareName)
{
    if (systemDir.isEmpty())
        return bareName;
    const QString exe = QStringLiteral(".exe");
    return systemDir + bareName + (bareName.endsWith(exe, Qt::CaseInsensitive) ? QString() : exe);
}

QString compatibilityLayers(const QString& existing, bool runAsAdministrator)
{
    const QStringList governed{QStringLiteral("DISABLEDWM"), QStringLiteral("HIGHDPIAWARE"),
                               QStringLiteral("RUNASADMIN")};
    QStringList layers;
    for (const QString& layer : existing.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!governed.contains(layer, Qt::CaseInsensitive))
            layers << layer;
    }
    return (layers + governed.mid(0, runAsAdministrator ? 3 : 2)).join(QLatin1Char(' '));
}

namespace {

// A netsh command as its argument list, never one command line: split at the
// blanks first, then "%1" becomes the game path, so that the path stays in
// its one argument whatever it holds and Windows quotes it when it has blanks.
QStringList netshArguments(const QString& command, const QString& gamePath = QString())
{
    QStringList arguments = command.split(QLatin1Char(' '));
    arguments.replaceInStrings(QStringLiteral("%1"), gamePath);
    return arguments;
}

} // namespace

QStringList firewallProgramRule(const QString& gamePath)
{
    return netshArguments(QStringLiteral("firewall add allowedprogram program = %1 name = StarCraft993 "
                                         "mode = ENABLE scope = ALL profile = ALL"),
                          gamePath);
}

QStringList firewallPortRule()
{
    return netshArguments(
        QStringLiteral("firewall add portopening protocol = ALL port = 6112 name = StarCraftTCPUDP scope = ALL"));
}

QList<QStringList> firewallPublicRuleDeletes()
{
    return {netshArguments(QStringLiteral("advfirewall firewall delete rule name=StarCraft993 dir=in profile=public")),
            netshArguments(
                QStringLiteral("advfirewall firewall delete rule name=StarCraftTCPUDP dir=in profile=public"))};
}

QList<QStringList> firewallPublicRules(const QString& gamePath)
{
    const QString port = QStringLiteral("advfirewall firewall add rule name=StarCraftTCPUDP dir=in action=allow "
                                        "protocol=%1 localport=6112 profile=public");
    return {netshArguments(QStringLiteral("advfirewall firewall add rule name=StarCraft993 dir=in action=allow "
                                          "program=%1 profile=public"),
                           gamePath),
            netshArguments(port.arg(QStringLiteral("TCP"))), netshArguments(port.arg(QStringLiteral("UDP")))};
}

int addFirewallRules(const QString& systemDir, const QString& gamePath)
{
    const QString netsh = systemProgram(systemDir, QStringLiteral("netsh"));
    int refused = 0;
    const auto add = [&](const QStringList& arguments) {
        const int code = QProcess::execute(netsh, arguments);
        refused = refused != 0 ? refused : code;
    };
    add(firewallProgramRule(gamePath));
    add(firewallPortRule());
    // The old context's rules reach the domain and private profiles alone,
    // and a Hamachi network usually counts as public. The advanced context
    // came with Vista; the launcher starts on 7 and later only. A delete
    // that matches no rule fails, so its result tells nothing; without
    // rights the adds after it fail and say so.
    for (const QStringList& arguments : firewallPublicRuleDeletes())
        QProcess::execute(netsh, arguments);
    for (const QStringList& arguments : firewallPublicRules(gamePath))
        add(arguments);
    return refused;
}

bool firewallRulesInPlace(const std::vector<OsInterface::FirewallRule>& rules, const QString& gamePath)
{
    constexpr int AllProfiles = 7, Tcp = 6, Udp = 17, AnyProtocol = 256;
    // The profiles each need reaches: the program, then the port, each over TCP and UDP.
    int reached[2][2] = {{0, 0}, {0, 0}};
    const auto any = [](const std::u16string& text) { return text.empty() || text == u"*"; };
    for (const OsInterface::FirewallRule& rule : rules) {
        const QString name = QString::fromStdU16String(rule.name);
        const QString application = QString::fromStdU16String(rule.application);
        int need = -1;
        if (name == QLatin1String("StarCraft993") && application.compare(gamePath, Qt::CaseInsensitive) == 0)
            need = 0;
        else if (name == QLatin1String("StarCraftTCPUDP") && application.isEmpty() && rule.localPorts == u"6112")
            need = 1;
        if (need < 0 || !rule.enabled || !rule.inbound || !rule.allow || !any(rule.remoteAddresses)
            || !(any(rule.interfaceTypes) || rule.interfaceTypes == u"All"))
            continue;
        if (rule.protocol == Tcp || rule.protocol == AnyProtocol)
            reached[need][0] |= rule.profiles;
        if (rule.protocol == Udp || rule.protocol == AnyProtocol)
            reached[need][1] |= rule.profiles;
    }
    for (const auto& need : reached) {
        for (const int profiles : need) {
            if ((profiles & AllProfiles) != AllProfiles)
                return false;
        }
    }
    return true;
}

QString windowsCommandLine(const QStringList& arguments)
{
    QStringList quoted;
    for (const QString& argument : arguments) {
        if (!argument.isEmpty() && !argument.contains(QRegularExpression(QStringLiteral("[ \t\n\v\"]")))) {
            quoted << argument;
            continue;
        }
        // Backslashes count only before a quote: there they are doubled, and
        // so are those before the closing quote.
        QString text = QStringLiteral("\"");
        int backslashes = 0;
        for (const QChar c : argument) {
            if (c == QLatin1Char('\\')) {
                ++backslashes;
                continue;
            }
            text += QString(c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes, QLatin1Char('\\')) + c;
            backslashes = 0;
        }
        quoted << text + QString(2 * backslashes, QLatin1Char('\\')) + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(' '));
}

namespace {

// The upper-case drive letter a path starts with ("D:..."), else 0.
char driveLetter(const QString& path)
{
    const char letter = path.isEmpty() ? '\0' : path.at(0).toUpper().toLatin1();
    return letter >= 'A' && letter <= 'Z' && path.mid(1, 1) == QLatin1String(":") ? letter : 0;
}

} // namespace

char networkDrive(OsInterface& os, const QString& path)
{
    const char letter = driveLetter(path);
    return letter && os.isDriveRemote(letter) ? letter : 0;
}

char hiddenMappedDrive(OsInterface& os, const QString& path)
{
    const char letter = driveLetter(path);
    return letter && os.isElevated() && os.isDriveMissing(letter) ? letter : 0;
}

bool processesRunning(OsInterface& os, const std::u16string& program, std::vector<OsInterface::ProcessId>& ids)
{
    OsInterface::FileIdentity wanted;
    std::vector<OsInterface::ProcessName> processes;
    if (!os.fileIdentity(program, wanted) || !os.processNames(processes))
        return false;
    // A game started through its short path may be listed by its short name.
    QStringList names;
    for (const std::u16string& path : {os.longPath(program), os.shortPath(program), program}) {
        const QString name = QString::fromStdU16String(path);
        if (!name.isEmpty())
            names << name.section(QDir::separator(), -1);
    }
    ids.clear();
    for (const OsInterface::ProcessName& process : processes) {
        OsInterface::FileIdentity running;
        if (names.contains(QString::fromStdU16String(process.fileName), Qt::CaseInsensitive)
            && os.processIdentity(process.id, running) && running == wanted)
            ids.push_back(process.id);
    }
    return true;
}

bool gameStarted(OsInterface& os, const std::u16string& program, const std::vector<OsInterface::ProcessId>& before,
                 const std::function<void(int)>& wait)
{
    for (int waited = 0;; waited += 200) {
        std::vector<OsInterface::ProcessId> now;
        if (!processesRunning(os, program, now))
            return true;
        for (const OsInterface::ProcessId id : now) {
            if (std::find(before.begin(), before.end(), id) == before.end())
                return true;
        }
        if (waited >= 5000)
            return false;
        wait(200);
    }
}

bool activateDisplaySettings(OsInterface& os, const std::function<bool(int)>& appletRunsAfter)
{
    // The applet needs a moment to put up its window, and a slow machine more
    // than half a second: look again every 100 ms while it runs, 5 s at most.
    os.sleepMs(500);
    for (int waited = 500;; waited += 100) {
        for (const char* title : {"Display Properties", "Display Settings"}) {
            if (const OsInterface::WindowHandle window = os.findWindow(title)) {
                os.activateWindow(window);
                return true;
            }
        }
        if (waited >= 5000 || !appletRunsAfter(100))
            return false;
    }
}
