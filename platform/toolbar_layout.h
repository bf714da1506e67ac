// Qt-free model of the toolbar-and-menu control: the tools by numeric id, the bands
// that show them, the built-in layout and the layout files (*.tb).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// Band ids and names.
inline constexpr int MainToolbarBand = 0;
inline constexpr int MainMenuBand = 980;
inline constexpr int MenuFileBand = 1000;
inline constexpr int MenuEditBand = 1100;
inline constexpr int MenuOptionsBand = 1200;
inline constexpr int MenuHelpBand = 1300;
// The property-database sub-menu under tool 1208.
inline const std::string PropertyDatabaseBandName = "MenuPropertyDatabase";

// The band flag that fixes a band in place.
inline constexpr std::int32_t BandFixedFlag = 0x100;

// Kind of a tool that opens a sub-menu (it keeps its text style).
inline constexpr int MenuHolderKind = 4;

// The band's name for a band id; "" for any other id.
std::string GetBandName(int bandId);
// True for the names of bands 980, 1000, 1100, 1200 and 1300 (exact case).
bool IsMenuBand(const std::string& bandName);

// (display style, caption position) of a toolbar text style; (0, 0) for any other value.
std::pair<int, int> TextStylePair(int style);

// One tool of the control's collection of all tools.
struct ToolRecord {
    int id = 0;
    std::string name;
    std::string tooltip;
    std::string category;
    std::string caption;
    std::string description;
    std::int32_t marker = 0;
    int kind = 0;             // MenuHolderKind opens the band named by subBand
    std::string subBand;
    std::string shortcut;     // key sequence text, e.g. "Ctrl+S"
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

// One appearance of a tool in a band.
struct BandTool {
    int id = 0;
    std::string caption;
    std::int32_t marker = 0;
    int kind = 0;
    int displayStyle = 0;
    int captionPosition = 0;
};

struct BandRecord {
    std::string name;
    bool dockable = true;
    std::int32_t flags = 0;
    std::int32_t dockPosition = 0;
    std::int32_t dockRow = 0;
    std::vector<BandTool> tools;

    BandTool* Find(int id);
    const BandTool* Find(int id) const;
};

class ToolbarLayout {
public:
    std::map<int, ToolRecord> tools;
    std::vector<BandRecord> bands;

    ToolRecord* Tool(int id);
    const ToolRecord* Tool(int id) const;
    BandRecord* Band(const std::string& name);
    const BandRecord* Band(const std::string& name) const;

    // The marker of tool id in the named band; nullopt when the band or tool is missing.
    std::optional<std::int32_t> BandToolValue(const std::string& bandName, int id) const;

    // Replaces the layout (or only the named band) from the text of a layout file.
    // False with errorText when the text is not a layout or lacks the band; the
    // layout is then unchanged.
    bool Load(const std::string& text, const std::string& bandName, std::string& errorText);
    // The whole layout as the text of a layout file.
    std::string Save() const;
};

// Sets the display style and caption position of the style on every tool of the
// non-menu bands, except menu holders and tools with a negative marker.
void ApplyTextStyle(ToolbarLayout& layout, int style);

// The main menu band made dockable (value -1) or fixed (value 0); other values
// change nothing.
void ApplyDockableMainMenu(ToolbarLayout& layout, int value);

// The layout the main window holds before any layout file is loaded.
ToolbarLayout BuiltInToolbarLayout();

} // namespace vq
