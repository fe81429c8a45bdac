#include "platform/RegistrySettingsFile.h"

#include <algorithm>
#include <cstring>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isSpace(char c)
{
    return isBlank(c) || c == '\n' || c == '\r';
}

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

QByteArray hex(uint code, int width)
{
    return QByteArray::number(code, 16).toUpper().rightJustified(width, '0');
}

// Finds the next line at or after `position`. A line ends at a line break or a ';' outside
// double quotes, a backslash carries the character after it (a line break, too), and a line
// that starts with ';' is a comment. Returns false at the end of the text.
bool nextLine(const QByteArray &text, int &position, int &start, int &end, int &equals)
{
    const int size = text.size();
    bool inQuotes = false;
    equals = -1;
    start = position;
    while (start < size && isSpace(text[start]))
        ++start;
    int i = start;
    while (i < size) {
        const char c = text[i++];
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = text[i++];
                if (i < size && (escaped == '\n' || escaped == '\r')
                    && (text[i] == '\n' || text[i] == '\r') && text[i] != escaped)
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && text[i] != '\n' && text[i] != '\r')
                    ++i;
                while (i < size && isSpace(text[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    position = end = i;
    return end > start;
}

// "\" separates groups; "%XX" and "%UXXXX" stand for any other character.
QString unescapeName(const QByteArray &name)
{
    QString result;
    int i = 0;
    while (i < name.size()) {
        const char c = name[i];
        if (c == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < name.size()) {
            const bool wide = name[i + 1] == 'U';
            const int first = i + (wide ? 2 : 1);
            const int digits = wide ? 4 : 2;
            bool ok = false;
            const int code =
                    first + digits <= name.size() ? name.mid(first, digits).toInt(&ok, 16) : 0;
            if (ok) {
                result += QChar(code);
                i = first + digits;
                continue;
            }
        }
        result += QLatin1Char(c);
        ++i;
    }
    return result;
}

QByteArray escapeName(const QString &name)
{
    QByteArray result;
    for (const QChar character : name) {
        const ushort c = character.unicode();
        if (c == '/')
            result += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                 || c == '_' || c == '-' || c == '.')
            result += char(c);
        else if (c <= 0xFF)
            result += '%' + hex(c, 2);
        else
            result += "%U" + hex(c, 4);
    }
    return result;
}

QByteArray sectionHeader(const QString &section)
{
    if (section.isEmpty())
        return "[General]";
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%General]";
    return '[' + escapeName(section) + ']';
}

QString sectionName(const QByteArray &header)
{
    const int close = header.indexOf(']');
    const QByteArray name = header.mid(1, close < 0 ? -1 : close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1));
    return unescapeName(name);
}

// Text typed in a UTF-8 editor comes back as typed; other bytes stand for themselves.
QString decode(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    return text.toUtf8() == bytes ? text : QString::fromLatin1(bytes);
}

// Reads the escape whose letter is at `i` into `result`; returns the position after it.
// Unknown escapes drop their letter.
int readEscape(const QByteArray &text, int i, QString &result)
{
    static const char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                       {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                       {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char letter = text[i++];
    for (const auto &escape : kEscapes) {
        if (letter == escape[0]) {
            result += QLatin1Char(escape[1]);
            return i;
        }
    }
    if (letter == 'x' || digitValue(letter, 8) >= 0) {
        const int base = letter == 'x' ? 16 : 8;
        uint code = letter == 'x' ? 0 : uint(letter - '0');
        bool any = letter != 'x';
        for (; i < text.size() && digitValue(text[i], base) >= 0; ++i, any = true)
            code = code * base + uint(digitValue(text[i], base));
        if (any)
            result += QChar(ushort(code));
    } else if ((letter == '\n' || letter == '\r') && i < text.size()
               && (text[i] == '\n' || text[i] == '\r') && text[i] != letter) {
        ++i;
    }
    return i;
}

// The text of a value: leading blanks skipped, trailing blanks dropped unless quoted, double
// quotes removed, escapes read. A comma is text like any other character.
QString unescapeValue(const QByteArray &text)
{
    QString result;
    bool inQuotes = false;
    bool quoted = false;
    int keep = 0; // blanks before this length are never trimmed
    int i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        keep = result.size();
    };
    skipBlanks();
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (text[i] == '\\') {
            if (++i < text.size())
                i = readEscape(text, i, result);
            keep = result.size();
        } else {
            int runEnd = i + 1;
            while (runEnd < text.size() && text[runEnd] != '\\' && text[runEnd] != '"')
                ++runEnd;
            result += decode(text.mid(i, runEnd - i));
            i = runEnd;
        }
    }
    if (!quoted) {
        int size = result.size();
        while (size > keep
               && (result[size - 1] == QLatin1Char(' ') || result[size - 1] == QLatin1Char('\t')))
            --size;
        result.truncate(size);
    }
    return result;
}

QByteArray escapeValue(const QString &text)
{
    QByteArray result;
    bool needsQuotes = false;
    bool escapeHexDigit = false; // after "\x..." a hex digit would join the number
    for (const QChar character : text) {
        const ushort c = character.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeHexDigit && c < 0x80 && digitValue(char(c), 16) >= 0) {
            result += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        static const char kEscaped[] = "\a\b\f\n\r\t\v";
        static const char kLetters[] = "abfnrtv";
        const char *escaped = c != 0 && c < 0x80 ? strchr(kEscaped, char(c)) : nullptr;
        if (c == 0) {
            result += "\\0";
            escapeHexDigit = true;
        } else if (escaped) {
            result += '\\';
            result += kLetters[escaped - kEscaped];
        } else if (c == '"' || c == '\\') {
            result += '\\';
            result += char(c);
        } else if (c <= 0x1F || c >= 0x7F) {
            result += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else {
            result += char(c);
        }
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

// "@" starts a typed value; "@@" is a text that starts with "@".
QVariant valueOfText(const QString &text)
{
    if (text == QLatin1String("@Invalid()"))
        return QVariant();
    return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
}

QString textOfValue(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("@Invalid()");
    const QString text = value.toString();
    return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
}

QString joinKey(const QString &section, const QString &name)
{
    return section.isEmpty() ? name : section + QLatin1Char('/') + name;
}

} // namespace

QString RegistrySettingsFile::normalizedKey(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

RegistrySettingsFile RegistrySettingsFile::parse(const QByteArray &text)
{
    RegistrySettingsFile file;
    QString section;
    int position = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int start = 0;
    int end = 0;
    int equals = 0;
    while (nextLine(text, position, start, end, equals)) {
        Line line;
        line.text = text.mid(start, end - start);
        if (text[start] == '[') {
            section = sectionName(line.text);
            line.isSection = true;
            line.section = section;
            file.lines_.push_back(line);
            continue;
        }
        if (equals < 0)
            continue; // neither a section nor a value: dropped, as it always was
        int nameEnd = equals;
        while (nameEnd > start && isBlank(text[nameEnd - 1]))
            --nameEnd;
        line.section = section;
        line.key = normalizedKey(joinKey(section, unescapeName(text.mid(start, nameEnd - start))));
        line.value = valueOfText(unescapeValue(text.mid(equals + 1, end - equals - 1)));
        if (!line.key.isEmpty())
            file.lines_.push_back(line);
    }
    return file;
}

// Sections left without values are not written.
QByteArray RegistrySettingsFile::text() const
{
    QByteArray result;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].isSection) {
            if (i + 1 == lines_.size() || lines_[i + 1].isSection)
                continue;
            if (!result.isEmpty())
                result += '\n';
        }
        result += lines_[i].text;
        result += '\n';
    }
    return result;
}

QVariant RegistrySettingsFile::value(const QString &key) const
{
    const int at = lastEntryOf(normalizedKey(key));
    return at < 0 ? QVariant() : lines_[at].value;
}

void RegistrySettingsFile::setValue(const QString &key, const QVariant &value)
{
    const QString normalized = normalizedKey(key);
    if (normalized.isEmpty())
        return;
    int at = lastEntryOf(normalized);
    if (at < 0) {
        Line line;
        line.section =
                normalized.contains(QLatin1Char('/')) ? normalized.section('/', 0, 0) : QString();
        line.key = normalized;
        at = insertionPointFor(line.section);
        lines_.insert(lines_.begin() + at, line);
    }
    Line &line = lines_[at];
    line.value = value.isValid() ? QVariant(value.toString()) : QVariant();
    line.text = entryText(line);
}

void RegistrySettingsFile::remove(const QString &key)
{
    const QString normalized = normalizedKey(key);
    const QString group = normalized + QLatin1Char('/');
    const auto removed = [&](const Line &line) {
        return !line.isSection
                && (normalized.isEmpty() || line.key == normalized || line.key.startsWith(group));
    };
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(), removed), lines_.end());
}

QStringList RegistrySettingsFile::keys() const
{
    QStringList result;
    for (const Line &line : lines_) {
        if (!line.isSection)
            result << line.key;
    }
    return result;
}

QByteArray RegistrySettingsFile::entryText(const Line &line)
{
    const QString name = line.section.isEmpty() ? line.key : line.key.mid(line.section.size() + 1);
    return escapeName(name) + '=' + escapeValue(textOfValue(line.value));
}

int RegistrySettingsFile::lastEntryOf(const QString &key) const
{
    for (int i = int(lines_.size()) - 1; i >= 0; --i) {
        if (!lines_[i].isSection && lines_[i].key == key)
            return i;
    }
    return -1;
}

// After the last line of the section; a section the file lacks is added at its end.
int RegistrySettingsFile::insertionPointFor(const QString &section)
{
    for (int i = int(lines_.size()) - 1; i >= 0; --i) {
        if (lines_[i].section == section)
            return i + 1;
    }
    Line header;
    header.isSection = true;
    header.section = section;
    header.text = sectionHeader(section);
    lines_.push_back(header);
    return int(lines_.size());
}
