// DXF import and export of drawings of N entities (lines, circles, closed polylines and texts in
// turn, on two layers). Reported per entity, so that sizes can be compared: time, the file's bytes
// and the heap an imported drawing holds (glibc's count of bytes in use, before and after). The
// scaling benchmarks time 1,000 and 100,000 entities in alternating rounds and report the median
// ratio of the time per entity at 100,000 to that at 1,000 (1.0: linear; it should stay under 1.5).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "AlternatingRounds.h"
#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"

namespace {

constexpr int kSmall = 1000;
constexpr int kLarge = 100000;

void startOnce() {
    static bool started = (vthost::startHost(), true);
    benchmark::DoNotOptimize(started);
}

AcDbEntity* newEntity(int i) {
    double x = (i % 300) * 20.0, y = (i / 300) * 20.0;
    AcDbEntity* entity = nullptr;
    switch (i % 4) {
        case 0: entity = new AcDbLine(AcGePoint3d(x, y, 0), AcGePoint3d(x + 10, y + 5, 0)); break;
        case 1: entity = new AcDbCircle(AcGePoint3d(x, y, 0), 4.0); break;
        case 2: {
            auto* square = new AcDbPolyline();
            for (unsigned v = 0; v < 4; ++v)
                square->addVertexAt(v, AcGePoint2d(x + (v == 1 || v == 2 ? 10 : 0), y + (v >= 2 ? 10 : 0)));
            square->setClosed(true);
            entity = square;
            break;
        }
        default: {
            auto* text = new AcDbText();
            text->setPosition(AcGePoint3d(x, y, 0));
            text->setTextString("Room 12.50 m2");
            text->setHeight(0.5);
            entity = text;
        }
    }
    entity->setLayer(i % 2 ? "WALLS" : "0");
    return entity;
}

std::unique_ptr<AcDbDatabase> drawingOf(int n) {
    auto db = std::make_unique<AcDbDatabase>();
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) std::abort();
    for (int i = 0; i < n; ++i) {
        AcDbEntity* entity = newEntity(i);
        if (space->appendAcDbEntity(entity) != Acad::eOk) std::abort();
        entity->close();
    }
    space->close();
    return db;
}

// A folder of its own for the benchmark's files, removed at the end.
struct Scratch {
    std::filesystem::path folder;
    Scratch() {
        char pattern[] = "/tmp/vt-dxf-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) std::abort();
        folder = pattern;
    }
    ~Scratch() { std::filesystem::remove_all(folder); }
    std::string file(int n) const { return (folder / ("plan-" + std::to_string(n) + ".dxf")).string(); }
};

void exportOrAbort(const AcDbDatabase& db, const std::string& path) {
    vthost::DxfExportReport report;
    if (vthost::exportDxf(db, path.c_str(), report) != Acad::eOk) std::abort();
}

// Imports path into a new drawing; the drawing is returned so that its release is not timed.
std::unique_ptr<AcDbDatabase> importOrAbort(const std::string& path) {
    auto db = std::make_unique<AcDbDatabase>();
    vthost::DxfImportReport report;
    if (vthost::importDxf(path.c_str(), *db, report) != Acad::eOk) std::abort();
    return db;
}

void perEntity(benchmark::State& state, int n) {
    state.counters["s_per_entity"] = benchmark::Counter(
        n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ExportDxf(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    std::unique_ptr<AcDbDatabase> db = drawingOf(n);
    Scratch scratch;
    for (auto _ : state) exportOrAbort(*db, scratch.file(n));
    perEntity(state, n);
    state.counters["bytes_per_entity"] =
        static_cast<double>(std::filesystem::file_size(scratch.file(n))) / n;
}

void BM_ImportDxf(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    Scratch scratch;
    exportOrAbort(*drawingOf(n), scratch.file(n));
    double heldBytes = 0;
    for (auto _ : state) {
        std::size_t before = mallinfo2().uordblks;
        std::unique_ptr<AcDbDatabase> db = importOrAbort(scratch.file(n));
        state.PauseTiming();
        heldBytes = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(before);
        db.reset();
        state.ResumeTiming();
    }
    perEntity(state, n);
    state.counters["heap_bytes_per_entity"] = heldBytes / n;
}

// Both sizes in each round: ten imports (or exports) of 1,000 entities, then one of 100,000.
template <class Work>
void scaling(benchmark::State& state, Work&& work) {
    vtbench::Rounds rounds;
    for (auto _ : state) {
        rounds.add(0, vtbench::secondsOf([&] { for (int i = 0; i < 10; ++i) work(kSmall); }));
        rounds.add(1, vtbench::secondsOf([&] { work(kLarge); }));
    }
    state.counters["us_per_entity_1000"] = rounds.medianMicros(0, 10.0 * kSmall);
    state.counters["us_per_entity_100000"] = rounds.medianMicros(1, kLarge);
    state.counters["ratio_per_entity"] = rounds.medianRatio(1, 0) * (10.0 * kSmall) / kLarge;
}

void BM_ImportScaling(benchmark::State& state) {
    startOnce();
    Scratch scratch;
    for (int n : {kSmall, kLarge}) exportOrAbort(*drawingOf(n), scratch.file(n));
    scaling(state, [&](int n) { benchmark::DoNotOptimize(importOrAbort(scratch.file(n)).get()); });
}

void BM_ExportScaling(benchmark::State& state) {
    startOnce();
    Scratch scratch;
    std::unique_ptr<AcDbDatabase> small = drawingOf(kSmall), large = drawingOf(kLarge);
    scaling(state, [&](int n) { exportOrAbort(n == kSmall ? *small : *large, scratch.file(n)); });
}

}  // namespace

BENCHMARK(BM_ExportDxf)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportDxf)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportScaling)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportScaling)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
