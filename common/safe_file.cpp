#include "common/safe_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

SimulatedWriteFailure simulatedFailure = SimulatedWriteFailure::None;

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
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        errorText = "Read error";
        return FileReadStatus::Failed;
    }
    content = buffer.str();
    return FileReadStatus::Ok;
}

bool WriteFileSafely(const std::string& path, const std::string& content, std::string& errorText)
{
    namespace fs = std::filesystem;
    errorText.clear();
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (fs::is_directory(target, ec)) {
        errorText = "Is a directory";
        return false;
    }
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = simulatedFailure == SimulatedWriteFailure::Create ? (errno = EACCES, -1) : ::mkstemp(name.data());
    if (fd < 0) {
        errorText = SystemErrorText(errno);
        return false;
    }
    std::string tempPath(name.data());
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(tempPath.c_str());
        errorText = SystemErrorText(error);
        return false;
    };

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
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
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(tempPath.c_str());
        errorText = SystemErrorText(error);
        return false;
    }
    int renamed = simulatedFailure == SimulatedWriteFailure::Rename ? (errno = EACCES, -1)
                                                                      : ::rename(tempPath.c_str(), target.c_str());
    if (renamed != 0) {
        int error = errno;
        ::unlink(tempPath.c_str());
        errorText = SystemErrorText(error);
        return false;
    }
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

void ResetSafeFileState()
{
    simulatedFailure = SimulatedWriteFailure::None;
}

} // namespace vq
