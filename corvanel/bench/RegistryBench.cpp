// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The registry store's costs: one query (open a key, read a value, close) in
// a ten-value key, in a 40,000-value key and in a 6 MB store; listing a key
// 1,000 levels deep level by level; an MRU Load of 10,000 entries.
// Targets: the large queries within a small multiple of the small one, the
// deep listing well under a second, the MRU Load under a second.
#include <corvanel/JMRU.h>
#include <corvanel/TRegistry.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using corvanel::TJMostRecentlyUsedList;
using corvanel::TRegistry;

namespace {

// A store of the benchmark's own, written straight as a file.
class BenchStore
{
public:
    explicit BenchStore(const QByteArray &text)
    {
        qputenv("CORVANEL_REGISTRY_DIR", QFile::encodeName(m_dir.path()));
        QFile f(QDir(m_dir.path()).filePath(QStringLiteral("HKEY_CURRENT_USER.reg")));
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
    ~BenchStore() { qunsetenv("CORVANEL_REGISTRY_DIR"); }

private:
    QTemporaryDir m_dir;
};

QByteArray keyWithValues(int values, const QByteArray &padding = {})
{
    QByteArray text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Bench]\n";
    text += "\"Count\"=dword:" + QByteArray::number(values, 16).rightJustified(8, '0') + '\n';
    for (int i = 0; i < values; ++i)
        text += '"' + QByteArray::number(i) + "\"=\"D:\\\\files\\\\entry" + QByteArray::number(i) +
                padding + ".txt\"\n";
    return text;
}

void query(benchmark::State &state, const QByteArray &text)
{
    const BenchStore store(text);
    for (auto _ : state) {
        TRegistry reg(TRegistry::Access::Read);
        reg.OpenKeyReadOnly(QStringLiteral("Software\\Bench"));
        QString value;
        reg.ReadString(QStringLiteral("7"), value);
        benchmark::DoNotOptimize(value);
    }
}

void BM_QueryTenValues(benchmark::State &state)
{
    query(state, keyWithValues(10));
}

void BM_Query40000Values(benchmark::State &state)
{
    query(state, keyWithValues(40000));
}

void BM_Query6MBStore(benchmark::State &state)
{
    query(state, keyWithValues(40000, QByteArray(120, 'x')));
}

// Reading values of a key that is open already: a hash look-up each,
// whatever the size of the key.
void BM_ReadEachOf40000Values(benchmark::State &state)
{
    const BenchStore store(keyWithValues(40000));
    TRegistry reg(TRegistry::Access::Read);
    reg.OpenKeyReadOnly(QStringLiteral("Software\\Bench"));
    int i = 0;
    for (auto _ : state) {
        QString value;
        reg.ReadString(QString::number(i++ % 40000), value);
        benchmark::DoNotOptimize(value);
    }
}

void BM_ListDeepKey(benchmark::State &state)
{
    QByteArray text = "REGEDIT4\n\n";
    QByteArray path = "HKEY_CURRENT_USER";
    for (int level = 0; level < 1000; ++level) {
        path += "\\k";
        text += '[' + path + "]\n\"v\"=dword:00000001\n";
    }
    const BenchStore store(text);
    for (auto _ : state) {
        TRegistry reg(TRegistry::Access::Read);
        QString key;
        int levels = 0;
        for (;;) {
            if (!reg.OpenKeyReadOnly(key))
                break;
            const QStringList subkeys = reg.GetKeyNames();
            if (subkeys.isEmpty())
                break;
            key += QLatin1Char('\\') + subkeys.first();
            ++levels;
        }
        benchmark::DoNotOptimize(levels);
    }
}

void BM_MruLoad10000(benchmark::State &state)
{
    const BenchStore store(keyWithValues(10000));
    for (auto _ : state) {
        TJMostRecentlyUsedList list; // keeps its default 10 of them
        list.SetStorageKey(QStringLiteral("Software\\Bench"));
        list.Load();
        benchmark::DoNotOptimize(list.GetCount());
    }
}

} // namespace

BENCHMARK(BM_QueryTenValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Query40000Values)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Query6MBStore)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadEachOf40000Values)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_ListDeepKey)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MruLoad10000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
