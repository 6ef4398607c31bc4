#include "MainWindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A settings line: key, equals sign, value, found anywhere in the line.
const QRegularExpression& linePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("\\s*(\\w+)\\s*=\\s*([A-Za-z0-9][A-Za-z0-9\\s_/\\.:\\\\]*)\\s*\\n"),
        QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// A game path may hold any character (brackets, hyphens, accents, a leading
// slash), so a PATH value runs to the end of its line, blanks around it aside.
const QRegularExpression& pathLinePattern()
{
    static const QRegularExpression pattern(QStringLiteral("(\\w+)\\s*=\\s*(.*?)\\s*\\n"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

const QString PathKey = QStringLiteral("PATH");

std::int32_t* flagFor(LaunchOptions& options, const QString& key)
{
    if (key == QLatin1String("FIREWALL_EXCEPTION"))
        return &options.firewallException;
    if (key == QLatin1String("COMPABILITY"))
        return &options.compatibility;
    if (key == QLatin1String("PALETTE"))
        return &options.paletteTricks;
    if (key == QLatin1String("ADMINISTRATOR"))
        return &options.runAsAdministrator;
    return nullptr;
}

// The key and value a line holds, or an empty key when it holds none.
std::pair<QString, QString> parseLine(const QString& line)
{
    const QRegularExpressionMatch match = linePattern().match(line);
    if (match.hasMatch()) {
        const QString key = match.captured(1);
        return {key, key == PathKey ? match.captured(2).trimmed() : match.captured(2)};
    }
    const QRegularExpressionMatch path = pathLinePattern().match(line);
    if (path.hasMatch() && path.captured(1) == PathKey)
        return {PathKey, path.captured(2)};
    return {};
}

} // namespace

bool MainWindow::loadConfig()
{
    options = LaunchOptions{1, 1, 1, 1};

    QFile file(configPath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;

    char buffer[1024];
    while (!file.atEnd()) {
        // A longer line arrives in pieces of at most 1023 bytes, each read as a line.
        const qint64 length = file.readLine(buffer, sizeof buffer);
        if (length < 0)
            break;
        // A line is C text: it ends at its first zero byte.
        const QString line = QString::fromLatin1(buffer, static_cast<int>(qstrnlen(buffer, length)));
        const auto [key, value] = parseLine(line);
        if (key == PathKey) {
            if (isValidPath(value))
                gamePath = value;
        } else if (std::int32_t* flag = flagFor(options, key)) {
            bool ok = false;
            const int number = value.trimmed().toInt(&ok, 10);
            *flag = ok ? number : 0;
        }
    }
    return true;
}

bool MainWindow::saveConfig()
{
    // Latin-1 is the file's format; a path it cannot hold is left out rather
    // than written as some other path that the next start would take.
    const QString storedPath = QString::fromLatin1(gamePath.toLatin1()) == gamePath ? gamePath : QString();
    QByteArray content = "PATH=" + storedPath.toLatin1() + '\n';
    content += "FIREWALL_EXCEPTION=" + QByteArray::number(options.firewallException) + '\n';
    content += "COMPABILITY=" + QByteArray::number(options.compatibility) + '\n';
    content += "PALETTE=" + QByteArray::number(options.paletteTricks) + '\n';
    content += "ADMINISTRATOR=" + QByteArray::number(options.runAsAdministrator) + '\n';

    // The old file is replaced only once the new one is whole.
    QSaveFile file(configPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
