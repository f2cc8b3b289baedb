// Opening a drawing file from disk without trusting it. Only a regular file is read, and it is
// opened so that nothing else (a named pipe, a terminal) can block the open. Then the frame's
// head is checked against the file's real size, and the checksum is taken while reading in small
// pieces; only a file whose size matches its head and whose checksum is right is read into memory
// whole. So a bad file costs at most one piece of memory, and a good one what its size says.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "db/DrawingFile.h"

namespace vthost {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 20;

// Closes the descriptor it holds.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads `size` bytes at `offset`; false on an error or an early end (the file shrank).
bool readAt(int fd, std::uint8_t* into, std::size_t size, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// A regular file, opened without blocking: O_NONBLOCK makes the open of a named pipe return at
// once, and the type is checked on the descriptor itself, so a file swapped in after a stat
// cannot slip through. -1 for anything else.
int openRegularFile(const char* fileName, std::uint64_t& size) {
    struct stat info {};
    if (::stat(fileName, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    int fd = ::open(fileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

// The checksum over everything before the trailer, in pieces, compared with the trailer's.
bool checksumHolds(int fd, std::uint32_t length) {
    std::size_t body = length - kTrailerSize;
    std::vector<std::uint8_t> piece(std::min(kPiece, body));
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < body; at += piece.size()) {
        std::size_t size = std::min(piece.size(), body - at);
        if (!readAt(fd, piece.data(), size, at)) return false;
        sum = crc32(piece.data(), size, sum);
    }
    std::uint8_t trailer[kTrailerSize];
    std::uint32_t stored = 0;
    if (!readAt(fd, trailer, sizeof trailer, body)) return false;
    std::memcpy(&stored, trailer + 1, sizeof stored);
    return stored == sum;
}

}  // namespace

Acad::ErrorStatus readDrawingFile(AcDbDatabase& db, const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') return Acad::eInvalidInput;
    std::uint64_t size = 0;
    FileDescriptor file(openRegularFile(fileName, size));
    if (file.get() < 0) return Acad::eFilerError;
    std::uint8_t head[kFrameHeadSize];
    std::size_t available = static_cast<std::size_t>(std::min<std::uint64_t>(size, sizeof head));
    if (!readAt(file.get(), head, available, 0)) return Acad::eFilerError;
    std::uint32_t length = 0;
    Acad::ErrorStatus status = checkFrameHead(head, available, size, length);
    if (status != Acad::eOk) return status;
    if (!checksumHolds(file.get(), length)) return Acad::eFilerError;
    std::vector<std::uint8_t> bytes(length);
    if (!readAt(file.get(), bytes.data(), bytes.size(), 0)) return Acad::eFilerError;
    return readDwgBytes(db, std::move(bytes));
}

}  // namespace vthost
