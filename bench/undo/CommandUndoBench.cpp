// What a command's undo costs in drawings of 1,000 and 100,000 objects, typed through the command
// line as a user types it, with vantorell.dbx loaded: MOVE of a circle whose area label follows
// it, U of that MOVE, and LINE (one entity appended to model space, which is what the undo
// recording of a container costs). Both drawings are timed in the same round, one after the other,
// and each is reported in microseconds per command with the median ratio of the large drawing to
// the small one (a command whose undo cost does not grow with the drawing stays near 1).
// BM_Script types 10,000 mixed commands and reports commands per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AlternatingRounds.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "boot/Host.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbText.h"
#include "program/HostCommands.h"
#include "ut/AcUtil.h"

namespace {

constexpr int kSizes[] = {1000, 100000};
constexpr int kCommandsPerRound = 32;

void quiet(const char*) {}

void startOnce() {
    static bool started = [] {
        vthost::startHost();
        vthost::registerHostCommands();
        vthost::setOutputSink(quiet);
        return vthost::loadModuleIntoSession("vantorell.dbx", false);
    }();
    (void)started;
}

// A drawing of n objects: lines, and one circle whose area a text label shows.
struct Drawing {
    AcApDocument* doc = nullptr;
    std::string source;  // the circle, as "#<handle>" for the pick prompts
};

Drawing linkedDrawing(int n) {
    Drawing d;
    d.doc = vthost::newDrawing();
    AcDbDatabase& db = *d.doc->database();
    for (int i = 0; i < n; ++i)
        vtsample::addToModelSpace(db, new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 10, 0)));
    AcDbObjectId circle = vtsample::addToModelSpace(db, new AcDbCircle(AcGePoint3d(0, -20, 0), 2));
    auto* label = new AcDbText();
    label->setPosition(AcGePoint3d(0, -30, 0));
    AcDbObjectId labelId = vtsample::addToModelSpace(db, label);
    vtsample::storeLink(circle, labelId, vtsample::addAreaTextStyle(db, "Area", "%PROPERTY"));
    char handle[16];
    std::snprintf(handle, sizeof handle, "#%X", circle.rawHandle());
    d.source = handle;
    d.doc->state().undo.endGroup();
    return d;
}

bool type(const std::string& command, std::initializer_list<std::string> answers) {
    for (const std::string& answer : answers) vthost::commandLine().queue(answer);
    return vthost::runCommand(command) == vthost::CommandOutcome::kEnded;
}

// Alternating MOVE directions keep the circle where it was however many rounds run.
bool move(const Drawing& d, int i) {
    return type("MOVE", {d.source, "", "0,0", i % 2 == 0 ? "1,0" : "-1,0"});
}
bool undo(const Drawing&, int) { return type("U", {}); }
bool line(const Drawing&, int i) {
    return type("LINE", {std::to_string(i) + ",50", std::to_string(i) + ",60", ""});
}

// Times kCommandsPerRound runs of timed in one drawing, each after an untimed before (and
// followed by an untimed after).
template <class Timed, class Before, class After>
double timedRound(const Drawing& d, Timed timed, Before before, After after, bool& ok) {
    acDocManager->setCurDocument(d.doc);
    double seconds = 0;
    for (int i = 0; i < kCommandsPerRound; ++i) {
        ok = before(d, i) && ok;
        seconds += vtbench::secondsOf([&] { ok = timed(d, i) && ok; });
        ok = after(d, i) && ok;
    }
    return seconds;
}

bool nothing(const Drawing&, int) { return true; }

template <class Timed, class Before, class After>
void runScaling(benchmark::State& state, Timed timed, Before before, After after) {
    startOnce();
    std::vector<Drawing> drawings;
    for (int n : kSizes) drawings.push_back(linkedDrawing(n));
    vtbench::Rounds rounds;
    for (auto _ : state) {
        double total = 0;
        bool ok = true;
        for (std::size_t i = 0; i < drawings.size(); ++i) {
            std::size_t k = (state.iterations() % 2 == 0) ? i : drawings.size() - 1 - i;
            double seconds = timedRound(drawings[k], timed, before, after, ok);
            rounds.add(k, seconds);
            total += seconds;
        }
        if (!ok) state.SkipWithError("a command did not end");
        state.SetIterationTime(total);
    }
    state.counters["us_at_1000"] = rounds.medianMicros(0, kCommandsPerRound);
    state.counters["us_at_100000"] = rounds.medianMicros(1, kCommandsPerRound);
    state.counters["ratio_100000_vs_1000"] = rounds.medianRatio(1, 0);
    for (const Drawing& d : drawings) vthost::closeDrawing(d.doc);
}

void BM_MoveLinkedSource(benchmark::State& state) { runScaling(state, move, nothing, nothing); }
void BM_UndoMove(benchmark::State& state) { runScaling(state, undo, move, nothing); }
void BM_LineRecordsUndo(benchmark::State& state) { runScaling(state, line, nothing, undo); }

// 10,000 commands typed at the Command prompt of a drawing of 1,000 objects: drawing, moving,
// editing and undoing, as a session runs.
void BM_Script(benchmark::State& state) {
    startOnce();
    Drawing d = linkedDrawing(1000);
    constexpr int kCommands = 10000;
    double seconds = 0;
    for (auto _ : state) {
        vthost::CommandLine& line = vthost::commandLine();
        for (int i = 0; i < kCommands / 4; ++i) {
            std::string x = std::to_string(i % 500);
            line.queue("LINE " + x + ",70 " + x + ",80 ");
            line.queue("CIRCLE " + x + ",90 2");
            line.queue("MOVE " + d.source + " ");
            line.queue(i % 2 == 0 ? "0,0 1,0" : "0,0 -1,0");
            line.queue("U");
        }
        double round = vtbench::secondsOf([] { vthost::commandLoop(); });
        seconds += round;
        state.SetIterationTime(round);
    }
    state.counters["commands_per_second"] = kCommands * static_cast<double>(state.iterations()) / seconds;
    vthost::closeDrawing(d.doc);
}

}  // namespace

BENCHMARK(BM_MoveLinkedSource)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMove)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineRecordsUndo)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Script)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
