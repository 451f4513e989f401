// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/RegistryFormat.h>

#include <QHash>
#include <QIODevice>
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

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString decodeFile(const QByteArray &file)
{
    if (file.startsWith("\xFF\xFE")) {
        const QByteArray body = file.mid(2);
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(body.constData()),
                                  body.size() / 2);
    }
    if (file.startsWith("\xEF\xBB\xBF"))
        return decodeText(file.mid(3));
    return decodeText(file);
}

QString stripTrailingZeros(QString text)
{
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

// The text of a hex(1) or hex(2) value: UTF-16 in version 5 files, 8-bit text
// in REGEDIT4 files.
QString textOfBytes(const QByteArray &bytes, bool utf16)
{
    if (utf16)
        return stripTrailingZeros(QString::fromUtf16(
            reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2));
    return stripTrailingZeros(decodeText(bytes));
}

// Orders value names the way a reader expects: "2" before "10".
int compareNatural(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            QStringView na = QStringView(a).mid(i, ei - i), nb = QStringView(b).mid(j, ej - j);
            while (na.size() > 1 && na.front() == QLatin1Char('0'))
                na = na.mid(1);
            while (nb.size() > 1 && nb.front() == QLatin1Char('0'))
                nb = nb.mid(1);
            if (na.size() != nb.size())
                return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const char32_t ca = a[i].toCaseFolded().unicode(), cb = b[j].toCaseFolded().unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return a.compare(b);
}

class Parser
{
public:
    explicit Parser(QStringList *errors) : m_errors(errors) {}

    QList<RegistryFileKey> run(const QString &text)
    {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString &line : lines)
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        bool headerSeen = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
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
        if (inner.startsWith(QLatin1Char('-'))) {
            error(lineNo, QStringLiteral("removing keys is not supported"));
            return;
        }
        const QStringList segments = inner.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (segments.isEmpty()) {
            error(lineNo, QStringLiteral("empty key name"));
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
            bool ok = false;
            const uint byte = item.toUInt(&ok, 16);
            if (!ok || item.size() != 2)
                return false;
            out.append(char(byte));
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
        if (!typedData(lineNo, data, v))
            return;
        if (m_current < 0) {
            error(lineNo, QStringLiteral("value outside a valid key"));
            return;
        }
        store(m_keys[m_current], name, v);
    }

    bool typedData(qsizetype lineNo, const QString &data, RegistryValue &v)
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
            bool ok = false;
            const uint number = digits.toUInt(&ok, 16);
            if (!ok || digits.size() != 8) {
                error(lineNo, QStringLiteral("damaged dword"));
                return false;
            }
            v = RegistryValue::fromDWord(number);
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
            bool ok = false;
            type = close > 4 ? data.mid(4, close - 4).toUInt(&ok, 16) : 0;
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
            if (!bytes.endsWith('\0')) {
                error(lineNo, QStringLiteral("string without its terminating zero"));
                return false;
            }
            v.type = type;
            v.text = textOfBytes(bytes, m_utf16);
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

    static void store(RegistryFileKey &key, const QString &name, const RegistryValue &v)
    {
        for (auto &[existing, value] : key.values) {
            if (existing.compare(name, Qt::CaseInsensitive) == 0) {
                value = v;
                return;
            }
        }
        key.values.append({name, v});
    }

    QStringList *m_errors;
    QList<RegistryFileKey> m_keys;
    QHash<QString, int> m_index;
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

RegistryValue valueOfVariant(const QVariant &variant)
{
    if (variant.metaType() == QMetaType::fromType<RegistryValue>())
        return variant.value<RegistryValue>();
    switch (variant.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return RegistryValue::fromDWord(variant.toUInt());
    case QMetaType::QByteArray:
        return RegistryValue::fromBytes(RegistryValue::TypeBinary, variant.toByteArray());
    default:
        return RegistryValue::fromString(variant.toString());
    }
}

bool lessBySegments(const RegistryFileKey &a, const RegistryFileKey &b)
{
    const QStringList sa = a.path.split(QLatin1Char('\\'));
    const QStringList sb = b.path.split(QLatin1Char('\\'));
    for (qsizetype k = 0; k < std::min(sa.size(), sb.size()); ++k)
        if (const int c = sa[k].compare(sb[k], Qt::CaseInsensitive); c != 0)
            return c < 0;
    return sa.size() < sb.size();
}

} // namespace

QList<RegistryFileKey> RegistryFormat::parse(const QByteArray &file, QStringList *errors)
{
    return Parser(errors).run(decodeFile(file));
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

QSettings::Format RegistryFormat::settingsFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("reg"), &RegistryFormat::readSettings, &RegistryFormat::writeSettings);
    return format;
}

QString RegistryFormat::encodeName(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('%') || c == QLatin1Char('/') || c == QLatin1Char('\\') ||
            c == QLatin1Char('='))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString RegistryFormat::decodeName(const QString &encoded)
{
    QString out;
    out.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == QLatin1Char('%') && i + 2 < encoded.size()) {
            bool ok = false;
            const uint code = encoded.mid(i + 1, 2).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 2;
                continue;
            }
        }
        out += encoded[i];
    }
    return out;
}

QString RegistryFormat::valueEntry(const QString &valueName)
{
    return QLatin1Char('=') + encodeName(valueName);
}

bool RegistryFormat::isValueEntry(const QString &leaf)
{
    return leaf.startsWith(QLatin1Char('='));
}

QString RegistryFormat::valueNameOf(const QString &leaf)
{
    return decodeName(leaf.mid(1));
}

QString RegistryFormat::keyMarker()
{
    // Encoded names never hold a '%' that is not followed by two hex digits.
    return QStringLiteral("%K");
}

bool RegistryFormat::readSettings(QIODevice &device, QSettings::SettingsMap &map)
{
    for (const RegistryFileKey &key : parse(device.readAll())) {
        QStringList segments = key.path.split(QLatin1Char('\\'));
        for (QString &segment : segments)
            segment = encodeName(segment);
        const QString group = segments.join(QLatin1Char('/')) + QLatin1Char('/');
        map.insert(group + keyMarker(), 1);
        for (const auto &[name, value] : key.values)
            map.insert(group + valueEntry(name), QVariant::fromValue(value));
    }
    // Always true: QSettings would otherwise drop everything that was read.
    return true;
}

bool RegistryFormat::writeSettings(QIODevice &device, const QSettings::SettingsMap &map)
{
    QList<RegistryFileKey> keys;
    QHash<QString, qsizetype> index;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : it.key().left(slash);
        const QString leaf = it.key().mid(slash + 1);
        if (group.isEmpty())
            continue;
        auto found = index.constFind(group);
        if (found == index.constEnd()) {
            QStringList segments = group.split(QLatin1Char('/'));
            for (QString &segment : segments)
                segment = decodeName(segment);
            found = index.insert(group, keys.size());
            keys.append(RegistryFileKey{segments.join(QLatin1Char('\\')), {}});
        }
        if (isValueEntry(leaf))
            keys[*found].values.append({valueNameOf(leaf), valueOfVariant(it.value())});
    }
    std::sort(keys.begin(), keys.end(), lessBySegments);
    for (RegistryFileKey &key : keys)
        std::sort(key.values.begin(), key.values.end(), [](const auto &a, const auto &b) {
            return compareNatural(a.first, b.first) < 0;
        });
    return device.write(serialize(keys)) >= 0;
}

} // namespace corvanel
