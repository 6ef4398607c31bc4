#ifndef VELKARO_ELEVATEDINSTANCE_H
#define VELKARO_ELEVATEDINSTANCE_H

#include <QString>
#include <QStringList>

class OsInterface;

// The copy of the launcher that Windows started with administrator rights:
// the work its arguments (those after the verb) name, checked, done, and
// reported into the launcher's result file. The install copies from
// ownFolder, the copy's own, alone. Returns an ElevatedExit code.
int runElevatedWork(OsInterface& os, const QStringList& arguments, const QString& ownFolder);

#endif // VELKARO_ELEVATEDINSTANCE_H
