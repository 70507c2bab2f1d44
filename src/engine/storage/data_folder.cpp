#include "engine/storage/data_folder.h"

#include <cerrno>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/storage/file_io.h"

namespace {
constexpr std::chrono::milliseconds Lock_Retry{10};
}

// No folder named is the current one, never the root.
std::string Data_File(const std::string& data_dir, const std::string& name) {
    return data_dir.empty() ? name : data_dir + "/" + name;
}

bool Is_Data_File(const std::string& data_dir, const std::string& path) {
    for (const std::string* name : {&Recent_File_Name, &Winners_File_Name, &Statistics_File_Name, &Settings_File_Name,
                                    &First_Run_File_Name, &Lock_File_Name})
        if (Same_File(path, Data_File(data_dir, *name))) return true;
    return false;
}

Data_Lock::~Data_Lock() {
    // Closing releases the locks.
    if (file_ >= 0) ::close(file_);
    if (folder_ >= 0) ::close(folder_);
}

namespace {
using Deadline = std::chrono::steady_clock::time_point;

// Busy when another holder keeps the lock past `give_up`; nothing when it is taken.
std::optional<File_Error> Take_Lock(int fd, Deadline give_up) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return File_Error::Unwritable;
        if (std::chrono::steady_clock::now() >= give_up) return File_Error::Busy;
        std::this_thread::sleep_for(Lock_Retry);
    }
    return std::nullopt;
}

// The lock file, opened, where it is a plain file of this user's: O_NOFOLLOW and O_NONBLOCK,
// so that a link planted there is not followed and a FIFO not waited on. Anything else under
// its name (a folder, a FIFO, a link, a file this user may not open or does not own) is
// passed over, and can neither hold a change back nor stop it.
int Open_Lock_File(int folder) {
    const int fd = ::openat(folder, Lock_File_Name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) return fd;
    ::close(fd);
    return -1;
}
}  // namespace

File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir) {
    const std::string folder = data_dir.empty() ? "." : data_dir;
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd < 0) return File_Error::Unwritable;
    Data_Lock lock(folder_fd);
    const Deadline give_up = std::chrono::steady_clock::now() + Lock_Patience;
    if (const std::optional<File_Error> failed = Take_Lock(folder_fd, give_up)) return *failed;
    // Copies of this version wait for each other on the folder; a copy of an earlier version
    // locks only the file, and is waited for there.
    lock.file_ = Open_Lock_File(folder_fd);
    if (lock.file_ >= 0) {
        const std::optional<File_Error> failed = Take_Lock(lock.file_, give_up);
        if (failed == File_Error::Busy) return *failed;
        if (failed) {
            // A file system that cannot lock the file cannot have been locked through it either.
            ::close(lock.file_);
            lock.file_ = -1;
        }
    }
    return lock;
}
