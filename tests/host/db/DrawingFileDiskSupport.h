// What the tests of drawings on disk share: a fresh folder under /tmp for each test (removed
// afterwards, whatever is left in it), and a look at files and folders as bytes and names.
#pragma once
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "DbTestSupport.h"

namespace vthost::test {

class DrawingOnDisk : public DbTest {
protected:
    using Bytes = std::vector<std::uint8_t>;

    void SetUp() override;
    void TearDown() override;

    static Bytes contents(const std::filesystem::path& path);
    static void write(const std::filesystem::path& path, const Bytes& bytes);
    static mode_t modeOf(const std::filesystem::path& path);
    // The names in a folder, sorted.
    static std::vector<std::string> namesIn(const std::filesystem::path& folder);

    std::filesystem::path folder, target;
};

}  // namespace vthost::test
