// The decisions of the print job, the preview window and the print dialogs that need
// no window: error and title texts, the export file kinds, the page settings applied
// to the print control, the zoom list and the control bar.
#pragma once

#include "common/main_window_host.h"
#include "printing/layout/print_control.h"

#include <optional>
#include <string>
#include <vector>

namespace vq {

// Text of a print-control error code 1 to 7; "" for any other.
std::string GetPrinterErrorText(int code);
// DocumentName & " " & ProgramTitle.
std::string GetDocumentTitle();

struct ExportKind {
    std::string title;
    std::string filter;
    std::string defaultExt;
    std::string fileName;
};
// Kind 0 PDF, 1 HTML, 2 RTF; nothing for any other kind.
std::optional<ExportKind> GetExportKind(int kind);

// The main window's page settings with the paper bin and printer device, which are
// kept for the program run only.
struct PrintPageSettings {
    PageSettings page;
    int PaperBin = 0;
    std::string DeviceName;

    bool operator==(const PrintPageSettings&) const = default;
};
extern int PagePaperBin;
extern std::string PageDeviceName;
void ResetPrintPageSettings();
// The installed main window's settings with the bin and device, and back.
PrintPageSettings CurrentPrintPageSettings();
void SetCurrentPrintPageSettings(const PrintPageSettings& settings);

// Applies stored page settings to the control when MarginTop is set (0 or more);
// otherwise records the control's in them. The orientation is not touched.
void ApplyPageSettings(PrintControl& printer, PrintPageSettings& settings);
// The control's eight page settings.
PrintPageSettings ControlPageSettings(const PrintControl& printer);
// Whether the control's settings differ from the stored ones: all eight, or with
// printerOnly the orientation, paper size, bin and device.
bool PageSettingsChanged(const PrintPageSettings& stored, const PrintPageSettings& control, bool printerOnly);
// Stores the control's settings: all eight, or the printer's four.
void StorePageSettings(PrintPageSettings& stored, const PrintPageSettings& control, bool printerOnly);

// The stored settings, or while none are recorded the control's defaults with the
// stored orientation.
PrintPageSettings WithControlDefaults(const PrintPageSettings& stored);
// Stores a printer chosen in a print or set-up dialog: its paper (a code the control does
// not know keeps the stored one), bin and device, over WithControlDefaults.
void StorePrinterChoice(PrintPageSettings& stored, int paperSize, int paperBin, const std::string& device);

// Said when a dialog chose a paper the table has no code for.
std::string UnknownPaperMessage(const std::string& chosen, const std::string& kept);

struct PageSpan {
    int from = 0;
    int to = 0;
};
// The pages one job sends, in order: first..last of a document of pageCount pages that
// the printer's ranges hold (no ranges hold every page), copies times over, a whole set
// at a time when collated, else each page's copies together.
std::vector<int> PrintedPageOrder(int first, int last, int pageCount, const std::vector<PageSpan>& ranges, int copies,
                                  bool collate);
// Said when first..last, within the printer's ranges, holds no page of the report.
std::string EmptyPrintRangeMessage(int first, int last, int pageCount, const std::vector<PageSpan>& ranges);

// The zoom list: "Fit to Screen", 10% .. 150% by 10, 175% .. 400% by 25.
std::vector<std::string> ZoomListEntries();
// The leading number of an entry ("150%" gives 150); 0 without one.
double ZoomEntryValue(const std::string& entry);
// The fit zoom in percent for a control of that size (twips), clamped to the control's range.
double FitZoom(double controlWidth, double controlHeight, const PrintControl& printer);
// The tag after a fit: the index of the first entry above z, or the entry count.
int ZoomTagAfterFit(const std::vector<std::string>& entries, double zoom);
// The entry a zoom button (0 to 3) selects, from the tag, the selected index and the count.
std::optional<int> ZoomButtonTarget(int button, int tag, int selected, int count);
// The page a navigation button (0 to 3) shows.
int NavigationTarget(int button, int page, int pageCount);

struct ControlBarState {
    std::string pageText;
    bool firstPrevEnabled = false;
    bool nextLastEnabled = false;
    bool zoomOutEnabled = false;
    bool zoomInEnabled = false;
    int zoomStep = 10;
};
ControlBarState GetControlBarState(int page, int pageCount, double zoom);

// Field separator of the export by its format option (0 to 3), and the quote.
std::string ExportSeparator(int option);
std::string ExportQuote(bool quoted);

} // namespace vq
