#include "printing/layout/print_job_logic.h"

#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "common/value_routines.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vq {

std::string GetPrinterErrorText(int code)
{
    static const std::array<const char*, 7> texts = {"Can't Open File", "Line Too Long",  "Can't Access Printer",
                                                     "Can't Start Job", "User Aborted",   "Already Printing",
                                                     "Device Incapable"};
    if (code < 1 || code > 7)
        return {};
    return texts[static_cast<size_t>(code - 1)];
}

std::string GetDocumentTitle()
{
    return DocumentName + " " + ProgramTitle;
}

std::optional<ExportKind> GetExportKind(int kind)
{
    switch (kind) {
    case 0:
        return ExportKind{"Create Adobe PDF", "Adobe PDF (*.pdf)|*.pdf", "pdf", "*.pdf"};
    case 1:
        return ExportKind{"Export As HTML", "HTML (*.htm)|*.htm", "htm", "*.htm"};
    case 2:
        return ExportKind{"Export As Rich Text Format", "RTF (*.rtf)|*.rtf", "rtf", "*.rtf"};
    default:
        return std::nullopt;
    }
}

int PagePaperBin = 0;
std::string PageDeviceName;

void ResetPrintPageSettings()
{
    PagePaperBin = 0;
    PageDeviceName.clear();
}

PrintPageSettings CurrentPrintPageSettings()
{
    return {CurrentMainWindowHost().GetPageSettings(), PagePaperBin, PageDeviceName};
}

void SetCurrentPrintPageSettings(const PrintPageSettings& settings)
{
    CurrentMainWindowHost().SetPageSettings(settings.page);
    PagePaperBin = settings.PaperBin;
    PageDeviceName = settings.DeviceName;
}

PrintPageSettings ControlPageSettings(const PrintControl& printer)
{
    PrintPageSettings s;
    s.page.MarginLeft = printer.MarginLeft();
    s.page.MarginRight = printer.MarginRight();
    s.page.MarginTop = printer.MarginTop();
    s.page.MarginBottom = printer.MarginBottom();
    s.page.Orientation = printer.Orientation();
    s.page.PaperSize = printer.PaperSize();
    s.PaperBin = printer.PaperBin();
    s.DeviceName = printer.Device();
    return s;
}

void ApplyPageSettings(PrintControl& printer, PrintPageSettings& settings)
{
    const PageSettings& page = settings.page;
    if (page.MarginTop >= 0) {
        if (settings.PaperBin > 0)
            printer.SetPaperBin(settings.PaperBin);
        if (!settings.DeviceName.empty())
            printer.SetDevice(settings.DeviceName);
        if (printer.PageCount() > 0)
            printer.KillDoc();
        printer.SetMarginLeft(page.MarginLeft);
        printer.SetMarginTop(page.MarginTop);
        printer.SetMarginRight(page.MarginRight);
        printer.SetMarginBottom(page.MarginBottom);
        printer.SetPaperSize(page.PaperSize);
        return;
    }
    const int orientation = page.Orientation;
    settings = ControlPageSettings(printer);
    settings.page.Orientation = orientation;
}

bool PageSettingsChanged(const PrintPageSettings& stored, const PrintPageSettings& control, bool printerOnly)
{
    const PageSettings& a = stored.page;
    const PageSettings& b = control.page;
    if (a.Orientation != b.Orientation || a.PaperSize != b.PaperSize || stored.PaperBin != control.PaperBin ||
        stored.DeviceName != control.DeviceName)
        return true;
    if (printerOnly)
        return false;
    return a.MarginBottom != b.MarginBottom || a.MarginLeft != b.MarginLeft || a.MarginTop != b.MarginTop ||
           a.MarginRight != b.MarginRight;
}

void StorePageSettings(PrintPageSettings& stored, const PrintPageSettings& control, bool printerOnly)
{
    if (!printerOnly) {
        stored = control;
        return;
    }
    stored.page.Orientation = control.page.Orientation;
    stored.page.PaperSize = control.page.PaperSize;
    stored.PaperBin = control.PaperBin;
    stored.DeviceName = control.DeviceName;
}

PrintPageSettings WithControlDefaults(const PrintPageSettings& stored)
{
    if (stored.page.MarginTop >= 0)
        return stored;
    PrintPageSettings defaults = ControlPageSettings(PrintControl());
    defaults.page.Orientation = stored.page.Orientation;
    return defaults;
}

void StorePrinterChoice(PrintPageSettings& stored, int paperSize, int paperBin, const std::string& device)
{
    stored = WithControlDefaults(stored);
    if (FindPaperSize(paperSize))
        stored.page.PaperSize = paperSize;
    stored.PaperBin = paperBin;
    stored.DeviceName = device;
}

std::string UnknownPaperMessage(const std::string& chosen, const std::string& kept)
{
    return "The report cannot be laid out on the paper \"" + chosen + "\".\r\n\r\nThe paper stays " + kept + ".";
}

std::vector<int> PrintedPageOrder(int first, int last, int pageCount, const std::vector<PageSpan>& ranges, int copies,
                                  bool collate)
{
    std::vector<int> set;
    for (int n = std::max(first, 1); n <= std::min(last, pageCount); ++n) {
        const bool held = ranges.empty() ||
                          std::any_of(ranges.begin(), ranges.end(), [n](const PageSpan& s) { return n >= s.from && n <= s.to; });
        if (held)
            set.push_back(n);
    }
    copies = std::max(copies, 1);
    std::vector<int> order;
    if (collate) {
        for (int k = 0; k < copies; ++k)
            order.insert(order.end(), set.begin(), set.end());
    } else {
        for (int n : set)
            order.insert(order.end(), static_cast<size_t>(copies), n);
    }
    return order;
}

namespace {

// "page 3", "pages 3 to 4", "pages 1, 3 to 4".
std::string PagesText(const std::vector<PageSpan>& spans)
{
    std::string text;
    for (const PageSpan& s : spans)
        text += (text.empty() ? "" : ", ") + std::to_string(s.from) + (s.to != s.from ? " to " + std::to_string(s.to) : "");
    return (spans.size() == 1 && spans[0].from == spans[0].to ? "page " : "pages ") + text;
}

} // namespace

std::string EmptyPrintRangeMessage(int first, int last, int pageCount, const std::vector<PageSpan>& ranges)
{
    std::string range = PagesText({{first, last}});
    if (!ranges.empty())
        range = first <= 1 && last >= pageCount ? PagesText(ranges) : range + " of " + PagesText(ranges);
    return "The print range (" + range + ") holds no page of the report, which has " + std::to_string(pageCount) +
           (pageCount == 1 ? " page." : " pages.");
}

std::vector<std::string> ZoomListEntries()
{
    std::vector<std::string> entries{"Fit to Screen"};
    for (int p = 10; p <= 150; p += 10)
        entries.push_back(std::to_string(p) + "%");
    for (int p = 175; p <= 400; p += 25)
        entries.push_back(std::to_string(p) + "%");
    return entries;
}

double ZoomEntryValue(const std::string& entry)
{
    bool failed = false;
    const double v = ParseDouble(entry, false, false, failed);
    return failed || !std::isfinite(v) ? 0.0 : v;
}

double FitZoom(double controlWidth, double controlHeight, const PrintControl& printer)
{
    const double heightRatio = (controlHeight - 360) / (printer.PageHeight() + printer.MarginTop());
    const double widthRatio = (controlWidth - 360) / (printer.PageWidth() + printer.MarginLeft());
    double z = 100 * MinValidVariant(heightRatio, widthRatio);
    if (!std::isfinite(z) || z < PrintControl::ZoomMin)
        z = PrintControl::ZoomMin;
    if (z > PrintControl::ZoomMax)
        z = PrintControl::ZoomMax;
    return z;
}

int ZoomTagAfterFit(const std::vector<std::string>& entries, double zoom)
{
    for (size_t i = 1; i < entries.size(); ++i)
        if (ZoomEntryValue(entries[i]) > zoom)
            return static_cast<int>(i);
    return static_cast<int>(entries.size());
}

std::optional<int> ZoomButtonTarget(int button, int tag, int selected, int count)
{
    std::optional<int> target;
    switch (button) {
    case 0:
        target = 1;
        break;
    case 1:
        if (tag > 0)
            target = tag - 1;
        else if (selected >= 2)
            target = selected - 1;
        break;
    case 2:
        if (tag > 0)
            target = tag;
        else if (selected > 0 && selected <= count - 2)
            target = selected + 1;
        break;
    case 3:
        target = count - 1;
        break;
    default:
        break;
    }
    // After a fit at the largest entry there is no larger entry to step to.
    if (target && (*target < 0 || *target >= count))
        return std::nullopt;
    return target;
}

int NavigationTarget(int button, int page, int pageCount)
{
    switch (button) {
    case 0:
        return 1;
    case 1:
        return page - 1;
    case 2:
        return page + 1;
    case 3:
        return pageCount;
    default:
        return page;
    }
}

ControlBarState GetControlBarState(int page, int pageCount, double zoom)
{
    ControlBarState s;
    s.pageText = std::to_string(page) + "  of  " + std::to_string(pageCount);
    s.firstPrevEnabled = page > 1;
    s.nextLastEnabled = page < pageCount;
    s.zoomOutEnabled = zoom > PrintControl::ZoomMin;
    s.zoomInEnabled = zoom < PrintControl::ZoomMax;
    s.zoomStep = zoom < 150 ? 10 : 25;
    return s;
}

std::string ExportSeparator(int option)
{
    switch (option) {
    case 1:
        return " ";
    case 2:
        return "  ";
    case 3:
        return "\t";
    default:
        return ",";
    }
}

std::string ExportQuote(bool quoted)
{
    return quoted ? "\"" : "";
}

} // namespace vq
