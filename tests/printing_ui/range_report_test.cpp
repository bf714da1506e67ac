// The printed report of an IF97 Range calculation, read back from its PDF. With
// VAPOQUANT_RANGE_REPORT set, the PDF is also kept there (a build artefact).
#include "print_ui_fixture.h"
#include "input_panel_setups.h"

#include "app/main_window_host_impl.h"
#include "preferences/output_mod.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include <filesystem>

namespace vq {
namespace {

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        ++n;
    return n;
}

TEST(RangeReport, TwoBandRangeReportHoldsEveryPageColumnAndPoint)
{
    test::RecordingUserInterface ui;
    test::FakeMainWindowHost host;
    test::ScriptedPrintDialogs dialogs;
    test::TempFolder folder;
    test::SetUpProgramTables(UnitSystemSI);
    UseIF97 = true;
    OutputPrefs.NumParams = 8; // two bands on a Letter page
    ThermixMain main;
    ThermixMainHost mainHost(main); // the report's input lines come from the real boxes
    InstallMainWindowHost(&mainHost);
    main.NewInputFile();
    test::FillPanel(main, {RangeMode, 1, 2, "MPa", "deg. C", "1", "", "100", "300", "5"});
    ui.mode = RangeMode;
    main.BTN_Calculate_Click();
    ASSERT_TRUE(ui.messages.empty()) << ui.LastMessage();
    ASSERT_EQ(main.GRD_Output->Model().Rows(), 42);

    // Portrait Letter paper, whatever was chosen before.
    dialogs.setupAction = [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
    };
    ShowPrintSetupDialog(main);

    // The pages the preview holds, on the same page, are the pages of the PDF.
    PrinterForm& preview = LoadPrinterForm(main);
    PrepareDirectPrint(main);
    preview.SetPreview(true);
    RunPrintJob(main);
    const int pages = preview.vsPrinter.PageCount();
    ASSERT_GE(pages, 2);
    UnloadPrinterForm();

    dialogs.saveName = folder.File("range.pdf");
    main.ABR_Main_Click(ToolCreatePdf);
    ASSERT_EQ(test::PdfPages(dialogs.saveName), pages);
    for (int n = 1; n <= pages; ++n)
        EXPECT_NE(test::PdfPageText(dialogs.saveName, n).find("(" + std::to_string(n) + ")"), std::string::npos) << n;
    const std::string text = test::PdfText(dialogs.saveName);
    EXPECT_GE(Count(text, "Phase"), 1);
    EXPECT_GE(Count(text, "Thermal Cond."), 1);
    EXPECT_EQ(Count(text, "Pressure = 1 MPa"), 1);
    EXPECT_EQ(Count(text, "Temperature Increment = 5 deg. C"), 1);
    // Each point once in each band: its label and its temperature (the start and end
    // values also stand in the input lines).
    for (int t = 100; t <= 300; t += 5) {
        EXPECT_EQ(Count(text, "= " + std::to_string(t) + " "), t == 100 || t == 300 ? 3 : 2) << t;
        EXPECT_EQ(Count(text, " " + std::to_string(t) + ".000 "), 1) << t;
    }

    if (const char* keep = std::getenv("VAPOQUANT_RANGE_REPORT"))
        std::filesystem::copy_file(dialogs.saveName, keep, std::filesystem::copy_options::overwrite_existing);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace vq
