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
