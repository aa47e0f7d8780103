// The store's whole round trip (load, the ~90 reads and writes that filling the option pages
// makes, save) beside a plain read and write of the same bytes, on the game-written config.cfg
// and on generated files of growing size. Run a Release build:
//   bench_cfgstore --benchmark_counters_tabular=true

#include "config/CfgStore.h"
#include "config/ConsoleLine.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QByteArray gameConfig()
{
    return readAll(QStringLiteral(QVL_BENCH_DATA "/config.cfg"));
}

// A config of `lines` lines in the game's shape: the sample's lines first, then more binds and
// cvars, so that the names the pages look up stand near the top and near the bottom.
QByteArray generatedConfig(int lines)
{
    const QByteArray sample = gameConfig();
    QByteArray out = sample;
    int n = static_cast<int>(sample.count('\n'));
    for (int i = 0; n < lines; ++i, ++n) {
        if (i % 4 == 0)
            out += "bind \"F" + QByteArray::number(i % 12 + 1) + "\" \"say line " + QByteArray::number(i) + "\"\r\n";
        else
            out += "gen_cvar_" + QByteArray::number(i) + " \"" + QByteArray::number(i * 7 % 1000) + "\"\r\n";
    }
    return out;
}

struct Op {
    bool set;
    QByteArray name;
    QByteArray value;
};

// About ninety reads and writes, as the option pages make them: a read of each cvar the pages
// show when they are filled, then a write of each when they are applied, some of them names
// the file does not hold yet (they are added at the end).
std::vector<Op> pageOps()
{
    std::vector<QByteArray> names;
    const QList<QByteArray> lines = gameConfig().split('\n');
    for (qsizetype i = 0; i < lines.size() && names.size() < 41; ++i) {
        const std::vector<QByteArray> t = ConsoleLine::tokens(lines[i]);
        // Every third cvar line, so that the names spread over the whole file.
        if (t.size() == 2 && t[0] != "bind" && i % 3 == 0)
            names.push_back(t[0]);
    }
    for (const char* missing : {"cl_showevents", "hideradar", "adjust_crosshair", "gl_clear"})
        names.push_back(missing);
    std::vector<Op> ops;
    for (const QByteArray& name : names)
        ops.push_back({false, name, {}});
    for (const QByteArray& name : names)
        ops.push_back({true, name, QByteArray::number(static_cast<int>(ops.size()))});
    return ops;
}

struct Files {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("config.cfg"));
    QByteArray original;
    explicit Files(QByteArray bytes)
        : original(std::move(bytes))
    {
        writeAll(path, original);
    }
};

void storeRoundTrip(benchmark::State& state, const QByteArray& bytes)
{
    Files files(bytes);
    const std::vector<Op> ops = pageOps();
    CfgStore store;
    for (auto _ : state) {
        state.PauseTiming();
        writeAll(files.path, files.original); // every pass starts from the same file
        state.ResumeTiming();
        if (!store.LoadCfg(files.path))
            state.SkipWithError("load failed");
        QByteArray value;
        for (const Op& op : ops) {
            if (op.set)
                store.SetCfgVar(op.name, op.value);
            else
                store.GetCfgVar(op.name, value);
        }
        if (!store.SaveCfg(files.path))
            state.SkipWithError("save failed");
        benchmark::DoNotOptimize(value);
    }
    state.counters["lines"] = static_cast<double>(bytes.count('\n'));
    state.counters["ops"] = static_cast<double>(ops.size());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void plainReadWrite(benchmark::State& state, const QByteArray& bytes)
{
    Files files(bytes);
    for (auto _ : state) {
        const QByteArray read = readAll(files.path);
        writeAll(files.path, read);
        benchmark::DoNotOptimize(read.data());
    }
    state.counters["lines"] = static_cast<double>(bytes.count('\n'));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The same, but replacing the file as the store does (write beside it, then rename).
void atomicReadWrite(benchmark::State& state, const QByteArray& bytes)
{
    Files files(bytes);
    for (auto _ : state) {
        const QByteArray read = readAll(files.path);
        QSaveFile f(files.path);
        if (!f.open(QIODevice::WriteOnly) || f.write(read) != read.size() || !f.commit())
            state.SkipWithError("save failed");
    }
    state.counters["lines"] = static_cast<double>(bytes.count('\n'));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_GameConfig_Store(benchmark::State& state)
{
    storeRoundTrip(state, gameConfig());
}
void BM_GameConfig_PlainQFile(benchmark::State& state)
{
    plainReadWrite(state, gameConfig());
}
void BM_GameConfig_AtomicQSaveFile(benchmark::State& state)
{
    atomicReadWrite(state, gameConfig());
}

void BM_Generated_Store(benchmark::State& state)
{
    storeRoundTrip(state, generatedConfig(static_cast<int>(state.range(0))));
    state.SetComplexityN(state.range(0));
}
void BM_Generated_PlainQFile(benchmark::State& state)
{
    plainReadWrite(state, generatedConfig(static_cast<int>(state.range(0))));
    state.SetComplexityN(state.range(0));
}
void BM_Generated_AtomicQSaveFile(benchmark::State& state)
{
    atomicReadWrite(state, generatedConfig(static_cast<int>(state.range(0))));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_GameConfig_Store)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameConfig_PlainQFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameConfig_AtomicQSaveFile)->Unit(benchmark::kMicrosecond);
// The same sizes for every generated-file benchmark, so that their figures line up.
void generatedSizes(benchmark::internal::Benchmark* b)
{
    for (const int lines : {12500, 25000, 50000, 100000})
        b->Arg(lines);
    b->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Generated_Store)->Apply(generatedSizes);
BENCHMARK(BM_Generated_PlainQFile)->Apply(generatedSizes);
BENCHMARK(BM_Generated_AtomicQSaveFile)->Apply(generatedSizes);

} // namespace

BENCHMARK_MAIN();
