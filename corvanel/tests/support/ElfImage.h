// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Builds small ELF files in memory, so that tests can cover layouts the local
// toolchain does not produce (32-bit, big-endian, notes only in sections).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace testing_support {

inline constexpr quint32 kPackageNoteType = 0xcafe1a7e;

struct ElfLayout
{
    bool is64 = true;
    bool bigEndian = false;
    bool programHeader = true; // list the notes in a PT_NOTE segment
    bool sectionHeader = true; // and/or in a SHT_NOTE section
    quint64 alignment = 4;     // of the note area and of each note in it
};

class ElfWriter
{
public:
    explicit ElfWriter(bool bigEndian) : m_bigEndian(bigEndian) {}

    void u8(quint8 v) { m_bytes.append(char(v)); }
    void u16(quint16 v) { put(v); }
    void u32(quint32 v) { put(v); }
    void u64(quint64 v) { put(v); }
    void word(bool is64, quint64 v) { is64 ? u64(v) : u32(quint32(v)); }
    void bytes(const QByteArray &b) { m_bytes.append(b); }
    void padTo(quint64 alignment)
    {
        while (quint64(m_bytes.size()) % alignment != 0)
            m_bytes.append('\0');
    }
    const QByteArray &data() const { return m_bytes; }

private:
    template <typename T> void put(T v)
    {
        char b[sizeof(T)];
        if (m_bigEndian)
            qToBigEndian(v, b);
        else
            qToLittleEndian(v, b);
        m_bytes.append(b, sizeof(T));
    }

    bool m_bigEndian;
    QByteArray m_bytes;
};

// One note: owner with its NUL, descriptor as given, both padded.
inline QByteArray elfNote(const ElfLayout &layout, quint32 type, const QByteArray &owner,
                          const QByteArray &descriptor)
{
    ElfWriter w(layout.bigEndian);
    w.u32(quint32(owner.size() + 1));
    w.u32(quint32(descriptor.size()));
    w.u32(type);
    w.bytes(owner + '\0');
    w.padTo(layout.alignment);
    w.bytes(descriptor);
    w.padTo(layout.alignment);
    return w.data();
}

inline QByteArray packageNote(const ElfLayout &layout, const QByteArray &json)
{
    return elfNote(layout, kPackageNoteType, "FDO", json + '\0');
}

// An ELF file holding `notes` as its only content.
inline QByteArray elfImage(const ElfLayout &layout, const QByteArray &notes)
{
    const bool is64 = layout.is64;
    const quint16 headerSize = is64 ? 64 : 52;
    const quint16 phdrSize = is64 ? 56 : 32;
    const quint16 shdrSize = is64 ? 64 : 40;
    const quint16 phnum = layout.programHeader ? 1 : 0;
    const quint16 shnum = layout.sectionHeader ? 2 : 0;
    const quint64 phoff = phnum ? headerSize : 0;
    quint64 notesAt = headerSize + quint64(phnum) * phdrSize;
    notesAt = (notesAt + layout.alignment - 1) / layout.alignment * layout.alignment;
    const quint64 shoff = shnum ? (notesAt + notes.size() + 7) / 8 * 8 : 0;

    ElfWriter w(layout.bigEndian);
    w.bytes(QByteArray("\x7f"
                       "ELF"));
    w.u8(is64 ? 2 : 1);
    w.u8(layout.bigEndian ? 2 : 1);
    w.u8(1);
    w.bytes(QByteArray(9, '\0'));
    w.u16(2);                  // e_type: executable
    w.u16(is64 ? 0x3e : 0x03); // e_machine
    w.u32(1);
    w.word(is64, 0); // e_entry
    w.word(is64, phoff);
    w.word(is64, shoff);
    w.u32(0);
    w.u16(headerSize);
    w.u16(phdrSize);
    w.u16(phnum);
    w.u16(shdrSize);
    w.u16(shnum);
    w.u16(0);
    if (phnum) {
        w.u32(4); // PT_NOTE
        if (is64)
            w.u32(4); // p_flags
        w.word(is64, notesAt);
        w.word(is64, notesAt);
        w.word(is64, notesAt);
        w.word(is64, quint64(notes.size()));
        w.word(is64, quint64(notes.size()));
        if (!is64)
            w.u32(4);
        w.word(is64, layout.alignment);
    }
    w.padTo(layout.alignment);
    w.bytes(notes);
    if (shnum) {
        w.padTo(8);
        w.bytes(QByteArray(shdrSize, '\0')); // the null section
        w.u32(0);
        w.u32(7); // SHT_NOTE
        w.word(is64, 2);
        w.word(is64, notesAt);
        w.word(is64, notesAt);
        w.word(is64, quint64(notes.size()));
        w.u32(0);
        w.u32(0);
        w.word(is64, layout.alignment);
        w.word(is64, 0);
    }
    return w.data();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The JSON a package note carries, with one translation and its FileVersion.
inline QByteArray versionJson(const QByteArray &version, const QByteArray &language = "0409",
                              const QByteArray &codePage = "04e4")
{
    return "{\"type\":\"deb\",\"name\":\"probe\",\"version\":\"" + version +
           "\",\"versionInfo\":{\"VarFileInfo\":{\"Translation\":[\"" + language + "\",\"" +
           codePage + "\"]},\"StringFileInfo\":{\"" + language.toLower() + codePage.toLower() +
           "\":{\"FileVersion\":\"" + version + "\"}}}}";
}

} // namespace testing_support
