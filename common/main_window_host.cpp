#include "common/main_window_host.h"

namespace vq {
namespace {

// Answers when no main window is attached.
class DetachedHost final : public MainWindowHost {
public:
    bool GetToolChecked(int) const override { return false; }
    void SetToolChecked(int, bool) override {}
    void SetToolCaption(const std::string&, int, const std::string&) override {}
    void SetToolVisible(int, bool) override {}
    void SetPropertySourceCaption(const std::string&) override {}
    std::string ProgramFolder() const override { return {}; }

    std::optional<ToolbarBandLayout> MainBandLayout() const override { return std::nullopt; }
    std::string MainBandName() const override { return {}; }
    std::int32_t MainBandValue(int) const override { return 0; }
    void SetMainBandValue(int, std::int32_t) override {}
    bool ShowTooltipsOnToolbars() const override { return true; }
    void SetShowTooltipsOnToolbars(bool) override {}
    int ToolbarsTextStyle() const override { return 0; }
    void SetToolbarsTextStyle(int) override {}
    bool DockableMainMenu() const override { return false; }
    void SetDockableMainMenu(bool) override {}
    bool ToolbarLayoutChanged() const override { return false; }
    void SetToolbarLayoutChanged(bool) override {}
    bool SaveToolbarLayout(const std::string&, std::string&) override { return true; }
    void LoadToolbarLayout(const std::string&, const std::string&) override {}
    void RelayoutToolbar() override {}
    PageSettings GetPageSettings() const override { return {}; }
    void SetPageSettings(const PageSettings&) override {}

    PrinterFontInfo PrinterFont() const override { return font; }
    void SetPrinterFont(const PrinterFontInfo& f) override { font = f; }

    int InputMode() const override { return 0; }
    bool SetInputMode(int mode) override { return mode >= 0 && mode <= 2; }
    void ClearInputProps() override {}
    InputControls GetInput(int) const override { return {}; }
    bool SelectProperty(int, int) override { return false; }
    bool SelectUnits(int, const std::string&) override { return false; }
    void SetInputText(int, InputBox, const std::string&) override {}

    void SetMainCaption() override {}
    void NewInputFile() override {}

private:
    PrinterFontInfo font{"Sans Serif", 10.0f, false, false};
};

DetachedHost detachedHost;
MainWindowHost* installedHost = nullptr;

} // namespace

MainWindowHost& CurrentMainWindowHost()
{
    return installedHost ? *installedHost : detachedHost;
}

void InstallMainWindowHost(MainWindowHost* host)
{
    installedHost = host;
}

} // namespace vq
