#include "common/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vq {
namespace {

constexpr std::chrono::milliseconds RetryInterval{10};

// The lock file, opened for writing where that is allowed (some file systems lock only
// such files), else for reading; -1 unless it is a plain file. The open neither waits
// (a named pipe) nor follows a link.
int OpenLockFile(const std::string& path)
{
    constexpr int flags = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_RDONLY | flags);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds longestWait)
{
    fd_ = OpenLockFile(path);
    if (fd_ < 0)
        return;
    const auto giveUp = std::chrono::steady_clock::now() + longestWait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            timedOut_ = true;
            ::close(fd_);
            fd_ = -1;
            return;
        }
        std::this_thread::sleep_for(RetryInterval);
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace vq
