// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The store reader on any bytes, with a round trip as its oracle: what a file
// reads as must write out as a file that reads without errors as the same
// keys and values.
#include <corvanel/RegistryFormat.h>
#include <corvanel/RegistryStore.h>

#include <cstdio>
#include <cstdlib>

using corvanel::RegistryFileKey;
using corvanel::RegistryFormat;
using corvanel::RegistryStore;

namespace {

QList<RegistryFileKey> throughStore(const QList<RegistryFileKey> &keys)
{
    RegistryStore store;
    store.load(keys);
    return store.keys();
}

bool same(const QList<RegistryFileKey> &a, const QList<RegistryFileKey> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].path != b[i].path || a[i].values != b[i].values)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    // Store files are read up to 256 MiB; a few hundred KiB finds the same faults.
    if (size > 256 * 1024)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<RegistryFileKey> first = throughStore(RegistryFormat::parse(file));
    const QByteArray written = RegistryFormat::serialize(first);
    QStringList errors;
    const QList<RegistryFileKey> second = throughStore(RegistryFormat::parse(written, &errors));
    if (!errors.isEmpty() || !same(first, second)) {
        std::fprintf(stderr, "round trip changed the store:\n%s\n", written.constData());
        std::abort();
    }
    return 0;
}
