// Messages to the user with the program's title as caption.
#pragma once

#include "common/user_interface.h"

#include <string>

namespace vq {

// Button and icon codes of a message box; the icon is one of the 16-multiples.
enum MessageBoxCode : int {
    MessageOkOnly = 0,
    MessageCritical = 16,
    MessageQuestion = 32,
    MessageExclamation = 48,
    MessageInformation = 64,
};

// The style of the icon bits of a button and icon code.
MessageStyle MessageStyleFromCode(int code);

// Restores the normal mouse pointer and, when show is true, shows text in a
// message box with ProgramTitle as caption. The answer is not returned.
void ShowMessage(const std::string& text, int code, bool show = true);

} // namespace vq
