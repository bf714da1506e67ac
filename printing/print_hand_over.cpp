#include "printing/print_hand_over.h"

#include <QPrinter>

#include <cups/cups.h>

#include <utility>

namespace vq {

namespace {

std::function<std::string(const QPrinter&)> refusalSource;

std::string PrintSystemRefusal(const QPrinter& printer)
{
    // Only a job for a named print queue is handed over, when painting ends; the answer
    // is then libcups' last one. Without a queue nothing was handed over, and the last
    // answer belongs to an earlier job.
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty() ||
        printer.printerName().isEmpty())
        return {};
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    const char* reason = cupsLastErrorString();
    return reason && *reason ? reason : ippErrorString(status);
}

} // namespace

std::string HandOverRefusal(const QPrinter& printer)
{
    return refusalSource ? refusalSource(printer) : PrintSystemRefusal(printer);
}

void SetHandOverRefusalSource(std::function<std::string(const QPrinter&)> source)
{
    refusalSource = std::move(source);
}

} // namespace vq
