#include "platform/toolbar_layout.h"

#include "common/number_parsing.h"
#include "common/safe_file.h"
#include "common/section_reader.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vq {
namespace {

constexpr std::string_view LayoutFileHeader = "VAPOQUANT TOOLBAR LAYOUT";

struct ToolRow {
    int id;
    const char* name;
    const char* caption;
    const char* tooltip;
    const char* category;
    const char* description;
    std::int32_t marker;
    const char* shortcut;
};

constexpr std::int32_t Icon = 0;
constexpr std::int32_t NoIcon = -1;

// clang-format off
const ToolRow BuiltInTools[] = {
    {1000, "MNU_File", "&File", "", "MenuMain", "", NoIcon, ""},
    {1100, "MNU_Edit", "&Edit", "", "MenuMain", "", NoIcon, ""},
    {1200, "MNU_Options", "&Options", "", "MenuMain", "", NoIcon, ""},
    {1300, "MNU_Help", "&Help", "", "MenuMain", "", NoIcon, ""},
    {1001, "MNU_New", "&New", "New Model", "File", "Starts a new data file.", Icon, "Ctrl+N"},
    {1002, "MNU_Open", "&Open...", "Open Model", "File",
     "Calls Open file common dialog window so pre-existing data file can be selected for opening.", Icon, "Ctrl+O"},
    {1003, "MNU_Save", "&Save", "Save", "File", "Saves input data to disk using current file name.", Icon, "Ctrl+S"},
    {1004, "MNU_SaveAs", "Save &As...", "Save As", "File",
     "Opens Save As common dialog so you can specify a file name to save input data to disk.", NoIcon, ""},
    {1005, "MNU_SaveOutput", "Sa&ve Output...", "Save Output to File", "File",
     "Saves output to text file on disk using current output file name.", NoIcon, ""},
    {1006, "MNU_SaveOutputAs", "Save O&utput As...", "Save Output to New File", "File",
     "Opens Save As common dialog so user can specify a file name to save output data to disk.", NoIcon, ""},
    {1007, "MNU_ExportOutput", "&Export Output...", "Export Output to File", "File",
     "Opens formatting window and Save As dialog where you can specify data from the Output window to be saved to a "
     "delimited file appropriate for spreadsheet use.", NoIcon, ""},
    {1008, "MNU_Print", "&Print...", "Print", "File", "Prints input and output content.", Icon, "Ctrl+P"},
    {1009, "MNU_PrintPreview", "Print Previe&w...", "Print Preview", "File",
     "Opens Print Preview window which allows you to specify special formatting for printed graphics and text, as "
     "well as preview printed content before sending it to the printer.", Icon, ""},
    {1010, "MNU_PrintSetup", "P&rint Setup...", "Print Setup", "File",
     "Opens Print Setup dialog where you can configure printer settings.", NoIcon, ""},
    {1016, "MNU_CreatePdf", "Create A&dobe PDF...", "", "File", "", NoIcon, ""},
    {1011, "MNU_RecentFile1", "Recent File 1", "", "File", "Opens most recently opened data file.", NoIcon, ""},
    {1012, "MNU_RecentFile2", "Recent File 2", "", "File", "Opens second most recently opened data file.", NoIcon, ""},
    {1013, "MNU_RecentFile3", "Recent File 3", "", "File", "Opens third most recently opened data file.", NoIcon, ""},
    {1014, "MNU_RecentFile4", "Recent File 4", "", "File", "Opens fourth most recently opened data file.", NoIcon, ""},
    {1015, "MNU_Exit", "E&xit", "Exit", "File", "Closes data file and exits application.", NoIcon, ""},
    {1101, "MNU_Cut", "Cu&t", "Cut", "Edit", "Cuts the selected text and places it on the clipboard. ", Icon, ""},
    {1102, "MNU_Copy", "&Copy", "Copy", "Edit", "Copies the selected text and places it on the clipboard. ", Icon, ""},
    {1103, "MNU_Paste", "&Paste", "Paste", "Edit", "Pastes the clipboard text into the current text field.", Icon, ""},
    {1104, "MNU_Delete", "&Delete", "Delete", "Edit", "Deletes the text in the current text field.", Icon, ""},
    {1105, "MNU_ClearRecentFluids", "Clear &Recent Fluids", "Clear Recent Fluids", "Built-in Menus",
     "Clears recent fluids from list", NoIcon, ""},
    {1201, "MNU_OutputControl", "&Output Control...", "Output Control", "Options", "Opens the Output Control window.",
     Icon, ""},
    {1202, "MNU_UnitPreferences", "&Unit Preferences...", "Unit Preferences", "Options",
     "Opens Unit Preference window.", Icon, ""},
    {1208, "MNU_SelectDatabase", "&Select Property Database", "Select Property Database", "Options",
     "Select between ASME and NBS property databases.", NoIcon, ""},
    {1240, "MNU_DatabaseIF97", "ASME Steam Tables (IAPWS-IF97)", "", "Options", "", NoIcon, ""},
    {1241, "MNU_DatabaseNBS", "NBS Steam Tables (1984)", "", "Options", "", NoIcon, ""},
    {1203, "MNU_CreateGraph", "Create &Graph...", "Create Graph", "Options", "Opens Graph Properties window.", Icon, ""},
    {1204, "MNU_PrintContent", "&Print Content...", "Print Format", "Options", "Opens Print Format window.", NoIcon, ""},
    {1205, "MNU_CustomizeToolbars", "&Customize Toolbars...", "Customize Toolbars", "Options",
     "Opens the Custmoize Toolbar dialog.", NoIcon, ""},
    {1206, "MNU_ToolbarOptions", "&Toolbar Styles and Tooltips...", "Toolbars and Tooltips", "Options",
     "Opens the Toolbars and Tooltips window.", NoIcon, ""},
    {1207, "MNU_Calculator", "C&alculator...", "Calculator", "Options", "Opens Windows calculator.", NoIcon, ""},
    {1301, "MNU_HelpContents", "&Contents and Index...", "Help Contents and Index", "Help",
     "Opens Help Contents and Index.", NoIcon, "F1"},
    {1303, "MNU_TechnicalSupport", "&Technical Support...", "Technical Support", "Help",
     "Opens Technical Support window.", NoIcon, ""},
    {1305, "MNU_HomePage", "&Internet Home Page...", "Internet Home Page", "Help",
     "Opens browser to Orm Internet home page", NoIcon, ""},
    {1306, "MNU_SupportEmail", "Internet &Support...", "Internet Support", "Help",
     "Opens browser to Orm Internet support page", NoIcon, ""},
    {1307, "MNU_LatestRelease", "Internet: &Latest Release...", "Internet: Latest Release", "Help",
     "Opens browser to Orm Internet latest release page", NoIcon, ""},
    {1304, "MNU_About", "&About...", "About Orm Lumora", "Help", "About application.", -4, ""},
    {1400, "MNU_Developer", "&Developer", "", "Built-in Menus", "", NoIcon, ""},
};
// clang-format on

struct BandRow {
    int bandId;
    std::vector<int> tools;
};

const BandRow BuiltInBands[] = {
    {MainToolbarBand, {1002, 1003, 1008, 1009, 1101, 1102, 1103, 1104, 1201, 1202, 1203}},
    {MainMenuBand, {1000, 1100, 1200, 1300}},
    {MenuFileBand, {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1016, 1011, 1012, 1013, 1014, 1015}},
    {MenuEditBand, {1101, 1102, 1103, 1104}},
    {MenuOptionsBand, {1201, 1202, 1208, 1203, 1204, 1205, 1206, 1207}},
    {MenuHelpBand, {1301, 1303, 1305, 1306, 1307, 1304}},
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Unquoted(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

bool ToInt(std::string_view text, std::int32_t& value)
{
    text = TrimBlanks(text);
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Reads the section and looks up keys of it; missing keys read as "".
class SectionValues {
public:
    bool Load(TextFileReader& file, const std::string& heading)
    {
        int count = 0;
        ReadSection(file, heading, count, false);
        return count > 0;
    }
    std::string Text(const char* key) const
    {
        int index = 0;
        std::string value, error;
        GetSectionValue(key, index, value, error);
        return index > 0 ? value : std::string();
    }
    bool Int(const char* key, std::int32_t& value) const { return ToInt(Text(key), value); }
};

// "id,marker,kind,display style,caption position,"caption"".
bool ParseBandTool(const std::string& text, BandTool& tool)
{
    std::array<std::int32_t, 5> fields{};
    std::size_t pos = 0;
    for (std::int32_t& field : fields) {
        const std::size_t comma = text.find(',', pos);
        if (comma == std::string::npos || !ToInt(std::string_view(text).substr(pos, comma - pos), field))
            return false;
        pos = comma + 1;
    }
    tool.id = fields[0];
    tool.marker = fields[1];
    tool.kind = fields[2];
    tool.displayStyle = fields[3];
    tool.captionPosition = fields[4];
    tool.caption = Unquoted(std::string_view(text).substr(pos));
    return true;
}

bool ParseLayout(const std::string& text, ToolbarLayout& layout, std::string& errorText)
{
    TextFileReader file;
    file.SetText(text);
    std::string first;
    if (!file.ReadLine(first) || TrimBlanks(first) != LayoutFileHeader) {
        errorText = "The file is not a toolbar layout.";
        return false;
    }
    SectionValues section;
    std::int32_t toolCount = 0, bandCount = 0;
    if (!section.Load(file, "[Layout]") || !section.Int("TOOLS", toolCount) || !section.Int("BANDS", bandCount) ||
        toolCount < 0 || bandCount < 0 || toolCount > 10000 || bandCount > 1000) {
        errorText = "The file has no valid [Layout] section.";
        return false;
    }
    for (int i = 1; i <= toolCount; ++i) {
        ToolRecord tool;
        std::int32_t visible = 1, kind = 0;
        if (!section.Load(file, "[Tool " + std::to_string(i) + "]") || !section.Int("ID", tool.id) ||
            !section.Int("MARKER", tool.marker)) {
            errorText = "Tool " + std::to_string(i) + " of the file cannot be read.";
            return false;
        }
        tool.name = Unquoted(section.Text("NAME"));
        tool.caption = Unquoted(section.Text("CAPTION"));
        tool.tooltip = Unquoted(section.Text("TOOLTIP"));
        tool.category = Unquoted(section.Text("CATEGORY"));
        tool.description = Unquoted(section.Text("DESCRIPTION"));
        tool.subBand = Unquoted(section.Text("SUBBAND"));
        tool.shortcut = Unquoted(section.Text("SHORTCUT"));
        if (section.Int("KIND", kind))
            tool.kind = kind;
        if (section.Int("VISIBLE", visible))
            tool.visible = visible != 0;
        layout.tools[tool.id] = tool;
    }
    for (int i = 1; i <= bandCount; ++i) {
        BandRecord band;
        std::int32_t count = 0, dockable = 1;
        if (!section.Load(file, "[Band " + std::to_string(i) + "]") || !section.Int("COUNT", count) || count < 0) {
            errorText = "Band " + std::to_string(i) + " of the file cannot be read.";
            return false;
        }
        band.name = Unquoted(section.Text("NAME"));
        if (section.Int("DOCKABLE", dockable))
            band.dockable = dockable != 0;
        section.Int("FLAGS", band.flags);
        section.Int("DOCKPOSITION", band.dockPosition);
        section.Int("DOCKROW", band.dockRow);
        for (int t = 1; t <= count; ++t) {
            BandTool tool;
            if (!ParseBandTool(section.Text(("TOOL" + std::to_string(t)).c_str()), tool) ||
                layout.tools.count(tool.id) == 0) {
                errorText = "Band " + band.name + " of the file names a tool that cannot be read.";
                return false;
            }
            band.tools.push_back(tool);
        }
        layout.bands.push_back(std::move(band));
    }
    return true;
}

} // namespace

std::string GetBandName(int bandId)
{
    switch (bandId) {
    case MainToolbarBand: return "Main Toolbar";
    case MainMenuBand: return "MainMenu";
    case MenuFileBand: return "MenuFile";
    case MenuEditBand: return "MenuEdit";
    case MenuOptionsBand: return "MenuOptions";
    case MenuHelpBand: return "MenuHelp";
    default: return {};
    }
}

bool IsMenuBand(const std::string& bandName)
{
    if (bandName.empty())
        return false;
    for (int id : {MainMenuBand, MenuFileBand, MenuEditBand, MenuOptionsBand, MenuHelpBand})
        if (bandName == GetBandName(id))
            return true;
    return false;
}

std::pair<int, int> TextStylePair(int style)
{
    switch (style) {
    case 1: return {3, 4};
    case 2: return {3, 2};
    case 3: return {1, 0};
    default: return {0, 0};
    }
}

BandTool* BandRecord::Find(int id)
{
    const auto found = std::find_if(tools.begin(), tools.end(), [id](const BandTool& t) { return t.id == id; });
    return found == tools.end() ? nullptr : &*found;
}

const BandTool* BandRecord::Find(int id) const
{
    return const_cast<BandRecord*>(this)->Find(id);
}

ToolRecord* ToolbarLayout::Tool(int id)
{
    const auto found = tools.find(id);
    return found == tools.end() ? nullptr : &found->second;
}

const ToolRecord* ToolbarLayout::Tool(int id) const
{
    return const_cast<ToolbarLayout*>(this)->Tool(id);
}

BandRecord* ToolbarLayout::Band(const std::string& name)
{
    const auto found = std::find_if(bands.begin(), bands.end(), [&](const BandRecord& b) { return b.name == name; });
    return found == bands.end() ? nullptr : &*found;
}

const BandRecord* ToolbarLayout::Band(const std::string& name) const
{
    return const_cast<ToolbarLayout*>(this)->Band(name);
}

std::optional<std::int32_t> ToolbarLayout::BandToolValue(const std::string& bandName, int id) const
{
    const BandRecord* band = Band(bandName);
    const BandTool* tool = band ? band->Find(id) : nullptr;
    if (!tool)
        return std::nullopt;
    return tool->marker;
}

bool ToolbarLayout::Load(const std::string& text, const std::string& bandName, std::string& errorText)
{
    ToolbarLayout loaded;
    if (!ParseLayout(text, loaded, errorText))
        return false;
    if (bandName.empty()) {
        // The tools' enabled and checked states belong to the program, not to the layout.
        for (auto& [id, tool] : loaded.tools) {
            if (const ToolRecord* old = Tool(id)) {
                tool.enabled = old->enabled;
                tool.checked = old->checked;
            }
        }
        *this = std::move(loaded);
        return true;
    }
    BandRecord* source = loaded.Band(bandName);
    if (!source) {
        errorText = "The file has no band " + bandName + ".";
        return false;
    }
    for (const BandTool& t : source->tools)
        if (!Tool(t.id))
            tools[t.id] = *loaded.Tool(t.id);
    if (BandRecord* target = Band(bandName))
        *target = std::move(*source);
    else
        bands.push_back(std::move(*source));
    return true;
}

std::string ToolbarLayout::Save() const
{
    std::vector<std::string> lines = {std::string(LayoutFileHeader), "[Layout]",
                                      "Tools= " + std::to_string(tools.size()),
                                      "Bands= " + std::to_string(bands.size())};
    int i = 0;
    for (const auto& [id, t] : tools) {
        lines.push_back("[Tool " + std::to_string(++i) + "]");
        lines.push_back("Id= " + std::to_string(id));
        lines.push_back("Name= " + Quoted(t.name));
        lines.push_back("Caption= " + Quoted(t.caption));
        lines.push_back("Tooltip= " + Quoted(t.tooltip));
        lines.push_back("Category= " + Quoted(t.category));
        lines.push_back("Description= " + Quoted(t.description));
        lines.push_back("Marker= " + std::to_string(t.marker));
        lines.push_back("Kind= " + std::to_string(t.kind));
        lines.push_back("SubBand= " + Quoted(t.subBand));
        lines.push_back("Shortcut= " + Quoted(t.shortcut));
        lines.push_back(std::string("Visible= ") + (t.visible ? "1" : "0"));
    }
    i = 0;
    for (const BandRecord& b : bands) {
        lines.push_back("[Band " + std::to_string(++i) + "]");
        lines.push_back("Name= " + Quoted(b.name));
        lines.push_back(std::string("Dockable= ") + (b.dockable ? "1" : "0"));
        lines.push_back("Flags= " + std::to_string(b.flags));
        lines.push_back("DockPosition= " + std::to_string(b.dockPosition));
        lines.push_back("DockRow= " + std::to_string(b.dockRow));
        lines.push_back("Count= " + std::to_string(b.tools.size()));
        int n = 0;
        for (const BandTool& t : b.tools)
            lines.push_back("Tool" + std::to_string(++n) + "= " + std::to_string(t.id) + "," +
                            std::to_string(t.marker) + "," + std::to_string(t.kind) + "," +
                            std::to_string(t.displayStyle) + "," + std::to_string(t.captionPosition) + "," +
                            Quoted(t.caption));
    }
    return JoinFileLines(lines);
}

void ApplyTextStyle(ToolbarLayout& layout, int style)
{
    const auto [display, position] = TextStylePair(style);
    for (BandRecord& band : layout.bands) {
        if (IsMenuBand(band.name))
            continue;
        for (BandTool& tool : band.tools) {
            if (tool.kind == MenuHolderKind || tool.marker < 0)
                continue;
            tool.displayStyle = display;
            tool.captionPosition = position;
        }
    }
}

void ApplyDockableMainMenu(ToolbarLayout& layout, int value)
{
    BandRecord* band = layout.Band(GetBandName(MainMenuBand));
    if (!band)
        return;
    if (value == -1) {
        band->dockable = true;
        band->flags &= ~BandFixedFlag;
    } else if (value == 0) {
        band->dockPosition = 0;
        band->dockRow = 1;
        band->dockable = false;
        band->flags |= BandFixedFlag;
    }
}

ToolbarLayout BuiltInToolbarLayout()
{
    ToolbarLayout layout;
    for (const ToolRow& row : BuiltInTools) {
        ToolRecord t;
        t.id = row.id;
        t.name = row.name;
        t.caption = row.caption;
        t.tooltip = row.tooltip;
        t.category = row.category;
        t.description = row.description;
        t.marker = row.marker;
        t.shortcut = row.shortcut;
        layout.tools[t.id] = t;
    }
    auto holder = [&](int id, const std::string& band) {
        layout.tools[id].kind = MenuHolderKind;
        layout.tools[id].subBand = band;
    };
    holder(1000, GetBandName(MenuFileBand));
    holder(1100, GetBandName(MenuEditBand));
    holder(1200, GetBandName(MenuOptionsBand));
    holder(1300, GetBandName(MenuHelpBand));
    holder(1208, PropertyDatabaseBandName);
    layout.tools[1400].visible = false;
    // Recent-file entries show once a file is remembered.
    for (int id = 1011; id <= 1014; ++id)
        layout.tools[id].visible = false;
    auto addBand = [&](const std::string& name, const std::vector<int>& ids) {
        BandRecord band;
        band.name = name;
        for (int id : ids) {
            const ToolRecord& t = layout.tools[id];
            band.tools.push_back({id, t.caption, t.marker, t.kind, 0, 0});
        }
        layout.bands.push_back(std::move(band));
    };
    for (const BandRow& row : BuiltInBands)
        addBand(GetBandName(row.bandId), row.tools);
    addBand(PropertyDatabaseBandName, {1240, 1241});
    // The main menu starts fixed in place.
    layout.Band(GetBandName(MainMenuBand))->dockable = false;
    layout.Band(GetBandName(MainMenuBand))->flags = BandFixedFlag;
    return layout;
}

} // namespace vq
