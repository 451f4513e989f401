// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The registry store's costs, each in a small store (one key of ten values)
// and in a large one (the same key beside one key of 40,000 values and fifty
// of 200): opening a storage, reading one value and closing it; one write;
// an MRU Load and Save of ten entries; a debug Output with tracing off.
// Target: each large case within 5x of its small one. Besides: an MRU Load
// from a key of 10,000 entries and listing a key 1,000 levels deep, both well
// under a second.
//
// Every store is set up as a REGEDIT4 file, the format of the 2.x stores, so
// that the same program measures a store of either kind.
#include <corvanel/Debug.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/TRegistry.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using corvanel::TDebugHelper;
using corvanel::TJMostRecentlyUsedList;
using corvanel::TJStorage;
using corvanel::TRegistry;

namespace {

const QString kBenchKey = QStringLiteral("Software\\Bench");

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
        // The first open may convert the file; that is not what is measured.
        TJStorage storage;
        storage.SetKey(kBenchKey);
        storage.Open();
        storage.Close();
    }
    ~BenchStore() { qunsetenv("CORVANEL_REGISTRY_DIR"); }

private:
    QTemporaryDir m_dir;
};

QByteArray section(const QByteArray &key, int values, const QByteArray &padding = {})
{
    QByteArray text = "\n[HKEY_CURRENT_USER\\" + key + "]\n";
    text +=
        "\"Count\"=dword:" + QByteArray::number(qMin(values, 10), 16).rightJustified(8, '0') + '\n';
    for (int i = 0; i < values; ++i)
        text += '"' + QByteArray::number(i) + "\"=\"D:\\\\files\\\\entry" + QByteArray::number(i) +
                padding + ".txt\"\n";
    return text;
}

// Range 0: the ten-value key alone; range 1: beside 50,000 other values.
QByteArray storeText(bool large)
{
    QByteArray text = "REGEDIT4\n" + section("Software\\Bench", 10);
    if (large) {
        text += section("Software\\Big", 40000);
        for (int i = 0; i < 50; ++i)
            text += section("Software\\Many\\K" + QByteArray::number(i), 200);
    }
    return text;
}

void BM_OpenReadClose(benchmark::State &state)
{
    const BenchStore store(storeText(state.range(0)));
    TJStorage storage;
    storage.SetKey(kBenchKey);
    for (auto _ : state) {
        storage.Open();
        benchmark::DoNotOptimize(storage.ReadString(QStringLiteral("7"), {}));
        storage.Close();
    }
}

void BM_OpenWriteClose(benchmark::State &state)
{
    const BenchStore store(storeText(state.range(0)));
    TJStorage storage;
    storage.SetKey(kBenchKey);
    int i = 0;
    for (auto _ : state) {
        storage.Open();
        storage.WriteInteger(QStringLiteral("Written"), ++i);
        storage.Close();
    }
}

void BM_MruLoad10(benchmark::State &state)
{
    const BenchStore store(storeText(state.range(0)));
    TJMostRecentlyUsedList list;
    list.SetAutoSave(false);
    list.SetStorageKey(kBenchKey);
    for (auto _ : state) {
        list.Load();
        benchmark::DoNotOptimize(list.GetCount());
    }
}

void BM_MruSave10(benchmark::State &state)
{
    const BenchStore store(storeText(state.range(0)));
    TJMostRecentlyUsedList list;
    list.SetAutoSave(false);
    list.SetStorageKey(kBenchKey);
    list.Load();
    int i = 0;
    for (auto _ : state) {
        list.Add(QStringLiteral("D:\\new\\file%1.txt").arg(++i));
        list.Save();
    }
}

void BM_DebugOutputOff(benchmark::State &state)
{
    const BenchStore store(storeText(state.range(0)));
    TDebugHelper helper;
    helper.SetStorageKey(kBenchKey);
    for (auto _ : state)
        helper.Output(QStringLiteral("a message nobody reads"));
}

void BM_MruLoadFrom10000(benchmark::State &state)
{
    const BenchStore store("REGEDIT4\n" + section("Software\\Bench", 10000));
    for (auto _ : state) {
        TJMostRecentlyUsedList list; // keeps its default 10 of them
        list.SetAutoSave(false);
        list.SetStorageKey(kBenchKey);
        list.Load();
        benchmark::DoNotOptimize(list.GetCount());
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
    text += "[HKEY_CURRENT_USER\\Software\\Bench]\n";
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

} // namespace

BENCHMARK(BM_OpenReadClose)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWriteClose)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MruLoad10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MruSave10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DebugOutputOff)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MruLoadFrom10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListDeepKey)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
