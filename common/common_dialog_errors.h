// Texts of the error numbers that the file, print, font and help dialogs report.
#pragma once

#include <string>

namespace vq {

// The dialogs' cancel error: callers end their command silently on it.
inline constexpr int CommonDialogCancelError = 32755;

// The text of a dialog error number; "Unknown error (n)." for any other number.
std::string GetCommonDialogErrorText(int code);

// A beep and the dialog error message: lead-in, CR LF twice, six blanks, error text.
void ShowDialogError(const std::string& leadIn, int error);

// The distributor's contact text: the first nine lines of the support file at path,
// each followed by CR LF; empty when the file is missing or unreadable.
std::string ReadSupportFile(const std::string& path);

} // namespace vq
