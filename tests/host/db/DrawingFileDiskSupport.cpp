#include "DrawingFileDiskSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "db/DrawingFile.h"

namespace vthost::test {

void DrawingOnDisk::SetUp() {
    char pattern[] = "/tmp/vt-disk-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    target = folder / "plan.vtdwg";
}

void DrawingOnDisk::TearDown() {
    failSavesAfterBytes(-1);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

DrawingOnDisk::Bytes DrawingOnDisk::contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void DrawingOnDisk::write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

mode_t DrawingOnDisk::modeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

std::vector<std::string> DrawingOnDisk::namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vthost::test
