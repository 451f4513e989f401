// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "RegistryFormat.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>

namespace corvanel {

RegistryValue RegistryValue::fromString(const QString &text)
{
    RegistryValue v;
    v.type = TypeString;
    v.text = text;
    return v;
}

RegistryValue RegistryValue::fromExpandString(const QString &text)
{
    RegistryValue v;
    v.type = TypeExpandString;
    v.text = text;
    return v;
}

RegistryValue RegistryValue::fromDWord(quint32 value)
{
    RegistryValue v;
    v.type = TypeDWord;
    v.dword = value;
    return v;
}

RegistryValue RegistryValue::fromBytes(quint32 type, const QByteArray &bytes)
{
    RegistryValue v;
    v.type = type;
    v.data = bytes;
    return v;
}

namespace {

const QLatin1StringView kHeader4("REGEDIT4");
const QLatin1StringView kHeader5("Windows Registry Editor Version 5.00");
constexpr int kLineWidth = 80;

// UTF-8 where the bytes are valid UTF-8, else Latin-1; a U+FEFF in the text
// is kept as a character.
QString decodeText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// A lone surrogate cannot be written as UTF-8: it becomes U+FFFD here
// already, so that what was read is what a rewrite keeps.
QString fromUtf16(QByteArrayView bytes)
{
    QStringDecoder utf16(QStringDecoder::Utf16LE, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf16(bytes.first(bytes.size() & ~qsizetype(1)));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// The file's lines without their line ends. 8-bit files are decoded line by
// line, so that one stray byte cannot change how the other lines read.
QStringList decodeLines(const QByteArray &file)
{
    QStringList lines;
    if (file.startsWith("\xFF\xFE")) {
        lines = fromUtf16(QByteArrayView(file).sliced(2)).split(QLatin1Char('\n'));
    } else {
        QByteArrayView body(file);
        if (body.startsWith("\xEF\xBB\xBF"))
            body = body.sliced(3);
        qsizetype from = 0;
        while (from <= body.size()) {
            qsizetype end = body.indexOf('\n', from);
            if (end < 0)
                end = body.size();
            lines.append(decodeText(body.sliced(from, end - from)));
            from = end + 1;
        }
    }
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

// The text of a hex(1) or hex(2) value without its terminating zero (any
// further zeros belong to the text): UTF-16 in version 5 files, 8-bit text in
// REGEDIT4 files. False when the terminating zero is missing.
bool textOfBytes(const QByteArray &bytes, bool utf16, QString &text)
{
    if (utf16) {
        if (bytes.size() < 2 || bytes.size() % 2 != 0 || !bytes.endsWith(QByteArray(2, '\0')))
            return false;
        text = fromUtf16(QByteArrayView(bytes).chopped(2));
        return true;
    }
    if (!bytes.endsWith('\0'))
        return false;
    text = decodeText(QByteArrayView(bytes).chopped(1));
    return true;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

bool hasControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

class Parser
{
public:
    Parser(QStringList *errors, QStringList *comments) : m_errors(errors), m_comments(comments) {}

    QList<RegistryFileKey> run(const QStringList &lines)
    {
        bool headerSeen = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.startsWith(QLatin1Char(';')) && m_comments)
                m_comments->append(QStringLiteral("line %1: %2").arg(i + 1).arg(line));
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            if (!headerSeen) {
                headerSeen = true;
                if (line == kHeader4)
                    continue;
                if (line == kHeader5) {
                    m_utf16 = true;
                    continue;
                }
                error(i, QStringLiteral("missing \"REGEDIT4\" header"));
            }
            if (line.startsWith(QLatin1Char('[')))
                section(i, line);
            else
                value(i, lines);
        }
        return m_keys;
    }

private:
    void error(qsizetype line, const QString &message)
    {
        if (m_errors)
            m_errors->append(QStringLiteral("line %1: %2").arg(line + 1).arg(message));
    }

    void section(qsizetype lineNo, const QString &line)
    {
        m_current = -1;
        const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
        if (close < 0) {
            error(lineNo, QStringLiteral("unterminated key name"));
            return;
        }
        const QString inner = line.mid(1, close - 1);
        const QStringList segments = inner.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (segments.isEmpty()) {
            error(lineNo, QStringLiteral("empty key name"));
            return;
        }
        // "[-Key]" removes a key in the registry's own files. Tested after the
        // split, so that "[\-Key]", which is written back as "[-Key]", is
        // refused too.
        if (segments.first().startsWith(QLatin1Char('-'))) {
            error(lineNo, QStringLiteral("removing keys is not supported"));
            return;
        }
        if (!std::all_of(segments.begin(), segments.end(),
                         [](const QString &s) { return RegistryFormat::isValidKeyName(s); })) {
            error(lineNo, QStringLiteral("invalid key name"));
            return;
        }
        const QString path = segments.join(QLatin1Char('\\'));
        const QString folded = path.toCaseFolded();
        auto it = m_index.constFind(folded);
        if (it != m_index.constEnd()) {
            m_current = *it;
            return;
        }
        m_current = int(m_keys.size());
        m_index.insert(folded, m_current);
        m_keys.append(RegistryFileKey{path, {}});
        m_valueIndex.append(QHash<QString, qsizetype>());
    }

    // Reads a quoted string starting at `pos` (at the opening quote); leaves
    // `pos` after the closing quote. False when the string is not terminated.
    static bool quoted(const QString &line, qsizetype &pos, QString &out)
    {
        out.clear();
        for (++pos; pos < line.size(); ++pos) {
            const QChar c = line[pos];
            if (c == QLatin1Char('"')) {
                ++pos;
                return true;
            }
            if (c == QLatin1Char('\\') && pos + 1 < line.size() &&
                (line[pos + 1] == QLatin1Char('\\') || line[pos + 1] == QLatin1Char('"')))
                ++pos;
            out += line[pos];
        }
        return false;
    }

    static void skipBlanks(const QString &line, qsizetype &pos)
    {
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
    }

    // Exactly two digits per byte, as the registry writes them: a byte cut
    // short by a truncated file must not pass for a different value.
    static bool hexBytes(const QString &list, QByteArray &out)
    {
        out.clear();
        if (list.trimmed().isEmpty())
            return true;
        for (const QString &raw : list.split(QLatin1Char(','))) {
            const QString item = raw.trimmed();
            if (item.size() != 2 || !isHexDigits(item))
                return false;
            out.append(char(item.toUInt(nullptr, 16)));
        }
        return true;
    }

    void value(qsizetype &i, const QStringList &lines)
    {
        const qsizetype lineNo = i;
        QString line = lines[i].trimmed();
        qsizetype pos = 0;
        QString name;
        if (line.startsWith(QLatin1Char('@'))) {
            pos = 1;
        } else if (!line.startsWith(QLatin1Char('"')) || !quoted(line, pos, name)) {
            error(lineNo, QStringLiteral("not a value"));
            return;
        }
        if (!RegistryFormat::isValidValueName(name)) {
            error(lineNo, QStringLiteral("invalid value name"));
            return;
        }
        skipBlanks(line, pos);
        if (pos >= line.size() || line[pos] != QLatin1Char('=')) {
            error(lineNo, QStringLiteral("missing \"=\""));
            return;
        }
        ++pos;
        skipBlanks(line, pos);
        QString data = line.mid(pos);
        if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            while (data.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
                data.chop(1);
                data += lines[++i].trimmed();
            }
            // Only the line end proves that hex data is complete.
            if (data.endsWith(QLatin1Char('\\')) || i + 1 >= lines.size()) {
                error(lineNo, QStringLiteral("truncated hex data"));
                return;
            }
        }
        RegistryValue v;
        if (!typedData(lineNo, data, i + 1 < lines.size(), v))
            return;
        if (m_current < 0) {
            error(lineNo, QStringLiteral("value outside a valid key"));
            return;
        }
        store(name, v);
    }

    // `lineEnded`: the line was followed by a line end, so a short dword is
    // the whole number and not what is left of a truncated file.
    bool typedData(qsizetype lineNo, const QString &data, bool lineEnded, RegistryValue &v)
    {
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype pos = 0;
            QString text;
            if (!quoted(data, pos, text) || !data.mid(pos).trimmed().isEmpty()) {
                error(lineNo, QStringLiteral("damaged string"));
                return false;
            }
            v = RegistryValue::fromString(text);
            return true;
        }
        if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            if (digits.size() > 8 || !isHexDigits(digits) || (digits.size() < 8 && !lineEnded)) {
                error(lineNo, QStringLiteral("damaged dword"));
                return false;
            }
            v = RegistryValue::fromDWord(digits.toUInt(nullptr, 16));
            return true;
        }
        if (data == QLatin1String("-")) {
            error(lineNo, QStringLiteral("removing values is not supported"));
            return false;
        }
        return hexData(lineNo, data, v);
    }

    bool hexData(qsizetype lineNo, const QString &data, RegistryValue &v)
    {
        quint32 type = RegistryValue::TypeBinary;
        QString list;
        if (data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
            list = data.mid(4);
        } else if (data.startsWith(QLatin1String("hex("), Qt::CaseInsensitive)) {
            const qsizetype close = data.indexOf(QLatin1String("):"));
            const QString code = close > 4 ? data.mid(4, close - 4) : QString();
            bool ok = code.size() <= 8 && isHexDigits(code);
            type = ok ? code.toUInt(&ok, 16) : 0;
            if (!ok) {
                error(lineNo, QStringLiteral("damaged value type"));
                return false;
            }
            list = data.mid(close + 2);
        } else {
            error(lineNo, QStringLiteral("unknown value data"));
            return false;
        }
        QByteArray bytes;
        if (!hexBytes(list, bytes)) {
            error(lineNo, QStringLiteral("damaged hex data"));
            return false;
        }
        if (type == RegistryValue::TypeString || type == RegistryValue::TypeExpandString) {
            if (!textOfBytes(bytes, m_utf16, v.text)) {
                error(lineNo, QStringLiteral("string without its terminating zero"));
                return false;
            }
            v.type = type;
        } else if (type == RegistryValue::TypeDWord) {
            if (bytes.size() != 4) {
                error(lineNo, QStringLiteral("damaged dword"));
                return false;
            }
            v = RegistryValue::fromDWord(quint32(uchar(bytes[0])) | quint32(uchar(bytes[1])) << 8 |
                                         quint32(uchar(bytes[2])) << 16 |
                                         quint32(uchar(bytes[3])) << 24);
        } else {
            v = RegistryValue::fromBytes(type, bytes);
        }
        return true;
    }

    void store(const QString &name, const RegistryValue &v)
    {
        RegistryFileKey &key = m_keys[m_current];
        QHash<QString, qsizetype> &index = m_valueIndex[m_current];
        const QString folded = name.toCaseFolded();
        if (const auto it = index.constFind(folded); it != index.constEnd()) {
            key.values[*it].second = v;
            return;
        }
        index.insert(folded, key.values.size());
        key.values.append({name, v});
    }

    QStringList *m_errors;
    QStringList *m_comments;
    QList<RegistryFileKey> m_keys;
    QHash<QString, int> m_index;
    QList<QHash<QString, qsizetype>> m_valueIndex;
    int m_current = -1;
    bool m_utf16 = false;
};

QString quote(const QString &text)
{
    QString out(QLatin1Char('"'));
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

bool fitsOnOneLine(const QString &text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

QByteArray zeroTerminated(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.append('\0');
    return bytes;
}

// Hex data the way the registry's export writes it: comma-separated bytes,
// lines continued with a backslash and indented by two blanks.
QString hexData(QString line, quint32 type, const QByteArray &bytes)
{
    line += type == RegistryValue::TypeBinary ? QStringLiteral("hex:")
                                              : QStringLiteral("hex(%1):").arg(type, 0, 16);
    QString out;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const bool last = k + 1 == bytes.size();
        QString item = QStringLiteral("%1").arg(uint(uchar(bytes[k])), 2, 16, QLatin1Char('0'));
        if (!last)
            item += QLatin1Char(',');
        if (line.size() + item.size() > kLineWidth - 2) {
            out += line + QLatin1String("\\\n");
            line = QStringLiteral("  ");
        }
        line += item;
    }
    return out + line;
}

QString valueLine(const QString &name, const RegistryValue &v)
{
    QString line = name.isEmpty() ? QStringLiteral("@=") : quote(name) + QLatin1Char('=');
    switch (v.type) {
    case RegistryValue::TypeString:
        if (fitsOnOneLine(v.text))
            return line + quote(v.text);
        return hexData(line, v.type, zeroTerminated(v.text));
    case RegistryValue::TypeExpandString:
        return hexData(line, v.type, zeroTerminated(v.text));
    case RegistryValue::TypeDWord:
        return line + QStringLiteral("dword:%1").arg(v.dword, 8, 16, QLatin1Char('0'));
    default:
        return hexData(line, v.type, v.data);
    }
}

} // namespace

QList<RegistryFileKey> RegistryFormat::parse(const QByteArray &file, QStringList *errors,
                                             QStringList *comments)
{
    return Parser(errors, comments).run(decodeLines(file));
}

QByteArray RegistryFormat::serialize(const QList<RegistryFileKey> &keys)
{
    QString out = kHeader4 + QLatin1String("\n\n");
    for (const RegistryFileKey &key : keys) {
        out += QLatin1Char('[') + key.path + QLatin1String("]\n");
        for (const auto &[name, value] : key.values)
            out += valueLine(name, value) + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

bool RegistryFormat::isValidKeyName(QStringView name)
{
    return !name.isEmpty() && name.size() <= kMaxKeyName && !name.contains(QLatin1Char('\\')) &&
           !hasControl(name);
}

bool RegistryFormat::isValidValueName(QStringView name)
{
    return name.size() <= kMaxValueName && !hasControl(name);
}

// Runs of ASCII digits compare by their numeric value, everything else by its
// case-folded code units; a digit run against another character compares as
// its first digit, which is consistent because the ASCII digits are one
// contiguous block. Other scripts' digits are plain characters here: they
// have no place in that block. Names that tie are ordered by their code units.
int RegistryFormat::compareNames(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isAsciiDigit(a[i]) && isAsciiDigit(b[j])) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && isAsciiDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isAsciiDigit(b[ej]))
                ++ej;
            QStringView na = a.mid(i, ei - i), nb = b.mid(j, ej - j);
            while (na.size() > 1 && na.front() == QLatin1Char('0'))
                na = na.mid(1);
            while (nb.size() > 1 && nb.front() == QLatin1Char('0'))
                nb = nb.mid(1);
            if (na.size() != nb.size())
                return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0)
                return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const char16_t ca = a[i].toCaseFolded().unicode(), cb = b[j].toCaseFolded().unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace corvanel
