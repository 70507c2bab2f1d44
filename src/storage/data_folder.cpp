#include "storage/data_folder.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/file_io.h"

namespace {
constexpr std::chrono::milliseconds Lock_Retry{10};
}

// No folder named is the current one, never the root.
std::string Data_File(const std::string& data_dir, const std::string& name) {
    return data_dir.empty() ? name : data_dir + "/" + name;
}

bool Is_Data_File(const std::string& data_dir, const std::string& path) {
    for (const std::string* name : {&Recent_File_Name, &Winners_File_Name, &First_Run_File_Name, &Lock_File_Name})
        if (Same_File(path, Data_File(data_dir, *name))) return true;
    return false;
}

Data_Lock::~Data_Lock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

File_Result<Data_Lock> Lock_Data_Folder(const std::string& data_dir) {
    // O_NOFOLLOW and O_NONBLOCK: a link or a FIFO planted under the lock's name is refused,
    // not followed or waited on.
    const std::string path = Data_File(data_dir, Lock_File_Name);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return File_Error::Unwritable;
    Data_Lock lock(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return File_Error::Not_A_File;
    const auto give_up = std::chrono::steady_clock::now() + Lock_Patience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return File_Error::Unwritable;
        if (std::chrono::steady_clock::now() >= give_up) return File_Error::Busy;
        std::this_thread::sleep_for(Lock_Retry);
    }
    return lock;
}
