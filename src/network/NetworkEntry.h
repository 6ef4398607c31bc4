#ifndef VELKARO_NETWORKENTRY_H
#define VELKARO_NETWORKENTRY_H

#include <QHostAddress>
#include <QList>
#include <QString>

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

std::vector<NetworkEntry> networkEntries(const QList<SurveyedInterface>& interfaces);
QString hamachiAddress(const std::vector<NetworkEntry>& networks);

#endif // VELKARO_NETWORKENTRY_H
