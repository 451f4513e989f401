// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <QByteArray>
#include <QString>

namespace corvanel {

// Reading and replacing whole files without ever leaving a partial one.
//
// replace() writes the new content to a temporary file in the target's
// folder, checks every write, the flush to disk and the close, and only then
// renames it over the target; on any failure the target is left exactly as
// it was and the temporary file is removed. Only regular files are replaced:
// a device, FIFO, directory or socket in the target's place is refused. A
// target that is a symbolic link is resolved, so the link stays a link.
class CORVANEL_EXPORT SafeFile
{
public:
    // What identifies one version of a file: a replaced file has a new inode.
    struct Stamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };

    // Reads a regular file of at most `maxSize` bytes. A missing file (or
    // folder) reads as empty with the default stamp; anything else that is not a readable
    // regular file fails with a message in `error`. Never waits on a lock
    // and never creates a file.
    static bool read(const QString &fileName, qint64 maxSize, QByteArray &bytes, Stamp &stamp,
                     QString *error);

    // The stamp of the file as it is now; the default stamp when it is missing.
    static Stamp stampOf(const QString &fileName);

    // Replaces `fileName` by `bytes`. A new file gets `newMode` (less the
    // umask), an existing one keeps its mode.
    static bool replace(const QString &fileName, const QByteArray &bytes, unsigned newMode,
                        QString *error);

    // The path with every symbolic link resolved, also when the file itself
    // does not exist yet (its folder is resolved then).
    static QString resolved(const QString &fileName);
};

} // namespace corvanel
