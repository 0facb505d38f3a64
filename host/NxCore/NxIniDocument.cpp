#include "NxIniDocument.h"

#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace
{
const char HexDigits[] = "0123456789ABCDEF";

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

bool isSpecial(char ch)
{
    return ch == '\n' || ch == '\r' || ch == '"' || ch == ';' || ch == '=' || ch == '\\';
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// One logical line: a quoted value and a backslash carry it past line
// breaks; ';' outside quotes ends it, and a line that starts with ';' is
// skipped whole.
bool readLine(const QByteArray& data, int& pos, int& lineStart, int& lineLength, int& equalsPos)
{
    const int size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data.at(lineStart)))
        ++lineStart;
    int i = lineStart;
    while (i < size) {
        const char ch = data.at(i++);
        if (!isSpecial(ch))
            continue;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size && ((next == '\n' && data.at(i) == '\r') || (next == '\r' && data.at(i) == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (i == lineStart + 1) { // ';' opening the line
            while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                ++i;
            lineStart = i;
        } else if (!inQuotes) {
            --i;
            break;
        }
    }
    pos = i;
    lineLength = i - lineStart;
    return lineLength > 0;
}

// Keys and section names: '\' stands for '/', %XX and %UXXXX for other characters.
QString unescapedKey(const QByteArray& data, int from, int to)
{
    QString result;
    int i = from;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        const int digitsAt = i + 1 < to && data.at(i + 1) == 'U' ? i + 2 : i + 1;
        const int digits = digitsAt == i + 2 ? 4 : 2;
        bool ok = false;
        const int code = ch == '%' && i != to - 1 && digitsAt + digits <= to
            ? data.mid(digitsAt, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            result += QLatin1Char(ch);
            ++i;
            continue;
        }
        result += QChar(ushort(code));
        i = digitsAt + digits;
    }
    return result;
}

QByteArray escapedKey(const QString& key)
{
    QByteArray result;
    for (const QChar qch : key) {
        uint ch = qch.unicode();
        if (ch == '/') {
            result += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += HexDigits[ch / 16];
            result += HexDigits[ch % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += HexDigits[(ch >> shift) & 0xF];
        }
    }
    return result;
}

void chopTrailingSpaces(QString& text, int limit)
{
    while (text.size() > limit && (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t'))))
        text.chop(1);
}

// A value: escapes, quotes, and commas outside quotes that make it a list.
// Answers whether it is a list (then in `list`, else in `text`).
bool unescapedValue(const QByteArray& data, int from, int to, QString& text, QStringList& list)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'}, {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
    bool isList = false, inQuotes = false, quoted = false, chop = true;
    int i = from;
    const auto skipSpaces = [&] {
        while (i < to && (data.at(i) == ' ' || data.at(i) == '\t'))
            ++i;
    };
    // A number escape runs over every digit of its base that follows.
    const auto number = [&](int base, int value) {
        while (i < to && hexValue(data.at(i)) >= 0 && hexValue(data.at(i)) < base)
            value = (value * base + hexValue(data.at(i++))) & 0xFFFF;
        text += QChar(ushort(value));
    };
    skipSpaces();
    int chopLimit = 0;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            if (++i >= to) {
                chop = false;
                break;
            }
            const char code = data.at(i++);
            const auto known = std::find_if(std::begin(escapes), std::end(escapes), [code](const char* e) { return e[0] == code; });
            if (known != std::end(escapes)) {
                text += QLatin1Char((*known)[1]);
            } else if ((code == 'x' && i < to && hexValue(data.at(i)) >= 0) || (code >= '0' && code <= '7')) {
                number(code == 'x' ? 16 : 8, code == 'x' ? 0 : code - '0');
                if (i >= to) {
                    chop = false;
                    break;
                }
            } else if (code == 'x' && i >= to) {
                chop = false;
                break;
            } else if ((code == '\n' || code == '\r') && i < to && (data.at(i) == '\n' || data.at(i) == '\r')
                       && data.at(i) != code) {
                ++i; // a line continued with \ and a two-character line break
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(text, chopLimit);
            if (!isList)
                list.clear();
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
                ++j;
            text += QString::fromUtf8(data.constData() + i, j - i);
            i = j;
        }
    }
    if (chop && !quoted)
        chopTrailingSpaces(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

QStringList splitArguments(const QString& text, int open)
{
    return text.mid(open + 1, text.size() - open - 2).split(QLatin1Char(' '));
}

QVariant fromDataStream(const QString& bytes, QDataStream::Version version)
{
    QByteArray data = bytes.toLatin1();
    QDataStream stream(&data, QIODevice::ReadOnly);
    stream.setVersion(version);
    QVariant result;
    stream >> result;
    return result;
}

// QSettings' typed forms: "@ByteArray(...)", "@Variant(...)", "@Rect(x y w h)"
// and the like; "@@" starts a plain text that starts with "@".
QVariant variantOf(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        const auto is = [&text](const char* prefix) { return text.startsWith(QLatin1String(prefix)); };
        if (is("@ByteArray("))
            return text.midRef(11, text.size() - 12).toLatin1();
        if (is("@String("))
            return text.mid(8, text.size() - 9);
        if (is("@Variant("))
            return fromDataStream(text.mid(9), QDataStream::Qt_4_0);
        if (is("@DateTime("))
            return fromDataStream(text.mid(10), QDataStream::Qt_5_6);
        const QStringList args = splitArguments(text, text.indexOf(QLatin1Char('(')));
        if (is("@Rect(") && args.size() == 4)
            return QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt());
        if ((is("@Size(") || is("@Point(")) && args.size() == 2)
            return is("@Size(") ? QVariant(QSize(args[0].toInt(), args[1].toInt()))
                                : QVariant(QPoint(args[0].toInt(), args[1].toInt()));
        if (text == QLatin1String("@Invalid()"))
            return QVariant();
    }
    return text.startsWith(QLatin1String("@@")) ? QVariant(text.mid(1)) : QVariant(text);
}

QVariant variantOfList(const QStringList& texts)
{
    QStringList plain = texts;
    for (QString& text : plain) {
        if (!text.startsWith(QLatin1Char('@')))
            continue;
        if (!text.startsWith(QLatin1String("@@"))) {
            QVariantList variants;
            for (const QString& each : texts)
                variants.append(variantOf(each));
            return variants;
        }
        text.remove(0, 1);
    }
    return plain;
}

QString textOf(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double: {
        const QString text = value.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    }
    default:
        break;
    }
    const bool dateTime = value.userType() == QMetaType::QDateTime;
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << value;
    }
    return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes.constData(), bytes.size())
           + QLatin1Char(')');
}

void appendEscaped(const QString& text, QByteArray& out)
{
    // Binary forms keep every character below 256 as one escaped byte.
    const bool utf8 = !text.startsWith(QLatin1String("@ByteArray(")) && !text.startsWith(QLatin1String("@Variant("));
    const int start = out.size();
    bool needsQuotes = false, escapeNextIfHex = false;
    for (int i = 0; i < text.size(); ++i) {
        const uint ch = text.at(i).unicode();
        needsQuotes = needsQuotes || ch == ';' || ch == ',' || ch == '=';
        // "\x4" followed by "1" would read as "\x41".
        if (escapeNextIfHex && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        static const char named[] = "\a\b\f\n\r\t\v";
        static const char names[] = "abfnrtv";
        if (ch != 0 && ch < 0x80 && std::strchr(named, int(ch))) {
            out += '\\';
            out += names[std::strchr(named, int(ch)) - named];
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += char(ch);
        } else if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
            out += "\\x" + QByteArray::number(ch, 16);
            escapeNextIfHex = true;
        } else if (ch >= 0x80) {
            // A surrogate pair is one character of four UTF-8 bytes.
            const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
            out += text.midRef(i, length).toUtf8();
            i += length - 1;
        } else {
            out += char(ch);
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QByteArray escapedValue(const QVariant& value)
{
    QByteArray out;
    const bool list = value.userType() == QMetaType::QStringList
                      || (value.userType() == QMetaType::QVariantList && value.toList().size() != 1);
    if (!list) {
        appendEscaped(textOf(value), out);
        return out;
    }
    const QVariantList items = value.toList();
    if (items.isEmpty())
        return "@Invalid()";
    for (int i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
        appendEscaped(textOf(items[i]), out);
    }
    return out;
}

QString flatKey(const QString& section, const QString& key)
{
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}
}

NxIniDocument NxIniDocument::parse(const QByteArray& data)
{
    NxIniDocument document;
    int pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int lineStart = 0, lineLength = 0, equalsPos = -1;
    QString section; // "" for [General], else the name and a '/'
    while (readLine(data, pos, lineStart, lineLength, equalsPos)) {
        if (data.at(lineStart) == '[') {
            const int close = data.indexOf(']', lineStart);
            const int end = close == -1 || close >= lineStart + lineLength ? lineStart + lineLength : close;
            const QByteArray name = data.mid(lineStart + 1, end - lineStart - 1).trimmed();
            if (qstricmp(name.constData(), "general") == 0)
                section.clear();
            else if (qstricmp(name.constData(), "%general") == 0)
                section = QString::fromLatin1(name.constData() + 1) + QLatin1Char('/');
            else
                section = unescapedKey(name, 0, name.size()) + QLatin1Char('/');
            continue;
        }
        if (equalsPos == -1)
            continue;
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (data.at(keyEnd - 1) == ' ' || data.at(keyEnd - 1) == '\t'))
            --keyEnd;
        QString text;
        QStringList list;
        const QVariant value = unescapedValue(data, equalsPos + 1, lineStart + lineLength, text, list)
            ? variantOfList(list) : variantOf(text);
        const QString key = section + unescapedKey(data, lineStart, keyEnd);
        const auto found = std::find_if(document.m_values.begin(), document.m_values.end(),
                                        [&key](const QPair<QString, QVariant>& entry) { return entry.first == key; });
        if (found != document.m_values.end())
            found->second = value; // the last of a repeated key counts
        else
            document.m_values.append({key, value});
    }
    return document;
}

QByteArray NxIniDocument::serialize() const
{
    // Sections in the order they first appear; "a/b/c" is key "b/c" of [a].
    QVector<QPair<QString, QByteArray>> sections;
    for (const auto& [key, value] : m_values) {
        const int slash = key.indexOf(QLatin1Char('/'));
        const QString section = slash == -1 ? QString() : key.left(slash);
        auto found = std::find_if(sections.begin(), sections.end(),
                                  [&section](const QPair<QString, QByteArray>& s) { return s.first == section; });
        if (found == sections.end())
            found = sections.insert(sections.end(), {section, QByteArray()});
        found->second += escapedKey(key.mid(slash + 1)) + '=' + escapedValue(value) + '\n';
    }
    QByteArray out;
    for (const auto& [section, lines] : sections) {
        const QByteArray name = escapedKey(section);
        if (!out.isEmpty())
            out += '\n';
        out += name.isEmpty() ? QByteArray("[General]")
               : qstricmp(name.constData(), "general") == 0 ? QByteArray("[%General]") : '[' + name + ']';
        out += '\n' + lines;
    }
    return out;
}

QVariant NxIniDocument::value(const QString& section, const QString& key) const
{
    const QString flat = flatKey(section, key);
    for (const auto& [name, value] : m_values) {
        if (name == flat)
            return value;
    }
    return QVariant();
}

void NxIniDocument::setValue(const QString& section, const QString& key, const QVariant& value)
{
    const QString flat = flatKey(section, key);
    for (auto& [name, stored] : m_values) {
        if (name == flat) {
            if (stored.userType() == value.userType() && stored == value)
                return;
            stored = value;
            m_changed = true;
            return;
        }
    }
    m_values.append({flat, value});
    m_changed = true;
}
