#include "app/toolbar_form.h"

#include "app/thermix_main.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "files/settings_file.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vq {
namespace {

int CheckValue(const QCheckBox* box)
{
    // Unchecked 0, grey 1 in Qt's terms is shown as 2 here: both count as checked.
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::PartiallyChecked: return 2;
    case Qt::Checked: return 1;
    }
    return 0;
}

int AsFlag(bool value)
{
    return value ? -1 : 0;
}

} // namespace

ToolbarForm::ToolbarForm(ThermixMain& main) : QDialog(nullptr), main_(main)
{
    setObjectName("ToolbarForm");
    setWindowTitle("Toolbar Style and Tooltips");
    FRM_IconDisplay = new QGroupBox("Toolbar Style", this);
    auto* styles = new QVBoxLayout(FRM_IconDisplay);
    const char* captions[4] = {"&Default (Icons or Text)", "Icons and Text (&Below)", "Icons and Text (&Right)",
                               "Te&xt Only"};
    for (int i = 0; i < 4; ++i) {
        OPT_IconDisplayType[i] = new QRadioButton(captions[i], FRM_IconDisplay);
        styles->addWidget(OPT_IconDisplayType[i]);
    }
    FRM_Tooltips = new QGroupBox("Tooltips", this);
    CHK_TooltipsToolbar = new QCheckBox("Show &Tooltips on Toolbar", FRM_Tooltips);
    (new QVBoxLayout(FRM_Tooltips))->addWidget(CHK_TooltipsToolbar);
    FRM_MainMenu = new QGroupBox("Main Menu", this);
    CHK_DockableMainMenu = new QCheckBox("Dockable &Main Menu", FRM_MainMenu);
    (new QVBoxLayout(FRM_MainMenu))->addWidget(CHK_DockableMainMenu);
    BTN_OK = new QPushButton("&OK", this);
    BTN_Cancel = new QPushButton("&Cancel", this);
    BTN_SetDefault = new QPushButton("&Set as Default", this);
    BTN_OK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {BTN_OK, BTN_Cancel, BTN_SetDefault})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FRM_IconDisplay);
    layout->addWidget(FRM_Tooltips);
    layout->addWidget(FRM_MainMenu);
    layout->addLayout(buttons);

    connect(BTN_OK, &QPushButton::clicked, this, [this] { BTN_OK_Click(); });
    connect(BTN_Cancel, &QPushButton::clicked, this, [this] { BTN_Cancel_Click(); });
    connect(BTN_SetDefault, &QPushButton::clicked, this, [this] { BTN_SetDefault_Click(); });

    // Form_Load: the main window's current settings.
    const int style = main_.ToolbarsTextStyle();
    if (style >= 0 && style < 4)
        OPT_IconDisplayType[style]->setChecked(true);
    CHK_TooltipsToolbar->setChecked(main_.ShowTooltipsOnToolbars() != 0);
    CHK_DockableMainMenu->setChecked(main_.DockableMainMenu() != 0);
}

void ToolbarForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterFormOnMain(this);
}

void ToolbarForm::ApplyToolbarOptions()
{
    const int style = GetSelectedOptionIndex({OPT_IconDisplayType, OPT_IconDisplayType + 4});
    if (style != main_.ToolbarsTextStyle())
        main_.SetToolbarsTextStyle(style);
    const int tooltips = AsFlag(ParseBoolean(std::to_string(CheckValue(CHK_TooltipsToolbar))));
    if (tooltips != main_.ShowTooltipsOnToolbars())
        main_.SetShowTooltipsOnToolbars(tooltips);
    const int dockable = AsFlag(ParseBoolean(std::to_string(CheckValue(CHK_DockableMainMenu))));
    if (dockable != main_.DockableMainMenu())
        main_.SetDockableMainMenu(dockable);
}

void ToolbarForm::BTN_OK_Click()
{
    ApplyToolbarOptions();
    accept();
}

void ToolbarForm::BTN_Cancel_Click()
{
    reject();
}

void ToolbarForm::BTN_SetDefault_Click()
{
    UserInterface& ui = CurrentUserInterface();
    if (ui.Ask("Setting current toolbar preferences as the default will erase all previous user default settings."
               " Are you sure you want to change the user defaults?",
               ProgramTitle, false) == Answer::No)
        return;
    const BusyScope busy;
    const int style = main_.ToolbarsTextStyle();
    const int tooltips = main_.ShowTooltipsOnToolbars();
    const int dockable = main_.DockableMainMenu();
    ApplyToolbarOptions();
    WriteToolbarSection(SettingsFilePath, CustomToolbarFile);
    main_.SetToolbarsTextStyle(style);
    main_.SetShowTooltipsOnToolbars(tooltips);
    main_.SetDockableMainMenu(dockable);
}

void ToolbarForm::done(int result)
{
    QDialog::done(result);
    main_.activateWindow();
    main_.raise();
}

} // namespace vq
