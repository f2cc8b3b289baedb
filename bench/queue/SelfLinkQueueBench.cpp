// Deferred updates at scale: N self-labelled texts (each shows its own X) are all moved in one
// go, outside the editor, so that the library queues N links with the editor application's
// service (queueLink per call), which then rewrites them all (processQueue per link). Both are
// reported per link for N = 1,000, 10,000 and 100,000: they should stay flat as N grows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "AlternatingRounds.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "boot/Host.h"
#include "ent/AcDbText.h"
#include "ge/AcGeMatrix3d.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxSysRegistry.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "ut/AcUtil.h"

namespace {

void quiet(const char*) {}

AcPropertyLinkStyleMgr* service() {
    auto* services = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY));
    return static_cast<AcPropertyLinkStyleMgr*>(services->at("AcPropertyLinkStyleMgr"));
}

// A drawing of n self-labelled texts in a new document; their first updates are done.
std::vector<AcDbObjectId> selfLabelledTexts(int n) {
    AcDbDatabase& db = *vthost::newDrawing()->database();
    AcDbObjectId style = vtsample::addStyle(db, "Own X", new AcXCoordReader(),
                                            new AcTextModifier(), "X=$(rtos,%PROPERTY,2,2)");
    std::vector<AcDbObjectId> texts;
    for (int i = 0; i < n; ++i) {
        auto* text = new AcDbText();
        text->setPosition(AcGePoint3d(i, 0, 0));
        text->setTextString("");
        texts.push_back(vtsample::addToModelSpace(db, text));
        vtsample::storeLink(texts.back(), AcDbObjectId::kNull, style);
    }
    service()->processQueue();
    return texts;
}

void moveAll(const std::vector<AcDbObjectId>& texts) {
    AcGeMatrix3d step = AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0));
    for (const AcDbObjectId& id : texts) {
        AcDbEntity* entity = nullptr;
        acdbOpenObject(entity, id, AcDb::kForWrite);
        entity->transformBy(step);
        entity->close();  // the library queues the self link here
    }
}

// Reference cost: the same opens, moves and closes on texts without links.
std::vector<AcDbObjectId> plainTexts(int n) {
    AcDbDatabase& db = *vthost::newDrawing()->database();
    std::vector<AcDbObjectId> texts;
    for (int i = 0; i < n; ++i) {
        auto* text = new AcDbText();
        text->setPosition(AcGePoint3d(i, 0, 0));
        texts.push_back(vtsample::addToModelSpace(db, text));
    }
    return texts;
}

void BM_SelfLinkQueue(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    std::vector<AcDbObjectId> linked = selfLabelledTexts(n);
    std::vector<AcDbObjectId> plain = plainTexts(n);
    double queueSeconds = 0, processSeconds = 0;
    int rounds = 0;
    for (auto _ : state) {
        double withLinks = vtbench::secondsOf([&] { moveAll(linked); });
        double without = vtbench::secondsOf([&] { moveAll(plain); });
        double process = vtbench::secondsOf([&] { service()->processQueue(); });
        processSeconds += process;
        queueSeconds += withLinks - without;
        state.SetIterationTime(withLinks + process);
        ++rounds;
    }
    state.counters["queueLink_us_per_call"] = queueSeconds / rounds / n * 1e6;
    state.counters["processQueue_us_per_link"] = processSeconds / rounds / n * 1e6;
    while (acDocManager->documentCount() > 0) vthost::closeDrawing(acDocManager->documents().back());
}
BENCHMARK(BM_SelfLinkQueue)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    vthost::startHost();
    vthost::setOutputSink(quiet);
    if (!vthost::loadModuleIntoSession("VantorellUi.arx", false)) {
        std::fprintf(stderr, "bench_queue: cannot load VantorellUi.arx\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vthost::stopHost();
    return 0;
}
