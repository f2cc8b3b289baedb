// Drawings on disk under hostile conditions: things that are not files, huge files whose head
// lies, read-only drawings, symbolic and hard links, the longest names, and saves killed midway.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>
#include <thread>

#include "DrawingFileDiskSupport.h"
#include "DrawingLayout.h"
#include "db/DrawingFile.h"

namespace vthost::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class DrawingFileHostile : public DrawingOnDisk {
protected:
    // A sparse file of `size` bytes whose head is a drawing's head stating `stated` bytes.
    void writeSparse(const fs::path& path, std::uint64_t size, std::uint32_t stated) {
        Bytes head = vttest::savedBytes(*db);
        head.resize(kFrameHeadSize);
        std::memcpy(head.data() + kFrameHeadSize - 4, &stated, sizeof stated);
        write(path, head);
        ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
    }
    // Opens the file in a child process; its answer and how far its resident memory rose.
    static std::pair<Acad::ErrorStatus, long> openInChild(const fs::path& path) {
        long before = residentKilobytes();
        pid_t child = ::fork();
        if (child == 0) {
            AcDbDatabase fresh(false);
            ::_exit(static_cast<int>(fresh.readDwgFile(path.c_str())));
        }
        int status = 0;
        struct rusage usage {};
        ::wait4(child, &status, 0, &usage);
        EXPECT_TRUE(WIFEXITED(status));
        return {static_cast<Acad::ErrorStatus>(WEXITSTATUS(status)), usage.ru_maxrss - before};
    }
    static long residentKilobytes() {
        long pages = 0, resident = 0;
        FILE* statm = std::fopen("/proc/self/statm", "r");
        if (statm != nullptr && std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        if (statm != nullptr) std::fclose(statm);
        return resident * (::sysconf(_SC_PAGESIZE) / 1024);
    }
};

// Reading used to load the whole file (up to 4 GiB) before looking at its first bytes. Now a
// head that states another size costs nothing, and a file of the stated size whose checksum is
// wrong is refused after reading it in small pieces.
TEST_F(DrawingFileHostile, HugeFilesAreRefusedWithoutFillingMemory) {
    constexpr long kLimitKilobytes = 64 * 1024;
    const struct {
        const char* what;
        std::uint64_t size;
        std::uint32_t stated;
        Acad::ErrorStatus expected;
    } cases[] = {
        {"160 MiB of zeros behind a true head", 160u << 20, 160u << 20, Acad::eFilerError},
        {"5 GiB, stating almost 4", 5ull << 30, 0xFFFFFFF0u, Acad::eFilerError},
        {"1 GiB, stating 4", 1ull << 30, 0xFFFFFFF0u, Acad::eEndOfFile},
    };
    for (const auto& c : cases) {
        fs::path path = folder / "huge.vtdwg";
        writeSparse(path, c.size, c.stated);
        auto [status, rise] = openInChild(path);
        EXPECT_EQ(status, c.expected) << c.what;
        EXPECT_LT(rise, kLimitKilobytes) << c.what;
        fs::remove(path);
    }
}

// Opening a named pipe used to wait for a writer forever.
TEST_F(DrawingFileHostile, WhatIsNotARegularFileIsRefusedWithoutBlocking) {
    fs::path pipe = folder / "pipe.vtdwg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(pipe, folder / "to-pipe.vtdwg");
    for (fs::path path : {pipe, folder / "to-pipe.vtdwg", fs::path("/dev/null"),
                          fs::path("/dev/zero"), folder}) {
        AcDbDatabase fresh(false);
        auto opening = std::async(std::launch::async, [&] {
            return fresh.readDwgFile(path.c_str());
        });
        if (opening.wait_for(5s) == std::future_status::timeout) {
            ::close(::open(pipe.c_str(), O_WRONLY));  // lets the blocked open return
            ADD_FAILURE() << path << " blocked";
        }
        EXPECT_EQ(opening.get(), Acad::eFilerError) << path;
    }
    EXPECT_EQ(db->saveAs(pipe.c_str()), Acad::eFilerError) << "a pipe is not replaced";
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// Saving over a read-only drawing used to replace it whenever its folder was writable. The mode
// bits decide, so this holds for the superuser too.
TEST_F(DrawingFileHostile, AReadOnlyDrawingIsRefusedAndKept) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    Bytes previous = contents(target);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    add(5);
    EXPECT_EQ(db->saveAs(target.c_str()), Acad::eFileAccessErr);
    EXPECT_EQ(contents(target), previous);
    EXPECT_EQ(modeOf(target), 0444u);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"plan.vtdwg"});

    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    EXPECT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    EXPECT_EQ(contents(target), vttest::savedBytes(*db));
}

// Saving through a link used to replace the link with a plain file, leaving the drawing it
// named as it was.
TEST_F(DrawingFileHostile, ASaveThroughSymbolicLinksWritesTheFileTheyName) {
    fs::create_directory(folder / "real");
    fs::path real = folder / "real" / "plan.vtdwg";
    ASSERT_EQ(db->saveAs(real.c_str()), Acad::eOk);
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink("real/plan.vtdwg", folder / "near.vtdwg");
    fs::create_symlink(folder / "near.vtdwg", folder / "far.vtdwg");
    add(5);
    ASSERT_EQ(db->saveAs((folder / "far.vtdwg").c_str()), Acad::eOk);
    EXPECT_TRUE(fs::is_symlink(folder / "near.vtdwg"));
    EXPECT_TRUE(fs::is_symlink(folder / "far.vtdwg"));
    EXPECT_EQ(contents(real), vttest::savedBytes(*db));
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(namesIn(folder / "real"), std::vector<std::string>{"plan.vtdwg"});

    fs::create_symlink("real/later.vtdwg", folder / "ahead.vtdwg");
    EXPECT_EQ(db->saveAs((folder / "ahead.vtdwg").c_str()), Acad::eOk) << "a link to no file yet";
    EXPECT_TRUE(fs::is_regular_file(folder / "real" / "later.vtdwg"));
    EXPECT_TRUE(fs::is_symlink(folder / "ahead.vtdwg"));

    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    EXPECT_EQ(db->saveAs((folder / "loop-a").c_str()), Acad::eFilerError);
    ASSERT_EQ(::chmod(real.c_str(), 0440), 0);
    EXPECT_EQ(db->saveAs((folder / "near.vtdwg").c_str()), Acad::eFileAccessErr);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"ahead.vtdwg", "far.vtdwg", "loop-a",
                                                         "loop-b", "near.vtdwg", "real"}));
}

// The chosen behaviour for hard links: the saved name gets a new file, other names keep the
// drawing as it was (a save never writes into the old file in place).
TEST_F(DrawingFileHostile, OtherHardLinksKeepThePreviousDrawing) {
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    Bytes previous = contents(target);
    fs::create_hard_link(target, folder / "other.vtdwg");
    add(5);
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    EXPECT_EQ(contents(target), vttest::savedBytes(*db));
    EXPECT_EQ(contents(folder / "other.vtdwg"), previous);
    EXPECT_EQ(fs::hard_link_count(target), 1u);
}

// The temporary's name used to be the target's plus a suffix, too long for names near the limit.
TEST_F(DrawingFileHostile, EveryNameTheFileSystemAllowsCanBeSaved) {
    long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    ASSERT_GE(longest, 255);
    for (long length : {longest - 5, longest - 1, longest}) {
        fs::path path = folder / (std::string(static_cast<std::size_t>(length) - 6, 'n') + ".vtdwg");
        ASSERT_EQ(db->saveAs(path.c_str()), Acad::eOk) << length;
        AcDbDatabase reopened(false);
        EXPECT_EQ(reopened.readDwgFile(path.c_str()), Acad::eOk) << length;
        EXPECT_EQ(namesIn(folder).size(), 1u) << length;
        fs::remove(path);
    }
    fs::path tooLong = folder / std::string(static_cast<std::size_t>(longest) + 1, 'n');
    EXPECT_EQ(db->saveAs(tooLong.c_str()), Acad::eFilerError);
    EXPECT_TRUE(namesIn(folder).empty());
}

// A save killed at any point leaves the complete old or the complete new file, and (it used to
// leave its temporary behind) nothing else.
TEST_F(DrawingFileHostile, AKilledSaveLeavesTheOldOrNewFileAndNoTemporary) {
    for (int i = 0; i < 40000; ++i) add(i);
    ASSERT_EQ(db->saveAs(target.c_str()), Acad::eOk);
    const Bytes old = contents(target);
    add(-1);
    const Bytes updated = vttest::savedBytes(*db);
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(db->saveAs((folder / "timing.vtdwg").c_str()), Acad::eOk);
    auto took = std::chrono::steady_clock::now() - start;
    fs::remove(folder / "timing.vtdwg");
    // Kill points spread over the measured save time; the last save is left to finish, so that
    // the test does not depend on how fast a loaded machine runs the child.
    for (double at : {0.1, 0.5, 0.7, 0.8, 0.85, 0.9, 0.95, 1.0, 1.1, 3.0, -1.0}) {
        write(target, old);
        pid_t child = ::fork();
        if (child == 0) ::_exit(db->saveAs(target.c_str()) == Acad::eOk ? 0 : 1);
        int status = 0;
        if (at >= 0) {
            std::this_thread::sleep_for(took * at);
            ::kill(child, SIGKILL);
        }
        ::waitpid(child, &status, 0);
        Bytes now = contents(target);
        EXPECT_TRUE(now == old || now == updated) << "killed at " << at;
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"plan.vtdwg"}) << "killed at " << at;
        if (at < 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            EXPECT_TRUE(now == updated) << "a save left to finish writes the new drawing";
        }
    }
}

}  // namespace
}  // namespace vthost::test
