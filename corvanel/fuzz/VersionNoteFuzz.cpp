// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The ELF version-note reader and the version queries on any bytes.
#include <corvanel/VersionInfo.h>

#include <QBuffer>

using corvanel::VersionInfo;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray note = VersionInfo::readPackageNote(buffer);
    for (const auto &translation : VersionInfo::queryTranslation(note))
        (void)translation;
    (void)VersionInfo::queryString(note, u"\\StringFileInfo\\040904e4\\FileVersion");
    (void)VersionInfo::queryValue(bytes, u"\\VarFileInfo\\Translation");
    return 0;
}
