// The output report file and the delimited export: calculation information, the
// fixed-width table blocks, quoting, and the Save Output commands.
#include "app/input_panel_logic.h"
#include "app/main_window_host_impl.h"
#include "printing/output_report.h"
#include "printing/layout/print_sections.h"
#include "app/thermix_main.h"
#include "common/session_state.h"
#include "common/program_identity.h"
#include "platform/file_dialog.h"
#include "platform/grid_model.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include <gtest/gtest.h>

#include <sstream>

namespace vq {
namespace {

InputControls Input(int code, const std::string& name, const std::string& units, const std::string& value,
                    const std::string& end = "", const std::string& inc = "")
{
    return {code, name, units, value, end, inc};
}

OutputHeaderInputs Header(int mode, InputControls a, InputControls b)
{
    OutputHeaderInputs in;
    in.dateText = "12/8/2026 9:00:00 PM";
    in.version = "2.0.0";
    in.inputFile = "Untitled";
    in.mode = mode;
    in.input1 = std::move(a);
    in.input2 = std::move(b);
    return in;
}

std::vector<std::string> InfoLines(const std::vector<std::string>& all)
{
    return {all.begin() + 5, all.end()};
}

TEST(OutputHeader, LinesOfEachInputMode)
{
    auto single = BuildOutputHeader(Header(0, Input(1, "Pressure", "psia", "14.7"), Input(2, "Temperature", "F", "212")));
    ASSERT_EQ(single.size(), 7u);
    EXPECT_EQ(single[0], "Calculation performed on: 12/8/2026 9:00:00 PM");
    EXPECT_EQ(single[1], "Application version: 2.0.0");
    EXPECT_EQ(single[2], "Input File: Untitled");
    EXPECT_EQ(single[3], "Property Database: ASME Steam Tables (IAPWS-IF97)");
    EXPECT_EQ(single[4], " ");
    EXPECT_EQ(InfoLines(single), (std::vector<std::string>{"Pressure = 14.7 psia", "Temperature = 212 F"}));

    // A saturation property names itself only; the other line keeps its value.
    auto vapor = Header(0, Input(10, "Saturated Vapor", "", ""), Input(1, "Pressure", "bar", "1,5"));
    vapor.useIF97 = false;
    const auto satLines = BuildOutputHeader(vapor);
    EXPECT_EQ(satLines[3], "Property Database: NBS Steam Tables (1984)");
    EXPECT_EQ(InfoLines(satLines), (std::vector<std::string>{"Saturated Vapor", "Pressure = 1,5 bar"}));

    auto two = BuildOutputHeader(
        Header(1, Input(1, "Pressure", "psia", "100", "200"), Input(2, "Temperature", "F", "400", "500")));
    EXPECT_EQ(InfoLines(two), (std::vector<std::string>{"Pressure 1st Point = 100 psia", "Pressure 2nd Point = 200 psia",
                                                       "Temperature 1st Point = 400 F",
                                                       "Temperature 2nd Point = 500 F"}));

    auto twoSat = BuildOutputHeader(Header(1, Input(1, "Pressure", "psia", "100"), Input(9, "Saturated Liquid", "", "")));
    ASSERT_EQ(twoSat.size(), 6u);
    EXPECT_EQ(twoSat[5], "Pressure Saturation Calc Point = 100 psia");

    auto range = BuildOutputHeader(
        Header(2, Input(1, "Pressure", "psia", "100"), Input(2, "Temperature", "F", "400", "600", "50")));
    EXPECT_EQ(InfoLines(range), (std::vector<std::string>{"Pressure = 100 psia", "Temperature Start = 400 F",
                                                         "Temperature End = 600 F", "Temperature Increment = 50 F"}));

    EXPECT_EQ(BuildOutputHeader(Header(3, {}, {})).size(), 5u);
}

// A grid of labels and data columns; header cells may hold CR LF.
GridModel MakeGrid(int dataColumns, int dataRows)
{
    GridModel grid;
    grid.SetRows(dataRows + 1);
    grid.SetCols(dataColumns + 1);
    grid.SetTextMatrix(0, 0, "Parameter");
    for (int c = 1; c <= dataColumns; ++c)
        grid.SetTextMatrix(0, c, "Point " + std::to_string(c));
    for (int r = 1; r <= dataRows; ++r) {
        grid.SetTextMatrix(r, 0, "Row " + std::to_string(r));
        for (int c = 1; c <= dataColumns; ++c)
            grid.SetTextMatrix(r, c, std::to_string(r * 100 + c));
    }
    return grid;
}

TEST(OutputTable, BlocksOfFiveColumnsRepeatLabelsAndHeaders)
{
    GridModel grid = MakeGrid(12, 2);
    const auto lines = WriteOutputTable(grid);
    // Each block: 1 header line, " ", 2 rows, "".
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "Parameter  Point 1  Point 2  Point 3  Point 4  Point 5 ");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "    Row 1      101      102      103      104      105 ");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Parameter  Point 6  Point 7  Point 8  Point 9  Point 10 ");
    EXPECT_EQ(lines[10], "Parameter  Point 11  Point 12 ");
    EXPECT_EQ(lines[12], "    Row 1       111       112 ");
    EXPECT_EQ(lines[14], "");

    GridModel labelsOnly = MakeGrid(0, 3);
    EXPECT_TRUE(WriteOutputTable(labelsOnly).empty());
}

TEST(OutputTable, WidthsAlignmentAndHeaderLines)
{
    GridModel grid;
    grid.SetRows(3);
    grid.SetCols(2);
    grid.SetTextMatrix(0, 0, "Name");
    grid.SetTextMatrix(0, 1, " Pressure \r\n (psia) ");
    grid.SetTextMatrix(1, 0, "Specific Enthalpy xy"); // 20 characters
    grid.SetTextMatrix(1, 1, "  123.45678  ");        // 9 once trimmed
    grid.SetTextMatrix(2, 0, "T");
    grid.SetTextMatrix(2, 1, "N/A");
    EXPECT_EQ(GetGridHeaderLines(grid), 2);
    const auto lines = WriteOutputTable(grid);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Name                   Pressure ");
    EXPECT_EQ(lines[1], "                         (psia) ");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3], "Specific Enthalpy xy  123.45678 ");
    EXPECT_EQ(lines[4], "                   T        N/A ");
    // The body cells were trimmed in the grid.
    EXPECT_EQ(grid.TextMatrix(1, 1), "123.45678");

    // Widths count characters, not bytes.
    GridModel units;
    units.SetRows(2);
    units.SetCols(2);
    units.SetTextMatrix(0, 1, "T\r\n(°C)");
    units.SetTextMatrix(1, 0, "x");
    units.SetTextMatrix(1, 1, "20");
    EXPECT_EQ(GetColumnTextWidth(units, 1), 4);
    EXPECT_EQ(WriteOutputTable(units)[1], "   (°C) ");

    GridModel deep;
    deep.SetRows(1);
    deep.SetCols(2);
    deep.SetTextMatrix(0, 1, "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(GetGridHeaderLines(deep), 3);
    EXPECT_EQ(GetColumnTextWidth(deep, 0), 0);
}

TEST(OutputExport, CellsAreQuotedOnlyWhenNotNumeric)
{
    EXPECT_FALSE(HasNonNumericChar(""));
    EXPECT_FALSE(HasNonNumericChar("-1.5E+07"));
    for (const char* text : {"N/A", "1,234.5", " 12", "12 ", "1,5", "abc", "1.5d3"})
        EXPECT_TRUE(HasNonNumericChar(text)) << text;
    EXPECT_EQ(ReplaceLineBreaks("a\r\nb\rc\nd"), "a  b c d");

    GridModel grid;
    grid.SetRows(2);
    grid.SetCols(4);
    grid.SetTextMatrix(0, 0, "Parameter");
    grid.SetTextMatrix(0, 1, "Pressure\r\n(psia)");
    grid.SetTextMatrix(0, 2, "x");
    grid.SetTextMatrix(0, 3, "");
    grid.SetTextMatrix(1, 0, "Enthalpy");
    grid.SetTextMatrix(1, 1, "1180.5");
    grid.SetTextMatrix(1, 2, "-3.2e-05");
    grid.SetTextMatrix(1, 3, "N/A");
    EXPECT_EQ(WriteGridRows(grid, ",", "\""), (std::vector<std::string>{"\"Parameter\",\"Pressure  (psia)\",\"x\",",
                                                                         "\"Enthalpy\",1180.5,-3.2e-05,\"N/A\""}));
    // Without the quote option only cells that would break the columns are quoted.
    EXPECT_EQ(WriteGridRows(grid, "\t", ""), (std::vector<std::string>{"Parameter\t\"Pressure  (psia)\"\tx\t",
                                                                         "Enthalpy\t1180.5\t-3.2e-05\tN/A"}));
    grid.SetTextMatrix(1, 0, "Say \"hi\"");
    EXPECT_EQ(WriteGridRows(grid, ",", "")[1], "\"Say \"\"hi\"\"\",1180.5,-3.2e-05,N/A");
    EXPECT_EQ(WriteGridRows(grid, ",", "\"")[1], "\"Say \"\"hi\"\"\",1180.5,-3.2e-05,\"N/A\"");
}

TEST(OutputReport, SectionsOfTheReportAndTheExport)
{
    GridModel grid = MakeGrid(1, 1);
    PrintSections sections;
    const std::vector<std::string> header = {"h1", "h2"};
    const auto both = OutputReportLines(sections, header, grid);
    EXPECT_EQ(both[0], "*** Input Data *********************");
    EXPECT_EQ(both[1], "");
    EXPECT_EQ(both[2], "h1");
    EXPECT_EQ(both[4], "");
    EXPECT_EQ(both[5], "");
    EXPECT_EQ(both[6], "*** Results *********************");

    sections.SetPrintFormatGeneralUse(0, false);
    const auto results = OutputExportLines(sections, header, grid, ",", "\"");
    EXPECT_EQ(results[0], "Results");
    EXPECT_EQ(results[1], "");
    EXPECT_EQ(results[2], "\"Parameter\",\"Point 1\"");

    sections.SetPrintFormatGeneralUse(1, false);
    EXPECT_TRUE(OutputReportLines(sections, header, grid).empty());
    EXPECT_TRUE(OutputExportLines(sections, header, grid, ",", "").empty());
}

TEST(OutputReport, ProposedFileName)
{
    EXPECT_EQ(ProposedOutputFileName("boiler.vpq"), "boiler.out");
    EXPECT_EQ(ProposedOutputFileName("Untitled"), "*.out");
    EXPECT_EQ(ProposedOutputFileName("boiler.txt"), "*.out");
    EXPECT_EQ(ProposedOutputFileName("vpq"), "*.out");
}

class SaveOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        ResetOutputReportState();
        main = std::make_unique<ThermixMain>();
        main->NewInputFile();
        GridModel& grid = main->GRD_Output->Model();
        grid.SetRows(2);
        grid.SetCols(2);
        grid.SetTextMatrix(0, 0, "Parameter");
        grid.SetTextMatrix(0, 1, "Value");
        grid.SetTextMatrix(1, 0, "Pressure");
        grid.SetTextMatrix(1, 1, "14.7");
    }
    void TearDown() override
    {
        SetFileDialogHandler({});
        ResetOutputReportState();
    }
    test::RecordingUserInterface ui;
    std::unique_ptr<ThermixMain> main;
    test::TempFolder folder;
};

TEST_F(SaveOutputTest, SaveOutputAsChoosesTheFileAndSaveOutputReusesIt)
{
    std::vector<FileDialogRequest> requests;
    const std::string path = folder.File("plant.out");
    SetFileDialogHandler([&](const FileDialogRequest& r) {
        requests.push_back(r);
        return FileDialogResult{0, path, "plant.out"};
    });
    DocumentName = "plant.vpq";
    SaveOutputAsMenu(*main); // no file yet: asks
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Save Output As");
    EXPECT_EQ(requests[0].filter, ProgramTitle + " Output (*.out)|*.out");
    EXPECT_EQ(requests[0].fileName, "plant.out");
    EXPECT_EQ(OutputFileName, path);
    const std::string written = test::ReadFileBytes(path);
    EXPECT_EQ(written.rfind("*** Input Data *********************\r\n\r\nCalculation performed on: ", 0), 0u) << written;
    EXPECT_NE(written.find("\r\n*** Results *********************\r\n\r\nParameter  Value \r\n \r\n Pressure   14.7 \r\n\r\n\r\n\r\n"),
              std::string::npos)
        << written;

    main->Sections().SetPrintFormatGeneralUse(0, false);
    main->Sections().SetPrintFormatGeneralUse(1, false);
    SaveOutputAsMenu(*main); // rewrites the same file without a dialog
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(test::ReadFileBytes(path), "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveOutputTest, SaturatedInputsWriteOnlyTheBoxesShown)
{
    const std::string path = folder.File("sat.out");
    SetFileDialogHandler([&](const FileDialogRequest&) { return FileDialogResult{0, path, "sat.out"}; });
    ThermixMainHost host(*main);
    InstallMainWindowHost(&host);
    // Every box holds text; the saturated property hides some of them.
    const auto infoLines = [&](int mode, int code1, int code2) {
        main->TAB_InputMode->setCurrentIndex(mode);
        main->CMB_State1->setCurrentIndex(main->CMB_State1->findData(code1));
        main->CMB_State2->setCurrentIndex(main->CMB_State2->findData(code2));
        for (QLineEdit* box : {main->TXT_State1, main->TXT_State1End, main->TXT_State1Inc, main->TXT_State2,
                               main->TXT_State2End, main->TXT_State2Inc})
            box->setText(box == main->TXT_State2End ? "200" : box == main->TXT_State2Inc ? "50" : "100");
        SaveOutputAs(*main);
        // The heading, an empty line, then the information up to the next empty line.
        std::istringstream file(test::ReadFileBytes(path));
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line.substr(0, line.size() - 1));
        const std::vector<std::string> written(lines.begin() + 2, std::find(lines.begin() + 2, lines.end(), ""));
        int count = 0;
        std::vector<std::string> printed;
        WriteOutputHeader(count, printed); // the printed report's calculation information
        EXPECT_EQ(InfoLines(printed), InfoLines(written)); // the clock may have moved on
        return InfoLines(written);
    };
    const std::string psia = " psia";
    EXPECT_EQ(infoLines(TwoPointsMode, 9, 1), (std::vector<std::string>{"Pressure Saturation Calc Point = 100" + psia}));
    EXPECT_EQ(infoLines(TwoPointsMode, 1, 10), (std::vector<std::string>{"Pressure Saturation Calc Point = 100" + psia}));
    EXPECT_EQ(infoLines(RangeMode, 9, 1),
              (std::vector<std::string>{"Saturated Liquid", "Pressure Start = 100" + psia, "Pressure End = 200" + psia,
                                        "Pressure Increment = 50" + psia}));
    EXPECT_EQ(infoLines(SinglePointMode, 10, 1), (std::vector<std::string>{"Saturated Vapor", "Pressure = 100" + psia}));
    InstallMainWindowHost(nullptr);
}

TEST_F(SaveOutputTest, CancelAndFailuresKeepWhatWasThere)
{
    SetFileDialogHandler([](const FileDialogRequest&) { return FileDialogResult{32755, "", ""}; });
    SaveOutputAs(*main);
    EXPECT_EQ(OutputFileName, "");
    EXPECT_TRUE(ui.messages.empty());

    // A file that cannot be written is reported; the name stays for the next try.
    const std::string bad = folder.File("missing folder/plant.out");
    SetFileDialogHandler([&](const FileDialogRequest&) { return FileDialogResult{0, bad, "plant.out"}; });
    SaveOutputAs(*main);
    EXPECT_EQ(OutputFileName, bad);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The following error occurred while saving to file:\r\n\r\n      ", 0), 0u);
    EXPECT_EQ(ui.beeps, 1);

    std::string errorText;
    EXPECT_FALSE(WriteOutputReport(*main, bad, ",", "\"", errorText));
    EXPECT_FALSE(errorText.empty());
    const std::string good = folder.File("plant.csv");
    EXPECT_TRUE(WriteOutputReport(*main, good, ",", "\"", errorText));
    EXPECT_NE(test::ReadFileBytes(good).find("\r\nResults\r\n\r\n\"Parameter\",\"Value\"\r\n\"Pressure\",14.7\r\n"),
              std::string::npos);
}

} // namespace
} // namespace vq
