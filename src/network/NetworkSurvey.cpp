#include "Network.h"

#include <QNetworkInterface>

#include <algorithm>

std::vector<NetworkEntry> networkEntries(const QList<SurveyedInterface>& interfaces)
{
    std::vector<NetworkEntry> entries;
    for (const SurveyedInterface& iface : interfaces) {
        NetworkEntry entry;
        entry.name = iface.name;
        if (!iface.addresses.isEmpty()) {
            auto ipv4 = std::find_if(iface.addresses.cbegin(), iface.addresses.cend(), [](const QHostAddress& a) {
                return a.protocol() == QAbstractSocket::IPv4Protocol;
            });
            // Only IPv6 addresses: nothing ForceBindIP could bind to.
            if (ipv4 == iface.addresses.cend())
                continue;
            entry.ip = ipv4->toString();
        }
        entry.connected = !entry.ip.isEmpty();
        entry.displayText = entry.name + (entry.connected ? QStringLiteral(" | ") + entry.ip
                                                          : QStringLiteral(" | NOT connected"));
        entries.push_back(entry);
    }
    return entries;
}

QString hamachiAddress(const std::vector<NetworkEntry>& networks)
{
    for (const NetworkEntry& entry : networks) {
        if (entry.name == QLatin1String("Hamachi"))
            return entry.ip;
    }
    return QString();
}

int defaultNetworkIndex(const std::vector<NetworkEntry>& networks)
{
    // Players who meet without Hamachi mostly use one of these two virtual LANs.
    const auto vpn = std::find_if(networks.cbegin(), networks.cend(), [](const NetworkEntry& entry) {
        return entry.connected
               && (entry.name.startsWith(QLatin1String("Radmin"), Qt::CaseInsensitive)
                   || entry.name.startsWith(QLatin1String("ZeroTier"), Qt::CaseInsensitive));
    });
    return vpn == networks.cend() ? 0 : static_cast<int>(vpn - networks.cbegin());
}

int keptNetworkIndex(const std::vector<NetworkEntry>& networks, const QString& name)
{
    const auto kept = std::find_if(networks.cbegin(), networks.cend(),
                                   [&name](const NetworkEntry& entry) { return entry.name == name; });
    return name.isEmpty() || kept == networks.cend() || !kept->connected ? -1 : static_cast<int>(kept - networks.cbegin());
}

QList<SurveyedInterface> hostInterfaces()
{
    QList<SurveyedInterface> interfaces;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : all) {
        SurveyedInterface surveyed{iface.humanReadableName(), {}};
        const QList<QNetworkAddressEntry> entries = iface.addressEntries();
        for (const QNetworkAddressEntry& entry : entries)
            surveyed.addresses.append(entry.ip());
        interfaces.append(surveyed);
    }
    return interfaces;
}
