// Saving a drawing to disk so that the previous file is never lost. The target is the file a
// symbolic link names, never the link itself. An existing target must be a regular file that may
// be written: a read-only drawing is refused with eFileAccessErr, however the folder stands. The
// whole drawing is filed into memory first; the bytes then go to an unnamed file in the target's
// folder (O_TMPFILE), which vanishes with the process if the save is killed; once written and
// synced it is given a short name of its own and renamed over the target, and the folder is
// synced. File systems without unnamed files get a named temporary (".vtsave-<pid>-<n>"). Either
// way the target is replaced by a new file: other hard links to the old one keep the old drawing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "db/DrawingFile.h"

namespace vthost {

namespace {

std::atomic<long> g_failAfterBytes{-1};
std::atomic<unsigned> g_temporaryCounter{0};
// As many links as the kernel follows in one path before it answers ELOOP.
constexpr int kMaxLinks = 40;
constexpr mode_t kNoMode = static_cast<mode_t>(-1);

// Marks a database as being saved for its lifetime; a second save of the same database meanwhile
// (another thread, or a save from inside the save) gets owned() == false and must not go on.
class SaveInProgress {
public:
    explicit SaveInProgress(const AcDbDatabase* db) : m_db(db) {
        std::lock_guard<std::mutex> lock(mutex());
        m_owned = saving().insert(db).second;
    }
    ~SaveInProgress() {
        if (!m_owned) return;
        std::lock_guard<std::mutex> lock(mutex());
        saving().erase(m_db);
    }
    SaveInProgress(const SaveInProgress&) = delete;
    SaveInProgress& operator=(const SaveInProgress&) = delete;
    bool owned() const { return m_owned; }

private:
    static std::mutex& mutex() {
        static std::mutex guard;
        return guard;
    }
    static std::set<const AcDbDatabase*>& saving() {
        static std::set<const AcDbDatabase*> databases;
        return databases;
    }

    const AcDbDatabase* m_db;
    bool m_owned = false;
};

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file they name, which need not exist yet. A loop or a longer
// chain than the kernel follows is refused.
Acad::ErrorStatus resolveTarget(std::string& path) {
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0)
            return errno == ENOENT ? Acad::eOk : Acad::eFilerError;
        if (!S_ISLNK(info.st_mode)) return Acad::eOk;
        char link[PATH_MAX];
        ssize_t length = ::readlink(path.c_str(), link, sizeof link);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof link)
            return Acad::eFilerError;
        std::string named(link, static_cast<std::size_t>(length));
        path = named[0] == '/' ? named : folderOf(path) + "/" + named;
    }
    return Acad::eFilerError;
}

// An existing target must be a regular file that may be written. The mode bits are looked at
// as well as access(), which lets the superuser write anything: a drawing marked read-only stays
// read-only for everyone. `mode` gets the target's permissions, kNoMode when there is none yet.
Acad::ErrorStatus checkTarget(const std::string& path, mode_t& mode) {
    mode = kNoMode;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? Acad::eOk : Acad::eFilerError;
    if (!S_ISREG(info.st_mode)) return Acad::eFilerError;
    if ((info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return Acad::eFileAccessErr;
    mode = info.st_mode & 07777;
    return Acad::eOk;
}

// Writes everything, within what the full-disk switch allows; false with errno set otherwise.
bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    long failAfter = g_failAfterBytes.load();
    std::size_t allowed = failAfter < 0 ? bytes.size() : static_cast<std::size_t>(failAfter);
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (done >= allowed) {
            errno = ENOSPC;
            return false;
        }
        std::size_t chunk = std::min({bytes.size() - done, std::size_t{1} << 20, allowed - done});
        ssize_t written = ::write(fd, bytes.data() + done, chunk);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A short name in the folder, whatever the length of the target's own name: every name the file
// system allows can be saved.
std::string temporaryName(const std::string& folder) {
    return folder + "/.vtsave-" + std::to_string(::getpid()) + "-" +
           std::to_string(++g_temporaryCounter);
}

// The file being written: unnamed until link() gives it a name, or named from the start where
// the file system has no unnamed files. The destructor closes it and removes its name, if any.
class Temporary {
public:
    explicit Temporary(const std::string& folder) : m_folder(folder) {}
    ~Temporary() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_name.empty()) ::unlink(m_name.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    bool create() {
        m_fd = ::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0) return true;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            std::string name = temporaryName(m_folder);
            m_fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) m_name = name;
            if (m_fd < 0 && errno != EEXIST) return false;
        }
        return m_fd >= 0;
    }
    int fd() const { return m_fd; }
    // Gives an unnamed file a name (through /proc, or by descriptor where /proc is missing).
    bool link() {
        std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100 && m_name.empty(); ++attempt) {
            std::string name = temporaryName(m_folder);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                (errno != EEXIST &&
                 ::linkat(m_fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0))
                m_name = name;
            else if (errno != EEXIST)
                return false;
        }
        return !m_name.empty();
    }
    // Renames the file over the target; the name is then the target's, no longer ours.
    bool renameTo(const std::string& target) {
        if (::rename(m_name.c_str(), target.c_str()) != 0) return false;
        m_name.clear();
        return true;
    }

private:
    std::string m_folder;
    std::string m_name;
    int m_fd = -1;
};

// The rename is on disk once the folder is.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

Acad::ErrorStatus replaceFile(const std::string& target, const std::vector<std::uint8_t>& bytes,
                              mode_t mode) {
    std::string folder = folderOf(target);
    Temporary file(folder);
    if (!file.create()) return Acad::eFilerError;
    bool written = writeAll(file.fd(), bytes) &&
                   (mode == kNoMode || ::fchmod(file.fd(), mode) == 0) && ::fsync(file.fd()) == 0;
    if (!written || !file.link() || !file.renameTo(target)) return Acad::eFilerError;
    syncFolder(folder);
    return Acad::eOk;
}

}  // namespace

void failSavesAfterBytes(long bytes) { g_failAfterBytes = bytes < 0 ? -1 : bytes; }

Acad::ErrorStatus writeDrawingFile(AcDbDatabase& db, const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') return Acad::eInvalidInput;
    SaveInProgress saving(&db);
    if (!saving.owned()) return Acad::eFileSharingViolation;
    std::string target = fileName;
    mode_t mode = kNoMode;
    Acad::ErrorStatus status = resolveTarget(target);
    if (status == Acad::eOk) status = checkTarget(target, mode);
    std::vector<std::uint8_t> bytes;
    if (status == Acad::eOk) status = saveDwgBytes(db, bytes);
    if (status == Acad::eOk) status = replaceFile(target, bytes, mode);
    return status;
}

}  // namespace vthost
