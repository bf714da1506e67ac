// The paper chosen in Print Setup is the paper the report is laid out on and written
// on, and what the page holds stays on it: read back from the PDF of Create Adobe PDF.
#include "print_ui_fixture.h"

#include "app/command_dispatch.h"
#include "files/printer_font.h"
#include "printing/layout/print_engine.h"
#include "printing/print_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <sstream>

namespace vq {
namespace {

using test::PdfPageWords;
using test::PdfWordBoxes;

class PaperAndPage : public test::PrintUiTest {
protected:
    void TearDown() override
    {
        ResetPrinterFontState();
        test::PrintUiTest::TearDown();
    }
    // File > Print Setup, choosing a paper and an orientation.
    void PrintSetup(const QPageSize& paper, QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        dialogs.setupAction = [=](QPrinter& printer) {
            printer.setPageSize(paper);
            printer.setPageOrientation(orientation);
        };
        main->ABR_Main_Click(ToolPrintSetup);
    }
    // Margins in inches and the report font size, as the stored settings give them.
    void Page(double left, double right, double top, double bottom, int fontSize)
    {
        auto twips = [](double inches) { return static_cast<std::int32_t>(inches * 1440); };
        host.page.MarginLeft = twips(left);
        host.page.MarginRight = twips(right);
        host.page.MarginTop = twips(top);
        host.page.MarginBottom = twips(bottom);
        PrintFontName = "DejaVu Sans";
        PrintFontSize = fontSize;
    }
    // Print Preview through the quick-print dialog; the preview window, null when none opened.
    PrinterForm* PrintPreview()
    {
        QTimer::singleShot(0, [] {
            if (auto* quick = qobject_cast<PrintSpecialForm*>(QApplication::activeModalWidget()))
                QTest::mouseClick(quick->BTN_Preview, Qt::LeftButton);
        });
        main->ABR_Main_Click(ToolPrintPreview);
        return LoadedPrinterForm();
    }
    // The preview's Page Setup, answered with these margins in inches.
    void PageSetup(PrinterForm& preview, double margin)
    {
        dialogs.setupAction = [=](QPrinter& printer) {
            printer.setPageMargins(QMarginsF(margin, margin, margin, margin) * 72, QPageLayout::Point);
        };
        QTest::mouseClick(preview.BTN_PageSetup, Qt::LeftButton);
    }
    // Create Adobe PDF into a new file; its path.
    std::string CreatePdf()
    {
        dialogs.saveName = folder.File("report" + std::to_string(++pdfs) + ".pdf");
        main->ABR_Main_Click(ToolCreatePdf);
        return dialogs.saveName;
    }
    static std::string Size(const PdfPageWords& page)
    {
        std::ostringstream s;
        s << std::lround(page.width) << " x " << std::lround(page.height);
        return s.str();
    }
    int pdfs = 0;
};

TEST_F(PaperAndPage, ExecutiveIsWrittenOnThePaperItIsLaidOutOn)
{
    FillGrid(150);
    PrintSetup(QPageSize(QPageSize::A4)); // portrait
    Page(0.25, 0.25, 0.25, 0.25, 10);
    host.page.PaperSize = 7; // Executive, as the settings file keeps it
    const std::vector<PdfPageWords> pages = PdfWordBoxes(CreatePdf());
    ASSERT_GE(pages.size(), 2u);
    int labels = 0;
    for (const PdfPageWords& page : pages) {
        EXPECT_EQ(Size(page), "522 x 756");
        for (const test::PdfWord& w : page.words) {
            EXPECT_LE(w.yMax, page.height - 18) << w.text << " passes the bottom margin";
            labels += w.text == "Enthalpy";
        }
    }
    EXPECT_EQ(labels, 149) << "every row once";

    // Print Setup's Executive of that size is the same paper.
    PrintSetup(QPageSize(QPageSize::A4));
    PrintSetup(QPageSize(QPageSize::ExecutiveStandard));
    EXPECT_EQ(host.page.PaperSize, 7);

    // Qt's other Executive is not the one laid out: said, and the paper kept.
    PrintSetup(QPageSize(QPageSize::Executive));
    EXPECT_EQ(ui.LastMessage(), "The report cannot be laid out on the paper \"Executive (7.5 x 10 in)\".\r\n\r\n"
                                "The paper stays Executive (7.25 x 10.5 in).");
    EXPECT_EQ(host.page.PaperSize, 7);
    EXPECT_EQ(Size(PdfWordBoxes(CreatePdf()).at(0)), "522 x 756");
}

TEST_F(PaperAndPage, PapersWithAStandardNumberAreUsedAndOthersAreRefusedAloud)
{
    for (auto [paper, code, size] : {std::tuple{QPageSize::Tabloid, 3, "792 x 1224"}, {QPageSize::JisB5, 13, "516 x 729"},
                                     {QPageSize::EnvelopeDL, 27, "312 x 624"}, {QPageSize::A6, 70, "297 x 420"}}) {
        PrintSetup(QPageSize(paper));
        EXPECT_EQ(host.page.PaperSize, code) << size;
        EXPECT_EQ(Size(PdfWordBoxes(CreatePdf()).at(0)), size);
    }
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();

    // The preview's set-up button: Ledger is taken, a size of no number is refused.
    PrinterForm& preview = LoadPrinterForm(*main);
    preview.SetPreview(true);
    RunPrintJob(*main);
    dialogs.setupAction = [](QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::Ledger)); };
    QTest::mouseClick(preview.BTN_Setup, Qt::LeftButton);
    EXPECT_EQ(host.page.PaperSize, 4);
    EXPECT_EQ(preview.vsPrinter.PageWidth(), 17 * 1440);
    dialogs.setupAction = [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Millimeter, "Square"));
    };
    QTest::mouseClick(preview.BTN_Setup, Qt::LeftButton);
    EXPECT_EQ(ui.LastMessage(), "The report cannot be laid out on the paper \"Square\".\r\n\r\nThe paper stays Ledger.");
    EXPECT_EQ(host.page.PaperSize, 4);
}

TEST_F(PaperAndPage, PageHeaderTextsStandApartInsideTheFrame)
{
    struct Case {
        QPageSize::PageSizeId paper;
        double left;
        bool centred; // the number centred on the page, as where there is room
    };
    for (const Case c : {Case{QPageSize::Letter, 3, false}, Case{QPageSize::A5, 1, false}, Case{QPageSize::A6, 1, false},
                         Case{QPageSize::Letter, 1, true}}) {
        Page(c.left, 1, 1, 1, 10);
        PrintSetup(QPageSize(c.paper));
        const PdfPageWords page = PdfWordBoxes(CreatePdf()).at(0);
        const std::string name = QPageSize::name(c.paper).toStdString() + " left " + std::to_string(c.left);
        std::vector<std::string> expected = {"Results", "(1)"};
        std::istringstream date(PageHeaderTexts[1]);
        for (std::string word; date >> word;)
            expected.push_back(word);
        std::vector<test::PdfWord> header;
        for (const test::PdfWord& w : page.words)
            if (w.yMax < 72 + 30) // the first two header lines
                header.push_back(w);
        for (const std::string& text : expected)
            EXPECT_TRUE(std::any_of(header.begin(), header.end(), [&](const auto& w) { return w.text == text; }))
                << name << ": " << text;
        for (size_t i = 0; i < header.size(); ++i) {
            const test::PdfWord& a = header[i];
            EXPECT_GE(a.xMin, c.left * 72 - 1) << name << ": " << a.text;
            EXPECT_LE(a.xMax, page.width - 72 + 1) << name << ": " << a.text;
            for (size_t j = i + 1; j < header.size(); ++j) {
                const test::PdfWord& b = header[j];
                const bool apart = a.xMax <= b.xMin || b.xMax <= a.xMin || a.yMax <= b.yMin || b.yMax <= a.yMin;
                EXPECT_TRUE(apart) << name << ": " << a.text << " over " << b.text;
            }
            if (a.text == "(1)" && c.centred) {
                EXPECT_NEAR((a.xMin + a.xMax) / 2, page.width / 2, 1) << name;
            }
        }
    }
}

TEST_F(PaperAndPage, AColumnThatWouldRunOffThePaperIsNamedAndNothingIsPrinted)
{
    FillGrid(50);
    main->GRD_Output->Model().SetTextMatrix(0, 2, "Specific Heat, cp  (Btu/lbm-R) at constant pressure");
    Page(3, 1, 1, 1, 14);
    PrintSetup(QPageSize(QPageSize::A4));
    const std::string pdf = CreatePdf();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(ui.LastMessage(), "The column \"Specific Heat, cp (Btu/lbm-R) at constant pressure\" is too wide for the "
                                "paper: it would run off the page's edge.\r\n\r\nMake the left margin or the report font "
                                "smaller, and print again.");
    EXPECT_EQ(LoadedPrinterForm(), nullptr);
}

TEST_F(PaperAndPage, APageTooSmallForTheHeaderAndOneRowPrintsNothing)
{
    FillGrid(51);
    for (auto [left, top] : {std::pair{2.0, 2.0}, {1.0, 3.0}}) {
        ui.messages.clear();
        Page(left, left, top, top, 14);
        PrintSetup(QPageSize(QPageSize::A5), QPageLayout::Landscape);
        const std::string pdf = CreatePdf();
        EXPECT_FALSE(std::filesystem::exists(pdf)) << top << " in, " << test::PdfPages(pdf) << " pages";
        EXPECT_EQ(ui.LastMessage(), "The page (A5, landscape) is too small for the report: between its margins there is "
                                    "no room for the page header, a blank line and one row of the table.\r\n\r\n"
                                    "Make the margins or the report font smaller, and print again.");
    }
}

const std::string LetterTooSmall = "The page (Letter, portrait) is too small for the report: between its margins there "
                                   "is no room for the page header, a blank line and one row of the table.\r\n\r\n"
                                   "Make the margins or the report font smaller, and print again.";

TEST_F(PaperAndPage, APageSetupThatLeavesNoRoomIsSaidAndChangesNothing)
{
    main->show();
    PrinterForm* preview = PrintPreview();
    ASSERT_NE(preview, nullptr);
    const int pages = preview->vsPrinter.PageCount();
    ASSERT_GT(pages, 0);
    const PageSettings before = host.page;
    PageSetup(*preview, 100 / 25.4);
    EXPECT_EQ(ui.LastMessage(), LetterTooSmall);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(host.page.MarginLeft, before.MarginLeft);
    EXPECT_EQ(host.page.MarginTop, before.MarginTop);
    ASSERT_EQ(LoadedPrinterForm(), preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->vsPrinter.PageCount(), pages);
    EXPECT_EQ(preview->vsPrinter.MarginLeft(), before.MarginLeft);
}

TEST_F(PaperAndPage, StoredMarginsThatLeaveNoRoomAreMendedInThePreview)
{
    Page(3.93, 3.93, 3.93, 3.93, 10);
    PrinterForm* preview = PrintPreview();
    EXPECT_EQ(ui.LastMessage(), LetterTooSmall);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->vsPrinter.PageCount(), 0);
    EXPECT_FALSE(preview->BTN_Print->isEnabled());
    for (int i = 0; i < 4; ++i) {
        preview->cmdPage_Click(i);
        preview->cmdZoom_Click(i);
    }

    PageSetup(*preview, 1);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_GT(preview->vsPrinter.PageCount(), 0);
    EXPECT_EQ(host.page.MarginLeft, 1440);
    QTest::mouseClick(preview->BTN_Close, Qt::LeftButton);
    EXPECT_EQ(test::PdfPages(CreatePdf()), 1);
}

TEST_F(PaperAndPage, PrintSetupConfirmsWithOKInBothRoutes)
{
    InstallPrintDialogService(nullptr); // Qt's own dialogs
    std::vector<std::string> captions;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            captions.push_back(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text().toStdString());
            dialog->reject();
        });
    };
    answer();
    main->ABR_Main_Click(ToolPrintSetup);
    PrinterForm& preview = LoadPrinterForm(*main);
    preview.SetPreview(true);
    RunPrintJob(*main);
    answer();
    QTest::mouseClick(preview.BTN_Setup, Qt::LeftButton);
    InstallPrintDialogService(&dialogs);
    EXPECT_EQ(captions, (std::vector<std::string>{"OK", "OK"}));
}

} // namespace
} // namespace vq
