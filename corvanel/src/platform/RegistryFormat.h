// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <utility>

namespace corvanel {

// One typed registry value. The type codes are the registry's own, so that
// files and a native backend can pass them through unchanged.
struct RegistryValue
{
    enum Type : quint32
    {
        TypeNone = 0,
        TypeString = 1,       // REG_SZ
        TypeExpandString = 2, // REG_EXPAND_SZ, kept unexpanded
        TypeBinary = 3,       // REG_BINARY
        TypeDWord = 4,        // REG_DWORD
        TypeMultiString = 7,  // REG_MULTI_SZ, kept as raw bytes
        TypeQWord = 11,       // REG_QWORD, kept as raw bytes
    };

    quint32 type = TypeNone;
    QString text;      // TypeString, TypeExpandString
    quint32 dword = 0; // TypeDWord
    QByteArray data;   // every other type, as stored

    static RegistryValue fromString(const QString &text);
    static RegistryValue fromExpandString(const QString &text);
    static RegistryValue fromDWord(quint32 value);
    static RegistryValue fromBytes(quint32 type, const QByteArray &bytes);

    bool isText() const { return type == TypeString || type == TypeExpandString; }

    friend bool operator==(const RegistryValue &, const RegistryValue &) = default;
};

// A key of a registry file with its values in file order. `path` is the full
// path including the root ("HKEY_CURRENT_USER\Software\Ombrel"); an empty
// value name stands for the key's default value ("@" in the file).
struct RegistryFileKey
{
    QString path;
    QList<std::pair<QString, RegistryValue>> values;
};

// The registry's export file format (REGEDIT4).
//
// Files are written as UTF-8 with LF line ends: a header line "REGEDIT4", then
// one "[path]" section per key followed by its values:
//   "Count"=dword:00000003
//   "0"="D:\\a\\one.txt"          (\\ and \" are the only escapes)
//   "Path"=hex(2):25,48,4f,4d,45,25,00   (REG_EXPAND_SZ: UTF-8 bytes and a zero)
// Strings holding control characters go out as hex(1) so that every line stays
// one line. Names cannot be written that way, so a key or value name holding
// a control character is not a valid name (see isValidKeyName and
// isValidValueName) and is refused before it reaches a file; a file line
// holding such a name is skipped as damaged.
//
// Reading accepts CR LF and the UTF-16 files of "Windows Registry Editor
// Version 5.00". Each line is decoded on its own: UTF-8 where it is valid,
// Latin-1 where it is not, so a stray byte changes nothing but the line that
// holds it. "dword:" takes one to eight hex digits; writing always gives eight.
//
// Reading is forgiving on purpose: a damaged line is reported and skipped, and
// the values that could be parsed are kept, so a truncated file still yields
// what it holds. Keys and value names are matched case-insensitively; a key or
// value that occurs twice is merged into the first spelling, the later value
// winning.
class RegistryFormat
{
public:
    // Bounds of the registry itself: a key name up to 255 characters, a value
    // name up to 16,383.
    static constexpr qsizetype kMaxKeyName = 255;
    static constexpr qsizetype kMaxValueName = 16383;

    // `errors` gets one line for each line that could not be read,
    // `comments` one for each comment line (";"), which carries no data.
    static QList<RegistryFileKey> parse(const QByteArray &file, QStringList *errors = nullptr,
                                        QStringList *comments = nullptr);
    static QByteArray serialize(const QList<RegistryFileKey> &keys);

    // One level of a key path: not empty, no backslash, no control character.
    static bool isValidKeyName(QStringView name);
    // A value name (empty for the default value): no control character.
    static bool isValidValueName(QStringView name);

    // Orders names the way a reader expects, "2" before "10", ignoring case;
    // a strict weak order on all strings (names equal but for case or leading
    // zeros are told apart by their code units).
    static int compareNames(QStringView a, QStringView b);
};

} // namespace corvanel

Q_DECLARE_METATYPE(corvanel::RegistryValue)
