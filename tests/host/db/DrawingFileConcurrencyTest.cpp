// Saves and opens from several threads. A database belongs to one thread at a time, as in the
// host; what may run at once is saving and opening different drawings, and a second save of a
// drawing already being saved is refused with eFileSharingViolation instead of running against
// objects the first save has open. CI also runs these under ThreadSanitizer.
#include <atomic>
#include <thread>

#include "DrawingFileDiskSupport.h"
#include "DrawingLayout.h"

namespace vthost::test {
namespace {

namespace fs = std::filesystem;

class DrawingFileConcurrency : public DrawingOnDisk {};

// Deterministic: the second save starts from inside the first one, while the first one's
// objects are open for its filer.
TEST_F(DrawingFileConcurrency, ASaveOfADrawingBeingSavedIsRefused) {
    ScopedClass<VtFiledProbe> cls("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
    auto* probe = new VtFiledProbe();
    ASSERT_EQ(db->addAcDbObject(probe), Acad::eOk);
    probe->close();
    fs::path inner = folder / "inner.vtdwg";
    Acad::ErrorStatus innerStatus = Acad::eOk;
    VtFiledProbe::onFileWrite = [&] { innerStatus = db->saveAs(inner.c_str()); };
    EXPECT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    VtFiledProbe::reset();
    EXPECT_EQ(innerStatus, Acad::eFileSharingViolation);
    EXPECT_FALSE(fs::exists(inner));
    EXPECT_EQ(db->saveAs(inner.c_str()), Acad::eOk) << "the mark leaves with the save";
}

// Two threads saving one drawing used to abort the process ("not open for read").
TEST_F(DrawingFileConcurrency, TwoThreadsSavingOneDrawingNeverAbort) {
    for (int i = 0; i < 2000; ++i) add(i);
    std::atomic<int> saved{0}, refused{0}, failed{0};
    auto saver = [&] {
        for (int i = 0; i < 20; ++i) {
            Acad::ErrorStatus status = db->saveAs(target.c_str());
            ++(status == Acad::eOk ? saved
                                   : status == Acad::eFileSharingViolation ? refused : failed);
        }
    };
    std::thread first(saver), second(saver);
    first.join();
    second.join();
    EXPECT_EQ(failed.load(), 0);
    EXPECT_EQ(saved.load() + refused.load(), 40);
    EXPECT_EQ(contents(target), vttest::savedBytes(*db));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"plan.vtdwg"});
}

// Different drawings are saved and opened at once, each by its own thread, into databases made
// beforehand on this thread. The classes' runtime descriptions are looked up again after any
// class is deleted (as the tests before this one do); that first look-up is not safe to race, so
// one save on this thread comes first, as the host's start-up does in practice.
TEST_F(DrawingFileConcurrency, DifferentDrawingsSaveAndOpenAtOnce) {
    constexpr int kDrawings = 4;
    std::vector<std::unique_ptr<AcDbDatabase>> drawings, reopened;
    for (int k = 0; k < kDrawings; ++k) {
        drawings.push_back(std::make_unique<AcDbDatabase>());
        for (int i = 0; i <= 100 * k; ++i) {
            auto* object = new VtTestObject(i);
            ASSERT_EQ(drawings.back()->addAcDbObject(object), Acad::eOk);
            object->close();
        }
        reopened.push_back(std::make_unique<AcDbDatabase>(false));
    }
    ASSERT_EQ(drawings[0]->saveAs(target.c_str()), Acad::eOk);
    ASSERT_EQ(AcDbDatabase(false).readDwgFile(target.c_str()), Acad::eOk);
    std::filesystem::remove(target);
    Acad::ErrorStatus statuses[kDrawings][2] = {};
    std::vector<std::thread> threads;
    for (int k = 0; k < kDrawings; ++k)
        threads.emplace_back([&, k] {
            fs::path path = folder / ("drawing" + std::to_string(k) + ".vtdwg");
            for (int round = 0; round < 3; ++round)
                statuses[k][0] = drawings[k]->saveAs(path.c_str());
            statuses[k][1] = reopened[k]->readDwgFile(path.c_str());
        });
    for (std::thread& thread : threads) thread.join();
    for (int k = 0; k < kDrawings; ++k) {
        EXPECT_EQ(statuses[k][0], Acad::eOk) << k;
        EXPECT_EQ(statuses[k][1], Acad::eOk) << k;
        EXPECT_EQ(reopened[k]->objectCount(), drawings[k]->objectCount()) << k;
    }
    EXPECT_EQ(namesIn(folder).size(), static_cast<std::size_t>(kDrawings));
}

}  // namespace
}  // namespace vthost::test
