#include "engine/storage/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// More links than this in a row is a loop; the kernel gives up at the same count.
constexpr int Link_Limit = 40;
// A temporary file this old is what a crashed or killed write left behind.
constexpr std::time_t Leftover_Age_Seconds = 60 * 60;
// Temporary files are named ".NAME.bq-XXXXXX"; NAME is cut to this length so that the
// temporary name stays within the 255 bytes a folder entry can hold.
constexpr std::size_t Longest_Temporary_Stem = 200;
const std::string Temporary_Mark = ".bq-";
constexpr std::size_t Random_Letters = 6;  // mkstemp's XXXXXX
constexpr std::size_t Read_Chunk = 64 * 1024;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now and tells whether the close succeeded: on some file systems a failed
    // write shows only here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a path finally names, its symbolic links followed; the last name need not
// exist. A loop or a link that cannot be read gives nothing.
File_Result<std::string> Final_Target(std::string path) {
    for (int hops = 0; hops < Link_Limit; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;
            return File_Error::Unwritable;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        std::vector<char> link(4096);
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return File_Error::Unwritable;
        const fs::path next(std::string(link.data(), static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next.string() : (fs::path(path).parent_path() / next).string();
    }
    return File_Error::Unwritable;
}

mode_t Current_Umask() {
    // The only way to read the mask is to set it; the engine runs on one thread, so no
    // other file is created in between.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::string Temporary_Prefix(const std::string& name) {
    return "." + name.substr(0, Longest_Temporary_Stem) + Temporary_Mark;
}

// Removes what an earlier write of the same file left behind when it was killed: only
// regular files of this user, named by the game's own pattern, and older than an hour, so
// that a write in progress in another copy of the game is never touched.
void Remove_Old_Leftovers(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + Random_Letters || name.compare(0, prefix.size(), prefix) != 0) continue;
        bool random_tail = true;
        for (std::size_t i = prefix.size(); i < name.size(); ++i)
            random_tail = random_tail && std::isalnum(static_cast<unsigned char>(name[i]));
        struct stat st {};
        if (!random_tail || ::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime + Leftover_Age_Seconds < now)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

bool Write_All(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename itself is only on the disk once the folder is; a failure here leaves the
// new file in place, so it is not reported.
void Sync_Folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

namespace {
// Up to `most` bytes of a regular file; with `whole`, a longer file is refused instead.
File_Result<std::string> Read_Regular(const std::string& path, std::size_t most, bool whole) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused just below.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return File_Error::Missing;
        if (errno == ENXIO) return File_Error::Not_A_File;  // a socket
        return File_Error::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) return File_Error::Unreadable;
    if (!S_ISREG(st.st_mode)) return File_Error::Not_A_File;
    if (whole && static_cast<std::uintmax_t>(st.st_size) > most) return File_Error::Too_Large;
    // Read straight into the text: a long save is megabytes. One byte more than its size shows
    // the end without another pass; a file that grows while it is read takes more rounds, and a
    // whole file one byte past `most` is too large.
    const std::size_t limit = whole ? most + 1 : most;
    std::string content(std::min(static_cast<std::size_t>(st.st_size) + 1, limit), '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == content.size()) {
            if (size >= limit) break;
            content.resize(std::min(size + Read_Chunk, limit));
        }
        const ssize_t n = ::read(fd.Get(), content.data() + size, content.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return File_Error::Unreadable;
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    // The file may have grown while it was read.
    if (whole && size > most) return File_Error::Too_Large;
    content.resize(size);
    return content;
}
}  // namespace

File_Result<std::string> Read_File(const std::string& path) { return Read_Regular(path, Largest_File, true); }

File_Result<std::string> Read_File_Start(const std::string& path, std::size_t bytes) {
    return Read_Regular(path, bytes, false);
}

File_Result<> Write_File_Atomic(const std::string& path, const std::string& content) {
    File_Result<std::string> target = Final_Target(path);
    if (!target) return target.Error();
    const fs::path target_path(*target);
    const std::string name = target_path.filename().string();
    if (name.empty() || name == "." || name == "..") return File_Error::Not_A_File;
    const std::string folder = target_path.has_parent_path() ? target_path.parent_path().string() : ".";

    struct stat old {};
    const bool exists = ::lstat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return File_Error::Unwritable;
    // Never put a file in the place of a folder, FIFO or device (or a link that
    // appeared since the path was followed).
    if (exists && !S_ISREG(old.st_mode)) return File_Error::Not_A_File;
    // A file the player made read-only stays as it is, though its folder would let the
    // new file take its place.
    if (exists && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return File_Error::Unwritable;
    const mode_t mode = exists ? (old.st_mode & 0777) : (0666 & ~Current_Umask());

    const std::string prefix = Temporary_Prefix(name);
    Remove_Old_Leftovers(folder, prefix);
    std::string temporary = folder + "/" + prefix + std::string(Random_Letters, 'X');
    // mkostemp creates the file anew (O_EXCL): a link planted under any name is never
    // followed.
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.Get() < 0) return File_Error::Unwritable;
    // The owner and group are kept where the user may keep them (root always may).
    if (exists && ::fchown(fd.Get(), old.st_uid, old.st_gid) != 0) {
        // Not ours to give away: the new file is the writer's, as any new file is.
    }
    const bool written = Write_All(fd.Get(), content) && ::fchmod(fd.Get(), mode) == 0 && ::fsync(fd.Get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return File_Error::Unwritable;
    }
    Sync_Folder(folder);
    return {};
}

File_Result<std::string> Read_Or_Create(const std::string& path, const std::string& fallback) {
    File_Result<std::string> content = Read_File(path);
    if (content || content.Error() != File_Error::Missing) return content;
    File_Result<> created = Write_File_Atomic(path, fallback);
    if (!created) return created.Error();
    return fallback;
}

bool Same_File(const std::string& a, const std::string& b) {
    const File_Result<std::string> first = Final_Target(a), second = Final_Target(b);
    if (!first || !second) return false;
    struct stat sa {}, sb {};
    if (::stat(first->c_str(), &sa) == 0 && ::stat(second->c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code error_a, error_b;
    const fs::path canonical_a = fs::weakly_canonical(*first, error_a);
    const fs::path canonical_b = fs::weakly_canonical(*second, error_b);
    return !error_a && !error_b && canonical_a == canonical_b;
}
