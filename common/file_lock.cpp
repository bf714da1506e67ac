#include "common/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vq {
namespace {

using Clock = std::chrono::steady_clock;

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

// The folder that holds path.
int OpenFolderOf(const std::string& path)
{
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

enum class LockOutcome { Held, TimedOut, Unlockable };

// Takes the flock on fd, retrying until giveUp while another holder has it.
LockOutcome LockUntil(int fd, Clock::time_point giveUp)
{
    if (fd < 0)
        return LockOutcome::Unlockable;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return LockOutcome::Unlockable;
        if (Clock::now() >= giveUp)
            return LockOutcome::TimedOut;
        std::this_thread::sleep_for(RetryInterval);
    }
    return LockOutcome::Held;
}

} // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds longestWait)
{
    // Every copy takes the folder first and then the lock file where it can use one, so
    // a copy that cannot open another user's lock file still shares a lock with it, a copy
    // that holds only the lock file is still waited for, and the order rules out a
    // deadlock. Both waits together stay within longestWait.
    const auto giveUp = Clock::now() + longestWait;
    folderFd_ = OpenFolderOf(path);
    const LockOutcome folder = LockUntil(folderFd_, giveUp);
    if (folder != LockOutcome::Held && folderFd_ >= 0) {
        ::close(folderFd_);
        folderFd_ = -1;
    }
    if (folder == LockOutcome::TimedOut) {
        timedOut_ = true;
        return;
    }
    fd_ = OpenLockFile(path);
    const LockOutcome file = LockUntil(fd_, giveUp);
    if (file != LockOutcome::Held && fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (file == LockOutcome::TimedOut) {
        if (folderFd_ >= 0)
            ::close(folderFd_);
        folderFd_ = -1;
        timedOut_ = true;
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (folderFd_ >= 0)
        ::close(folderFd_);
}

} // namespace vq
