#include "NxIniDocument.h"

#include <QStringList>

#include <algorithm>
#include <cctype>

namespace
{
const QString InvalidValue = QStringLiteral("@Invalid()");
// Bytes (a window's saved geometry) are kept one character a byte.
const QString ByteArrayOpening = QStringLiteral("@ByteArray(");
const QString GeneralSection = QStringLiteral("General");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

void skipToLineEnd(const QString& text, int& pos)
{
    while (pos < text.size() && !isLineEnd(text.at(pos)))
        ++pos;
}

// Digits of `base` from `pos` on, at most `most` of them, as one character.
QChar numberedCharacter(const QString& text, int& pos, int base, int most)
{
    uint code = 0;
    for (int count = 0; count < most && pos < text.size(); ++count, ++pos) {
        const int digit = QString(text.at(pos)).toInt(nullptr, base);
        if (digit == 0 && text.at(pos) != QLatin1Char('0'))
            break;
        code = code * uint(base) + uint(digit);
    }
    return QChar(ushort(code));
}

// The character after a backslash, at `pos`. A backslash at a line's end
// carries the value on to the next line.
void appendEscaped(const QString& text, int& pos, QString& out)
{
    if (pos >= text.size())
        return;
    const QChar c = text.at(pos++);
    static const QString named = QStringLiteral("abfnrtv");
    static const QString meant = QStringLiteral("\a\b\f\n\r\t\v");
    if (isLineEnd(c)) {
        if (pos < text.size() && isLineEnd(text.at(pos)) && text.at(pos) != c)
            ++pos;
    } else if (named.contains(c)) {
        out += meant.at(named.indexOf(c));
    } else if (c == QLatin1Char('x')) {
        out += numberedCharacter(text, pos, 16, 4);
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('7')) {
        --pos;
        out += numberedCharacter(text, pos, 8, 3);
    } else if (QStringLiteral("\"'?\\;,").contains(c)) {
        out += c;
    } // any other escape stands for nothing
}

QVariant scalarOf(const QString& text)
{
    if (text == InvalidValue)
        return QVariant();
    if (text.startsWith(ByteArrayOpening) && text.endsWith(QLatin1Char(')')))
        return text.mid(ByteArrayOpening.size(), text.size() - ByteArrayOpening.size() - 1).toLatin1();
    return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
}

// The value from `pos` to the end of its line or an unquoted ';'. Unquoted
// commas part a list; blanks around its items are not part of them.
QVariant readValue(const QString& text, int& pos)
{
    QStringList items;
    QString item;
    int kept = 0; // the item's length without trailing unquoted blanks
    bool quoted = false, list = false;
    while (pos < text.size()) {
        const QChar c = text.at(pos++);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char('\\')) {
            appendEscaped(text, pos, item);
        } else if (quoted) {
            item += c;
        } else if (isLineEnd(c)) {
            --pos;
            break;
        } else if (c == QLatin1Char(';')) {
            skipToLineEnd(text, pos);
            break;
        } else if (c == QLatin1Char(',')) {
            list = true;
            items << item.left(kept);
            item.clear();
        } else if (isBlank(c)) {
            if (!item.isEmpty())
                item += c;
            continue;
        } else {
            item += c;
        }
        kept = item.size();
    }
    items << item.left(kept);
    if (!list)
        return scalarOf(items.first());
    for (QString& each : items) {
        if (each.startsWith(QLatin1String("@@")))
            each.remove(0, 1);
    }
    return items;
}

// Keys and section names: '\' stands for '/', %XX and %UXXXX for a character.
QString keyFromFile(const QString& text)
{
    QString key;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            key += QLatin1Char('/');
            continue;
        }
        if (c == QLatin1Char('%')) {
            const bool wide = text.midRef(i + 1, 1) == QLatin1String("U");
            const int digitsAt = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code = text.midRef(digitsAt, digits).toUShort(&ok, 16);
            if (ok && digitsAt + digits <= text.size()) {
                key += QChar(code);
                i = digitsAt + digits - 1;
                continue;
            }
        }
        key += c;
    }
    return key;
}

QString keyForFile(const QString& key)
{
    QString text;
    for (const QChar c : key) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('/'))
            text += QLatin1Char('\\');
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' || u == '.')
            text += c;
        else if (u < 0x100)
            text += QLatin1Char('%') + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            text += QLatin1String("%U") + QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    }
    return text;
}

// Text as a value: quoted when it holds a list or comment mark or blanks at
// either end; control characters (and in bytes, every byte above ASCII) as
// hexadecimal escapes, cut off from a following digit by an empty quoted
// part, since a reader takes every digit.
QString textForFile(const QString& text, bool bytes = false)
{
    bool quote = !text.isEmpty() && (isBlank(text.front()) || isBlank(text.back()));
    QString out;
    bool afterNumber = false;
    for (const QChar c : qAsConst(text)) {
        const ushort u = c.unicode();
        if (afterNumber && u < 0x80 && std::isxdigit(u))
            out += QLatin1String("\"\"");
        afterNumber = false;
        quote = quote || c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('=');
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (u >= 0x20 && u != 0x7F && !(bytes && u >= 0x80))
            out += c;
        else {
            out += QLatin1String("\\x") + QString::number(u, 16);
            afterNumber = true;
        }
    }
    return quote ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

QString valueForFile(const QVariant& value)
{
    if (!value.isValid())
        return InvalidValue;
    if (value.userType() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray(); // NUL bytes included
        return textForFile(ByteArrayOpening + QString::fromLatin1(bytes.constData(), bytes.size()) + QLatin1Char(')'), true);
    }
    // A text of its own that starts with '@' keeps it doubled.
    const auto plain = [](const QString& text) {
        return textForFile(text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text);
    };
    if (value.userType() != QMetaType::QStringList)
        return plain(value.toString());
    QStringList items;
    for (const QString& item : value.toStringList())
        items << plain(item);
    return items.join(QLatin1String(", "));
}

QString flatKey(const QString& section, const QString& key)
{
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}
}

NxIniDocument NxIniDocument::parse(const QByteArray& bytes)
{
    NxIniDocument document;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString section; // "" for [General], else the name and a '/'
    int pos = 0;
    while (pos < text.size()) {
        const QChar c = text.at(pos);
        if (c.isSpace()) {
            ++pos;
        } else if (c == QLatin1Char(';')) {
            skipToLineEnd(text, pos);
        } else if (c == QLatin1Char('[')) {
            const int lineStart = pos;
            skipToLineEnd(text, pos);
            const int close = text.indexOf(QLatin1Char(']'), lineStart);
            const QString name = text.mid(lineStart + 1, (close == -1 || close > pos ? pos : close) - lineStart - 1).trimmed();
            if (name.compare(GeneralSection, Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare(QLatin1Char('%') + GeneralSection, Qt::CaseInsensitive) == 0)
                section = name.mid(1) + QLatin1Char('/');
            else
                section = keyFromFile(name) + QLatin1Char('/');
        } else {
            const int keyStart = pos;
            while (pos < text.size() && !isLineEnd(text.at(pos)) && text.at(pos) != QLatin1Char('='))
                ++pos;
            if (pos == text.size() || text.at(pos) != QLatin1Char('='))
                continue; // a line without a value
            const QString key = section + keyFromFile(text.mid(keyStart, pos - keyStart).trimmed());
            ++pos;
            const QVariant value = readValue(text, pos);
            const auto found = std::find_if(document.m_values.begin(), document.m_values.end(),
                                            [&key](const QPair<QString, QVariant>& entry) { return entry.first == key; });
            if (found != document.m_values.end())
                found->second = value; // the last of a repeated key counts
            else
                document.m_values.append({key, value});
        }
    }
    return document;
}

QByteArray NxIniDocument::serialize() const
{
    // Sections in the order they first appear; "a/b/c" is key "b/c" of [a].
    QVector<QPair<QString, QString>> sections;
    for (const auto& [key, value] : m_values) {
        const int slash = key.indexOf(QLatin1Char('/'));
        const QString section = slash == -1 ? QString() : key.left(slash);
        auto found = std::find_if(sections.begin(), sections.end(),
                                  [&section](const QPair<QString, QString>& s) { return s.first == section; });
        if (found == sections.end())
            found = sections.insert(sections.end(), {section, QString()});
        found->second += keyForFile(key.mid(slash + 1)) + QLatin1Char('=') + valueForFile(value) + QLatin1Char('\n');
    }
    QString out;
    for (const auto& [section, lines] : qAsConst(sections)) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        if (section.isEmpty())
            out += QLatin1Char('[') + GeneralSection + QLatin1Char(']');
        else if (section.compare(GeneralSection, Qt::CaseInsensitive) == 0)
            out += QLatin1String("[%") + section + QLatin1Char(']');
        else
            out += QLatin1Char('[') + keyForFile(section) + QLatin1Char(']');
        out += QLatin1Char('\n') + lines;
    }
    return out.toUtf8();
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
