// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <vector>

class QIODevice;

namespace corvanel {

/// Version information of an executable file, read the Linux way.
///
/// The build links a package-metadata note into the executable (section
/// ".note.package": an ELF note of owner "FDO" and type 0xcafe1a7e whose
/// descriptor is a NUL-terminated JSON object; see cmake/PackageNote.cmake).
/// Besides the usual package fields the object carries a "versionInfo" tree
/// laid out like a classic version resource:
///
/// @code{.json}
///   {
///     "type": "deb",
///     "name": "ombrel",
///     "version": "1.1.0.0",
///     "versionInfo": {
///       "VarFileInfo": { "Translation": ["0409", "04e4"] },
///       "StringFileInfo": {
///         "040904e4": {
///           "FileVersion": "1.1.0.0",
///           "ProductVersion": "1.1.0.0",
///           "ProductName": "Ombrel"
///         }
///       }
///     }
///   }
/// @endcode
///
/// "Translation" is a flat list of (language, code page) pairs, each value a
/// hexadecimal string of up to four digits (or a plain number 0..65535). The
/// string tables are keyed by the eight-digit language + code page name.
///
/// The file is only ever read: the ELF headers are parsed with every offset and
/// size checked against the file, so missing, empty, truncated, foreign or
/// deliberately broken files simply yield no information. 32- and 64-bit files
/// of either byte order are understood; notes are found through the program
/// headers (PT_NOTE) and, failing that, the section headers (SHT_NOTE).
///
/// The query functions mirror the steps a version-resource reader takes: the
/// size of the block, the block itself, then values looked up by sub-block name
/// such as "\VarFileInfo\Translation" or "\StringFileInfo\040904e4\FileVersion".
class CORVANEL_EXPORT VersionInfo
{
public:
    /// One (language, code page) pair of the "Translation" table.
    struct Translation
    {
        /// The language, as 0x0409 for U.S. English.
        quint16 language = 0;
        /// The code page, as 0x04e4 for Windows Latin 1.
        quint16 codePage = 0;

        /// The classic packed form: language in the low half, code page high.
        quint32 packed() const noexcept { return language | (quint32(codePage) << 16); }
        /// Pairs are equal when both halves are.
        friend bool operator==(const Translation &, const Translation &) = default;
    };

    /// The JSON text of the first package-metadata note in the ELF file at
    /// `path` (or on the open, random-access `device`), without its
    /// terminating NULs. Empty when there is no such note or no ELF file.
    static QByteArray readPackageNote(const QString &path);
    /// @copydoc readPackageNote(const QString &)
    static QByteArray readPackageNote(QIODevice &device);

    /// Bytes needed for the version block of the file at `path`; 0 when the
    /// file carries no package note with a "versionInfo" object.
    static qsizetype fileVersionInfoSize(const QString &path);

    /// The version block of the file at `path` if it fits in `size` bytes;
    /// empty otherwise (a cut-off block would be of no use).
    static QByteArray fileVersionInfo(const QString &path, qsizetype size);

    /// The value at `subBlock` (backslash-separated names, matched without
    /// regard to case; "\" is the whole tree) in `block`. Undefined when the
    /// block is not valid or the path leads nowhere.
    static QJsonValue queryValue(const QByteArray &block, QStringView subBlock);

    /// The table at "\VarFileInfo\Translation"; empty when missing or malformed.
    static std::vector<Translation> queryTranslation(const QByteArray &block);

    /// The text at `subBlock`; nothing when missing or not a string.
    static std::optional<QString> queryString(const QByteArray &block, QStringView subBlock);
};

} // namespace corvanel
