#include "Settings.h"

#include "OsInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>

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

// A game path or a network's name may hold any character (brackets,
// hyphens, accents, a leading slash), so a PATH or NETWORK value runs to the
// end of its line, blanks around it aside.
const QRegularExpression& pathLinePattern()
{
    static const QRegularExpression pattern(QStringLiteral("(\\w+)\\s*=\\s*(.*?)\\s*\\n"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

const char* const PathKey = "PATH";
const char* const NetworkKey = "NETWORK";

// The flag keys in the order the file lists them.
const char* const FlagKeys[] = {"FIREWALL_EXCEPTION", "COMPABILITY", "PALETTE", "ADMINISTRATOR"};

// The four flags in the order the file lists them; const options give const flags.
template <typename Options> auto flagsOf(Options& options)
{
    return std::array{&options.firewallException, &options.compatibility, &options.paletteTricks,
                      &options.runAsAdministrator};
}

// Where a key stands among the flag keys, or -1 for any other key.
int flagIndex(const QStringRef& key)
{
    for (int i = 0; i < 4; ++i) {
        if (key == QLatin1String(FlagKeys[i]))
            return i;
    }
    return -1;
}

constexpr int PathLine = -1;
constexpr int NoKey = -2;
constexpr int NetworkLine = -3;

// Which known key a line holds (PathLine, NetworkLine, a flag's index, or
// NoKey) and its value.
std::pair<int, QString> parseLine(const QString& line)
{
    // A network's name is the whole rest of its line: another key and an
    // equals sign inside it set nothing.
    if (line.contains(QLatin1String(NetworkKey))) {
        const QRegularExpressionMatch network = pathLinePattern().match(line);
        if (network.hasMatch() && network.capturedRef(1) == QLatin1String(NetworkKey))
            return {NetworkLine, network.captured(2)};
    }
    const QRegularExpressionMatch match = linePattern().match(line);
    if (match.hasMatch()) {
        const QStringRef key = match.capturedRef(1);
        if (key == QLatin1String(PathKey))
            return {PathLine, match.capturedRef(2).trimmed().toString()};
        if (const int flag = flagIndex(key); flag >= 0)
            return {flag, match.captured(2)};
    }
    const QRegularExpressionMatch path = pathLinePattern().match(line);
    if (path.hasMatch() && path.capturedRef(1) == QLatin1String(PathKey))
        return {PathLine, path.captured(2)};
    return {NoKey, QString()};
}

// Whether a line names one of the keys at all: only such a line can set
// anything, so the patterns need not run on any other.
bool namesKey(const QByteArray& line)
{
    return line.contains(PathKey) || line.contains(NetworkKey)
           || std::any_of(std::begin(FlagKeys), std::end(FlagKeys), [&line](const char* key) { return line.contains(key); });
}

// The reader has always taken lines through a 1024-byte buffer.
constexpr int MaxPiece = 1023;

bool isOneLine(const QString& value)
{
    return !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')) && !value.contains(QChar(0));
}

bool fitsCodePage(const QString& value)
{
    return QString::fromLocal8Bit(value.toLocal8Bit()) == value;
}

// Only letters the system's 8-bit encoding lacks make a file UTF-8, so that
// a file stays what every earlier version wrote and reads.
bool needsUtf8(const QString& value)
{
    return isOneLine(value) && !fitsCodePage(value) && QString::fromUtf8(value.toUtf8()) == value;
}

// Earlier versions find a key anywhere in a line: a name holding an
// option's key and an equals sign would set that option there.
bool misreadEarlier(const QString& name)
{
    static const QRegularExpression key(
        QStringLiteral("\\b(PATH|FIREWALL_EXCEPTION|COMPABILITY|PALETTE|ADMINISTRATOR)\\s*="),
        QRegularExpression::UseUnicodePropertiesOption);
    return key.match(name).hasMatch();
}

// A value's bytes in the file, or none where it would not come back as it
// went: not as some other text the encoding made of it, not cut by a line
// break (which would write lines of its own), not in pieces longer than the
// reader takes. Windows' text mode ends the line in CR LF, two bytes of the
// piece; keyLength counts the key and its equals sign.
QByteArray storedValue(const QString& value, bool utf8, int keyLength)
{
    if (!isOneLine(value))
        return QByteArray();
    if (utf8)
        return QString::fromUtf8(value.toUtf8()) == value ? value.toUtf8() : QByteArray();
    const QByteArray bytes = value.toLocal8Bit();
    return fitsCodePage(value) && bytes.size() + keyLength + 2 <= MaxPiece ? bytes : QByteArray();
}

} // namespace

QString cleanGamePath(const QString& typed, OsInterface& os)
{
    // Explorer's "Copy as path" puts quotes around the path, and a pasted line
    // may bring a line break or blanks; no Windows path holds a quote or ends
    // in a blank.
    QString path = typed.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2).trimmed();
    // Too short to be a path: left for the path check to refuse.
    if (path.size() < 2)
        return path;
    // Windows drops a name's trailing dots and blanks and resolves "C:game"
    // and "\game" against the current folders: its own full path is the name
    // the layers and the firewall rule must carry. It keeps UNC and "\\?\"
    // paths whole.
    const std::u16string full = os.fullPath(path.toStdU16String());
    if (!full.empty())
        return plainPath(QString::fromStdU16String(full));
    return QDir::toNativeSeparators(QDir::cleanPath(QDir().absoluteFilePath(path)));
}

QString plainPath(const QString& path)
{
    // The layers and the firewall find a program by its plain path, so a
    // "\\?\" path must become one wherever Windows would read that as the
    // same file; where it would not, the path stays as typed.
    const QString prefix = QStringLiteral("\\\\?\\");
    const QString unc = QStringLiteral("UNC\\");
    QString plain;
    if (!path.startsWith(prefix))
        return path;
    if (path.midRef(prefix.size(), unc.size()).compare(unc, Qt::CaseInsensitive) == 0)
        plain = QStringLiteral("\\\\") + path.mid(prefix.size() + unc.size());
    else if (path.size() > prefix.size() + 2 && path.at(prefix.size()).isLetter()
             && path.at(prefix.size()).unicode() < 128 && path.midRef(prefix.size() + 1, 2) == QLatin1String(":\\"))
        plain = path.mid(prefix.size());
    else
        return path;
    // Normalising would drop a trailing dot or blank, fold "." and "..",
    // merge doubled separators and read "/" as one, and a device name
    // anywhere names the device.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)[0-9\u00b9\u00b2\u00b3]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList names = plain.split(QLatin1Char('\\'));
    const int first = plain.startsWith(QLatin1String("\\\\")) ? 2 : 1; // after "\\" or "C:"
    if (plain.size() >= 260 || plain.contains(QLatin1Char('/'))
        || (first == 2 && (names.size() < 4 || names[2].isEmpty() || names[3].isEmpty())))
        return path;
    for (int i = first; i < names.size(); ++i) {
        const QString& name = names[i];
        if ((name.isEmpty() && i + 1 < names.size()) || name.endsWith(QLatin1Char('.'))
            || name.endsWith(QLatin1Char(' ')) || device.match(name).hasMatch())
            return path;
    }
    return plain;
}

namespace {

// The entry of folder named name in any letter case, joined to it; empty when none.
QString entryIn(const QString& folder, const QString& name, QDir::Filters kind)
{
    if (folder.isEmpty())
        return QString();
    // Name filters ignore letter case unless told otherwise.
    const QStringList found = QDir(folder).entryList({name}, kind | QDir::Hidden);
    if (found.isEmpty())
        return QString();
    const QString separator = QDir::separator();
    return folder + (folder.endsWith(separator) ? QString() : separator) + found.first();
}

} // namespace

QString gameFile(const QString& path, bool windows64)
{
    if (!QFileInfo(path).isDir())
        return path;
    QStringList folders{path};
    if (windows64)
        folders << entryIn(path, QStringLiteral("x86_64"), QDir::Dirs);
    folders << entryIn(path, QStringLiteral("x86"), QDir::Dirs);
    for (const QString& folder : folders) {
        const QString game = entryIn(folder, QStringLiteral("starcraft.exe"), QDir::Files);
        if (!game.isEmpty())
            return game;
    }
    return path;
}

bool isValidPath(const QString& path)
{
    return path.length() >= 2 && QFile::exists(path);
}

void readConfig(const QByteArray& bytes, QString& gamePath, LaunchOptions& options, QString& network,
                const std::function<bool(const QString&)>& pathUsable)
{
    const auto apply = [&](const QString& line) {
        const auto [key, value] = parseLine(line);
        if (key == PathLine) {
            if (pathUsable(value))
                gamePath = value;
        } else if (key == NetworkLine) {
            network = value;
        } else if (key != NoKey) {
            bool ok = false;
            const int number = QStringRef(&value).trimmed().toInt(&ok, 10);
            *flagsOf(options)[std::size_t(key)] = ok ? number : 0;
        }
    };
    // Notepad saves "Unicode" and UTF-8 with a byte-order mark; such a file
    // is read as the text it says it is, line by line.
    if (const QTextCodec* codec = QTextCodec::codecForUtfText(bytes, nullptr)) {
        for (const QString& line : codec->toUnicode(bytes).split(QLatin1Char('\n'))) {
            if (!line.contains(QChar(0)))
                apply(line + QLatin1Char('\n'));
        }
        return;
    }
    // Notepad ends the last line without a line break; it is a line all the same.
    const QByteArray data = bytes.isEmpty() || bytes.endsWith('\n') ? bytes : bytes + '\n';
    for (int start = 0; start < data.size();) {
        // A longer line arrives in pieces of at most 1023 bytes, each read as a line.
        const int available = std::min(MaxPiece, data.size() - start);
        const char* piece = data.constData() + start;
        const void* newline = std::memchr(piece, '\n', static_cast<std::size_t>(available));
        const int length = newline ? static_cast<int>(static_cast<const char*>(newline) - piece) + 1 : available;
        start += length;
        // A line is C text: it ends at its first zero byte.
        const int text = static_cast<int>(qstrnlen(piece, uint(length)));
        // Every line the patterns match ends in a line feed, and a line that
        // sets something names its key.
        if (text == 0 || piece[text - 1] != '\n' || !namesKey(QByteArray::fromRawData(piece, text)))
            continue;
        apply(QString::fromLocal8Bit(piece, text));
    }
}

QByteArray writeConfig(const QString& gamePath, const LaunchOptions& options, const QString& network)
{
    // The reader drops blanks around a name, so a name with them would come back as another.
    const QString name = network.trimmed() == network && !misreadEarlier(network) ? network : QString();
    const bool utf8 = needsUtf8(gamePath) || needsUtf8(name);
    const QByteArray path = storedValue(gamePath, utf8, int(std::strlen(PathKey)) + 1);
    const QByteArray networkName = storedValue(name, utf8, int(std::strlen(NetworkKey)) + 1);
    QByteArray content;
    content.reserve(path.size() + networkName.size() + 110);
    if (utf8)
        content.append("\xef\xbb\xbf");
    content.append(PathKey).append('=').append(path).append('\n');
    const auto flags = flagsOf(options);
    for (std::size_t i = 0; i < flags.size(); ++i)
        content.append(FlagKeys[i]).append('=').append(QByteArray::number(*flags[i])).append('\n');
    // Nothing kept, nothing written: a Hamachi launch writes the five lines of old.
    if (!networkName.isEmpty())
        content.append(NetworkKey).append('=').append(networkName).append('\n');
    return content;
}

bool readTextFile(const QString& fileName, QByteArray& bytes)
{
    QFile file(fileName);
    // As bytes: text mode would drop carriage-return bytes out of UTF-16 text.
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
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
