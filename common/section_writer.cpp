#include "common/section_writer.h"

#include "common/file_lock.h"
#include "common/messages.h"
#include "common/safe_file.h"
#include "common/section_heading.h"
#include "common/settings_text.h"

#include <algorithm>
#include <filesystem>

namespace vq {
namespace {

std::chrono::milliseconds longestLockWait = DefaultSettingsLockWait;
// The open command scopes, and whether a rewrite in them has waited out the bound.
int commandScopes = 0;
bool commandTimedOut = false;

// The hidden lock file that rewrites of the settings file take in turn, beside the file
// really written: settings files linked to one file share it.
std::string LockFileOf(const std::string& path)
{
    const std::filesystem::path file(ReplacedFilePath(path));
    return (file.parent_path() / ("." + file.filename().string() + ".lock")).string();
}

// The wait of the next rewrite: none once its command has waited out the bound.
std::chrono::milliseconds LockWait()
{
    return commandTimedOut ? std::chrono::milliseconds::zero() : longestLockWait;
}

} // namespace

bool RewriteSettingsSection(const std::string& path, const std::string& heading,
                            const std::vector<std::string>& keyLines, SectionLayout layout,
                            std::string& errorText)
{
    // Another running copy's rewrite between this read and write would be lost.
    const FileLock lock(LockFileOf(path), LockWait());
    if (lock.TimedOut()) {
        if (commandScopes > 0)
            commandTimedOut = true;
        errorText = "The file is being changed by another running copy of the program";
        return false;
    }
    std::string content;
    if (ReadRewritableFile(path, content, errorText) == FileReadStatus::Failed)
        return false;
    const std::vector<std::string> lines = SplitFileLines(content);

    std::vector<std::string> out;
    out.reserve(lines.size() + keyLines.size() + 3);
    auto found = std::find_if(lines.begin(), lines.end(),
                              [&](const std::string& line) { return IsSectionHeading(line, heading); });
    out.insert(out.end(), lines.begin(), found == lines.end() ? found : found + 1);
    if (found == lines.end()) {
        if (layout.blankBeforeNewHeading)
            out.push_back(" ");
        out.push_back(heading);
    }
    out.insert(out.end(), keyLines.begin(), keyLines.end());
    auto next = lines.end();
    auto trailingBlanks = lines.end();
    if (found != lines.end()) {
        next = std::find_if(found + 1, lines.end(),
                            [](const std::string& line) { return IsSectionHeadingLine(line); });
        trailingBlanks = next;
        while (trailingBlanks > found + 1 && TrimText(trailingBlanks[-1]).empty())
            --trailingBlanks;
    }
    // The blank lines that ended the old section stay as they were, so rewriting a
    // section with the same keys gives the same bytes; a new section gets its closing line.
    if (trailingBlanks != next)
        out.insert(out.end(), trailingBlanks, next);
    else if (layout.closingBlank)
        out.push_back(" ");
    out.insert(out.end(), next, lines.end());
    return WriteFileSafely(path, JoinFileLines(out), errorText);
}

SettingsCommandScope::SettingsCommandScope()
{
    ++commandScopes;
}

SettingsCommandScope::~SettingsCommandScope()
{
    if (--commandScopes == 0)
        commandTimedOut = false;
}

void SetSettingsLockWait(std::chrono::milliseconds wait)
{
    longestLockWait = wait;
}

std::string SettingsFailureLine(const std::string& path, const std::string& errorText)
{
    return path + ": " + (errorText.empty() ? std::string("Unknown error") : errorText);
}

void ReportSettingsUpdateFailure(const std::string& failures)
{
    ShowMessage("Error updating initialization file. User updates not made.\r\n" + failures, MessageInformation);
}

} // namespace vq
