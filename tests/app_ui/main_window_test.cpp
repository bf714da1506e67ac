// The main window with a scripted property source: panel rules, the three modes,
// the grid texts and the result tools.
#include "app/main_window_host_impl.h"
#include "app/thermix_main.h"
#include "app/thermix_work.h"
#include "files/document_file.h"
#include "common/number_parsing.h"
#include "files/settings_file.h"
#include "app/document_commands.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "equations/flag_values.h"
#include "platform/toolbar_control.h"
#include "preferences/output_mod.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"
#include "solver/result_table.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace vq {
namespace {

struct Call {
    int point;
    PointInputs in;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetUpProgramTables();
        main = std::make_unique<ThermixMain>();
        main->SetPointSource([this](int point, const PointInputs& in, int, int) {
            calls.push_back({point, in});
            if (failAt == point) {
                ui.Message("Error 9999", MessageStyle::Exclamation, ProgramTitle);
                return true;
            }
            // Parameter i at point j holds 100 j + i; the phase is liquid.
            const bool f = OutputPrefs.RowColOrder[main->GetInputMode() == 0 ? 0 : 1] != 0;
            for (int i = 1; i <= OutputPrefs.NumParams; ++i) {
                const double v = OutputPrefs.ParamIds[static_cast<std::size_t>(i - 1)] == 11 ? -1.0 : 100.0 * point + i;
                (f ? ResultTable(point, i) : ResultTable(i, point)) = v;
            }
            return false;
        });
        main->NewInputFile();
        DocumentSaved = true;
    }

    void Type(QLineEdit* box, const char* text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    void Choose(QComboBox* list, int code)
    {
        const int i = list->findData(code);
        ASSERT_GE(i, 0) << "code " << code;
        list->setCurrentIndex(i);
    }
    std::vector<int> Codes(const QComboBox* list)
    {
        std::vector<int> codes;
        for (int i = 0; i < list->count(); ++i)
            codes.push_back(list->itemData(i).toInt());
        return codes;
    }
    const GridModel& Grid() { return main->GRD_Output->Model(); }
    bool AnyResultTool()
    {
        for (int t : {ToolPrint, ToolPrintPreview, ToolExportOutput, ToolSaveOutput, ToolSaveOutputAs, ToolCreatePdf,
                      ToolCreateGraph})
            if (main->IsToolEnabled(t))
                return true;
        return false;
    }

    test::RecordingUserInterface ui;
    std::unique_ptr<ThermixMain> main;
    std::vector<Call> calls;
    int failAt = 0;
};

TEST_F(MainWindowTest, NewDocumentState)
{
    EXPECT_EQ(main->GetInputMode(), 0);
    EXPECT_EQ(main->CMB_State1->currentData().toInt(), 1);
    EXPECT_EQ(main->CMB_State1->currentText(), "Pressure");
    EXPECT_EQ(main->CMB_State2->currentData().toInt(), 2);
    EXPECT_EQ(Codes(main->CMB_State1), (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 9, 10}));
    EXPECT_GT(main->CMB_State1Units->count(), 0);
    EXPECT_TRUE(main->TXT_State1->text().isEmpty());
    EXPECT_FALSE(main->BTN_Calculate->isEnabled());
    EXPECT_EQ(main->windowTitle().toStdString(), ProgramTitle + " - Untitled");
    EXPECT_EQ(Grid().Rows(), 0);
    EXPECT_FALSE(AnyResultTool());
    EXPECT_TRUE(main->Sections().PrintFormatGeneralUse(0));
    EXPECT_TRUE(main->Sections().PrintFormatGeneralUse(1));
    EXPECT_EQ(main->Sections().PrintFormatGeneralName(1), "Results");
    EXPECT_FALSE(main->Sections().PrintSectionNewPage);
}

TEST_F(MainWindowTest, PropertyChoicesRelabelAndRefillTheRows)
{
    Choose(main->CMB_State1, 8);
    EXPECT_EQ(Codes(main->CMB_State2), (std::vector<int>{1, 2}));
    EXPECT_FALSE(DocumentSaved);

    Choose(main->CMB_State1, 1);
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    Choose(main->CMB_State2, 9);
    EXPECT_EQ(main->LBL_State2->text(), "2nd Val&ue: Saturated Vapor");
    EXPECT_EQ(main->LBL_State1->text(), "Sat. Value:");
    EXPECT_FALSE(main->TXT_State2->isVisibleTo(main.get()));
    EXPECT_FALSE(main->CMB_State2Units->isVisibleTo(main.get()));

    Choose(main->CMB_State2, 11 - 1); // Saturated Vapor
    Choose(main->CMB_State2, 6);      // back to a value: unit list returns
    EXPECT_TRUE(main->CMB_State2Units->isVisibleTo(main.get()));
    EXPECT_GT(main->CMB_State2Units->count(), 0);

    Type(main->TXT_State1, "1");
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    EXPECT_TRUE(main->TXT_State1->text().isEmpty()) << "a mode change empties the boxes";
    EXPECT_FALSE(main->BTN_Calculate->isEnabled());
    for (int code : Codes(main->CMB_State2))
        EXPECT_FALSE(code == 9 || code == 10);
    EXPECT_EQ(main->CMB_State2->currentData().toInt(), 6) << "Entropy stays chosen";
    EXPECT_TRUE(main->TXT_State2Inc->isVisibleTo(main.get()));
    EXPECT_FALSE(main->TXT_State1Inc->isVisibleTo(main.get()));
}

TEST_F(MainWindowTest, SinglePointFillsOneColumnAndOpensTheOutputTools)
{
    Type(main->TXT_State1, "1");
    EXPECT_FALSE(main->BTN_Calculate->isEnabled());
    Type(main->TXT_State2, "200");
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].in.code1, 1);
    EXPECT_EQ(calls[0].in.value1, 1.0);
    EXPECT_EQ(calls[0].in.value2, 200.0);
    EXPECT_EQ(calls[0].in.units1, main->CMB_State1Units->currentText().toStdString());
    ASSERT_EQ(Grid().Rows(), OutputPrefs.NumParams + 1);
    ASSERT_EQ(Grid().Cols(), 2);
    EXPECT_EQ(Grid().TextMatrix(0, 0), "Parameter");
    EXPECT_EQ(Grid().TextMatrix(0, 1), "Value");
    EXPECT_EQ(Grid().TextMatrix(1, 0), "Phase");
    EXPECT_EQ(Grid().TextMatrix(1, 1), "Liquid");
    EXPECT_NE(Grid().TextMatrix(2, 1).find("102"), std::string::npos);
    for (int t : {ToolPrint, ToolPrintPreview, ToolExportOutput, ToolSaveOutput, ToolSaveOutputAs, ToolCreatePdf})
        EXPECT_TRUE(main->IsToolEnabled(t));
    EXPECT_FALSE(main->IsToolEnabled(ToolCreateGraph));
    EXPECT_TRUE(ui.busyCalls.size() >= 2 && !ui.busyCalls.back());

    // Any edit throws the results away.
    Type(main->TXT_State2, "201");
    EXPECT_EQ(Grid().Rows(), 0);
    EXPECT_FALSE(AnyResultTool());
}

TEST_F(MainWindowTest, TwoPointsSaturatedPairAndDifference)
{
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    Choose(main->CMB_State1, 9); // Saturated Liquid first, Pressure second
    Choose(main->CMB_State2, 1);
    Type(main->TXT_State2, "1");
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();

    // The saturated code is passed second; the second point is the other saturated state.
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].in.code1, 1);
    EXPECT_EQ(calls[0].in.code2, 9);
    EXPECT_EQ(calls[0].in.value1, 1.0);
    EXPECT_EQ(calls[1].in.code2, 10);
    ASSERT_EQ(Grid().Rows(), 4) << "points in rows for the two-point table";
    EXPECT_EQ(Grid().TextMatrix(3, 0), "Difference");
    EXPECT_EQ(Grid().TextMatrix(3, 1), "N/A") << "phase has no difference";
    // Pressure (parameter 2): 202 - 102.
    EXPECT_EQ(ResultTable(3, 2), 100.0);
    EXPECT_NE(Grid().TextMatrix(3, 2).find("100"), std::string::npos);

    // A saturated code with a partner other than Pressure or Temperature is refused.
    Choose(main->CMB_State2, 3);
    Type(main->TXT_State2, "500");
    calls.clear();
    main->BTN_Calculate_Click();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(ui.LastMessage(), "Two point saturation calculations can only be made using Pressure or Temperature.");
    EXPECT_EQ(Grid().Rows(), 0);
}

TEST_F(MainWindowTest, TwoPointsDifferenceSkipsFlagValues)
{
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "100");
    Type(main->TXT_State1End, "2");
    Type(main->TXT_State2End, "300");
    main->SetPointSource([](int point, const PointInputs&, int, int) {
        for (int i = 1; i <= OutputPrefs.NumParams; ++i)
            ResultTable(point, i) = point == 2 && i == 3 ? NotApplicableValue : 10.0 * point;
        return false;
    });
    main->BTN_Calculate_Click();
    EXPECT_EQ(ResultTable(3, 2), 10.0);
    EXPECT_EQ(ResultTable(3, 3), NotApplicableValue);
    EXPECT_EQ(Grid().TextMatrix(2, 3), "N/A");
    EXPECT_EQ(Grid().TextMatrix(3, 3), "N/A");
}

TEST_F(MainWindowTest, RangeStepsTheSecondProperty)
{
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "0");
    Type(main->TXT_State2End, "12");
    Type(main->TXT_State2Inc, "4");
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();

    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3].in.value2, 12.0);
    ASSERT_EQ(Grid().Rows(), 5);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "= 0");
    EXPECT_EQ(Grid().TextMatrix(4, 0), "= 12");
    EXPECT_NE(Grid().TextMatrix(0, 0).find("Temperature"), std::string::npos);
    EXPECT_NE(Grid().TextMatrix(0, 0).find(main->CMB_State2Units->currentText().toStdString()), std::string::npos);
    EXPECT_TRUE(main->IsToolEnabled(ToolCreateGraph));

    // A refused range keeps the headers without values and shows why.
    Type(main->TXT_State2Inc, "0");
    calls.clear();
    main->BTN_Calculate_Click();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(ui.LastMessage(), "The range increment must be greater than zero.");
    EXPECT_EQ(Grid().Rows(), 2);
    EXPECT_EQ(Grid().TextMatrix(1, 1), "");
    Type(main->TXT_State2Inc, "1");
    Type(main->TXT_State2End, "0");
    main->BTN_Calculate_Click();
    EXPECT_EQ(ui.LastMessage(), "The end of the range must be larger then the start.");
    EXPECT_FALSE(main->IsToolEnabled(ToolCreateGraph));
}

TEST_F(MainWindowTest, FailureClearsTheGrid)
{
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "200");
    main->BTN_Calculate_Click();
    ASSERT_GT(Grid().Rows(), 0);
    failAt = 1;
    main->BTN_Calculate_Click();
    EXPECT_EQ(ui.LastMessage(), "Error 9999");
    EXPECT_EQ(Grid().Rows(), 0);
    EXPECT_FALSE(AnyResultTool());
    EXPECT_FALSE(ui.busyCalls.back());

    // In Two Points a failed second point discards the first.
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "100");
    Type(main->TXT_State1End, "2");
    Type(main->TXT_State2End, "300");
    failAt = 2;
    main->BTN_Calculate_Click();
    EXPECT_EQ(Grid().Rows(), 0);
}

TEST_F(MainWindowTest, GermanDecimalSymbolInTheGrid)
{
    ScopedLocaleSeparators german(LocaleSeparators::German());
    main->SetPointSource([](int point, const PointInputs&, int, int) {
        for (int i = 1; i <= OutputPrefs.NumParams; ++i)
            ResultTable(i, point) = 1234.5;
        return false;
    });
    Type(main->TXT_State1, "1,5");
    Type(main->TXT_State2, "200");
    main->BTN_Calculate_Click();
    const std::string text = Grid().TextMatrix(2, 1);
    EXPECT_EQ(text.substr(0, 6), "1234,5") << text;
}

TEST_F(MainWindowTest, TypedNumbersAreReadAsTheLocaleWritesThemOrRefused)
{
    auto refused = [&](QLineEdit* box, const char* text, const std::string& message) {
        Type(box, text);
        calls.clear();
        ui.Clear();
        main->BTN_Calculate_Click();
        EXPECT_TRUE(calls.empty()) << text;
        EXPECT_EQ(ui.LastMessage(), message);
        EXPECT_EQ(main->focusWidget(), box) << text;
        EXPECT_EQ(Grid().Rows(), 0);
    };
    Type(main->TXT_State2, "200");
    refused(main->TXT_State1, "1,5",
            "The Pressure Value box holds \"1,5\", which is not a number: the thousands separator \",\" stands only "
            "between groups of three digits, and the decimal symbol is \".\".");
    refused(main->TXT_State1, "abc", "The Pressure Value box holds \"abc\", which is not a number.");
    Type(main->TXT_State1, "1,234.5");
    main->BTN_Calculate_Click();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].in.value1, 1234.5);

    const ScopedLocaleSeparators german(LocaleSeparators::German());
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    Type(main->TXT_State1, "1.013,25");
    Type(main->TXT_State2, "0");
    Type(main->TXT_State2End, "1.000");
    refused(main->TXT_State2Inc, "2.5",
            "The Temperature Increment box holds \"2.5\", which is not a number: the thousands separator \".\" "
            "stands only between groups of three digits, and the decimal symbol is \",\".");
    Type(main->TXT_State2Inc, "250");
    main->BTN_Calculate_Click();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].in.value1, 1013.25);
    EXPECT_EQ(calls[4].in.value2, 1000.0);

    // Save stores no misread number: it is refused the same way.
    ThermixMainHost host(*main);
    InstallMainWindowHost(&host);
    test::TempFolder folder;
    DocumentName = "plant.vpq";
    CurrentInputFile = folder.File("plant.vpq");
    Type(main->TXT_State2End, "1.00");
    ui.Clear();
    bool cancelled = false;
    SaveInputFile(cancelled);
    EXPECT_TRUE(cancelled);
    EXPECT_NE(ui.LastMessage().find("Temperature End Value box holds \"1.00\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(CurrentInputFile));
    Type(main->TXT_State2End, "1.000");
    SaveInputFile(cancelled);
    EXPECT_FALSE(cancelled);
    EXPECT_NE(test::ReadFileBytes(CurrentInputFile).find("Property #1=1,Pressure,psia,2,1013.25,,"), std::string::npos);
    InstallMainWindowHost(nullptr);
}

TEST_F(MainWindowTest, SaveChangesQuestion)
{
    DocumentSaved = true;
    EXPECT_FALSE(QuerySaveChanges());
    EXPECT_TRUE(ui.questions.empty());

    DocumentSaved = false;
    DocumentName = "boiler.vpq";
    ui.answers = {Answer::Cancel, Answer::No};
    EXPECT_TRUE(QuerySaveChanges());
    EXPECT_EQ(ui.questions.back().text, "Save changes to 'boiler.vpq'?");
    EXPECT_EQ(ui.questions.back().title, ProgramTitle);
    EXPECT_FALSE(QuerySaveChanges());

    // Yes saves a named document; a save that fails counts as Cancel.
    ThermixMainHost host(*main);
    InstallMainWindowHost(&host);
    test::TempFolder folder;
    CurrentInputFile = folder.File("boiler.vpq");
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(QuerySaveChanges());
    EXPECT_TRUE(DocumentSaved);
    EXPECT_EQ(test::ReadFileBytes(CurrentInputFile).substr(0, DocumentHeaderLine().size()), DocumentHeaderLine());

    DocumentSaved = false;
    CurrentInputFile = folder.File("no such folder/boiler.vpq");
    ui.answers = {Answer::Yes};
    ui.Clear();
    EXPECT_TRUE(QuerySaveChanges());
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_FALSE(DocumentSaved);
    InstallMainWindowHost(nullptr);
}

TEST_F(MainWindowTest, ClosingAsksAndSavesTheSettings)
{
    test::TempFolder folder;
    SettingsFilePath = folder.File("Thermix2.ini");
    test::WriteFileBytes(SettingsFilePath, "VAPOQUANT INI FILE\r\n");
    main->show();
    DocumentSaved = false;
    ui.answers = {Answer::Cancel};
    main->close();
    EXPECT_TRUE(main->isVisible()) << "Cancel keeps the program running";
    EXPECT_EQ(test::ReadFileBytes(SettingsFilePath), "VAPOQUANT INI FILE\r\n");

    ui.answers = {Answer::No};
    main->close();
    EXPECT_FALSE(main->isVisible());
    const std::string settings = test::ReadFileBytes(SettingsFilePath);
    EXPECT_NE(settings.find("[Last Files]"), std::string::npos);
    EXPECT_NE(settings.find("[Property Database]"), std::string::npos);
    SettingsFilePath.clear();
}

TEST_F(MainWindowTest, RecallingDefaultsNeedsTheSettingsFile)
{
    test::TempFolder folder;
    bool failed = false;
    SettingsFilePath = folder.File("Thermix2.ini");
    RecallUserDefaults(failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ui.LastMessage(), SettingsFilePath +
                                    " file not found. Defaults must first be Set before they can be recalled as User defaults.");
    test::WriteFileBytes(SettingsFilePath, "x\r\n");
    ui.Clear();
    RecallUserDefaults(failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(ui.messages.empty());
    SettingsFilePath = folder.Path().string();
    RecallUserDefaults(failed);
    EXPECT_TRUE(failed);
    EXPECT_NE(ui.LastMessage().find("User defaults not obtained."), std::string::npos);
    SettingsFilePath.clear();
}

TEST_F(MainWindowTest, ARecentFileThatDoesNotOpenKeepsTheDocument)
{
    ThermixMainHost host(*main);
    InstallMainWindowHost(&host);
    test::TempFolder folder;
    DocumentName = "boiler.vpq";
    CurrentInputFile = folder.File("boiler.vpq");
    RecentFiles = {folder.File("gone.vpq"), "", "", ""};
    OpenRecentFile(1);
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_EQ(DocumentName, "boiler.vpq");
    EXPECT_EQ(CurrentInputFile, folder.File("boiler.vpq"));

    // A cancelled save-changes question opens nothing.
    DocumentSaved = false;
    ui.Clear();
    ui.answers = {Answer::Cancel};
    OpenRecentFile(1);
    EXPECT_TRUE(ui.messages.empty());
    InstallMainWindowHost(nullptr);
}

TEST_F(MainWindowTest, TheLoadSizeIsTheSmallestSize)
{
    main->show();
    main->resize(100, 100);
    EXPECT_EQ(main->size(), main->LoadSize());
    const int gridWidth = main->GRD_Output->width();
    main->resize(main->LoadSize().width() + 100, main->LoadSize().height() + 80);
    QApplication::processEvents();
    EXPECT_EQ(main->GRD_Output->width(), gridWidth + 100) << "the grid takes the extra width";
}

TEST_F(MainWindowTest, EveryToolShowsAtTheDefaultSizeInEveryTextStyle)
{
    main->show();
    for (int style : {1, 2, 3, 0}) {
        main->SetToolbarsTextStyle(style);
        main->resize(main->LoadSize());
        QApplication::processEvents();
        for (const BandTool& t : main->ABR_Main->Layout().Band("Main Toolbar")->tools) {
            bool shown = false;
            for (QToolBar* bar : main->findChildren<QToolBar*>())
                if (QWidget* button = bar->widgetForAction(main->ABR_Main->Action(t.id)))
                    shown = shown || (button->isVisible() && bar->rect().contains(button->geometry()));
            EXPECT_TRUE(shown) << t.caption << " in style " << style;
        }
    }
    EXPECT_EQ(main->size(), main->LoadSize());
}

TEST_F(MainWindowTest, DependentPropertyListLeavesOutTheRangePropertyAndStates)
{
    QComboBox list;
    main->FillDependentPropertyList(&list, PropPressure);
    std::vector<int> codes;
    for (int i = 0; i < list.count(); ++i)
        codes.push_back(list.itemData(i).toInt());
    // The default shown list without Phase and the range property, in display order.
    EXPECT_EQ(codes, (std::vector<int>{2, 4, 3, 14, 13, 12, 8, 23}));
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(list.itemText(0), "Temperature");
}

TEST_F(MainWindowTest, AnUnexpectedFailureIsReportedAndClearsTheGrid)
{
    Type(main->TXT_State1, "1");
    Type(main->TXT_State2, "200");
    main->SetPointSource([](int, const PointInputs&, int, int) -> bool { throw std::runtime_error("broken"); });
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    EXPECT_NE(ui.LastMessage().find("broken"), std::string::npos);
    EXPECT_EQ(Grid().Rows(), 0);
    EXPECT_FALSE(ui.busyCalls.back());
}

} // namespace
} // namespace vq
