// Label updates at scale: N closed polylines, each with an area link to a single-line text, every
// source changed in one transaction. Compared with the bare work of the same change done by hand
// in a drawing without links (read the area, format it, for the macro also run it through the
// same DIESEL scaling, set the text). Both sides are timed in the same round, alternating which
// goes first, and the median of the per-round ratios is reported (AlternatingRounds.h); after the
// rounds every label of both drawings must read the same text. Also the heap cost of one link and
// DIESEL throughput.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "AlternatingRounds.h"
#include "boot/Host.h"
#include "SampleLinks.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "diesel/DieselEvaluator.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"
#include "ed/EditorInput.h"
#include "ed/HostDieselEnvironment.h"
#include "ed/UnitSettings.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDynamicLinker.h"
#include "style/AcPropertyLinkStyle.h"

namespace {
std::atomic<long long> g_heapBytes{0};
}

// The global allocation functions are replaced to count heap bytes; they pair malloc and free
// themselves, which GCC cannot see through once they are inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    g_heapBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    g_heapBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

struct Drawing {
    std::unique_ptr<AcDbDatabase> db = std::make_unique<AcDbDatabase>();
    std::vector<AcDbObjectId> sources;
    std::vector<AcDbObjectId> labels;
    AcDbObjectId style;
};

AcDbObjectId append(AcDbBlockTableRecord* space, AcDbEntity* entity) {
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    return id;
}

AcDbPolyline* newSquare(double offset) {
    auto* square = new AcDbPolyline();
    square->addVertexAt(0, AcGePoint2d(offset, 0));
    square->addVertexAt(1, AcGePoint2d(offset + 10, 0));
    square->addVertexAt(2, AcGePoint2d(offset + 10, 10));
    square->addVertexAt(3, AcGePoint2d(offset, 10));
    square->setClosed(true);
    return square;
}

void addSourcesAndLabels(Drawing& d, int n) {
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, d.db->modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < n; ++i) {
        d.sources.push_back(append(space, newSquare(i * 20.0)));
        d.labels.push_back(append(space, new AcDbText()));
    }
    space->close();
}

std::unique_ptr<Drawing> linkedDrawing(int n, const char* macro) {
    auto d = std::make_unique<Drawing>();
    acdbHostApplicationServices()->setWorkingDatabase(d->db.get());
    addSourcesAndLabels(*d, n);
    d->style = vtsample::addAreaTextStyle(*d->db, "Area", macro);
    for (int i = 0; i < n; ++i) vtsample::storeLink(d->sources[i], d->labels[i], d->style);
    return d;
}

void moveVertex(AcDbObjectId id, double y) {
    AcDbPolyline* square = nullptr;
    acdbOpenObject(square, id, AcDb::kForWrite);
    AcGePoint2d corner;
    square->getPointAt(2, corner);
    square->setPointAt(2, AcGePoint2d(corner.x, y));
    square->close();
}

// Reads the area, formats it as the link does and, for a macro, runs it through the same DIESEL
// evaluation ("%PROPERTY" replaced by the formatted area), then writes the label.
void setLabelByHand(AcDbObjectId source, AcDbObjectId label, const std::string& macro) {
    AcDbPolyline* square = nullptr;
    acdbOpenObject(square, source, AcDb::kForRead);
    double area = 0;
    square->getArea(area);
    square->close();
    char text[1024];
    acdbRToS(area, -1, -1, text);
    std::string expression = macro;
    if (!expression.empty()) {
        for (std::size_t at; (at = expression.find("%PROPERTY")) != std::string::npos;)
            expression.replace(at, 9, text);
        if (acedMenuCmd(("M=" + expression).c_str()) != RTKWORD || acedGetInput(text) != RTNORM)
            text[0] = '\0';
    }
    AcDbText* entity = nullptr;
    acdbOpenObject(entity, label, AcDb::kForWrite);
    entity->setTextString(text);
    entity->close();
}

void startOnce() {
    static bool started = [] {
        vthost::startHost();
        return acrxLoadModule("vantorell.dbx", true);
    }();
    if (!started) std::abort();
}

// One update pass: every source of the drawing moved in one transaction; the links update the
// labels, or (bare) the labels are set by hand right after each move.
void updatePass(Drawing& d, double y, const std::string* bareMacro) {
    acdbHostApplicationServices()->setWorkingDatabase(d.db.get());
    d.db->transactionManager()->startTransaction();
    for (std::size_t i = 0; i < d.sources.size(); ++i) {
        moveVertex(d.sources[i], y);
        if (bareMacro != nullptr) setLabelByHand(d.sources[i], d.labels[i], *bareMacro);
    }
    d.db->transactionManager()->endTransaction();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

std::string labelText(AcDbObjectId label) {
    AcDbText* text = nullptr;
    if (acdbOpenObject(text, label, AcDb::kForRead) != Acad::eOk) return "<unopenable>";
    char* value = text->textString();
    std::string result = value != nullptr ? value : "";
    acutDelString(value);
    text->close();
    return result;
}

// Every label of the linked drawing reads what the bare work wrote into the same label.
bool sameLabels(const Drawing& linked, const Drawing& bare) {
    for (std::size_t i = 0; i < linked.labels.size(); ++i) {
        std::string text = labelText(linked.labels[i]);
        if (text.empty() || text != labelText(bare.labels[i])) return false;
    }
    return true;
}

// Rounds of one linked pass and one bare pass, alternating which goes first.
void compareWithBareWork(benchmark::State& state, const char* macro) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    std::unique_ptr<Drawing> linked = linkedDrawing(n, macro);
    Drawing bare;
    acdbHostApplicationServices()->setWorkingDatabase(bare.db.get());
    addSourcesAndLabels(bare, n);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    const std::string bareMacro = macro;
    vtbench::Rounds rounds;
    double y = 10;
    for (auto _ : state) {
        y += 1;
        bool linkedFirst = state.iterations() % 2 == 0;
        double total = 0;
        for (int side : {linkedFirst ? 0 : 1, linkedFirst ? 1 : 0}) {
            double seconds = vtbench::secondsOf([&] {
                if (side == 0)
                    updatePass(*linked, y, nullptr);
                else
                    updatePass(bare, y, &bareMacro);
            });
            rounds.add(static_cast<std::size_t>(side), seconds);
            total += seconds;
        }
        state.SetIterationTime(total);
    }
    if (!sameLabels(*linked, bare)) state.SkipWithError("the labels do not read what the bare work wrote");
    state.counters["us_per_label_linked"] = rounds.medianMicros(0, n);
    state.counters["us_per_label_bare"] = rounds.medianMicros(1, n);
    state.counters["ratio_linked_vs_bare"] = rounds.medianRatio(0, 1);
}

void BM_LinkVersusBareWork(benchmark::State& state) { compareWithBareWork(state, ""); }
void BM_MacroVersusBareScaling(benchmark::State& state) {
    compareWithBareWork(state, "$(*,%PROPERTY,0.001)");
}

// Heap bytes that linking adds per source/label pair: the link, its slot, its dictionary entry,
// the source's extension dictionary and the reactor entry.
void BM_HeapBytesPerLink(benchmark::State& state) {
    startOnce();
    int n = static_cast<int>(state.range(0));
    double perLink = 0;
    for (auto _ : state) {
        Drawing d;
        acdbHostApplicationServices()->setWorkingDatabase(d.db.get());
        addSourcesAndLabels(d, n);
        d.style = vtsample::addAreaTextStyle(*d.db, "Area", "");
        long long before = g_heapBytes.load();
        for (int i = 0; i < n; ++i) vtsample::storeLink(d.sources[i], d.labels[i], d.style);
        perLink = static_cast<double>(g_heapBytes.load() - before) / n;
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    state.counters["heap_bytes_per_link"] = perLink;
}

void BM_DieselLabelMacros(benchmark::State& state) {
    startOnce();
    const char* macros[] = {"$(*,123.456,0.001)", "Room: $(rtos,58.25,2,2) m2",
                            "$(if,$(>,42.5,40),large,small)", "$(upper,area) = $(fix,$(*,3.75,4))"};
    vthost::HostDieselEnvironment environment;
    std::size_t evaluations = 0;
    for (auto _ : state) {
        for (const char* macro : macros) {
            benchmark::DoNotOptimize(vthost::evaluateDiesel(macro, environment));
            ++evaluations;
        }
    }
    state.counters["evaluations_per_s"] =
        benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_LinkVersusBareWork)
    ->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MacroVersusBareScaling)
    ->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapBytesPerLink)->Arg(10000)->Iterations(1);
BENCHMARK(BM_DieselLabelMacros);

BENCHMARK_MAIN();
