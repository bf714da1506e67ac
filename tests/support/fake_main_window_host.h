// A main window for tests of the file routines: records what they set and answers from
// its fields. Installs itself for its lifetime.
#pragma once

#include "common/main_window_host.h"

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace vq {

// Readable test output of an input's controls.
inline void PrintTo(const InputControls& c, std::ostream* os)
{
    *os << "{" << c.code << ", \"" << c.propertyText << "\", \"" << c.unitsText << "\", \"" << c.value << "\", \""
        << c.end << "\", \"" << c.increment << "\"}";
}

} // namespace vq

namespace vq::test {

class FakeMainWindowHost final : public MainWindowHost {
public:
    FakeMainWindowHost() { InstallMainWindowHost(this); }
    ~FakeMainWindowHost() override { InstallMainWindowHost(nullptr); }
    FakeMainWindowHost(const FakeMainWindowHost&) = delete;
    FakeMainWindowHost& operator=(const FakeMainWindowHost&) = delete;

    bool GetToolChecked(int toolId) const override { return checked.count(toolId) > 0; }
    void SetToolChecked(int toolId, bool on) override
    {
        toolLog.push_back(toolId * (on ? 1 : -1));
        if (on)
            checked.insert(toolId);
        else
            checked.erase(toolId);
    }
    void SetToolCaption(const std::string& band, int toolId, const std::string& caption) override
    {
        captionBands[toolId] = band;
        captions[toolId] = caption;
    }
    void SetToolVisible(int toolId, bool visible) override { this->visible[toolId] = visible; }
    void SetPropertySourceCaption(const std::string& caption) override { sourceCaption = caption; }
    std::string ProgramFolder() const override { return programFolder; }

    std::optional<ToolbarBandLayout> MainBandLayout() const override { return band; }
    std::string MainBandName() const override { return band ? band->name : std::string(); }
    std::int32_t MainBandValue(int index) const override { return bandValues[index]; }
    void SetMainBandValue(int index, std::int32_t value) override
    {
        bandValues[index] = value;
        bandLog.push_back(index);
    }
    bool ShowTooltipsOnToolbars() const override { return tooltips; }
    void SetShowTooltipsOnToolbars(bool show) override { tooltips = show; }
    int ToolbarsTextStyle() const override { return textStyle; }
    void SetToolbarsTextStyle(int style) override { textStyle = style; }
    bool DockableMainMenu() const override { return dockable; }
    void SetDockableMainMenu(bool on) override { dockable = on; }
    bool ToolbarLayoutChanged() const override { return layoutChanged; }
    void SetToolbarLayoutChanged(bool changed) override { layoutChanged = changed; }
    bool SaveToolbarLayout(const std::string& path, std::string&) override
    {
        savedLayouts.push_back(path);
        return true;
    }
    void LoadToolbarLayout(const std::string& path, const std::string& bandName) override
    {
        loadedLayouts.push_back(path + "|" + bandName);
    }
    void RelayoutToolbar() override { ++relayouts; }
    PageSettings GetPageSettings() const override { return page; }
    void SetPageSettings(const PageSettings& settings) override { page = settings; }

    PrinterFontInfo PrinterFont() const override { return printerFont; }
    void SetPrinterFont(const PrinterFontInfo& font) override { printerFont = font; }

    int InputMode() const override { return mode; }
    bool SetInputMode(int m) override
    {
        if (m < 0 || m > 2)
            return false;
        mode = m;
        for (auto& input : inputs)
            input.value = input.end = input.increment = "";
        ++modeChanges;
        return true;
    }
    void ClearInputProps() override
    {
        for (auto& input : inputs)
            input.value = input.end = input.increment = "";
    }
    InputControls GetInput(int n) const override { return inputs[n - 1]; }
    bool SelectProperty(int n, int code) override
    {
        if (code < 1 || code > 10)
            return false;
        inputs[n - 1].code = code;
        inputs[n - 1].propertyText = "Property " + std::to_string(code);
        return true;
    }
    bool SelectUnits(int n, const std::string& units) override
    {
        if (onSelectUnits)
            onSelectUnits();
        if (units.empty())
            return false;
        inputs[n - 1].unitsText = units;
        return true;
    }
    void SetInputText(int n, InputBox box, const std::string& text) override
    {
        InputControls& input = inputs[n - 1];
        (box == InputBox::Value ? input.value : box == InputBox::End ? input.end : input.increment) = text;
    }

    void SetMainCaption() override { ++captionUpdates; }
    void NewInputFile() override { ++newDocuments; }

    std::set<int> checked;
    std::vector<int> toolLog; // +id checked, -id unchecked, in order
    std::map<int, std::string> captions;
    std::map<int, std::string> captionBands;
    std::map<int, bool> visible;
    std::string sourceCaption;
    std::string programFolder = "/opt/vapoquant";

    std::optional<ToolbarBandLayout> band;
    std::array<std::int32_t, 6> bandValues{};
    std::vector<int> bandLog;
    bool tooltips = true;
    int textStyle = 0;
    bool dockable = false;
    bool layoutChanged = false;
    std::vector<std::string> savedLayouts;
    std::vector<std::string> loadedLayouts;
    int relayouts = 0;
    PageSettings page;
    PrinterFontInfo printerFont{"Printer Sans", 10.0f, false, false};

    int mode = 0;
    int modeChanges = 0;
    std::function<void()> onSelectUnits; // runs whenever a units item is selected
    std::array<InputControls, 2> inputs;
    int captionUpdates = 0;
    int newDocuments = 0;
};

} // namespace vq::test
