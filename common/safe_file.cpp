#include "common/safe_file.h"

#include "common/file_routines.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vq {
namespace {

SimulatedWriteFailure simulatedFailure = SimulatedWriteFailure::None;
std::function<void()> interruption;

std::string SystemErrorText(int error)
{
    return std::strerror(error);
}

bool WriteAll(int fd, const std::string& content)
{
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The longest file name the folders take.
constexpr std::size_t LongestFileName = NAME_MAX;
// What follows the prefix in our temporaries' names; mkstemp fills the X's. The marker
// keeps other files that look alike (".notes.txt.backup") out of the clean-up.
constexpr std::string_view TemporaryMarker = ".vqsave-";
constexpr std::string_view TemporaryLetters = "XXXXXX";
constexpr std::size_t TemporarySuffixLength = TemporaryMarker.size() + TemporaryLetters.size();
// "~" and eight hexadecimal digits.
constexpr std::size_t HashTagLength = 9;

std::string HexHash(const std::string& text)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08x", hash);
    return buffer;
}

// The hidden name every temporary of the target begins with, short enough that the
// temporary name fits: a long name is cut (at a character boundary) and tagged with a
// hash of the whole name.
std::string TemporaryPrefix(const std::string& name)
{
    std::string prefix = "." + name;
    if (prefix.size() + TemporarySuffixLength <= LongestFileName)
        return prefix;
    std::size_t keep = LongestFileName - TemporarySuffixLength - HashTagLength;
    while (keep > 1 && (static_cast<unsigned char>(prefix[keep]) & 0xC0) == 0x80)
        --keep;
    return prefix.substr(0, keep) + "~" + HexHash(name);
}

bool IsTemporaryOf(const std::string& entry, const std::string& prefix)
{
    if (entry.size() != prefix.size() + TemporarySuffixLength || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(prefix.size(), TemporaryMarker.size(), TemporaryMarker) != 0)
        return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size() + TemporaryMarker.size()), entry.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// Removes a temporary no running save holds locked: one that a killed save left.
void RemoveUnlockedTemporary(const std::filesystem::path& file)
{
    // A temporary that takes a write-only target's mode opens only for writing.
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDONLY | flags);
    if (fd < 0 && errno == EACCES)
        fd = ::open(file.c_str(), O_WRONLY | flags);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(file.c_str());
    ::close(fd);
}

// Removes the temporaries that killed saves of the same target left behind.
void RemoveLeftOverTemporaries(const std::filesystem::path& folder, const std::string& prefix)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsTemporaryOf(it->path().filename().string(), prefix))
            RemoveUnlockedTemporary(it->path());
}

// Creates a temporary from the pattern, locked for the time of the save so that the
// clean-up of another running copy's save passes it by; one that such a clean-up removed
// before the lock was taken is made anew. name receives the temporary's path.
int CreateLockedTemporary(const std::string& pattern, std::string& name)
{
    if (simulatedFailure == SimulatedWriteFailure::Create || simulatedFailure == SimulatedWriteFailure::ReadOnlyFileSystem) {
        errno = simulatedFailure == SimulatedWriteFailure::Create ? EACCES : EROFS;
        return -1;
    }
    for (;;) {
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const int fd = ::mkstemp(buffer.data());
        if (fd < 0)
            return -1;
        name = buffer.data();
        struct stat st {};
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
}

// access(path, W_OK) as the system answers it.
int WriteAccess(const char* path)
{
    if (simulatedFailure == SimulatedWriteFailure::ReadOnlyFileSystem) {
        errno = EROFS;
        return -1;
    }
    return ::access(path, W_OK);
}

// Why the file at path must not be replaced (an errno value), 0 when it may be. A file
// the user made read-only is refused even where the user could write it; otherwise
// the system's own reason counts (a read-only file system, no permission).
int ReplaceRefusal(const char* path)
{
    struct stat st {};
    if (::stat(path, &st) != 0)
        return 0;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return WriteAccess(path) == 0 ? 0 : errno;
}

// A write beyond the file-size limit then fails with EFBIG instead of ending the program.
void IgnoreFileSizeSignal()
{
    static const bool ignored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignored;
}

// The folder that holds file.
std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Whether the kernel follows the link at link (fs.protected_symlinks): not where it sits
// in a sticky world-writable folder and belongs neither to the user nor to the folder's
// owner, as another user's link planted in a shared temporary folder does.
bool KernelFollowsLink(const std::filesystem::path& link)
{
    struct stat linkStat {};
    struct stat folderStat {};
    if (::lstat(link.c_str(), &linkStat) != 0 || ::stat(FolderOf(link).c_str(), &folderStat) != 0)
        return false;
    constexpr mode_t sharedFolder = S_ISVTX | S_IWOTH;
    return linkStat.st_uid == ::geteuid() || (folderStat.st_mode & sharedFolder) != sharedFolder ||
           linkStat.st_uid == folderStat.st_uid;
}

} // namespace

std::vector<std::string> SplitFileLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string JoinFileLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += FileLineEnd;
    }
    return out;
}

FileReadStatus ReadWholeFile(const std::string& path, std::string& content, std::string& errorText)
{
    content.clear();
    errorText.clear();
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        errorText = "File not found";
        return FileReadStatus::Missing;
    }
    if (!std::filesystem::is_regular_file(status)) {
        errorText = "Not a file";
        return FileReadStatus::Failed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errorText = SystemErrorText(errno);
        return FileReadStatus::Failed;
    }
    // istream::read turns a failing read of the file into badbit; a stream copy would
    // swallow it and hand back a short file.
    std::array<char, 1 << 16> block;
    errno = 0;
    while (in.read(block.data(), block.size()) || in.gcount() > 0)
        content.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad() || !in.eof()) {
        errorText = errno != 0 ? SystemErrorText(errno) : "Read error";
        content.clear();
        return FileReadStatus::Failed;
    }
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(content).substr(0, byteOrderMark.size()) == byteOrderMark)
        content.erase(0, byteOrderMark.size());
    return FileReadStatus::Ok;
}

FileReadStatus ReadRewritableFile(const std::string& path, std::string& content, std::string& errorText)
{
    const FileReadStatus status = ReadWholeFile(path, content, errorText);
    const std::string_view start = std::string_view(content).substr(0, 2);
    if (status != FileReadStatus::Ok || (start != "\xFF\xFE" && start != "\xFE\xFF"))
        return status;
    content.clear();
    errorText = "Saved as UTF-16 text, which is not read; save it as UTF-8 text";
    return FileReadStatus::Failed;
}

std::string ReplacedFilePath(const std::string& path)
{
    namespace fs = std::filesystem;
    // The links are followed one by one, so that a dangling one leads to the file it
    // names (which the write then makes) and stays a link. One the kernel would not
    // follow is where the chain ends: the write replaces that link itself.
    constexpr int LongestLinkChain = 40;
    std::error_code ec;
    fs::path file(path);
    for (int links = 0; fs::is_symlink(fs::symlink_status(file, ec)) && KernelFollowsLink(file); ++links) {
        const fs::path target = fs::read_symlink(file, ec);
        if (ec || links == LongestLinkChain)
            return path;
        file = file.parent_path() / target;
    }
    if (file == fs::path(path))
        return path;
    if (fs::is_symlink(fs::symlink_status(file, ec))) {
        const fs::path folder = fs::weakly_canonical(FolderOf(file), ec);
        return ec ? file.string() : (folder / file.filename()).string();
    }
    const fs::path resolved = fs::weakly_canonical(file, ec);
    return ec ? file.string() : resolved.string();
}

bool WriteFileSafely(const std::string& path, const std::string& content, std::string& errorText)
{
    namespace fs = std::filesystem;
    errorText.clear();
    std::error_code ec;
    const fs::path target(ReplacedFilePath(path));
    // A link that is not followed is replaced itself: what it leads to does not count.
    const bool replacesLink = fs::is_symlink(fs::symlink_status(target, ec));
    if (!replacesLink && fs::is_directory(target, ec)) {
        errorText = "Is a directory";
        return false;
    }
    const fs::path folder = FolderOf(target);
    if (const int refusal = replacesLink ? 0 : ReplaceRefusal(target.c_str())) {
        errorText = SystemErrorText(refusal);
        return false;
    }
    IgnoreFileSizeSignal();

    const std::string prefix = TemporaryPrefix(target.filename().string());
    std::string tempPath;
    const int fd = CreateLockedTemporary(
        (folder / (prefix + std::string(TemporaryMarker) + std::string(TemporaryLetters))).string(), tempPath);
    if (fd < 0) {
        // A folder the program could not make is missing for the reason it gave then.
        const int error = errno;
        const int unmade = error == ENOENT ? FolderCreationError(folder.string()) : 0;
        errorText = SystemErrorText(unmade != 0 ? unmade : error);
        return false;
    }
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(tempPath.c_str());
        errorText = SystemErrorText(error);
        return false;
    };

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (!replacesLink && ::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    if (simulatedFailure == SimulatedWriteFailure::Write)
        return fail(ENOSPC);
    if (!WriteAll(fd, content) || ::fsync(fd) != 0)
        return fail(errno);
    if (interruption)
        std::exchange(interruption, nullptr)();
    // The temporary stays open, and so locked, until it has replaced the target; the
    // fsync has already reported what a close could.
    if (simulatedFailure == SimulatedWriteFailure::Rename)
        return fail(EACCES);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return fail(errno);
    ::close(fd);
    RemoveLeftOverTemporaries(folder, prefix);
    // Make the rename itself durable.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void SimulateWriteFailure(SimulatedWriteFailure failure)
{
    simulatedFailure = failure;
}

void InterruptNextWrite(std::function<void()> action)
{
    interruption = std::move(action);
}

void ResetSafeFileState()
{
    simulatedFailure = SimulatedWriteFailure::None;
    interruption = nullptr;
}

} // namespace vq
