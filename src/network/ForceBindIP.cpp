#include "Network.h"

#include "OsInterface.h"

#include <QFile>

#include <algorithm>

namespace {

// The program, then the library it injects.
QStringList pairFiles(Bitness bitness)
{
    if (bitness == Bitness::X64)
        return {QStringLiteral("ForceBindIP64.exe"), QStringLiteral("BindIP64.dll")};
    return {QStringLiteral("ForceBindIP.exe"), QStringLiteral("BindIP.dll")};
}

} // namespace

bool isForceBindIPIn(const QString& folder, Bitness bitness)
{
    return missingForceBindIPFile({folder}, bitness).isEmpty();
}

QString missingForceBindIPFile(const QStringList& folders, Bitness bitness)
{
    for (const QString& file : pairFiles(bitness)) {
        const auto holds = [&file](const QString& folder) { return QFile::exists(folder + file); };
        if (std::none_of(folders.begin(), folders.end(), holds))
            return file;
    }
    return QString();
}

QString forceBindIPProgram(const QString& systemDir, Bitness bitness)
{
    const QString program = pairFiles(bitness).first();
    return systemDir.isEmpty() ? program.chopped(4).toLower() : systemDir + program;
}

QString forceBindIPGamePath(const QString& gamePath, OsInterface& os)
{
    if (QString::fromLocal8Bit(gamePath.toLocal8Bit()) == gamePath)
        return gamePath;
    const QString shortForm = QString::fromStdU16String(os.shortPath(gamePath.toStdU16String()));
    const bool ascii = std::all_of(shortForm.begin(), shortForm.end(), [](QChar c) { return c.unicode() < 128; });
    return !shortForm.isEmpty() && ascii ? shortForm : gamePath;
}

bool copyForceBindIP(const QString& from, const QString& to, Bitness bitness)
{
    // QFile::copy fails on an existing target, which is left as it is.
    for (const QString& file : pairFiles(bitness))
        QFile::copy(from + file, to + file);
    // Installed means both files are in place, however they got there.
    return isForceBindIPIn(to, bitness);
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
