// The messages of the numbered faults of the IF97 property source.
#pragma once

#include "equations/asme_error.h"

#include <string_view>

namespace vq {

// The message of an error number; empty for a number without one.
std::string_view AsmeErrorMessage(int code);

// Shows the message of AsmeErrorCode in an exclamation box captioned ProgramTitle.
// Changes nothing; a number without a message shows an empty box.
void ShowAsmeError();

} // namespace vq
