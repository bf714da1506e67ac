// The main window as the settings and document routines see it.
#pragma once

#include "common/main_window_host.h"


namespace vq {

class ThermixMain;

class ThermixMainHost final : public MainWindowHost {
public:
    explicit ThermixMainHost(ThermixMain& main) : main_(main) {}

    bool GetToolChecked(int toolId) const override;
    void SetToolChecked(int toolId, bool checked) override;
    void SetToolCaption(const std::string& band, int toolId, const std::string& caption) override;
    void SetToolVisible(int toolId, bool visible) override;
    void SetPropertySourceCaption(const std::string& caption) override;
    std::string ProgramFolder() const override;

    // The main toolbar band keeps no settings line of its own.
    std::optional<ToolbarBandLayout> MainBandLayout() const override { return std::nullopt; }
    std::string MainBandName() const override { return {}; }
    std::int32_t MainBandValue(int) const override { return 0; }
    void SetMainBandValue(int, std::int32_t) override {}
    bool ShowTooltipsOnToolbars() const override;
    void SetShowTooltipsOnToolbars(bool show) override;
    int ToolbarsTextStyle() const override;
    void SetToolbarsTextStyle(int style) override;
    bool DockableMainMenu() const override;
    void SetDockableMainMenu(bool dockable) override;
    bool ToolbarLayoutChanged() const override;
    void SetToolbarLayoutChanged(bool changed) override;
    bool SaveToolbarLayout(const std::string& path, std::string& errorText) override;
    void LoadToolbarLayout(const std::string& path, const std::string& bandName) override;
    void RelayoutToolbar() override;
    PageSettings GetPageSettings() const override { return page_; }
    void SetPageSettings(const PageSettings& settings) override { page_ = settings; }

    PrinterFontInfo PrinterFont() const override { return font_; }
    void SetPrinterFont(const PrinterFontInfo& font) override { font_ = font; }

    int InputMode() const override;
    bool SetInputMode(int mode) override;
    void ClearInputProps() override;
    InputControls GetInput(int n) const override;
    bool SelectProperty(int n, int code) override;
    bool SelectUnits(int n, const std::string& units) override;
    void SetInputText(int n, InputBox box, const std::string& text) override;
    bool CheckInputNumbers() override;

    void SetMainCaption() override;
    void NewInputFile() override;

private:
    ThermixMain& main_;
    PageSettings page_;
    PrinterFontInfo font_{"Sans Serif", 10.0f, false, false};
};

} // namespace vq
