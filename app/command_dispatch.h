// Qt-free logic of the toolbar-and-menu commands: the text-box edit commands, the
// copy of grid cells and the web and e-mail link targets.
#pragma once

#include <string>

namespace vq {

class GridModel;

// Tool ids of the commands the dispatcher runs (the result tools are in thermix_main.h).
inline constexpr int ToolNew = 1001;
inline constexpr int ToolOpen = 1002;
inline constexpr int ToolSave = 1003;
inline constexpr int ToolSaveAs = 1004;
inline constexpr int ToolPrintSetup = 1010;
inline constexpr int ToolRecentFile4 = 1014;
inline constexpr int ToolExit = 1015;
inline constexpr int ToolCut = 1101;
inline constexpr int ToolCopy = 1102;
inline constexpr int ToolPaste = 1103;
inline constexpr int ToolDelete = 1104;
inline constexpr int ToolOutputControl = 1201;
inline constexpr int ToolUnitPreferences = 1202;
inline constexpr int ToolPrintContent = 1204;
inline constexpr int ToolCustomize = 1205;
inline constexpr int ToolToolbarOptions = 1206;
inline constexpr int ToolCalculator = 1207;
inline constexpr int ToolHelpContents = 1301;
inline constexpr int ToolTechnicalSupport = 1303;
inline constexpr int ToolAbout = 1304;
inline constexpr int ToolHomePage = 1305;
inline constexpr int ToolSupportEmail = 1306;
inline constexpr int ToolLatestRelease = 1307;
inline constexpr int ToolDeveloperMenu = 1400;
inline constexpr int ToolTrapErrors = 1401;
inline constexpr int ToolHideDeveloperMenu = 1402;
inline constexpr int ToolDefaultToolbar = 1403;

// The maker's addresses.
inline const std::string MakerHomePage = "http://www.ormlumora.example";
inline const std::string MakerWebSite = "http://www.ormlumora.example";
inline const std::string MakerSupportEmail = "support@ormlumora.example";

enum class TextEditCommand { Cut, Copy, Paste, Delete };

// A text box after an edit command, and what the clipboard then holds.
struct TextEditResult {
    std::string text;
    bool textChanged = false;
    bool clipboardChanged = false;
    std::string clipboard;
};

// selStart and selLength count characters (0-based start); clipboard is the
// clipboard's text before the command. Cut and Copy of an empty selection leave
// the clipboard and the text as they were.
TextEditResult ApplyTextEdit(const std::u32string& text, int selStart, int selLength, TextEditCommand command,
                             const std::u32string& clipboard);

// The text the results grid copies for its selection from (row, col) to (rowSel,
// colSel), whichever corner comes first: cells joined by tabs, each row ended by a
// line feed. Selecting all data rows (or columns) takes in the header row (or label
// column).
std::string GridCopyText(const GridModel& grid, int row, int col, int rowSel, int colSel);

// Link targets from the distributor's support text ("" when there is none).
std::string HomePageTarget(const std::string& supportText);
std::string SupportEmailTarget(const std::string& supportText);
std::string LatestReleaseTarget(const std::string& appName);

// The message of a failed reload of the shipped toolbar layout.
std::string ToolbarResetFailedMessage(const std::string& file);

} // namespace vq
