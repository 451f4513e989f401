// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <utility>

class QIODevice;

namespace corvanel {

// One typed registry value. The type codes are the registry's own, so that
// files and a native backend can pass them through unchanged.
struct CORVANEL_EXPORT RegistryValue
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
struct CORVANEL_EXPORT RegistryFileKey
{
    QString path;
    QList<std::pair<QString, RegistryValue>> values;
};

// The registry's export file format (REGEDIT4) and its use as a QSettings
// format.
//
// Files are written as UTF-8 with LF line ends: a header line "REGEDIT4", then
// one "[path]" section per key followed by its values:
//   "Count"=dword:00000003
//   "0"="D:\\a\\one.txt"          (\\ and \" are the only escapes)
//   "Path"=hex(2):25,48,4f,4d,45,25,00   (REG_EXPAND_SZ: UTF-8 bytes and a zero)
// Strings holding control characters go out as hex(1) so that every line stays
// one line. Reading also accepts CR LF, Latin-1 text and the UTF-16 files of
// "Windows Registry Editor Version 5.00".
//
// Reading is forgiving on purpose: a damaged line is reported and skipped, and
// the values that could be parsed are kept, so a truncated file still yields
// what it holds. Keys and value names are matched case-insensitively; a key or
// value that occurs twice is merged into the first spelling, the later value
// winning.
class CORVANEL_EXPORT RegistryFormat
{
public:
    static QList<RegistryFileKey> parse(const QByteArray &file, QStringList *errors = nullptr);
    static QByteArray serialize(const QList<RegistryFileKey> &keys);

    // The format registered with QSettings (on first use). Its settings keys
    // are the encoded key path segments joined with "/", then a leaf that is
    // either valueEntry(name) for a value or keyMarker() for the key itself,
    // so that empty keys exist and value names never meet subkey names.
    static QSettings::Format settingsFormat();
    static QString encodeName(const QString &name);
    static QString decodeName(const QString &encoded);
    static QString valueEntry(const QString &valueName);
    static bool isValueEntry(const QString &leaf);
    static QString valueNameOf(const QString &leaf);
    static QString keyMarker();

    static bool readSettings(QIODevice &device, QSettings::SettingsMap &map);
    static bool writeSettings(QIODevice &device, const QSettings::SettingsMap &map);
};

} // namespace corvanel

Q_DECLARE_METATYPE(corvanel::RegistryValue)
