// Reading and safe rewriting of the program's text files. A rewrite goes to a unique
// temporary file in the target's folder, is flushed to disk and renamed over the
// target, so a failure at any step leaves the old file as it was.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vq {

// The line end of every file the program writes.
inline constexpr const char* FileLineEnd = "\r\n";

// Splits text into lines; accepts LF, CR LF and a lone CR as line ends (a last line
// without an end counts, an empty text has no lines).
std::vector<std::string> SplitFileLines(const std::string& text);

// Joins lines, each followed by CR LF.
std::string JoinFileLines(const std::vector<std::string>& lines);

enum class FileReadStatus { Ok, Missing, Failed };

// Reads a whole file, without the UTF-8 byte-order mark that some editors put at its
// start. Missing: no such file; Failed: it exists but cannot be read as a regular file
// (a folder, no permission). errorText describes a failure.
FileReadStatus ReadWholeFile(const std::string& path, std::string& content, std::string& errorText);

// ReadWholeFile for a file whose sections the program rewrites in place: a file that
// begins with a UTF-16 byte-order mark is Failed too, since its lines can be neither
// read nor written back in that encoding.
FileReadStatus ReadRewritableFile(const std::string& path, std::string& content, std::string& errorText);

// The file that a write of path replaces: path itself or, where path is a symbolic
// link, the file the link leads to, also where that file is missing. A link is followed
// only where the kernel would follow it: not another user's link in a sticky
// world-writable folder (unless the folder is that user's), which is replaced itself.
std::string ReplacedFilePath(const std::string& path);

// Replaces the file at path by content (created when missing). On failure returns
// false with a description in errorText; the file at path is then unchanged and no
// temporary file is left behind. A symbolic link is followed (ReplacedFilePath): its
// target is replaced, or made where it is missing, and the link stays.
// A read-only file is refused; a success removes the temporaries of earlier saves of
// the same file that were killed midway. A save holds its temporary locked (flock), and
// the clean-up removes only temporaries it can lock, so another running copy's save goes on.
bool WriteFileSafely(const std::string& path, const std::string& content, std::string& errorText);

// A failure that WriteFileSafely simulates, so tests can check that the old file
// survives every failing step. ReadOnlyFileSystem: the folder is mounted read-only.
enum class SimulatedWriteFailure { None, Create, Write, Rename, ReadOnlyFileSystem };
void SimulateWriteFailure(SimulatedWriteFailure failure);
// Runs action once inside the next WriteFileSafely, after its temporary is written and
// before it replaces the file, so tests can act there as another running copy would.
void InterruptNextWrite(std::function<void()> action);
void ResetSafeFileState();

} // namespace vq
