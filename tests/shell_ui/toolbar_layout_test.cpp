// The toolbar layer: band names, text styles, the dockable main menu and the layout
// files.
#include "platform/toolbar_layout.h"
#include "file_mutations.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(ToolbarBands, NamesAndMenuBands)
{
    EXPECT_EQ(GetBandName(0), "Main Toolbar");
    EXPECT_EQ(GetBandName(980), "MainMenu");
    EXPECT_EQ(GetBandName(1300), "MenuHelp");
    EXPECT_EQ(GetBandName(1400), "");
    EXPECT_EQ(GetBandName(-1), "");
    EXPECT_FALSE(IsMenuBand(""));
    EXPECT_FALSE(IsMenuBand("Main Toolbar"));
    EXPECT_FALSE(IsMenuBand("menufile"));
    EXPECT_FALSE(IsMenuBand(PropertyDatabaseBandName));
    for (const char* name : {"MainMenu", "MenuFile", "MenuEdit", "MenuOptions", "MenuHelp"})
        EXPECT_TRUE(IsMenuBand(name)) << name;
}

TEST(ToolbarBands, BuiltInLayoutCarriesTheVersionStamp)
{
    const ToolbarLayout layout = BuiltInToolbarLayout();
    EXPECT_EQ(layout.BandToolValue("MenuHelp", 1304), -4);
    EXPECT_EQ(layout.BandToolValue("Main Toolbar", 1002), 0);
    EXPECT_EQ(layout.BandToolValue("MenuFile", 1015), -1);
    EXPECT_FALSE(layout.BandToolValue("MenuHelp", 1002).has_value());
    EXPECT_FALSE(layout.BandToolValue("Nowhere", 1304).has_value());
    const BandRecord* file = layout.Band("MenuFile");
    ASSERT_NE(file, nullptr);
    std::vector<int> ids;
    for (const BandTool& t : file->tools)
        ids.push_back(t.id);
    EXPECT_EQ(ids, (std::vector<int>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1016, 1011, 1012,
                                     1013, 1014, 1015}));
    EXPECT_EQ(layout.Tool(1205)->description, "Opens the Custmoize Toolbar dialog.");
    EXPECT_EQ(layout.Tool(1304)->tooltip, "About Orm Lumora");
}

TEST(ToolbarBands, TextStyleReachesOnlyToolbarToolsWithIcons)
{
    const std::pair<int, int> pairs[] = {{0, 0}, {3, 4}, {3, 2}, {1, 0}, {0, 0}, {0, 0}};
    const int styles[] = {0, 1, 2, 3, 4, -1};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(TextStylePair(styles[i]), pairs[i]) << styles[i];

    ToolbarLayout layout = BuiltInToolbarLayout();
    layout.Band("Main Toolbar")->tools.push_back({1004, "Save &As...", -1, 0, 0, 0});
    ApplyTextStyle(layout, 1);
    for (const BandTool& t : layout.Band("Main Toolbar")->tools) {
        const std::pair<int, int> expected = t.marker < 0 ? std::pair{0, 0} : std::pair{3, 4};
        EXPECT_EQ(std::pair(t.displayStyle, t.captionPosition), expected) << t.id;
    }
    for (const BandTool& t : layout.Band("MenuFile")->tools)
        EXPECT_EQ(std::pair(t.displayStyle, t.captionPosition), std::pair(0, 0)) << t.id;
    ApplyTextStyle(layout, 2);
    EXPECT_EQ(layout.Band("Main Toolbar")->Find(1002)->captionPosition, 2);
}

TEST(ToolbarBands, DockableMainMenuSwitchesOnlyItsFlag)
{
    ToolbarLayout layout = BuiltInToolbarLayout();
    BandRecord& menu = *layout.Band("MainMenu");
    menu.flags = 0x1 | 0x100 | 0x400;
    ApplyDockableMainMenu(layout, -1);
    EXPECT_TRUE(menu.dockable);
    EXPECT_EQ(menu.flags, 0x401);
    ApplyDockableMainMenu(layout, 7); // neither True nor False
    EXPECT_EQ(menu.flags, 0x401);
    EXPECT_TRUE(menu.dockable);
    ApplyDockableMainMenu(layout, 0);
    EXPECT_FALSE(menu.dockable);
    EXPECT_EQ(menu.flags, 0x501);
    EXPECT_EQ(menu.dockPosition, 0);
    EXPECT_EQ(menu.dockRow, 1);
}

TEST(ToolbarLayoutFile, RoundTripKeepsEveryToolAndBand)
{
    ToolbarLayout layout = BuiltInToolbarLayout();
    layout.Band("MenuFile")->Find(1011)->caption = "&1 plant, \"hot\".vpq";
    layout.Tool(1400)->visible = true;
    layout.Band("Main Toolbar")->tools.erase(layout.Band("Main Toolbar")->tools.begin());
    const std::string text = layout.Save();
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    ToolbarLayout loaded;
    std::string errorText;
    ASSERT_TRUE(loaded.Load(text, "", errorText)) << errorText;
    ASSERT_EQ(loaded.tools.size(), layout.tools.size());
    for (const auto& [id, tool] : layout.tools) {
        const ToolRecord* t = loaded.Tool(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->caption, tool.caption) << id;
        EXPECT_EQ(t->description, tool.description) << id; // trailing blanks kept
        EXPECT_EQ(t->marker, tool.marker) << id;
        EXPECT_EQ(t->kind, tool.kind) << id;
        EXPECT_EQ(t->subBand, tool.subBand) << id;
        EXPECT_EQ(t->visible, tool.visible) << id;
    }
    ASSERT_EQ(loaded.bands.size(), layout.bands.size());
    for (std::size_t b = 0; b < layout.bands.size(); ++b) {
        EXPECT_EQ(loaded.bands[b].name, layout.bands[b].name);
        EXPECT_EQ(loaded.bands[b].flags, layout.bands[b].flags);
        ASSERT_EQ(loaded.bands[b].tools.size(), layout.bands[b].tools.size()) << layout.bands[b].name;
        for (std::size_t t = 0; t < layout.bands[b].tools.size(); ++t)
            EXPECT_EQ(loaded.bands[b].tools[t].caption, layout.bands[b].tools[t].caption);
    }
    EXPECT_EQ(loaded.Band("MenuFile")->Find(1011)->caption, "&1 plant, \"hot\".vpq");
}

TEST(ToolbarLayoutFile, OneBandReloadsAloneAndBadFilesChangeNothing)
{
    const std::string shipped = BuiltInToolbarLayout().Save();
    ToolbarLayout layout = BuiltInToolbarLayout();
    layout.Band("Main Toolbar")->tools.clear();
    layout.Band("MenuEdit")->tools.clear();
    layout.Tool(1008)->enabled = false;
    std::string errorText;
    ASSERT_TRUE(layout.Load(shipped, "Main Toolbar", errorText)) << errorText;
    EXPECT_EQ(layout.Band("Main Toolbar")->tools.size(), 11u);
    EXPECT_TRUE(layout.Band("MenuEdit")->tools.empty());
    EXPECT_FALSE(layout.Tool(1008)->enabled);

    // Loading all bands keeps the program's enabled and checked states.
    layout.Tool(1240)->checked = true;
    ASSERT_TRUE(layout.Load(shipped, "", errorText));
    EXPECT_EQ(layout.Band("MenuEdit")->tools.size(), 4u);
    EXPECT_FALSE(layout.Tool(1008)->enabled);
    EXPECT_TRUE(layout.Tool(1240)->checked);

    const std::string saved = layout.Save();
    for (const std::string& bad :
         {std::string(), std::string("[Layout]\r\nTools= 1\r\n"), shipped.substr(0, shipped.size() / 2),
          shipped.substr(0, 40) + "Tools= x" + shipped.substr(48), std::string("VAPOQUANT TOOLBAR LAYOUT\r\n\0\0", 29)}) {
        EXPECT_FALSE(layout.Load(bad, "", errorText));
        EXPECT_FALSE(errorText.empty());
        EXPECT_EQ(layout.Save(), saved);
    }
    EXPECT_FALSE(layout.Load(shipped, "No Such Band", errorText));
    EXPECT_EQ(layout.Save(), saved);
}

TEST(ToolbarLayoutFile, MutatedFilesLoadWholeOrChangeNothing)
{
    const std::string shipped = BuiltInToolbarLayout().Save();
    test::FileMutator mutator(shipped, 20);
    for (int i = 0; i < test::MutationsPerReader; ++i) {
        const std::string text = mutator.Next();
        ToolbarLayout layout = BuiltInToolbarLayout();
        std::string errorText;
        if (!layout.Load(text, i % 2 ? "" : "Main Toolbar", errorText)) {
            EXPECT_FALSE(errorText.empty()) << text;
            EXPECT_EQ(layout.Save(), shipped) << text;
            continue;
        }
        // What loaded saves and loads back the same.
        const std::string saved = layout.Save();
        ToolbarLayout again = BuiltInToolbarLayout();
        ASSERT_TRUE(again.Load(saved, "", errorText)) << errorText << "\n" << text;
        EXPECT_EQ(again.Save(), saved) << text;
    }
}

} // namespace
} // namespace vq
