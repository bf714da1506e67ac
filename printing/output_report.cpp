#include "printing/output_report.h"

#include "app/input_panel_logic.h"
#include "printing/layout/print_sections.h"
#include "common/common_dialog_errors.h"
#include "common/header_text.h"
#include "common/main_window_host.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/session_state.h"
#include "common/settings_text.h"
#include "common/text_routines.h"
#include "common/ui/main_window_view.h"
#include "common/user_interface.h"
#include "platform/file_dialog.h"
#include "platform/grid_control.h"
#include "platform/grid_model.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <array>
#include <functional>

namespace vq {

void ResetOutputReportState()
{
    OutputFileName.clear();
}

namespace {

constexpr int BlockColumns = 5;

// "Name = value units"; the value part only from a box that is shown and holds text.
std::string InputLine(const InputControls& c, std::string_view joint, const std::string& value, bool shown)
{
    std::string line = c.propertyText;
    if (shown && !value.empty())
        line += std::string(joint) + value + " " + c.unitsText;
    return line;
}

// The line of a box of its own (a point, a range bound), none unless it is shown and
// holds text.
void AppendBoxLine(std::vector<std::string>& lines, const InputControls& c, std::string_view joint,
                   const std::string& value, bool shown)
{
    if (shown && !value.empty())
        lines.push_back(InputLine(c, joint, value, true));
}

// Length in characters of UTF-8 text, so that columns line up whatever the texts hold.
std::size_t TextLength(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PadLeft(const std::string& text, std::size_t width)
{
    const std::size_t length = TextLength(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width)
{
    const std::size_t length = TextLength(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

// A body cell as a table line holds it: trimmed, and a wrapped label on one line.
std::string TableCellText(const std::string& text)
{
    return TrimText(OneLineText(text));
}

// The three header lines of a header cell.
void AppendSectionHeading(std::vector<std::string>& lines, const std::string& name, bool report)
{
    lines.push_back(report ? "*** " + name + " *********************" : name);
    lines.emplace_back();
}

void AppendTwoEmptyLines(std::vector<std::string>& lines)
{
    lines.emplace_back();
    lines.emplace_back();
}

} // namespace

std::vector<std::string> BuildOutputHeader(const OutputHeaderInputs& in)
{
    std::vector<std::string> lines = {
        "Calculation performed on: " + in.dateText,
        "Application version: " + in.version,
        "Input File: " + in.inputFile,
        in.useIF97 ? "Property Database: ASME Steam Tables (IAPWS-IF97)"
                   : "Property Database: NBS Steam Tables (1984)",
        " ",
    };
    const InputControls& a = in.input1;
    const InputControls& b = in.input2;
    const InputPanelLayout rows = LayoutInputRows(in.mode, a.code, b.code);
    switch (in.mode) {
    case SinglePointMode:
        lines.push_back(InputLine(a, " = ", a.value, rows[0].valueVisible));
        lines.push_back(InputLine(b, " = ", b.value, rows[1].valueVisible));
        break;
    case TwoPointsMode:
        if (IsSaturationInputCode(a.code) || IsSaturationInputCode(b.code)) {
            AppendBoxLine(lines, a, " Saturation Calc Point = ", a.value, rows[0].valueVisible);
            AppendBoxLine(lines, b, " Saturation Calc Point = ", b.value, rows[1].valueVisible);
        } else {
            AppendBoxLine(lines, a, " 1st Point = ", a.value, rows[0].valueVisible);
            AppendBoxLine(lines, a, " 2nd Point = ", a.end, rows[0].endVisible);
            AppendBoxLine(lines, b, " 1st Point = ", b.value, rows[1].valueVisible);
            AppendBoxLine(lines, b, " 2nd Point = ", b.end, rows[1].endVisible);
        }
        break;
    case RangeMode:
        lines.push_back(InputLine(a, " = ", a.value, rows[0].valueVisible));
        AppendBoxLine(lines, b, " Start = ", b.value, rows[1].valueVisible);
        AppendBoxLine(lines, b, " End = ", b.end, rows[1].endVisible);
        AppendBoxLine(lines, b, " Increment = ", b.increment, rows[1].incVisible);
        break;
    default: break;
    }
    return lines;
}

OutputHeaderInputs CurrentOutputHeaderInputs(const MainWindowHost& host)
{
    OutputHeaderInputs in;
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    in.dateText = (locale.toString(now.date(), QLocale::ShortFormat) + " " +
                   locale.toString(now.time(), QLocale::LongFormat))
                      .toStdString();
    in.version = GetVersionText(0);
    in.inputFile = CurrentInputFile;
    in.useIF97 = UseIF97;
    in.mode = host.InputMode();
    in.input1 = host.GetInput(1);
    in.input2 = host.GetInput(2);
    return in;
}

void WriteOutputHeader(int& count, std::vector<std::string>& lines)
{
    lines = BuildOutputHeader(CurrentOutputHeaderInputs(CurrentMainWindowHost()));
    count = static_cast<int>(lines.size());
}

int GetGridHeaderLines(const GridModel& grid)
{
    int most = 1;
    if (grid.Rows() < 1)
        return most;
    for (int c = 0; c < grid.Cols(); ++c)
        most = std::max(most, static_cast<int>(HeaderTextParts(grid.TextMatrix(0, c)).size()));
    return std::min(most, 3);
}

int GetColumnTextWidth(GridModel& grid, int col)
{
    std::size_t widest = 0;
    if (grid.Rows() < 1)
        return 0;
    for (const std::string& part : HeaderTextParts(grid.TextMatrix(0, col)))
        widest = std::max(widest, TextLength(part));
    for (int r = 1; r < grid.Rows(); ++r) {
        const std::string text = TrimText(grid.TextMatrix(r, col));
        grid.SetTextMatrix(r, col, text);
        widest = std::max(widest, TextLength(TableCellText(text)));
    }
    return static_cast<int>(widest);
}

std::vector<std::string> WriteOutputTable(GridModel& grid)
{
    const int cols = grid.Cols();
    const int headerCount = GetGridHeaderLines(grid);
    std::vector<std::size_t> width(static_cast<std::size_t>(std::max(cols, 0)));
    std::vector<std::array<std::string, 3>> headers(width.size());
    for (int c = 0; c < cols; ++c) {
        const auto i = static_cast<std::size_t>(c);
        width[i] = static_cast<std::size_t>(GetColumnTextWidth(grid, c));
        if (width[i] > 0)
            headers[i] = HeaderTextLines(grid.TextMatrix(0, c));
    }
    std::vector<std::string> lines;
    for (int first = 1; first < cols; first += BlockColumns) {
        const int last = std::min(first + BlockColumns - 1, cols - 1);
        for (int h = 0; h < headerCount; ++h) {
            std::string line = PadRight(headers[0][static_cast<std::size_t>(h)], width[0]);
            for (int c = first; c <= last; ++c) {
                const auto i = static_cast<std::size_t>(c);
                line += PadLeft(headers[i][static_cast<std::size_t>(h)], width[i] + 2);
            }
            lines.push_back(line + " ");
        }
        lines.emplace_back(" ");
        for (int r = 1; r < grid.Rows(); ++r) {
            std::string line = PadLeft(TableCellText(grid.TextMatrix(r, 0)), width[0]);
            for (int c = first; c <= last; ++c)
                line += PadLeft(TableCellText(grid.TextMatrix(r, c)), width[static_cast<std::size_t>(c)] + 2);
            lines.push_back(line + " ");
        }
        lines.emplace_back();
    }
    return lines;
}

std::string ReplaceLineBreaks(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    return text;
}

bool HasNonNumericChar(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) {
        return (ch < '0' || ch > '9') && ch != '-' && ch != '.' && ch != '+' && ch != 'e' && ch != 'E';
    });
}

namespace {

// A delimited cell. Text cells go in the chosen quote. A cell that holds a character
// of the separator, a double quote or a line break goes in double quotes whatever
// the choice, with its double quotes doubled, so that a CSV reader keeps the columns.
std::string DelimitedCell(const std::string& text, const std::string& separator, const std::string& quote)
{
    if (!HasNonNumericChar(text))
        return text;
    std::string cell = ReplaceLineBreaks(text);
    const bool mustQuote = cell.find_first_of(separator + "\"") != std::string::npos ||
                           text.find_first_of("\r\n") != std::string::npos;
    if (!mustQuote && quote != "\"")
        return quote + cell + quote;
    std::string quoted = "\"";
    for (const char ch : cell)
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

} // namespace

std::vector<std::string> WriteGridRows(const GridModel& grid, const std::string& separator, const std::string& quote)
{
    std::vector<std::string> lines;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.Cols(); ++c) {
            if (c > 0)
                line += separator;
            line += DelimitedCell(grid.TextMatrix(r, c), separator, quote);
        }
        lines.push_back(line);
    }
    return lines;
}

namespace {

// The used sections: a heading, an empty line, the section's lines and two empty lines.
std::vector<std::string> SectionLines(const PrintSections& sections, bool report, const std::vector<std::string>& header,
                                      const std::function<std::vector<std::string>()>& table,
                                      const std::function<std::string(const std::string&)>& heading)
{
    std::vector<std::string> lines;
    for (int i = 0; i < PrintSections::NumPrintFormatGeneral; ++i) {
        if (!sections.PrintFormatGeneralUse(i))
            continue;
        AppendSectionHeading(lines, heading(sections.PrintFormatGeneralName(i)), report);
        const std::vector<std::string> body = i == 0 ? header : table();
        lines.insert(lines.end(), body.begin(), body.end());
        AppendTwoEmptyLines(lines);
    }
    return lines;
}

} // namespace

std::vector<std::string> OutputReportLines(const PrintSections& sections, const std::vector<std::string>& header,
                                           GridModel& grid)
{
    return SectionLines(
        sections, true, header, [&] { return WriteOutputTable(grid); }, [](const std::string& name) { return name; });
}

std::vector<std::string> OutputExportLines(const PrintSections& sections, const std::vector<std::string>& header,
                                           const GridModel& grid, const std::string& separator,
                                           const std::string& quote)
{
    // Every line is a row of one cell or more, so that a CSV reader keeps each whole.
    std::vector<std::string> information;
    for (const std::string& line : header)
        information.push_back(DelimitedCell(line, separator, quote));
    return SectionLines(
        sections, false, information, [&] { return WriteGridRows(grid, separator, quote); },
        [&](const std::string& name) { return DelimitedCell(name, separator, ""); });
}

std::string ProposedOutputFileName(const std::string& documentName)
{
    constexpr std::string_view extension = ".vpq";
    if (documentName != UntitledDocument && documentName.size() >= extension.size() &&
        std::string_view(documentName).substr(documentName.size() - extension.size()) == extension)
        return documentName.substr(0, documentName.size() - extension.size()) + ".out";
    return "*.out";
}

std::string OutputWriteErrorMessage(const std::string& errorText)
{
    return "The following error occurred while saving to file:\r\n\r\n      " + errorText;
}

bool WriteOutputFile(MainWindowView& main, std::string& errorText)
{
    const std::vector<std::string> header = BuildOutputHeader(CurrentOutputHeaderInputs(main.Host()));
    const std::vector<std::string> lines = OutputReportLines(main.Sections(), header, main.GRD_Output->Model());
    return WriteFileSafely(OutputFileName, JoinFileLines(lines), errorText);
}

namespace {

void WriteReportReporting(MainWindowView& main)
{
    std::string errorText;
    bool written = false;
    {
        const BusyScope busy;
        written = WriteOutputFile(main, errorText);
    }
    if (!written) {
        CurrentUserInterface().Beep();
        CurrentUserInterface().Message(OutputWriteErrorMessage(errorText), MessageStyle::Exclamation, ProgramTitle);
    }
}

} // namespace

void SaveOutputAsMenu(MainWindowView& main)
{
    if (OutputFileName.empty()) {
        SaveOutputAs(main);
        return;
    }
    WriteReportReporting(main);
}

void SaveOutputAs(MainWindowView& main)
{
    FileDialogRequest request;
    request.save = true;
    request.title = "Save Output As";
    request.filter = ProgramTitle + " Output (*.out)|*.out";
    request.defaultExtension = "out";
    request.fileName = ProposedOutputFileName(DocumentName);
    const FileDialogResult chosen = ShowFileDialog(&main, request);
    if (chosen.error == CommonDialogCancelError)
        return;
    if (chosen.error != 0) {
        CurrentUserInterface().Beep();
        CurrentUserInterface().Message(OutputWriteErrorMessage(GetCommonDialogErrorText(chosen.error)),
                                       MessageStyle::Exclamation, ProgramTitle);
        return;
    }
    OutputFileName = chosen.path;
    WriteReportReporting(main);
}

bool WriteOutputReport(MainWindowView& main, const std::string& file, const std::string& separator,
                       const std::string& quote, std::string& errorText)
{
    const std::vector<std::string> header = BuildOutputHeader(CurrentOutputHeaderInputs(main.Host()));
    const std::vector<std::string> lines =
        OutputExportLines(main.Sections(), header, main.GRD_Output->Model(), separator, quote);
    return WriteFileSafely(file, JoinFileLines(lines), errorText);
}

} // namespace vq
