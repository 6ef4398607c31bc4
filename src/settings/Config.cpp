#include "MainWindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <array>

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

// The flag keys in the order the file lists them.
const QString FlagKeys[] = {QStringLiteral("FIREWALL_EXCEPTION"), QStringLiteral("COMPABILITY"),
                            QStringLiteral("PALETTE"), QStringLiteral("ADMINISTRATOR")};

std::array<std::int32_t*, 4> flagsOf(LaunchOptions& options)
{
    return {&options.firewallException, &options.compatibility, &options.paletteTricks,
            &options.runAsAdministrator};
}

// Where a key stands among the flag keys, or -1 for any other key.
int flagIndex(const QString& key)
{
    const auto* found = std::find(std::begin(FlagKeys), std::end(FlagKeys), key);
    return found == std::end(FlagKeys) ? -1 : static_cast<int>(found - std::begin(FlagKeys));
}

// The key and value a line holds, or an empty key when it holds none the
// launcher knows.
std::pair<QString, QString> parseLine(const QString& line)
{
    const QRegularExpressionMatch match = linePattern().match(line);
    if (match.hasMatch()) {
        const QString key = match.captured(1);
        if (key == PathKey)
            return {key, match.captured(2).trimmed()};
        if (flagIndex(key) >= 0)
            return {key, match.captured(2)};
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
        } else if (const int flag = flagIndex(key); flag >= 0) {
            bool ok = false;
            const int number = value.trimmed().toInt(&ok, 10);
            *flagsOf(options)[flag] = ok ? number : 0;
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
    const auto flags = flagsOf(options);
    for (std::size_t i = 0; i < flags.size(); ++i)
        content += FlagKeys[i].toLatin1() + '=' + QByteArray::number(*flags[i]) + '\n';

    // The old file is replaced only once the new one is whole.
    QSaveFile file(configPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // commit() does not notice a failed flush of the write buffer (a full
    // disk) and would put a cut-off file in place of the old one.
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
