// The toolbar-and-menu control of the main window: one QAction per tool id, shared by
// the menu bar, its menus and the toolbars, built from a ToolbarLayout.
#pragma once

#include "platform/toolbar_layout.h"

#include <QObject>

#include <map>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vq {

class ToolbarControl : public QObject {
    Q_OBJECT
public:
    // Builds the built-in layout on window's menu bar and toolbars.
    explicit ToolbarControl(QMainWindow* window);
    ~ToolbarControl() override;

    ToolbarLayout& Layout() { return layout_; }
    const ToolbarLayout& Layout() const { return layout_; }

    // The action of a tool id; null when the layout has no such tool.
    QAction* Action(int id) const;

    // Tool states through the collection of all tools; false when the tool is missing.
    bool SetToolEnabled(int id, bool enabled);
    bool SetToolChecked(int id, bool checked);
    bool GetToolChecked(int id) const;
    bool SetToolVisible(int id, bool visible);
    // The caption of the tool in the named band, or in every band that holds it when
    // the name is empty. False when the named band or the tool in it is missing.
    bool SetToolCaption(const std::string& bandName, int id, const std::string& caption);

    // Replaces all bands (empty name) or the named band from a layout file.
    bool LoadLayout(const std::string& path, const std::string& bandName, std::string& errorText);
    // Writes the whole layout to a layout file.
    bool SaveLayout(const std::string& path, std::string& errorText) const;

    // Lays out and paints the bars again after changes to tools or bands.
    void Relayout();
    // Brings a loaded layout into effect.
    void AfterLoad() { Relayout(); }

    bool ShowTooltips() const { return showTooltips_; }
    void SetShowTooltips(bool show) { showTooltips_ = show; }

    // A shortcut of a visible, enabled tool: the tool is clicked and true returned.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);

    // The customise dialog, modal over the window.
    void Customize();

signals:
    void Click(int toolId);
    void PreCustomizeMenu();
    void Reset(const QString& bandName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(const ToolRecord& tool);
    void UpdateAction(int id);
    // The menu kept under key (its place in the menu tree), made on first use.
    QMenu* KeptMenu(const std::string& key, QWidget* parent, const std::string& title);
    void FillMenu(QMenu* menu, const std::string& key, const BandRecord& band, int depth);
    bool IsSubMenuBand(const std::string& name) const;
    QToolBar* NewBar(const QString& name);
    // Takes a toolbar off the window; it is deleted once no click is being handled.
    void RetireBar(QToolBar* toolbar);
    // Click of a tool, whether from a menu entry, a toolbar button or a shortcut.
    void EmitClick(int id);
    void AddTool(QToolBar* toolbar, const BandTool& t);
    // The toolbars of the non-menu bands, wrapped to the window's width.
    void BuildBars();
    void WrapBar(QToolBar* toolbar, const BandRecord& band);

    QMainWindow* window_;
    ToolbarLayout layout_;
    std::map<int, QAction*> actions_;
    // The menus live as long as the window and are refilled in place: a command that
    // lays them out again may come from one of them, still inside its own click.
    std::map<std::string, QMenu*> menus_;
    int clickDepth_ = 0;
    std::vector<QToolBar*> parkedBars_; // taken off during a click
    std::map<std::string, QToolBar*> bars_;
    std::vector<QToolBar*> wrapBars_; // further rows of the bars in bars_
    int wrapWidth_ = -1;
    bool showTooltips_ = true;
};

} // namespace vq
