// What the settings-file and document routines need of the main window, its toolbar
// and menu, its input panel and the system printer. The main window implements it and
// installs itself at start-up; tests install a fake. Without either, a detached host
// answers: nothing checked, nothing shown, no inputs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vq {

// Tool ids that the file routines touch.
inline constexpr int ToolRecentFile1 = 1011; // 1011 .. 1014
inline constexpr int ToolPropertyIF97 = 1240;
inline constexpr int ToolPropertyNBS = 1241;

// The main toolbar band as the "[Toolbar]" line stores it: its name and six layout
// values of widths 16, 32, 16, 32, 32 and 32 bits.
struct ToolbarBandLayout {
    std::string name;
    std::array<std::int32_t, 6> values{};
};

// The page settings of the main window; a margin of -1 is "not set".
struct PageSettings {
    std::int32_t MarginLeft = -1;
    std::int32_t MarginRight = -1;
    std::int32_t MarginTop = -1;
    std::int32_t MarginBottom = -1;
    int Orientation = 0;
    int PaperSize = 0;

    bool operator==(const PageSettings&) const = default;
};

// The font of the system printer.
struct PrinterFontInfo {
    std::string name;
    float size = 10.0f;
    bool bold = false;
    bool italic = false;

    bool operator==(const PrinterFontInfo&) const = default;
};

// The controls of one input (1 or 2) of the main window's input panel.
struct InputControls {
    int code = 0;              // item data of the selected property, 0 when none
    std::string propertyText;  // the property list's text
    std::string unitsText;     // the units list's text
    std::string value;         // value box
    std::string end;           // end box
    std::string increment;     // increment box

    bool operator==(const InputControls&) const = default;
};

enum class InputBox { Value, End, Increment };

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // Toolbar and menu tools.
    virtual bool GetToolChecked(int toolId) const = 0;
    virtual void SetToolChecked(int toolId, bool checked) = 0;
    // An empty band sets the caption in every band that holds the tool.
    virtual void SetToolCaption(const std::string& band, int toolId, const std::string& caption) = 0;
    virtual void SetToolVisible(int toolId, bool visible) = 0;
    // The caption of the label that names the property database.
    virtual void SetPropertySourceCaption(const std::string& caption) = 0;
    // The folder the program started in.
    virtual std::string ProgramFolder() const = 0;

    // The main toolbar band; empty when its state says the layout is not to be saved.
    virtual std::optional<ToolbarBandLayout> MainBandLayout() const = 0;
    virtual std::string MainBandName() const = 0;
    virtual std::int32_t MainBandValue(int index) const = 0;
    virtual void SetMainBandValue(int index, std::int32_t value) = 0;
    virtual bool ShowTooltipsOnToolbars() const = 0;
    virtual void SetShowTooltipsOnToolbars(bool show) = 0;
    virtual int ToolbarsTextStyle() const = 0;
    virtual void SetToolbarsTextStyle(int style) = 0;
    virtual bool DockableMainMenu() const = 0;
    virtual void SetDockableMainMenu(bool dockable) = 0;
    // Set when the user customised the toolbar.
    virtual bool ToolbarLayoutChanged() const = 0;
    virtual void SetToolbarLayoutChanged(bool changed) = 0;
    // Saves the toolbar layout to path; false with the reason in errorText when it cannot.
    virtual bool SaveToolbarLayout(const std::string& path, std::string& errorText) = 0;
    virtual void LoadToolbarLayout(const std::string& path, const std::string& bandName) = 0;
    virtual void RelayoutToolbar() = 0;
    virtual PageSettings GetPageSettings() const = 0;
    virtual void SetPageSettings(const PageSettings& settings) = 0;

    virtual PrinterFontInfo PrinterFont() const = 0;
    virtual void SetPrinterFont(const PrinterFontInfo& font) = 0;

    // Input panel. SetInputMode runs the mode change (lists refilled, boxes cleared) and
    // returns false when the mode tabs refuse the value.
    virtual int InputMode() const = 0;
    virtual bool SetInputMode(int mode) = 0;
    virtual void ClearInputProps() = 0;
    virtual InputControls GetInput(int n) const = 0;
    // Selects the property item with this item data (refilling the units list); false
    // when no item has it.
    virtual bool SelectProperty(int n, int code) = 0;
    // Selects the units item with this text; false when no item has it.
    virtual bool SelectUnits(int n, const std::string& units) = 0;
    virtual void SetInputText(int n, InputBox box, const std::string& text) = 0;
    // Every shown value box that is not empty holds a typed number; false after the
    // user was told which one does not.
    virtual bool CheckInputNumbers() { return true; }

    // Caption = program title, " - " and the document name.
    virtual void SetMainCaption() = 0;
    // Resets the window for a new document ("Untitled", caption, saved).
    virtual void NewInputFile() = 0;
};

// The installed host (never null).
MainWindowHost& CurrentMainWindowHost();
// Installs host (not owned); null restores the detached host.
void InstallMainWindowHost(MainWindowHost* host);

} // namespace vq
