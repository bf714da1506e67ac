// An advisory lock that running copies of the program take on a shared lock file.
#pragma once

#include <chrono>
#include <string>

namespace vq {

// Holds an exclusive flock for the object's life on the folder that holds path and then
// on the lock file at path (created when missing), waiting at most longestWait in all
// for other holders. Where no plain file can be used at path (a folder, a link, a pipe,
// another user's unreadable file) the folder's lock alone is held; where neither can be
// locked, nothing is held and nothing is in the way.
class FileLock {
public:
    FileLock(const std::string& path, std::chrono::milliseconds longestWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Another holder kept the lock for the whole wait.
    bool TimedOut() const { return timedOut_; }

private:
    int folderFd_ = -1;
    int fd_ = -1;
    bool timedOut_ = false;
};

} // namespace vq
