// The cost of a write open of a container: append one entity to model space, or add one entry to
// a dictionary, each in its own open and close, with 1,000, 10,000 and 100,000 already there.
// The three drawings are timed in the same round, one after the other, and each size is reported
// in microseconds per open together with the median ratio of the 100,000 and 10,000 drawings to
// the 1,000 one (a write open whose cost does not grow with the container stays near 1).
//
// Each round runs inside a transaction that is aborted untimed afterwards, so that the containers
// stay at their sizes however many rounds run; the aborted transaction is also what a command
// that fails would do. Every round checks that the abort put the container back.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "AlternatingRounds.h"
#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "ent/AcDbLine.h"

namespace {

constexpr int kSizes[] = {1000, 10000, 100000};
constexpr int kOpensPerRound = 64;

void startOnce() {
    static bool started = [] {
        vthost::startHost();
        return true;
    }();
    (void)started;
}

// The container under test in one drawing: model space or a dictionary of the named objects.
struct Container {
    std::unique_ptr<AcDbDatabase> db = std::make_unique<AcDbDatabase>();
    AcDbObjectId id;
    int serial = 0;  // keeps new dictionary keys unique across rounds
};

AcDbLine* newLine(int i) {
    return new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 10, 0));
}

void appendToModelSpace(Container& c) {
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, c.id, AcDb::kForWrite);
    AcDbLine* line = newLine(++c.serial);
    space->appendAcDbEntity(line);
    line->close();
    space->close();
}

// The drawing is built with keys in ascending order ("E0000001", ...); the timed adds use keys
// spread over that whole range, as names typed by users are.
std::string builtKey(int serial) {
    std::string digits = std::to_string(serial);
    return "E" + std::string(7 - digits.size(), '0') + digits;
}

std::string spreadKey(int serial) {
    unsigned scrambled = (static_cast<unsigned>(serial) * 2654435761u) % 10000000u;
    return builtKey(static_cast<int>(scrambled)) + "_" + std::to_string(serial);
}

void addToDictionary(Container& c) {
    AcDbDictionary* dictionary = nullptr;
    acdbOpenObject(dictionary, c.id, AcDb::kForWrite);
    auto* entry = new AcDbDictionary();
    AcDbObjectId entryId;
    dictionary->setAt(spreadKey(++c.serial).c_str(), entry, entryId);
    entry->close();
    dictionary->close();
}

std::unique_ptr<Container> modelSpaceWith(int n) {
    auto c = std::make_unique<Container>();
    c->id = c->db->modelSpaceId();
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, c->id, AcDb::kForWrite);
    for (int i = 0; i < n; ++i) {
        AcDbLine* line = newLine(++c->serial);
        space->appendAcDbEntity(line);
        line->close();
    }
    space->close();
    return c;
}

std::unique_ptr<Container> dictionaryWith(int n) {
    auto c = std::make_unique<Container>();
    AcDbDictionary* named = nullptr;
    c->db->getNamedObjectsDictionary(named, AcDb::kForWrite);
    auto* dictionary = new AcDbDictionary();
    named->setAt("BENCH", dictionary, c->id);
    named->close();
    for (int i = 0; i < n; ++i) {
        auto* entry = new AcDbDictionary();
        AcDbObjectId entryId;
        dictionary->setAt(builtKey(++c->serial).c_str(), entry, entryId);
        entry->close();
    }
    dictionary->close();
    return c;
}

std::size_t modelSpaceSize(Container& c) {
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, c.id, AcDb::kForRead);
    std::size_t size = space->entityIds().size();
    space->close();
    return size;
}

std::size_t dictionarySize(Container& c) {
    AcDbDictionary* dictionary = nullptr;
    acdbOpenObject(dictionary, c.id, AcDb::kForRead);
    std::size_t size = dictionary->numEntries();
    dictionary->close();
    return size;
}

// One timed batch of opens inside a transaction that is aborted untimed.
template <class Open>
double timedBatch(Container& c, Open open) {
    c.db->transactionManager()->startTransaction();
    double seconds = vtbench::secondsOf([&] {
        for (int i = 0; i < kOpensPerRound; ++i) open(c);
    });
    c.db->transactionManager()->abortTransaction();
    return seconds;
}

template <class Make, class Open, class Size>
void runScaling(benchmark::State& state, Make make, Open open, Size size) {
    startOnce();
    std::vector<std::unique_ptr<Container>> containers;
    for (int n : kSizes) containers.push_back(make(n));
    vtbench::Rounds rounds;
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < containers.size(); ++i) {
            // Alternate the order, so that no size always runs on a warm or a cold cache.
            std::size_t k = (state.iterations() % 2 == 0) ? i : containers.size() - 1 - i;
            double seconds = timedBatch(*containers[k], open);
            rounds.add(k, seconds);
            total += seconds;
            if (size(*containers[k]) != static_cast<std::size_t>(kSizes[k]))
                state.SkipWithError("the abort did not restore the container");
        }
        state.SetIterationTime(total);
    }
    for (std::size_t k = 0; k < containers.size(); ++k)
        state.counters["us_at_" + std::to_string(kSizes[k])] =
            rounds.medianMicros(k, kOpensPerRound);
    state.counters["ratio_10000_vs_1000"] = rounds.medianRatio(1, 0);
    state.counters["ratio_100000_vs_1000"] = rounds.medianRatio(2, 0);
}

void BM_AppendEntityToModelSpace(benchmark::State& state) {
    runScaling(state, modelSpaceWith, appendToModelSpace, modelSpaceSize);
}

void BM_AddDictionaryEntry(benchmark::State& state) {
    runScaling(state, dictionaryWith, addToDictionary, dictionarySize);
}

}  // namespace

BENCHMARK(BM_AppendEntityToModelSpace)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddDictionaryEntry)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
