// Saving and opening drawings of N linked sources: each source a closed polyline with an area link
// to a single-line text (four objects per pair: source, label, extension dictionary, link).
// Reported per object of the drawing, so that sizes can be compared, and the file bytes per link.
// Serialisation (the drawing as bytes in memory) is timed on its own, apart from the save to disk
// whose time is mostly the wait for fsync.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "boot/Host.h"
#include "SampleLinks.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "db/DrawingFile.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDynamicLinker.h"
#include "style/AcPropertyLinkStyle.h"

namespace {

void startOnce() {
    static bool started = [] {
        vthost::startHost();
        return acrxLoadModule("vantorell.dbx", true);
    }();
    if (!started) std::abort();
}

AcDbObjectId append(AcDbBlockTableRecord* space, AcDbEntity* entity) {
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    return id;
}

AcDbPolyline* newSquare(double offset) {
    auto* square = new AcDbPolyline();
    for (unsigned i = 0; i < 4; ++i)
        square->addVertexAt(i, AcGePoint2d(offset + (i == 1 || i == 2 ? 10 : 0), i >= 2 ? 10 : 0));
    square->setClosed(true);
    return square;
}

std::unique_ptr<AcDbDatabase> linkedDrawing(int n) {
    auto db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    AcDbObjectId style = vtsample::addAreaTextStyle(*db, "Area", "");
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite);
    std::vector<std::pair<AcDbObjectId, AcDbObjectId>> pairs;
    for (int i = 0; i < n; ++i)
        pairs.emplace_back(append(space, newSquare(i * 20.0)), append(space, new AcDbText()));
    space->close();
    for (auto [source, label] : pairs) vtsample::storeLink(source, label, style);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return db;
}

// A folder of its own for the benchmark's files, removed at the end.
struct Scratch {
    std::filesystem::path folder;
    Scratch() {
        char pattern[] = "/tmp/vt-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) std::abort();
        folder = pattern;
    }
    ~Scratch() { std::filesystem::remove_all(folder); }
    std::string file() const { return (folder / "plan.vtdwg").string(); }
};

void setCounters(benchmark::State& state, std::size_t objects, const std::string& file, int links) {
    state.counters["s_per_object"] = benchmark::Counter(
        static_cast<double>(objects),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["bytes_per_link"] =
        static_cast<double>(std::filesystem::file_size(file)) / static_cast<double>(links);
}

void BM_SaveDrawing(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    std::unique_ptr<AcDbDatabase> db = linkedDrawing(n);
    Scratch scratch;
    for (auto _ : state)
        if (db->saveAs(scratch.file().c_str()) != Acad::eOk) state.SkipWithError("save failed");
    setCounters(state, db->objectCount(), scratch.file(), n);
}

// The drawing filed into bytes in memory: the writer's own work, with no disk involved.
void BM_SerialiseDrawing(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    std::unique_ptr<AcDbDatabase> db = linkedDrawing(n);
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        if (vthost::saveDwgBytes(*db, bytes) != Acad::eOk) state.SkipWithError("filing failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["s_per_object"] = benchmark::Counter(
        static_cast<double>(db->objectCount()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["bytes_per_link"] = static_cast<double>(bytes.size()) / n;
}

void BM_OpenDrawing(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    Scratch scratch;
    std::size_t objects = 0;
    {
        std::unique_ptr<AcDbDatabase> db = linkedDrawing(n);
        objects = db->objectCount();
        if (db->saveAs(scratch.file().c_str()) != Acad::eOk) std::abort();
    }
    for (auto _ : state) {
        auto db = std::make_unique<AcDbDatabase>(false);
        if (db->readDwgFile(scratch.file().c_str()) != Acad::eOk)
            state.SkipWithError("open failed");
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    setCounters(state, objects, scratch.file(), n);
}

}  // namespace

// Wall-clock time: a save waits for the disk (fsync), and that is part of its cost. The medians
// of three runs are what to compare.
BENCHMARK(BM_SaveDrawing)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SerialiseDrawing)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenDrawing)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
