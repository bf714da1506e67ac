#include "preferences/ui/output_preference_form.h"

#include "common/common_dialog_errors.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "common/ui/qt_user_interface.h"
#include "files/settings_file.h"
#include "platform/file_dialog.h"
#include "preferences/output_mod.h"
#include "preferences/ui/apply_units_form.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace vq {
namespace {

class OutputPreferenceFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        SettingsFilePath = folder.File("settings.ini");
        DocumentSaved = true;
        form = std::make_unique<OutputPreferenceForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        SetFileDialogHandler({});
        ReleaseOutputParams();
    }
    std::vector<std::string> ShownTexts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < form->LST_ShowParameters->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = form->LST_ShowParameters->topLevelItem(i);
            texts.push_back(item->text(1).isEmpty() ? item->text(0).toStdString()
                                                    : (item->text(0) + "\t" + item->text(1)).toStdString());
        }
        return texts;
    }
    void SelectShown(int index)
    {
        form->LST_ShowParameters->clearSelection();
        form->LST_ShowParameters->topLevelItem(index)->setSelected(true);
    }
    void SelectUnused(const std::string& name)
    {
        const auto found = form->LST_UnusedParameters->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form->LST_UnusedParameters->setCurrentItem(found.front());
        found.front()->setSelected(true);
    }

    test::RecordingUserInterface ui;
    test::TempFolder folder;
    std::unique_ptr<OutputPreferenceForm> form;
};

TEST_F(OutputPreferenceFormTest, OpensOnTheCurrentPreferences)
{
    EXPECT_EQ(form->windowTitle(), "Output Control");
    EXPECT_EQ(form->BTN_AppDefaults->text().toStdString(), AppName + " &Default");
    EXPECT_EQ(ShownTexts().front(), "Phase");
    EXPECT_EQ(ShownTexts()[1], "Pressure\tpsia");
    EXPECT_EQ(form->LST_UnusedParameters->count(), 13);
    EXPECT_EQ(form->CMB_Digits->currentText(), "6");
    EXPECT_EQ(form->CMB_Limit->currentText(), "6");
    EXPECT_FALSE(form->CMB_Limit->isEnabled()) << "alignment 0 needs no limit";
    EXPECT_TRUE(form->OPT_RangeRowColOrder[1]->isChecked());
    EXPECT_TRUE(form->CHK_WrapHeaders[1]->isChecked());
    EXPECT_EQ(form->VSC_ParamList->maximum(), 9);
}

TEST_F(OutputPreferenceFormTest, AddAndRemoveWithoutASelectionOnlySaySo)
{
    form->BTN_AddParam_Click();
    form->BTN_RemoveParam_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "No parameters are selected for adding.");
    EXPECT_EQ(ui.messages[1].text, "No parameters are selected for removing.");
    EXPECT_EQ(ui.messages[1].style, MessageStyle::Information);
    EXPECT_EQ(form->Draft().shown.size(), 10u);
}

TEST_F(OutputPreferenceFormTest, RemoveAllAsksAndOkCommitsAnEmptyList)
{
    form->BTN_RemoveAllParams_Click();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Are you sure you want to remove all output parameters?");
    EXPECT_EQ(form->Draft().shown.size(), 10u) << "No keeps the list";

    ui.answers.push_back(Answer::Yes);
    form->BTN_RemoveAllParams->click();
    EXPECT_EQ(form->LST_ShowParameters->topLevelItemCount(), 0);
    EXPECT_EQ(form->LST_UnusedParameters->count(), 23);
    EXPECT_EQ(OutputPrefs.NumParams, 10);
    form->BTN_OK->click();
    EXPECT_EQ(OutputPrefs.NumParams, 0);
    EXPECT_EQ(OutputParams(PropPressure).Units, NoUnitsMarker);
    EXPECT_FALSE(DocumentSaved);
}

TEST_F(OutputPreferenceFormTest, EnterOnTheRemoveAllQuestionKeepsTheList)
{
    QtUserInterface boxes;
    InstallUserInterface(&boxes);
    QString question;
    QTimer::singleShot(0, [&question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        question = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    form->BTN_RemoveAllParams->click();
    InstallUserInterface(&ui);
    EXPECT_EQ(question, "Are you sure you want to remove all output parameters?");
    EXPECT_EQ(form->LST_ShowParameters->topLevelItemCount(), 10);
}

TEST_F(OutputPreferenceFormTest, ReorderUnitsAndFormattingCommitOnOk)
{
    // The scroll bar moves nothing while no entry is selected.
    form->VSC_ParamList->setValue(4);
    EXPECT_EQ(form->Draft().shown.front(), PropPhase);

    SelectShown(2); // Temperature
    EXPECT_EQ(form->VSC_ParamList->value(), 2);
    EXPECT_EQ(form->CMB_ParamUnits->currentText(), "deg. F");
    form->VSC_ParamList->setValue(0);
    EXPECT_EQ(ShownTexts().front(), "Temperature\tdeg. F");
    EXPECT_EQ(form->LST_ShowParameters->selectedItems().front()->text(0), "Temperature");

    const int celsius = form->CMB_ParamUnits->findText("deg. C");
    ASSERT_GE(celsius, 0);
    form->CMB_ParamUnits->setCurrentIndex(celsius);
    EXPECT_EQ(ShownTexts().front(), "Temperature\tdeg. F") << "only the user's choice changes the unit";
    emit form->CMB_ParamUnits->activated(celsius);
    EXPECT_EQ(ShownTexts().front(), "Temperature\tdeg. C");

    SelectUnused("Sonic Velocity");
    form->BTN_AddParam->click();
    EXPECT_EQ(ShownTexts().back(), "Sonic Velocity\tfeet/sec");

    form->CMB_Digits->setCurrentText("3");
    form->CMB_AlignmentOptions->setCurrentIndex(3);
    EXPECT_TRUE(form->CMB_Limit->isEnabled());
    form->CMB_Limit->setCurrentIndex(7);
    form->OPT_RowColOrder[1]->setChecked(true);
    EXPECT_FALSE(form->IMG_Single2->isHidden());
    EXPECT_TRUE(form->IMG_Single1->isHidden());
    form->BTN_OK_Click();
    EXPECT_EQ(OutputPrefs.ParamIds[0], PropTemperature);
    EXPECT_EQ(OutputPrefs.NumParams, 11);
    EXPECT_EQ(OutputParams(PropTemperature).Units, "deg. C");
    EXPECT_EQ(OutputPrefs.Digits, 3);
    EXPECT_EQ(OutputPrefs.ColumnAlignment, 3);
    EXPECT_EQ(OutputPrefs.MagnitudeLimit, 11);
    EXPECT_EQ(OutputPrefs.RowColOrder[0], 1);
}

TEST_F(OutputPreferenceFormTest, TabReachesTheReorderBarWhoseKeysMoveTheSelectedEntry)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTreeWidget* shown = form->LST_ShowParameters;
    const QRect temperature = shown->visualItemRect(shown->topLevelItem(2));
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, temperature.center());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->VSC_ParamList);
    const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Up, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3},
                                             {Qt::Key_PageUp, 0}, {Qt::Key_PageDown, 9}};
    for (const auto& [key, place] : moves) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(ShownTexts()[static_cast<std::size_t>(place)], "Temperature\tdeg. F") << place;
        ASSERT_EQ(shown->selectedItems().size(), 1);
        EXPECT_EQ(shown->selectedItems().front()->text(0), "Temperature");
    }
}

TEST_F(OutputPreferenceFormTest, ProgramDefaultsThenCancelChangeNothing)
{
    const OutputPreferences before = OutputPrefs;
    ui.answers.push_back(Answer::Yes);
    form->BTN_RemoveAllParams_Click();
    form->BTN_AppDefaults_Click();
    EXPECT_EQ(form->Draft().shown.size(), 10u);
    form->BTN_Cancel->click();
    EXPECT_EQ(OutputPrefs, before);
    EXPECT_TRUE(DocumentSaved);
}

TEST_F(OutputPreferenceFormTest, AControlFormatFileRestoresTheDialogButNotTheRecord)
{
    const std::string path = folder.File("format.dat");
    SetFileDialogHandler([&](const FileDialogRequest& r) {
        EXPECT_EQ(r.title, r.save ? "Save Output Preferences As" : "Recall Output Preferences");
        EXPECT_EQ(r.defaultExtension, "dat");
        return FileDialogResult{0, path, ""};
    });
    SelectShown(1);
    form->VSC_ParamList->setValue(0); // Pressure first
    form->CMB_Digits->setCurrentText("4");
    const OutputPreferences before = OutputPrefs;
    form->BTN_SaveAsDefaults[1]->click();
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(OutputPrefs, before);
    EXPECT_EQ(OutputParams(PropEntropy).ListPosition, 0);

    ui.answers.push_back(Answer::Yes);
    form->BTN_RemoveAllParams_Click();
    form->CMB_Digits->setCurrentText("8");
    form->BTN_UserDefault[1]->click();
    EXPECT_EQ(form->Draft().shown.front(), PropPressure);
    EXPECT_EQ(form->Draft().shown.size(), 10u);
    EXPECT_EQ(form->CMB_Digits->currentText(), "4");
    EXPECT_EQ(OutputPrefs, before);
    EXPECT_EQ(OutputParams(PropPressure).ListPosition, 2) << "the parameters are put back as well";

    SetFileDialogHandler([](const FileDialogRequest&) { return FileDialogResult{CommonDialogCancelError, "", ""}; });
    form->BTN_SaveAsDefaults_Click(1);
    form->BTN_UserDefault_Click(1);
    EXPECT_TRUE(ui.messages.empty()) << "Cancel says nothing";
    SetFileDialogHandler([](const FileDialogRequest&) { return FileDialogResult{32766, "", ""}; });
    form->BTN_SaveAsDefaults_Click(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The following error occurred while saving to file:\r\n\r\n      ", 0), 0u);
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(OutputPreferenceFormTest, AnUnreadableControlFormatFileChangesNothingAndSaysWhy)
{
    const std::string path = folder.File("format.dat");
    SetFileDialogHandler([&](const FileDialogRequest&) { return FileDialogResult{0, path, ""}; });
    form->CMB_Digits->setCurrentText("4");
    const std::vector<int> shown = form->Draft().shown;
    const auto noSection = std::pair{"title\r\n[Unit Preferences]\r\nUnit System= 2\r\n",
                                     "Can't find [Output Preferences] heading"};
    const auto badOrder = std::pair{"title\r\n[Output Preferences]\r\nProperty Order= x,y\r\nDigits= 2\r\n",
                                    "Can't read Property Order"};
    const auto outOfRange = std::pair{"title\r\n[Output Preferences]\r\nProperty Order= 1,99\r\nDigits= 99\r\n",
                                      "Can't read Property Order, Digits"};
    const auto unknownUnit = std::pair{"title\r\n[Output Preferences]\r\nProperty Order= 1\r\nProperty Units= furlong\r\n",
                                       "Can't read Property Units"};
    for (const auto& [content, reason] : {noSection, badOrder, outOfRange, unknownUnit}) {
        test::WriteFileBytes(path, content);
        ui.Clear();
        form->BTN_UserDefault[1]->click();
        ASSERT_EQ(ui.messages.size(), 1u) << reason;
        EXPECT_EQ(ui.messages[0].text, "The following error occurred while reading file:\r\n\r\n      " +
                                           std::string(reason) + " in " + path + ".\r\nNo preferences were changed.");
        EXPECT_EQ(form->CMB_Digits->currentText(), "4");
        EXPECT_EQ(form->Draft().shown, shown);
    }
}

TEST_F(OutputPreferenceFormTest, UserDefaultsNeedYesAndASettingsFile)
{
    form->BTN_SaveAsDefaults_Click(0);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath)) << "No writes nothing";

    form->BTN_UserDefault_Click(0);
    ASSERT_EQ(ui.messages.size(), 1u) << "defaults never set";

    SelectShown(3);
    form->VSC_ParamList->setValue(0);
    ui.answers.push_back(Answer::Yes);
    form->BTN_SaveAsDefaults_Click(0);
    ASSERT_TRUE(std::filesystem::exists(SettingsFilePath));
    form->BTN_AppDefaults_Click();
    EXPECT_EQ(form->Draft().shown.front(), PropPhase);
    form->BTN_UserDefault_Click(0);
    EXPECT_EQ(form->Draft().shown.front(), PropDensity);
    EXPECT_EQ(OutputPrefs.ParamIds[0], PropPhase);
}

TEST_F(OutputPreferenceFormTest, UserDefaultAndLoadControlFormatShowTheFirstTab)
{
    const std::string path = folder.File("format.dat");
    SetFileDialogHandler([&](const FileDialogRequest&) { return FileDialogResult{0, path, ""}; });
    form->BTN_SaveAsDefaults[1]->click();
    ui.answers.push_back(Answer::Yes);
    form->BTN_SaveAsDefaults[0]->click();
    for (QPushButton* load : {form->BTN_UserDefault[0], form->BTN_UserDefault[1]}) {
        form->TAB_Output->setCurrentIndex(1);
        load->click();
        EXPECT_EQ(form->TAB_Output->currentIndex(), 0) << load->text().toStdString();
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OutputPreferenceFormTest, UsePreferredUnitsAppliesTheChosenFamilies)
{
    for (const auto& [index, unit] : {std::pair{1, "kPa"}, std::pair{2, "deg. C"}}) {
        SelectShown(index);
        form->CMB_ParamUnits->setCurrentText(unit);
        emit form->CMB_ParamUnits->activated(form->CMB_ParamUnits->currentIndex());
    }
    EXPECT_EQ(ShownTexts()[1], "Pressure\tkPa");

    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<ApplyUnitsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->LST_Units->count(), static_cast<int>(PreferredUnitChoices().size()));
        chooser->BTN_Select_Click(1);
        for (int i = 0; i < chooser->LST_Units->count(); ++i) {
            if (chooser->LST_Units->item(i)->data(Qt::UserRole).toInt() == PressureFamily)
                chooser->LST_Units->item(i)->setSelected(true);
        }
        chooser->BTN_OK->click();
    });
    form->BTN_UsePreferred->click();
    EXPECT_EQ(ShownTexts()[1], "Pressure\tpsia");
    EXPECT_EQ(ShownTexts()[2], "Temperature\tdeg. C");
    EXPECT_TRUE(form->LST_ShowParameters->selectedItems().isEmpty());
    EXPECT_EQ(form->CMB_ParamUnits->count(), 0);
}

} // namespace
} // namespace vq
