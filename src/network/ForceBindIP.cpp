#include "Network.h"

#include "OsInterface.h"

#include <QFile>

#include <algorithm>

namespace {
const QString ProgramFile = QStringLiteral("ForceBindIP.exe");
const QString LibraryFile = QStringLiteral("BindIP.dll");
} // namespace

bool isForceBindIPIn(const QString& folder)
{
    return missingForceBindIPFile({folder}).isEmpty();
}

QString missingForceBindIPFile(const QStringList& folders)
{
    for (const QString& file : {ProgramFile, LibraryFile}) {
        const auto holds = [&file](const QString& folder) { return QFile::exists(folder + file); };
        if (std::none_of(folders.begin(), folders.end(), holds))
            return file;
    }
    return QString();
}

QString forceBindIPProgram(const QString& systemDir)
{
    return systemDir.isEmpty() ? QStringLiteral("forcebindip") : systemDir + ProgramFile;
}

QString forceBindIPGamePath(const QString& gamePath, OsInterface& os)
{
    if (QString::fromLocal8Bit(gamePath.toLocal8Bit()) == gamePath)
        return gamePath;
    const QString shortForm = QString::fromStdU16String(os.shortPath(gamePath.toStdU16String()));
    const bool ascii = std::all_of(shortForm.begin(), shortForm.end(), [](QChar c) { return c.unicode() < 128; });
    return !shortForm.isEmpty() && ascii ? shortForm : gamePath;
}

bool copyForceBindIP(const QString& from, const QString& to)
{
    // QFile::copy fails on an existing target, which is left as it is.
    QFile::copy(from + ProgramFile, to + ProgramFile);
    QFile::copy(from + LibraryFile, to + LibraryFile);
    // Installed means both files are in place, however they got there.
    return isForceBindIPIn(to);
}

bool isCrash(QProcess::ExitStatus status, quint32 code)
{
    return status == QProcess::CrashExit || (code >= 0xE0000000u && code <= 0xEFFFFFFFu);
}

QString exitCodeText(quint32 code)
{
    const auto value = static_cast<qint32>(code);
    if (value > -0x10000 && value < 0x10000)
        return QString::number(value);
    return QStringLiteral("0x") + QString::number(code, 16).toUpper();
}
