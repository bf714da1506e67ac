// The open and save boxes of the preference files (*.dat).
#pragma once

#include <string>

class QWidget;

namespace vq {

// Asks for a preference file. False when the user cancels, or when the box fails:
// then the user is told, after a beep, with the lead-in line of the command
// ("...saving to file:" or "...reading file:").
bool ChoosePreferenceFile(QWidget* parent, bool save, const std::string& title, const std::string& filter,
                          std::string& path);

} // namespace vq
