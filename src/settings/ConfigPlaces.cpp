#include "Settings.h"

#include "OsInterface.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString FileName = QStringLiteral("config.txt");

QString inFolder(const QString& folder, const QString& name)
{
    return QDir::toNativeSeparators(folder + QDir::separator() + name);
}

} // namespace

ConfigPlaces configPlaces(const QString& appDir, OsInterface& os)
{
    ConfigPlaces places;
    places.beside = QDir::toNativeSeparators(appDir + FileName);
    const QString localAppData = QString::fromStdU16String(os.localAppData());
    if (localAppData.isEmpty()) {
        // No Windows, no VirtualStore: the per-user folder is Qt's.
        const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        if (!own.isEmpty())
            places.perUser = inFolder(own, FileName);
        return places;
    }
    places.perUser = inFolder(localAppData, QStringLiteral("Velkaro") + QDir::separator() + FileName);
    // Windows redirected the writes of a launcher without a manifest to the
    // same path under VirtualStore, drive left out. It does so for local
    // folders alone, never for a share.
    QString folder = QDir::toNativeSeparators(appDir);
    folder.remove(QRegularExpression(QStringLiteral("^[A-Za-z]:(?=[\\\\/])")));
    if (!folder.startsWith(QStringLiteral("\\\\")))
        places.virtualStore = inFolder(localAppData, QStringLiteral("VirtualStore") + folder + FileName);
    return places;
}

QString configToRead(const ConfigPlaces& places)
{
    const QFileInfo beside(places.beside);
    const QFileInfo perUser(places.perUser);
    const bool besideFound = beside.isFile();
    const bool perUserFound = perUser.isFile();
    // A run that could write beside the launcher and one that could not each
    // left their last save where they could: the newer is the user's last word.
    if (besideFound && perUserFound)
        return perUser.lastModified() > beside.lastModified() ? places.perUser : places.beside;
    if (besideFound || perUserFound)
        return besideFound ? places.beside : places.perUser;
    if (QFileInfo(places.virtualStore).isFile())
        return places.virtualStore;
    return {};
}

QString configToWrite(const ConfigPlaces& places)
{
    // The save makes a new file beside the old and renames it over: replacing
    // config.txt alone is not enough, the folder must take a new file.
    QTemporaryFile probe(places.beside);
    if (probe.open() || places.perUser.isEmpty())
        return places.beside;
    QDir().mkpath(QFileInfo(places.perUser).path());
    return places.perUser;
}
