// The print system's answer to a job handed to it. Qt's print engine hands a job for a
// print queue over when painting ends and drops the answer; libcups keeps it.
#pragma once

#include <functional>
#include <string>

class QPrinter;

namespace vq {

// Why the print system refused the job just painted on printer; "" when it took the job
// (a paused queue holds it) or the printer writes a file.
std::string HandOverRefusal(const QPrinter& printer);
// Replaces the print system's answer (tests); an empty function restores it.
void SetHandOverRefusalSource(std::function<std::string(const QPrinter&)> source);

} // namespace vq
