// The rewrite of one section of a settings file through a temporary file.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vq {

// How a section is written.
struct SectionLayout {
    bool blankBeforeNewHeading = true; // a " " line before a heading appended at the end
    bool closingBlank = true;          // a " " line after the key lines
};

// Replaces the section of heading in the file at path by keyLines (appending it when the
// file has no such heading). Every other line stays as it is; the file is replaced
// through a temporary file and created when missing. False on failure, with errorText
// (also for a file ReadRewritableFile refuses); the file is then unchanged. Rewrites of
// the same file by running copies take turns on a lock file beside the file really
// written (a link resolved), with a bounded wait.
bool RewriteSettingsSection(const std::string& path, const std::string& heading,
                            const std::vector<std::string>& keyLines, SectionLayout layout,
                            std::string& errorText);

// The settings rewrites of one command: once one of them has waited the whole bound for
// another running copy's lock, the later ones try the lock without waiting. Scopes nest;
// the outermost one is the command.
class SettingsCommandScope {
public:
    SettingsCommandScope();
    ~SettingsCommandScope();
    SettingsCommandScope(const SettingsCommandScope&) = delete;
    SettingsCommandScope& operator=(const SettingsCommandScope&) = delete;
};

// How long a rewrite waits for another running copy's rewrite of the same file; tests
// shorten it.
inline constexpr std::chrono::milliseconds DefaultSettingsLockWait{10000};
void SetSettingsLockWait(std::chrono::milliseconds wait);

// One line of the failure message below: the file that was not written and why.
std::string SettingsFailureLine(const std::string& path, const std::string& errorText);
// Tells the user that the settings were not stored; failures holds one
// SettingsFailureLine a line.
void ReportSettingsUpdateFailure(const std::string& failures);

} // namespace vq
