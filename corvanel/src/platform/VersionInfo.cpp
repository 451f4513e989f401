// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/VersionInfo.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QtEndian>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

Q_LOGGING_CATEGORY(lcVersionInfo, "corvanel.platform.versioninfo", QtWarningMsg)

namespace corvanel {

namespace {

constexpr quint32 kPackageNoteType = 0xcafe1a7e;
constexpr char kPackageNoteOwner[] = "FDO"; // with its NUL: namesz 4
constexpr quint32 kPtNote = 4;
constexpr quint32 kShtNote = 7;
constexpr quint64 kPnXnum = 0xffff;

// Note areas and header tables of real executables are a few kilobytes; the
// caps keep a hostile file from making us allocate much.
constexpr quint64 kMaxNoteArea = quint64(1) << 20;
constexpr quint64 kMaxHeaderTable = quint64(4) << 20;
// All note areas of one file together: tens of thousands of headers naming
// the same large area must not make us read it over and over.
constexpr quint64 kMaxNoteTotal = quint64(4) << 20;

// Where the fields of the ELF file header, program header and section header
// sit in the 32-bit and in the 64-bit layout.
struct Layout
{
    int headerSize;
    int phoff, shoff, phentsize, phnum, shentsize, shnum;
    int phdrSize, pType, pOffset, pFilesz, pAlign;
    int shdrSize, shType, shOffset, shSize, shInfo, shAddralign;
    int wordSize;
};

constexpr Layout kElf32{52, 28, 32, 42, 44, 46, 48, 32, 0, 4, 16, 28, 40, 4, 16, 20, 28, 32, 4};
constexpr Layout kElf64{64, 32, 40, 54, 56, 58, 60, 56, 0, 8, 32, 48, 64, 4, 24, 32, 44, 48, 8};

// A byte buffer read with the file's byte order; every access is checked and
// an out-of-range read gives 0 and marks the view as failed.
class ByteView
{
public:
    ByteView(const QByteArray &bytes, bool bigEndian) : m_bytes(bytes), m_bigEndian(bigEndian) {}

    quint64 u16(quint64 offset) { return load<quint16>(offset); }
    quint64 u32(quint64 offset) { return load<quint32>(offset); }
    quint64 u64(quint64 offset) { return load<quint64>(offset); }
    quint64 word(quint64 offset, int wordSize) { return wordSize == 8 ? u64(offset) : u32(offset); }
    bool ok() const { return m_ok; }

private:
    template <typename T> quint64 load(quint64 offset)
    {
        if (offset > quint64(m_bytes.size()) || sizeof(T) > quint64(m_bytes.size()) - offset) {
            m_ok = false;
            return 0;
        }
        const uchar *p = reinterpret_cast<const uchar *>(m_bytes.constData()) + offset;
        return m_bigEndian ? qFromBigEndian<T>(p) : qFromLittleEndian<T>(p);
    }

    const QByteArray &m_bytes;
    bool m_bigEndian;
    bool m_ok = true;
};

struct Table
{
    quint64 offset = 0;
    quint64 count = 0;
    quint64 entrySize = 0;
};

class ElfNoteReader
{
public:
    explicit ElfNoteReader(QIODevice &device) : m_device(device), m_fileSize(device.size()) {}

    QByteArray packageNote()
    {
        if (!readHeader())
            return {};
        QByteArray note = fromProgramHeaders();
        if (note.isEmpty())
            note = fromSectionHeaders();
        return note;
    }

private:
    std::optional<QByteArray> readAt(quint64 offset, quint64 length)
    {
        if (m_fileSize < 0 || offset > quint64(m_fileSize) || length > quint64(m_fileSize) - offset)
            return std::nullopt;
        if (!m_device.seek(qint64(offset)))
            return std::nullopt;
        QByteArray bytes = m_device.read(qint64(length));
        if (quint64(bytes.size()) != length)
            return std::nullopt;
        return bytes;
    }

    bool readHeader()
    {
        const std::optional<QByteArray> ident = readAt(0, 16);
        if (!ident || !ident->startsWith("\x7f"
                                         "ELF"))
            return false;
        const char elfClass = ident->at(4), data = ident->at(5), version = ident->at(6);
        if ((elfClass != 1 && elfClass != 2) || (data != 1 && data != 2) || version != 1)
            return false;
        m_layout = elfClass == 2 ? &kElf64 : &kElf32;
        m_bigEndian = data == 2;
        const std::optional<QByteArray> header = readAt(0, quint64(m_layout->headerSize));
        if (!header)
            return false;
        ByteView view(*header, m_bigEndian);
        m_programs = {view.word(m_layout->phoff, m_layout->wordSize), view.u16(m_layout->phnum),
                      view.u16(m_layout->phentsize)};
        m_sections = {view.word(m_layout->shoff, m_layout->wordSize), view.u16(m_layout->shnum),
                      view.u16(m_layout->shentsize)};
        resolveExtendedCounts();
        // Header tables running past the end mean a cut-off file: trust none of it.
        return view.ok() && fits(m_programs, m_layout->phdrSize) &&
               fits(m_sections, m_layout->shdrSize);
    }

    bool fits(const Table &table, int minimumSize) const
    {
        if (table.count == 0)
            return true;
        if (table.entrySize < quint64(minimumSize) || table.offset > quint64(m_fileSize))
            return false;
        return table.count <= (quint64(m_fileSize) - table.offset) / table.entrySize;
    }

    // Counts too large for the file header live in the first section header.
    void resolveExtendedCounts()
    {
        const bool manyPrograms = m_programs.count == kPnXnum;
        const bool manySections = m_sections.count == 0 && m_sections.offset != 0;
        if (!manyPrograms && !manySections)
            return;
        const std::optional<QByteArray> first =
            m_sections.entrySize >= quint64(m_layout->shdrSize)
                ? readAt(m_sections.offset, quint64(m_layout->shdrSize))
                : std::nullopt;
        if (!first) {
            m_programs.count = manyPrograms ? 0 : m_programs.count;
            return;
        }
        ByteView view(*first, m_bigEndian);
        if (manyPrograms)
            m_programs.count = view.u32(m_layout->shInfo);
        if (manySections)
            m_sections.count = view.word(m_layout->shSize, m_layout->wordSize);
    }

    std::optional<QByteArray> entry(const Table &table, quint64 index, int minimumSize)
    {
        if (table.entrySize < quint64(minimumSize) || table.entrySize > 4096)
            return std::nullopt;
        if (index >= table.count || index > kMaxHeaderTable / table.entrySize)
            return std::nullopt;
        if (table.offset > std::numeric_limits<quint64>::max() - index * table.entrySize)
            return std::nullopt;
        return readAt(table.offset + index * table.entrySize, quint64(minimumSize));
    }

    QByteArray fromProgramHeaders()
    {
        for (quint64 i = 0; i < m_programs.count; ++i) {
            const std::optional<QByteArray> phdr = entry(m_programs, i, m_layout->phdrSize);
            if (!phdr)
                break;
            ByteView view(*phdr, m_bigEndian);
            if (view.u32(m_layout->pType) != kPtNote)
                continue;
            const QByteArray note = fromNoteArea(view.word(m_layout->pOffset, m_layout->wordSize),
                                                 view.word(m_layout->pFilesz, m_layout->wordSize),
                                                 view.word(m_layout->pAlign, m_layout->wordSize));
            if (!note.isEmpty())
                return note;
        }
        return {};
    }

    QByteArray fromSectionHeaders()
    {
        for (quint64 i = 0; i < m_sections.count; ++i) {
            const std::optional<QByteArray> shdr = entry(m_sections, i, m_layout->shdrSize);
            if (!shdr)
                break;
            ByteView view(*shdr, m_bigEndian);
            if (view.u32(m_layout->shType) != kShtNote)
                continue;
            const int w = m_layout->wordSize;
            const QByteArray note =
                fromNoteArea(view.word(m_layout->shOffset, w), view.word(m_layout->shSize, w),
                             view.word(m_layout->shAddralign, w));
            if (!note.isEmpty())
                return note;
        }
        return {};
    }

    QByteArray fromNoteArea(quint64 offset, quint64 size, quint64 alignment)
    {
        if (size > kMaxNoteArea || size > m_noteBytesLeft)
            return {};
        m_noteBytesLeft -= size;
        const std::optional<QByteArray> area = readAt(offset, size);
        if (!area)
            return {};
        return findPackageNote(*area, alignment == 8 ? 8 : 4);
    }

    // Walks the notes of one area: namesz, descsz and type words, then the
    // name and the descriptor, each starting at the area's alignment (8 for
    // notes like GNU properties, else 4).
    QByteArray findPackageNote(const QByteArray &area, quint64 alignment)
    {
        ByteView view(area, m_bigEndian);
        const quint64 size = quint64(area.size());
        const auto padded = [alignment](quint64 n) {
            return (n + alignment - 1) & ~(alignment - 1);
        };
        quint64 pos = 0;
        while (size >= 12 && pos <= size - 12) {
            const quint64 nameSize = view.u32(pos), descSize = view.u32(pos + 4);
            const quint64 type = view.u32(pos + 8);
            const quint64 nameAt = pos + 12;
            const quint64 descAt = padded(nameAt + nameSize);
            if (descAt > size || descSize > size - descAt)
                return {};
            if (type == kPackageNoteType && nameSize == sizeof kPackageNoteOwner &&
                std::memcmp(area.constData() + nameAt, kPackageNoteOwner, nameSize) == 0)
                return withoutTrailingNuls(area.mid(qsizetype(descAt), qsizetype(descSize)));
            pos = padded(descAt + descSize);
        }
        return {};
    }

    static QByteArray withoutTrailingNuls(QByteArray bytes)
    {
        qsizetype end = bytes.size();
        while (end > 0 && bytes.at(end - 1) == '\0')
            --end;
        bytes.truncate(end);
        return bytes;
    }

    QIODevice &m_device;
    qint64 m_fileSize;
    const Layout *m_layout = nullptr;
    bool m_bigEndian = false;
    Table m_programs;
    Table m_sections;
    quint64 m_noteBytesLeft = kMaxNoteTotal;
};

QJsonObject versionTree(const QByteArray &block)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(block, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qCDebug(lcVersionInfo) << "package note is not a JSON object:" << error.errorString();
        return {};
    }
    return document.object().value(QLatin1String("versionInfo")).toObject();
}

QJsonValue member(const QJsonObject &object, QStringView name)
{
    const auto exact = object.constFind(name);
    if (exact != object.constEnd())
        return *exact;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    return QJsonValue(QJsonValue::Undefined);
}

std::optional<quint16> translationPart(const QJsonValue &value)
{
    if (value.isString()) {
        const QString text = value.toString();
        const auto isHexDigit = [](QChar c) {
            return c.unicode() < 128 && std::isxdigit(c.unicode()) != 0;
        };
        if (text.isEmpty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), isHexDigit))
            return std::nullopt;
        return quint16(text.toUInt(nullptr, 16));
    }
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number < 0 || number > 0xffff || number != double(int(number)))
            return std::nullopt;
        return quint16(number);
    }
    return std::nullopt;
}

} // namespace

QByteArray VersionInfo::readPackageNote(const QString &path)
{
    // Only regular files: opening a FIFO or a device could block or never end.
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        qCDebug(lcVersionInfo) << "no regular file at" << path;
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcVersionInfo) << "cannot open" << path << file.errorString();
        return {};
    }
    return readPackageNote(file);
}

QByteArray VersionInfo::readPackageNote(QIODevice &device)
{
    if (!device.isOpen() || !device.isReadable() || device.isSequential())
        return {};
    QByteArray note = ElfNoteReader(device).packageNote();
    if (note.isEmpty())
        qCDebug(lcVersionInfo) << "no package note found";
    return note;
}

qsizetype VersionInfo::fileVersionInfoSize(const QString &path)
{
    const QByteArray note = readPackageNote(path);
    return versionTree(note).isEmpty() ? 0 : note.size();
}

QByteArray VersionInfo::fileVersionInfo(const QString &path, qsizetype size)
{
    QByteArray note = readPackageNote(path);
    if (note.size() > size)
        return {};
    return note;
}

QJsonValue VersionInfo::queryValue(const QByteArray &block, QStringView subBlock)
{
    QJsonValue value = versionTree(block);
    if (value.toObject().isEmpty())
        return QJsonValue(QJsonValue::Undefined);
    for (QStringView name : subBlock.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (!value.isObject())
            return QJsonValue(QJsonValue::Undefined);
        value = member(value.toObject(), name);
    }
    return value;
}

std::vector<VersionInfo::Translation> VersionInfo::queryTranslation(const QByteArray &block)
{
    const QJsonArray table = queryValue(block, u"\\VarFileInfo\\Translation").toArray();
    std::vector<Translation> translations;
    for (qsizetype i = 0; i + 1 < table.size(); i += 2) {
        const std::optional<quint16> language = translationPart(table.at(i));
        const std::optional<quint16> codePage = translationPart(table.at(i + 1));
        if (!language || !codePage)
            return {};
        translations.push_back({*language, *codePage});
    }
    return translations;
}

std::optional<QString> VersionInfo::queryString(const QByteArray &block, QStringView subBlock)
{
    const QJsonValue value = queryValue(block, subBlock);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace corvanel
