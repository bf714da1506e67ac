#include "app/main_window_host_impl.h"

#include "app/thermix_main.h"
#include "common/ui/widget_routines.h"
#include "platform/toolbar_control.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <memory>

namespace vq {

bool ThermixMainHost::GetToolChecked(int toolId) const
{
    return main_.ABR_Main->GetToolChecked(toolId);
}

void ThermixMainHost::SetToolChecked(int toolId, bool checked)
{
    main_.ABR_Main->SetToolChecked(toolId, checked);
}

void ThermixMainHost::SetToolCaption(const std::string& band, int toolId, const std::string& caption)
{
    main_.ABR_Main->SetToolCaption(band, toolId, caption);
}

void ThermixMainHost::SetToolVisible(int toolId, bool visible)
{
    main_.ABR_Main->SetToolVisible(toolId, visible);
}

bool ThermixMainHost::ShowTooltipsOnToolbars() const
{
    return main_.ShowTooltipsOnToolbars() != 0;
}

void ThermixMainHost::SetShowTooltipsOnToolbars(bool show)
{
    main_.SetShowTooltipsOnToolbars(show ? -1 : 0);
}

int ThermixMainHost::ToolbarsTextStyle() const
{
    return main_.ToolbarsTextStyle();
}

void ThermixMainHost::SetToolbarsTextStyle(int style)
{
    main_.SetToolbarsTextStyle(style);
}

bool ThermixMainHost::DockableMainMenu() const
{
    return main_.DockableMainMenu() != 0;
}

void ThermixMainHost::SetDockableMainMenu(bool dockable)
{
    main_.SetDockableMainMenu(dockable ? -1 : 0);
}

bool ThermixMainHost::ToolbarLayoutChanged() const
{
    return main_.ToolbarLayoutChanged;
}

void ThermixMainHost::SetToolbarLayoutChanged(bool changed)
{
    main_.ToolbarLayoutChanged = changed;
}

bool ThermixMainHost::SaveToolbarLayout(const std::string& path, std::string& errorText)
{
    return main_.ABR_Main->SaveLayout(path, errorText);
}

void ThermixMainHost::LoadToolbarLayout(const std::string& path, const std::string& bandName)
{
    std::string errorText;
    main_.ABR_Main->LoadLayout(path, bandName, errorText);
}

void ThermixMainHost::RelayoutToolbar()
{
    main_.ABR_Main->Relayout();
}

void ThermixMainHost::SetPropertySourceCaption(const std::string& caption)
{
    main_.LBL_PropertySourceName->setText(QString::fromStdString(caption));
}

std::string ThermixMainHost::ProgramFolder() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

int ThermixMainHost::InputMode() const
{
    return main_.GetInputMode();
}

bool ThermixMainHost::SetInputMode(int mode)
{
    if (mode < 0 || mode >= main_.TAB_InputMode->count())
        return false;
    main_.TAB_InputMode->setCurrentIndex(mode);
    return true;
}

void ThermixMainHost::ClearInputProps()
{
    main_.ClearInputProps(false);
}

namespace {

struct Row {
    QComboBox* property;
    QComboBox* units;
    QLineEdit* value;
    QLineEdit* end;
    QLineEdit* inc;
};

Row RowOf(ThermixMain& m, int n)
{
    if (n == 1)
        return {m.CMB_State1, m.CMB_State1Units, m.TXT_State1, m.TXT_State1End, m.TXT_State1Inc};
    return {m.CMB_State2, m.CMB_State2Units, m.TXT_State2, m.TXT_State2End, m.TXT_State2Inc};
}

} // namespace

InputControls ThermixMainHost::GetInput(int n) const
{
    const Row row = RowOf(main_, n);
    InputControls c;
    c.code = row.property->currentIndex() < 0 ? 0 : row.property->currentData().toInt();
    c.propertyText = row.property->currentText().toStdString();
    c.unitsText = row.units->currentText().toStdString();
    c.value = row.value->text().toStdString();
    c.end = row.end->text().toStdString();
    c.increment = row.inc->text().toStdString();
    return c;
}

bool ThermixMainHost::SelectProperty(int n, int code)
{
    QComboBox* list = RowOf(main_, n).property;
    const int i = FindComboItemByData(list, code);
    if (i < 0)
        return false;
    list->setCurrentIndex(i);
    return true;
}

bool ThermixMainHost::SelectUnits(int n, const std::string& units)
{
    return SelectComboItemByText(RowOf(main_, n).units, units);
}

void ThermixMainHost::SetInputText(int n, InputBox box, const std::string& text)
{
    const Row row = RowOf(main_, n);
    QLineEdit* target = box == InputBox::Value ? row.value : box == InputBox::End ? row.end : row.inc;
    target->setText(QString::fromStdString(text));
}

bool ThermixMainHost::CheckInputNumbers()
{
    return main_.CheckInputNumbers(true);
}

void ThermixMainHost::SetMainCaption()
{
    main_.SetMainCaption();
}

void ThermixMainHost::NewInputFile()
{
    main_.NewInputFile();
}

MainWindowHost& ThermixMain::Host()
{
    if (!host_)
        host_ = std::make_unique<ThermixMainHost>(*this);
    return *host_;
}

} // namespace vq
