// An advisory lock that running copies of the program take on a shared lock file.
#pragma once

#include <chrono>
#include <string>

namespace vq {

// Holds an exclusive flock for the object's life on the lock file at path (created when
// missing), waiting at most longestWait for another holder. Where no plain file can be
// used there (a folder, a link, a pipe, another user's unreadable file) the lock is taken
// on the folder that holds path instead; where neither can be locked, nothing is held
// and nothing is in the way.
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
