// Help pages of the windows, opened with the desktop's browser.
#pragma once

#include <string>

namespace vq {

// The help file, set at start-up.
extern std::string HelpFilePath;

// The page of a help context: "topic<context>.html" in the "help" folder of the
// program folder.
std::string HelpTopicPath(int context);

// Opens the page of a help context; says so when no help pages are installed.
void ShowHelpTopic(int context);

} // namespace vq
