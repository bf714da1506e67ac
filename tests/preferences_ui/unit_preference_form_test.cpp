#include "preferences/ui/unit_preference_form.h"

#include "app/thermix_main.h"
#include "common/session_state.h"
#include "preferences/output_mod.h"
#include "files/settings_file.h"
#include "platform/file_dialog.h"
#include "files/preference_files.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "scripted_file_dialogs.h"
#include "temp_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vq {
namespace {

class UnitPreferenceFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        SettingsFilePath = folder.File("settings.ini");
        DocumentSaved = true;
        form = std::make_unique<UnitPreferenceForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        SetFileDialogHandler({});
        ReleaseOutputParams();
    }
    std::string Shown(int family) const
    {
        for (int i = 0; i < form->LST_UnitFamily->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = form->LST_UnitFamily->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toInt() == family)
                return item->text(1).toStdString();
        }
        return "(not listed)";
    }
    static std::vector<std::vector<UnitListItem>> AllUnitLists()
    {
        std::vector<std::vector<UnitListItem>> lists;
        for (int family = 0; family < NumUnitFamilies; ++family)
            lists.push_back(FillUnitsUsedList(family).Items);
        return lists;
    }
    QListWidgetItem* UnitItem(const char* name) { return UnitItemOf(*form, name); }
    static QListWidgetItem* UnitItemOf(UnitPreferenceForm& dialog, const char* name)
    {
        const auto found = dialog.LST_UnitsUsed->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    void ClickUnit(const char* name)
    {
        QListWidgetItem* item = UnitItem(name);
        ASSERT_NE(item, nullptr) << name;
        form->LST_UnitsUsed->scrollToItem(item);
        QTest::mouseClick(form->LST_UnitsUsed->viewport(), Qt::LeftButton, {},
                          form->LST_UnitsUsed->visualItemRect(item).center());
    }

    test::RecordingUserInterface ui;
    test::TempFolder folder;
    std::unique_ptr<UnitPreferenceForm> form;
};

TEST_F(UnitPreferenceFormTest, OpensOnTheCurrentPreferences)
{
    form->show();
    EXPECT_EQ(form->windowTitle(), "Unit Preferences");
    EXPECT_TRUE(form->OPT_UnitSystem[0]->isChecked());
    EXPECT_TRUE(form->CHK_ApplySI->isEnabled());
    EXPECT_FALSE(form->CHK_ApplySI->isChecked());
    EXPECT_EQ(Shown(PressureFamily), "psia");
    EXPECT_EQ(Shown(PressureAbsoluteFamily), "(not listed)");
    EXPECT_EQ(form->TXT_AtmosphericPressure->text(), "1");
    EXPECT_EQ(form->CMB_AtmosphericPressureUnits->currentText(), "atm");
    EXPECT_EQ(form->LST_UnitsUsed->count(), 0);
    form->OPT_UnitSystem[1]->setChecked(true);
    EXPECT_FALSE(form->CHK_ApplySI->isEnabled());
}

TEST_F(UnitPreferenceFormTest, ClickedUnitsChangeTheFamiliesAtOnceAndCancelPutsThemBack)
{
    const std::vector<std::vector<UnitListItem>> opened = AllUnitLists();
    form->show();
    form->ChooseFamily(PressureFamily);
    ASSERT_NE(UnitItem("kPa"), nullptr);
    EXPECT_TRUE(UnitItem("kPa")->isSelected());
    ClickUnit("kPa");
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "kPa"));
    EXPECT_EQ(form->LBL_UnitDescription->text(), "Kilopascals Absolute");
    ClickUnit("kPa");
    EXPECT_TRUE(SetFamilyUnitState(PressureFamily, "kPa"));
    ClickUnit("kPa");

    form->BTN_RemoveAll_Click();
    EXPECT_TRUE(form->LST_UnitsUsed->selectedItems().isEmpty());
    form->BTN_AddEnglish_Click();
    EXPECT_TRUE(SetFamilyUnitState(PressureFamily, "psig"));
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "kPa"));

    form->ChooseFamily(TemperatureFamily);
    form->BTN_RemoveAll->click();
    const UnitPreferences before = UnitPrefs;
    form->BTN_Cancel->click();
    EXPECT_EQ(UnitPrefs, before);
    EXPECT_TRUE(AllUnitLists() == opened);
    EXPECT_TRUE(DocumentSaved);

    // The program defaults and Apply Default Units, then the close box.
    SelectUnit(PressureFamily, FindUnitIndex(PressureFamily, "psig"));
    const std::vector<std::vector<UnitListItem>> reopened = AllUnitLists();
    UnitPreferenceForm again(nullptr);
    again.show();
    again.BTN_VortaDefaults->click();
    again.OPT_UnitSystem[2]->setChecked(true);
    again.BTN_SetCustomUnits->click();
    again.close();
    EXPECT_EQ(UnitPrefs, before);
    EXPECT_TRUE(AllUnitLists() == reopened);
}

TEST_F(UnitPreferenceFormTest, SelectAllAndADragPutExactlyTheSelectedUnitsInUse)
{
    form->show();
    form->ChooseFamily(TemperatureFamily);
    form->BTN_RemoveAll->click();
    QListWidget* list = form->LST_UnitsUsed;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(list->selectedItems().size(), list->count());
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(SetFamilyUnitState(TemperatureFamily, list->item(i)->text().toStdString())) << i;

    // A drag from the first unit over the second takes both out of use.
    const QPoint first = list->visualItemRect(list->item(0)).center();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseMove(list->viewport(), second);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, second);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(SetFamilyUnitState(TemperatureFamily, list->item(i)->text().toStdString()),
                  list->item(i)->isSelected()) << i;
    EXPECT_EQ(list->selectedItems().size(), list->count() - 2);
}

TEST_F(UnitPreferenceFormTest, CalculatorKeysInATextBoxStartTheCalculatorAndLeaveItsText)
{
    // No calculator on the path: starting one says so.
    const test::TempFolder noPrograms;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(noPrograms.Path().string()));
    form->show();
    form->TAB_ParamPreferences->setCurrentIndex(1);
    QLineEdit* box = form->TXT_AtmosphericPressure;
    box->setText("14.7");
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    qputenv("PATH", path);
    EXPECT_EQ(box->text().toStdString(), "14.7");
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const test::RecordedMessage& m : ui.messages)
        EXPECT_EQ(m.text, "Could not find the Windows calculator executable in your path.");
}

TEST_F(UnitPreferenceFormTest, OkRefusesAFamilyWithoutUnitsAPressureAndAnUnavailablePreferredUnit)
{
    SelectFamilyUnits(TemperatureFamily);
    SelectFamilyUnits(VelocityFamily);
    form->BTN_OK_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "There must be at least one unit seleted for:\r\nVelocity Units");
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(form->ChosenFamily(), VelocityFamily);
    EXPECT_EQ(ui.beeps, 1);

    BuildUnitFamilies();
    form->TXT_AtmosphericPressure->clear();
    form->BTN_OK_Click();
    EXPECT_EQ(ui.LastMessage(), "Improper entry for pressure.");

    form->TXT_AtmosphericPressure->setText("14.7");
    form->CMB_AtmosphericPressureUnits->setCurrentText("psia");
    form->ChooseFamily(TemperatureFamily);
    form->LST_UnitsUsed->setCurrentItem(UnitItem("deg. R"), QItemSelectionModel::NoUpdate);
    form->BTN_SetPreferred_Click();
    EXPECT_EQ(Shown(TemperatureFamily), "deg. R");
    SelectUnit(TemperatureFamily, FindUnitIndex(TemperatureFamily, "deg. R"));
    form->BTN_OK_Click();
    EXPECT_EQ(ui.LastMessage().rfind("Thg prefered unit for Temperature Units", 0), 0u);
    EXPECT_TRUE(DocumentSaved);

    DeselectUnit(TemperatureFamily, FindUnitIndex(TemperatureFamily, "deg. R"));
    form->OPT_UnitSystem[2]->setChecked(true);
    form->BTN_OK_Click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "deg. R");
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "psia");
    EXPECT_DOUBLE_EQ(UnitPrefs.AtmosphericPressurePsia, static_cast<double>(14.7f));
    EXPECT_FALSE(DocumentSaved);
}

TEST_F(UnitPreferenceFormTest, SaveAndSetAsDefaultCheckTheAtmosphericPressureAsOkDoes)
{
    test::ScriptedFileDialogs dialogs;
    const std::string path = folder.File("units.dat");
    const UnitPreferences before = UnitPrefs;
    form->show();
    for (const char* typed : {"-5x", "", "abc", "3e38"}) {
        ui.Clear();
        form->TXT_AtmosphericPressure->setText(typed);
        form->BTN_OK->click();
        ASSERT_EQ(ui.messages.size(), 1u) << typed;
        const std::string refusal = ui.messages[0].text;
        for (QPushButton* button : {form->BTN_SetAsDefault, form->BTN_SavePreferences}) {
            ui.Clear();
            form->TAB_ParamPreferences->setCurrentIndex(0);
            form->TXT_AtmosphericPressure->setText(typed);
            ui.answers = {Answer::Yes};
            dialogs.answers = {FileDialogResult{0, path, ""}};
            button->click();
            ASSERT_EQ(ui.messages.size(), 1u) << typed << " " << button->text().toStdString();
            EXPECT_EQ(ui.messages[0].text, refusal);
            EXPECT_EQ(form->TAB_ParamPreferences->currentIndex(), 1);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath));
    EXPECT_EQ(UnitPrefs, before);
    EXPECT_NE(form->result(), QDialog::Accepted);
}

TEST_F(UnitPreferenceFormTest, SetAsDefaultRefusesAPressureThatItsSingleDigitsPutOutOfRange)
{
    form->show();
    for (const auto& [typed, units] : {std::pair{"1e-50", "atm"}, std::pair{"1034.2136", "kPa"}}) {
        ui.Clear();
        form->TXT_AtmosphericPressure->setText(typed);
        form->CMB_AtmosphericPressureUnits->setCurrentText(units);
        ui.answers = {Answer::Yes};
        form->BTN_SetAsDefault->click();
        ASSERT_EQ(ui.messages.size(), 1u) << typed;
        EXPECT_EQ(ui.messages[0].text, "An atmospheric pressure must be above 0 and at most 150 psia.\r\n"
                                       " Please enter a new pressure for the Atmospheric Pressure.");
        EXPECT_EQ(form->TXT_AtmosphericPressure->text(), typed);
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath));
}

TEST_F(UnitPreferenceFormTest, TheAtmosphericControlsShowWhatTheRecordHolds)
{
    auto setPsia = [] {
        UnitPrefs.AtmosphericPressure = 14.2;
        UnitPrefs.AtmosphericPressurePsia = 14.2;
        UnitPrefs.AtmosphericPressureUnits = "psia";
    };
    setPsia();
    UnitPreferenceForm dialog(nullptr);
    EXPECT_EQ(dialog.TXT_AtmosphericPressure->text(), "14.2");
    dialog.BTN_SetCustomUnits->click();
    EXPECT_EQ(dialog.TXT_AtmosphericPressure->text(), "1");
    EXPECT_EQ(dialog.CMB_AtmosphericPressureUnits->currentText(), "atm");
    dialog.BTN_OK->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << ui.LastMessage();
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "atm");
    EXPECT_NEAR(UnitPrefs.AtmosphericPressurePsia, 14.696, 1e-3);

    // A unit out of use is still offered and selected.
    SelectUnit(PressureAbsoluteFamily, FindUnitIndex(PressureAbsoluteFamily, "atm"));
    const UnitPreferenceForm atmOut(nullptr);
    EXPECT_EQ(atmOut.TXT_AtmosphericPressure->text(), "1");
    EXPECT_EQ(atmOut.CMB_AtmosphericPressureUnits->currentText(), "atm");
    setPsia();
    SelectUnit(PressureAbsoluteFamily, FindUnitIndex(PressureAbsoluteFamily, "psia"));
    const UnitPreferenceForm psiaOut(nullptr);
    EXPECT_EQ(psiaOut.TXT_AtmosphericPressure->text(), "14.2");
    EXPECT_EQ(psiaOut.CMB_AtmosphericPressureUnits->currentText(), "psia");
}

TEST_F(UnitPreferenceFormTest, AnUnreadablePreferenceFileChangesNothingAndSaysWhy)
{
    const int kPa = FindUnitIndex(PressureFamily, "kPa");
    SelectUnit(PressureFamily, kPa);
    std::vector<std::string> lines = UnitPreferenceFileLines();
    DeselectUnit(PressureFamily, kPa);
    auto fileText = [](const std::vector<std::string>& fileLines) {
        std::string text;
        for (const std::string& line : fileLines)
            text += line + "\r\n";
        return text;
    };
    // The pressure line, which takes kPa out of use, comes before the missing one.
    std::vector<std::string> noLastFamily = lines;
    const std::string lastFamily = noLastFamily[lines.size() - 2].substr(0, noLastFamily[lines.size() - 2].find('='));
    noLastFamily.erase(noLastFamily.end() - 2);
    lines.back() = "Atmospheric Pressure= abc,atm";
    const std::string badPressure = fileText(lines);

    test::ScriptedFileDialogs dialogs;
    const std::string path = folder.File("units.dat");
    const std::vector<std::vector<UnitListItem>> lists = AllUnitLists();
    const UnitPreferences before = UnitPrefs;
    form->TXT_AtmosphericPressure->setText("99");
    const std::string lead = "The following error occurred while reading file:\r\n\r\n      ";
    const std::string noSection = "Can't find [Unit Preferences] heading in " + path;
    const std::string noPressure = "Can't determine value and units for Atmospheric Pressure in " + path;
    const std::string noFamily = "Can't find variable name " + lastFamily + " in " + path;
    for (const auto& [content, reason] : {std::pair{std::string("title\r\n[Other]\r\nA= 1\r\n"), noSection},
                                          std::pair{badPressure, noPressure},
                                          std::pair{fileText(noLastFamily), noFamily}}) {
        test::WriteFileBytes(path, content);
        dialogs.answers = {FileDialogResult{0, path, ""}};
        ui.Clear();
        form->BTN_RecallPreferences->click();
        ASSERT_EQ(ui.messages.size(), 1u) << reason;
        EXPECT_EQ(ui.messages[0].text, lead + reason + ".\r\nNo preferences were changed.");
        EXPECT_TRUE(AllUnitLists() == lists) << reason;
        EXPECT_EQ(UnitPrefs, before);
        EXPECT_EQ(form->TXT_AtmosphericPressure->text(), "99");
    }
}

TEST_F(UnitPreferenceFormTest, HintWhenNoUnitIsChosenForPreferred)
{
    form->BTN_SetPreferred_Click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(ui.messages[0].text, "Please choose one of the units in the \"Units to be Used\" list (on the right) to "
                                   "set as the preferred unit.");
}

TEST_F(UnitPreferenceFormTest, DefaultUnitsFollowTheSystemAndTheSIChoice)
{
    form->ChooseFamily(TemperatureFamily);
    form->CHK_ApplySI->setChecked(true);
    form->BTN_SetCustomUnits_Click();
    EXPECT_EQ(Shown(TemperatureFamily), "deg. C");
    EXPECT_EQ(form->ChosenFamily(), TemperatureFamily);
    EXPECT_EQ(UnitPrefs.PreferredUnits[TemperatureFamily], "deg. F") << "shown, not yet stored";
    form->CHK_ApplySI->setChecked(false);
    form->BTN_SetCustomUnits_Click();
    EXPECT_EQ(Shown(TemperatureFamily), "deg. F");

    form->OPT_UnitSystem[2]->setChecked(true);
    form->BTN_SetCustomUnits_Click();
    EXPECT_EQ(Shown(PressureFamily), "MPa");
    EXPECT_FALSE(SetFamilyUnitState(PressureFamily, "psia"));

    form->BTN_VortaDefaults_Click();
    EXPECT_TRUE(form->OPT_UnitSystem[0]->isChecked());
    EXPECT_TRUE(SetFamilyUnitState(PressureFamily, "psia"));
    EXPECT_EQ(Shown(PressureFamily), "psia");
}

TEST_F(UnitPreferenceFormTest, PreferenceFilesAndUserDefaults)
{
    const std::string path = folder.File("units.dat");
    SetFileDialogHandler([&](const FileDialogRequest& r) {
        EXPECT_EQ(r.title, r.save ? "Save Parameter Preferences As" : "Recall Parameter Preferences");
        return FileDialogResult{0, path, ""};
    });
    form->ChooseFamily(PressureFamily);
    form->LST_UnitsUsed->setCurrentItem(UnitItem("kPa"), QItemSelectionModel::NoUpdate);
    form->BTN_SetPreferred_Click();
    form->TXT_AtmosphericPressure->setText("100");
    form->CMB_AtmosphericPressureUnits->setCurrentText("kPa");
    const UnitPreferences before = UnitPrefs;
    form->BTN_SavePreferences->click();
    EXPECT_EQ(UnitPrefs, before);

    form->BTN_VortaDefaults_Click();
    EXPECT_EQ(Shown(PressureFamily), "psia");
    const UnitPreferences afterDefaults = UnitPrefs;
    form->BTN_RecallPreferences->click();
    EXPECT_EQ(Shown(PressureFamily), "kPa");
    EXPECT_EQ(form->TXT_AtmosphericPressure->text(), "100");
    EXPECT_EQ(form->CMB_AtmosphericPressureUnits->currentText(), "kPa");
    EXPECT_EQ(UnitPrefs, afterDefaults);

    // Set as Default keeps the atmospheric pressure it stored and puts the preferred units back.
    form->TXT_AtmosphericPressure->setText("99");
    ui.answers.push_back(Answer::Yes);
    form->BTN_SetAsDefault_Click();
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "kPa");
    EXPECT_NEAR(UnitPrefs.AtmosphericPressurePsia, 14.3588, 1e-4);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "psia") << "the preferred units are put back";
    form->TXT_AtmosphericPressure->setText("7");
    form->BTN_UserDefaults_Click();
    EXPECT_TRUE(ui.messages.empty()) << ui.LastMessage();
    EXPECT_EQ(form->TXT_AtmosphericPressure->text(), "99");
    EXPECT_EQ(form->CMB_AtmosphericPressureUnits->currentText(), "kPa");
    EXPECT_EQ(Shown(PressureFamily), "kPa");
}

TEST_F(UnitPreferenceFormTest, UserDefaultSaysThatASettingsPipeIsNoFileWithoutOpeningIt)
{
    ASSERT_EQ(::mkfifo(SettingsFilePath.c_str(), 0600), 0);
    // A click that opened the pipe would wait for a writer: this one comes after 3 s.
    std::promise<void> clicked;
    std::thread writer([path = SettingsFilePath, done = clicked.get_future()] {
        if (done.wait_for(std::chrono::seconds(3)) == std::future_status::ready)
            return;
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    });
    form->BTN_UserDefaults->click();
    clicked.set_value();
    writer.join();
    EXPECT_EQ(ui.LastMessage(), "The following error occurred when opening file " + SettingsFilePath +
                                    ":\r\n\r\n      The path names a pipe or device, not a plain file.\r\n\r\n"
                                    "User defaults not obtained.");
}

TEST_F(UnitPreferenceFormTest, OkRefillsTheInputUnitListsAndEmptiesTheValues)
{
    ThermixMain main;
    main.NewInputFile();
    main.TXT_State1->setText("100");
    main.TXT_State2->setText("300");
    main.TXT_State1Inc->setText("5");
    UnitPreferenceForm dialog(&main);
    dialog.ChooseFamily(PressureFamily);
    dialog.LST_UnitsUsed->setCurrentItem(UnitItemOf(dialog, "kPa"), QItemSelectionModel::NoUpdate);
    dialog.BTN_SetPreferred_Click();
    dialog.BTN_OK_Click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(main.CMB_State1->currentData().toInt(), PropPressure);
    EXPECT_EQ(main.CMB_State1Units->currentText(), "kPa");
    EXPECT_TRUE(main.TXT_State1->text().isEmpty());
    EXPECT_TRUE(main.TXT_State2->text().isEmpty());
    EXPECT_EQ(main.TXT_State1Inc->text(), "5") << "the increments keep their texts";
}

} // namespace
} // namespace vq
