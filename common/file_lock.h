// An advisory lock that running copies of the program take on a shared lock file.
#pragma once

#include <chrono>
#include <string>

namespace vq {

// Holds an exclusive flock on the file at path (created when missing) for the object's
// life, waiting at most longestWait for another holder. Where no lock file can be made,
// no plain file stands at path or the file system has no locks, nothing is held and
// nothing is in the way.
class FileLock {
public:
    FileLock(const std::string& path, std::chrono::milliseconds longestWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Another holder kept the lock for the whole wait.
    bool TimedOut() const { return timedOut_; }

private:
    int fd_ = -1;
    bool timedOut_ = false;
};

} // namespace vq
