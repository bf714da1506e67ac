#include "fake_main_window_host.h"

#include "common/program_identity.h"
#include "common/session_state.h"
#include "printing/layout/print_job_logic.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(PrintJobLogicTest, ErrorTextsTitleAndExportKinds)
{
    EXPECT_EQ(GetPrinterErrorText(1), "Can't Open File");
    EXPECT_EQ(GetPrinterErrorText(7), "Device Incapable");
    EXPECT_EQ(GetPrinterErrorText(0), "");
    EXPECT_EQ(GetPrinterErrorText(8), "");

    const std::string savedName = DocumentName;
    DocumentName = "boiler.vpq";
    EXPECT_EQ(GetDocumentTitle(), "boiler.vpq " + ProgramTitle);
    DocumentName = savedName;

    const auto pdf = GetExportKind(0);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->title, "Create Adobe PDF");
    EXPECT_EQ(pdf->filter, "Adobe PDF (*.pdf)|*.pdf");
    EXPECT_EQ(pdf->defaultExt, "pdf");
    EXPECT_EQ(pdf->fileName, "*.pdf");
    EXPECT_EQ(GetExportKind(2)->title, "Export As Rich Text Format");
    EXPECT_FALSE(GetExportKind(3));
    EXPECT_FALSE(GetExportKind(-1));
}

TEST(PrintJobLogicTest, PageSettingsAreRecordedWhenNoneAreStored)
{
    PrintControl printer;
    printer.SetMarginLeft(1000);
    printer.SetPaperSize(PaperA4);
    printer.SetPaperBin(3);
    printer.SetDevice("Office");
    printer.SetOrientation(1);
    PrintPageSettings stored; // margins -1: not set
    ApplyPageSettings(printer, stored);
    EXPECT_EQ(stored.page.MarginLeft, 1000);
    EXPECT_EQ(stored.page.MarginTop, 1440);
    EXPECT_EQ(stored.page.PaperSize, PaperA4);
    EXPECT_EQ(stored.page.Orientation, 0); // the orientation is the callers' business
    EXPECT_EQ(stored.PaperBin, 3);
    EXPECT_EQ(stored.DeviceName, "Office");
}

TEST(PrintJobLogicTest, StoredPageSettingsAreApplied)
{
    PrintControl printer;
    printer.SetPaperBin(2);
    printer.SetDevice("Office");
    printer.StartDoc();
    PrintPageSettings stored;
    stored.page = {720, 800, 900, 1000, 1, PaperA4};
    ApplyPageSettings(printer, stored);
    EXPECT_EQ(printer.PageCount(), 0); // the kept document is discarded
    EXPECT_EQ(printer.MarginLeft(), 720);
    EXPECT_EQ(printer.MarginRight(), 800);
    EXPECT_EQ(printer.MarginTop(), 900);
    EXPECT_EQ(printer.MarginBottom(), 1000);
    EXPECT_EQ(printer.PaperSize(), PaperA4);
    EXPECT_EQ(printer.Orientation(), 0);
    // Bin 0 and no device leave the control's own.
    EXPECT_EQ(printer.PaperBin(), 2);
    EXPECT_EQ(printer.Device(), "Office");
    stored.PaperBin = 4;
    stored.DeviceName = "Lab";
    ApplyPageSettings(printer, stored);
    EXPECT_EQ(printer.PaperBin(), 4);
    EXPECT_EQ(printer.Device(), "Lab");
    // An unknown paper code keeps the paper.
    stored.page.PaperSize = 999;
    ApplyPageSettings(printer, stored);
    EXPECT_EQ(printer.PaperSize(), PaperA4);
}

TEST(PrintJobLogicTest, SetupChangesComparedAndStored)
{
    PrintPageSettings stored;
    stored.page = {1440, 1440, 1440, 1440, 0, PaperLetter};
    PrintPageSettings control = stored;
    EXPECT_FALSE(PageSettingsChanged(stored, control, false));
    control.page.MarginLeft = 720;
    EXPECT_TRUE(PageSettingsChanged(stored, control, false));
    EXPECT_FALSE(PageSettingsChanged(stored, control, true));
    control.PaperBin = 2;
    EXPECT_TRUE(PageSettingsChanged(stored, control, true));

    PrintPageSettings printerOnly = stored;
    StorePageSettings(printerOnly, control, true);
    EXPECT_EQ(printerOnly.page.MarginLeft, 1440);
    EXPECT_EQ(printerOnly.PaperBin, 2);
    StorePageSettings(stored, control, false);
    EXPECT_EQ(stored, control);

    test::FakeMainWindowHost host;
    ResetPrintPageSettings();
    SetCurrentPrintPageSettings(control);
    EXPECT_EQ(host.page, control.page);
    EXPECT_EQ(CurrentPrintPageSettings(), control);
    ResetPrintPageSettings();
}

TEST(PrintJobLogicTest, ZoomListAndFitTags)
{
    const auto entries = ZoomListEntries();
    ASSERT_EQ(entries.size(), 26u);
    EXPECT_EQ(entries[0], "Fit to Screen");
    EXPECT_EQ(entries[1], "10%");
    EXPECT_EQ(entries[15], "150%");
    EXPECT_EQ(entries[16], "175%");
    EXPECT_EQ(entries[25], "400%");
    EXPECT_EQ(ZoomEntryValue("150%"), 150);

    EXPECT_EQ(ZoomTagAfterFit(entries, 87), 9);
    EXPECT_EQ(ZoomTagAfterFit(entries, 15), 2);
    EXPECT_EQ(ZoomTagAfterFit(entries, 7), 1);
    EXPECT_EQ(ZoomTagAfterFit(entries, 400), 26);
    // After a fit of 87%: in to 90%, out to 80%.
    EXPECT_EQ(ZoomButtonTarget(2, 9, 0, 26), 9);
    EXPECT_EQ(ZoomButtonTarget(1, 9, 0, 26), 8);
    // After a fit below 10%: out selects the fit entry again.
    EXPECT_EQ(ZoomButtonTarget(1, 1, 0, 26), 0);
    // After choosing 150%: in 175%, out 140%; at 400% in does nothing.
    EXPECT_EQ(ZoomButtonTarget(2, 0, 15, 26), 16);
    EXPECT_EQ(ZoomButtonTarget(1, 0, 15, 26), 14);
    EXPECT_EQ(ZoomButtonTarget(2, 0, 25, 26), std::nullopt);
    EXPECT_EQ(ZoomButtonTarget(1, 0, 1, 26), std::nullopt);
    EXPECT_EQ(ZoomButtonTarget(2, 26, 0, 26), std::nullopt);
    EXPECT_EQ(ZoomButtonTarget(0, 5, 7, 26), 1);
    EXPECT_EQ(ZoomButtonTarget(3, 5, 7, 26), 25);
}

TEST(PrintJobLogicTest, FitZoomUsesTheSmallerRatioWithinRange)
{
    PrintControl printer; // Letter, 1-inch margins
    // Height is the tighter: (8640 - 360) / (15840 + 1440) = 0.479...
    EXPECT_NEAR(FitZoom(20000, 8640, printer), 100 * 8280.0 / 17280.0, 1e-9);
    EXPECT_EQ(FitZoom(100, 100, printer), PrintControl::ZoomMin);
    EXPECT_EQ(FitZoom(1e7, 1e7, printer), PrintControl::ZoomMax);
}

TEST(PrintJobLogicTest, ControlBarAndNavigation)
{
    ControlBarState one = GetControlBarState(1, 1, 100);
    EXPECT_EQ(one.pageText, "1  of  1");
    EXPECT_FALSE(one.firstPrevEnabled);
    EXPECT_FALSE(one.nextLastEnabled);
    EXPECT_EQ(GetControlBarState(1, 1, 149).zoomStep, 10);
    EXPECT_EQ(GetControlBarState(1, 1, 150).zoomStep, 25);
    ControlBarState middle = GetControlBarState(3, 7, PrintControl::ZoomMax);
    EXPECT_TRUE(middle.firstPrevEnabled);
    EXPECT_TRUE(middle.nextLastEnabled);
    EXPECT_TRUE(middle.zoomOutEnabled);
    EXPECT_FALSE(middle.zoomInEnabled);
    EXPECT_FALSE(GetControlBarState(1, 1, PrintControl::ZoomMin).zoomOutEnabled);

    EXPECT_EQ(NavigationTarget(0, 4, 7), 1);
    EXPECT_EQ(NavigationTarget(1, 4, 7), 3);
    EXPECT_EQ(NavigationTarget(2, 4, 7), 5);
    EXPECT_EQ(NavigationTarget(3, 4, 7), 7);
}

TEST(PrintJobLogicTest, ExportSeparatorsAndQuote)
{
    EXPECT_EQ(ExportSeparator(0), ",");
    EXPECT_EQ(ExportSeparator(1), " ");
    EXPECT_EQ(ExportSeparator(2), "  ");
    EXPECT_EQ(ExportSeparator(3), "\t");
    EXPECT_EQ(ExportQuote(true), "\"");
    EXPECT_EQ(ExportQuote(false), "");
}

TEST(PrintControlTest, TextPositionsPagesAndLimits)
{
    PrintControl printer;
    printer.StartDoc();
    printer.CurrentX = 2000;
    printer.Text("ab\r\ncd\re");
    const auto& items = printer.Page(1).items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].x1, 2000);
    EXPECT_EQ(items[1].x1, 1440);
    EXPECT_EQ(items[1].y1, 1440 + 240);
    EXPECT_EQ(items[2].y1, 1440 + 480);
    EXPECT_DOUBLE_EQ(printer.CurrentX, 1440 + 120);
    EXPECT_DOUBLE_EQ(printer.TextHeight("a\r\nb"), 480);
    EXPECT_DOUBLE_EQ(printer.TextWidth("abc\r\nd"), 360);

    // Paragraphs that reach the bottom margin go on to a new page.
    for (int i = 0; i < 60; ++i)
        printer.Paragraph("line");
    EXPECT_EQ(printer.PageCount(), 2);
    for (const PageItem& item : printer.Page(2).items)
        EXPECT_LE(item.y1 + 240, 15840 - 1440);

    printer.SetOrientation(1);
    EXPECT_EQ(printer.PageWidth(), 15840);
    printer.SetOrientation(5);
    EXPECT_EQ(printer.Orientation(), 1);
    printer.SetMarginLeft(-5);
    EXPECT_EQ(printer.MarginLeft(), 1440);
    printer.SetZoom(1000);
    EXPECT_EQ(printer.Zoom(), PrintControl::ZoomMax);
    printer.SetPreviewPage(9);
    EXPECT_EQ(printer.PreviewPage(), 2);
    EXPECT_FALSE(printer.SetFont({"Serif", 0, false, false, false}));
    printer.KillDoc();
    EXPECT_EQ(printer.PageCount(), 0);
    EXPECT_TRUE(printer.Page(1).items.empty());
}

} // namespace
} // namespace vq
