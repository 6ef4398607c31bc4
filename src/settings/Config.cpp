#include "Settings.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstring>

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

// The reader has always taken lines through a 1024-byte buffer.
constexpr int MaxPiece = 1023;

} // namespace

bool isValidPath(const QString& path)
{
    return path.length() >= 2 && QFile::exists(path);
}

void readConfig(const QByteArray& bytes, QString& gamePath, LaunchOptions& options,
                const std::function<bool(const QString&)>& pathUsable)
{
    for (int start = 0; start < bytes.size();) {
        // A longer line arrives in pieces of at most 1023 bytes, each read as a line.
        const int available = std::min(MaxPiece, bytes.size() - start);
        const char* piece = bytes.constData() + start;
        const void* newline = std::memchr(piece, '\n', static_cast<std::size_t>(available));
        const int length = newline ? static_cast<int>(static_cast<const char*>(newline) - piece) + 1 : available;
        start += length;
        // A line is C text: it ends at its first zero byte.
        const int text = static_cast<int>(qstrnlen(piece, uint(length)));
        // Every line the patterns match holds an equals sign and ends in a line feed.
        if (text == 0 || piece[text - 1] != '\n' || !std::memchr(piece, '=', std::size_t(text)))
            continue;
        const QString line = QString::fromLocal8Bit(piece, text);
        const auto [key, value] = parseLine(line);
        if (key == PathKey) {
            if (pathUsable(value))
                gamePath = value;
        } else if (const int flag = flagIndex(key); flag >= 0) {
            bool ok = false;
            const int number = value.trimmed().toInt(&ok, 10);
            *flagsOf(options)[flag] = ok ? number : 0;
        }
    }
}

QByteArray writeConfig(const QString& gamePath, const LaunchOptions& options)
{
    // A path must come back as it went: not as some other path the encoding
    // made of it, not cut by a line break (which would write lines of its
    // own), not in pieces longer than the reader takes.
    const QByteArray path = gamePath.toLocal8Bit();
    const bool comesBack = QString::fromLocal8Bit(path) == gamePath && path.size() + 6 <= MaxPiece
                           && !path.contains('\n') && !path.contains('\r') && !path.contains('\0');
    QByteArray content = "PATH=" + (comesBack ? path : QByteArray()) + '\n';
    LaunchOptions flags = options;
    for (int i = 0; i < 4; ++i)
        content += FlagKeys[i].toLatin1() + '=' + QByteArray::number(*flagsOf(flags)[std::size_t(i)]) + '\n';
    return content;
}

bool readTextFile(const QString& fileName, QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bytes = file.readAll();
    return true;
}

bool replaceTextFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // commit() does not notice a failed flush of the write buffer (a full
    // disk) and would put a cut-off file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
