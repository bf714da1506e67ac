// Whole sessions through the real windows: start-up with a fresh settings folder,
// calculations, documents, preferences, exports and a restart.
#include "app/command_dispatch.h"
#include "printing/output_report.h"
#include "app/start_form.h"
#include "app/thermix_main.h"
#include "app/thermix_work.h"
#include "common/main_window_host.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "platform/file_dialog.h"
#include "printing/print_dialogs.h"
#include "printing/printer_form.h"
#include "printing/graph_properties_form.h"
#include "platform/toolbar_control.h"
#include "preferences/ui/unit_preference_form.h"
#include "preferences/ui/output_preference_form.h"
#include "solver/steam_library.h"
#include "input_panel_setups.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "scripted_file_dialogs.h"
#include "temp_folder.h"
#include "clipped_texts.h"
#include "pdf_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <tuple>
#include <vector>

namespace vq {
namespace {

class SessionFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("VAPOQUANT_CONFIG_DIR", config.Path().c_str(), 1);
        SetProgramEndHandler([this] { ++ends; });
    }
    void TearDown() override
    {
        delete main.data();
        ui.reset();
        SetProgramEndHandler({});
        ::unsetenv("VAPOQUANT_CONFIG_DIR");
        QLocale::setDefault(locale);
        ResetSteamLibrary();
        test::SetUpProgramTables();
    }

    // Starts the program as main() does, then answers its messages from the test.
    void Start()
    {
        test::SetUpProgramTables();
        StartupOptions options;
        options.splashSeconds = 0;
        main = StartProgram(options);
        ASSERT_TRUE(main);
        ui = std::make_unique<test::RecordingUserInterface>();
    }
    // Starts the program; gives back the text of each message box of the start, closed with OK.
    std::vector<std::string> StartAndReadMessageBoxes()
    {
        std::vector<std::string> shown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.push_back(box->text().toStdString());
                box->button(QMessageBox::Ok)->click();
            }
        });
        watch.start(0);
        Start();
        return shown;
    }
    // Ends the program with Exit, as the user does.
    void Exit()
    {
        const int before = ends;
        ui->answers = {Answer::No}; // changes to the document are not kept
        main->ABR_Main_Click(ToolExit);
        QApplication::processEvents();
        EXPECT_EQ(ends, before + 1) << "the program ends";
        ui.reset();
        delete main.data();
    }

    void Choose(QComboBox* list, int code)
    {
        const int i = list->findData(code);
        ASSERT_GE(i, 0) << "code " << code;
        list->setCurrentIndex(i);
    }
    void ChooseUnit(QComboBox* list, const char* unit)
    {
        const int i = list->findText(unit);
        ASSERT_GE(i, 0) << unit;
        list->setCurrentIndex(i);
    }
    std::vector<std::string> GridTexts()
    {
        std::vector<std::string> texts;
        const GridModel& g = main->GRD_Output->Model();
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c)
                texts.push_back(g.TextMatrix(r, c));
        return texts;
    }
    // Types text key by key, as a keyboard of any script does (keyClicks takes Latin-1 only).
    void TypeKeys(QLineEdit* box, const QString& text)
    {
        box->clear();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(c.unicode()), QString(c), Qt::NoModifier);
    }
    // Single Point in MPa and deg. C, the two values typed, then a click on Calculate.
    void TypeAndCalculate(const QString& pressure, const QString& temperature)
    {
        main->TAB_InputMode->setCurrentIndex(SinglePointMode);
        ChooseUnit(main->CMB_State1Units, "MPa");
        ChooseUnit(main->CMB_State2Units, "deg. C");
        TypeKeys(main->TXT_State1, pressure);
        TypeKeys(main->TXT_State2, temperature);
        ui->messages.clear();
        QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    }
    // Pressure 1 MPa and temperature 200 deg. C, calculated.
    void CalculateSinglePoint()
    {
        main->TAB_InputMode->setCurrentIndex(SinglePointMode);
        Choose(main->CMB_State1, 1);
        Choose(main->CMB_State2, 2);
        ChooseUnit(main->CMB_State1Units, "MPa");
        ChooseUnit(main->CMB_State2Units, "deg. C");
        main->TXT_State1->setText("1");
        main->TXT_State2->setText("200");
        ASSERT_TRUE(main->BTN_Calculate->isEnabled());
        main->BTN_Calculate_Click();
        ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
        ASSERT_GT(main->GRD_Output->Model().Rows(), 1);
    }

    // Options > Output Control..., act on the dialog, OK.
    void SetOutputControl(std::function<void(OutputPreferenceForm*)> act)
    {
        OnModal([act](QDialog* dialog) {
            auto* form = qobject_cast<OutputPreferenceForm*>(dialog);
            ASSERT_TRUE(form);
            act(form);
            form->BTN_OK->click();
        });
        main->ABR_Main->Action(ToolOutputControl)->trigger();
    }
    // The pages of a Create Adobe PDF of the results, as text.
    std::string CreatePdfText(const std::string& name)
    {
        const std::string pdf = work.File(name);
        answers = {{0, pdf, name}};
        main->ABR_Main->Action(ToolCreatePdf)->trigger();
        return test::PdfText(pdf);
    }

    const QLocale locale;
    // Runs act on the next modal dialog once it shows, then closes whatever is left
    // open, so that no test waits on a dialog.
    void OnModal(std::function<void(QDialog*)> act)
    {
        QTimer::singleShot(0, [this, act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return OnModal(act);
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    test::WorkingFolderGuard workingFolder; // a chosen file's folder becomes the working folder
    test::TempFolder config;
    test::TempFolder work;
    QPointer<ThermixMain> main;
    std::unique_ptr<test::RecordingUserInterface> ui;
    test::ScriptedFileDialogs dialogs;
    std::vector<FileDialogRequest>& requests = dialogs.requests;
    std::vector<FileDialogResult>& answers = dialogs.answers;
    int ends = 0;
};

TEST_F(SessionFlow, SaveNewReopenAndCalculateAgain)
{
    Start();
    EXPECT_FALSE(test::ReadFileBytes(config.File("Thermix2.ini")).empty());
    CalculateSinglePoint();
    const auto first = GridTexts();

    const std::string path = work.File("boiler.vpq");
    answers = {{0, path, "boiler.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(DocumentName, "boiler.vpq");

    main->ABR_Main_Click(ToolNew);
    EXPECT_TRUE(main->TXT_State1->text().isEmpty());
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);

    answers = {{0, path, "boiler.vpq"}};
    main->ABR_Main_Click(ToolOpen);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->TXT_State1->text().toStdString(), "1");
    EXPECT_EQ(main->TXT_State2->text().toStdString(), "200");
    EXPECT_EQ(main->CMB_State1Units->currentText().toStdString(), "MPa");
    EXPECT_EQ(main->CMB_State2Units->currentText().toStdString(), "deg. C");
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(GridTexts(), first);

    Exit();
    EXPECT_EQ(ends, 1);
    RecentFiles = {};
    Start();
    EXPECT_EQ(RecentFiles[0], path);
    main->ABR_Main_Click(ToolRecentFile1);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(DocumentName, "boiler.vpq");
    EXPECT_EQ(main->windowTitle().toStdString(), ProgramTitle + " - boiler.vpq");
    main->BTN_Calculate_Click();
    EXPECT_EQ(GridTexts(), first);

    // Two points from the same document.
    main->TAB_InputMode->setCurrentIndex(TwoPointsMode);
    ChooseUnit(main->CMB_State1Units, "MPa");
    ChooseUnit(main->CMB_State2Units, "deg. C");
    main->TXT_State1->setText("1");
    main->TXT_State2->setText("200");
    main->TXT_State1End->setText("2");
    main->TXT_State2End->setText("300");
    ui->mode = TwoPointsMode;
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 4);
    EXPECT_EQ(main->GRD_Output->Model().TextMatrix(3, 0), "Difference");
    EXPECT_EQ(main->GRD_Output->Model().TextMatrix(3, 2), "145.038") << "1 MPa in psia";
    EXPECT_EQ(main->GRD_Output->Model().TextMatrix(3, 3), "180.000") << "a 100 deg. C step in deg. F";
    Exit();
}

TEST_F(SessionFlow, TheFolderOfAChosenFileIsTheWorkingFolderUntilTheNextStart)
{
    const std::filesystem::path started = std::filesystem::current_path();
    const std::filesystem::path deep = work.Path() / "plant" / "unit 2" / "cases";
    std::filesystem::create_directories(deep);
    Start();
    answers = {{0, (deep / "boiler.vpq").string(), "boiler.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(std::filesystem::current_path(), deep);
    Exit();
    EXPECT_NE(test::ReadFileBytes(config.File("Thermix2.ini")).find("LastWorkingDir=" + deep.string() + "\r\n"),
              std::string::npos);

    std::filesystem::current_path(started);
    Start();
    EXPECT_EQ(std::filesystem::current_path(), deep);
    EXPECT_EQ(SettingsFilePath, config.File("Thermix2.ini")) << "the settings file stays where it was found";
    Exit();
    std::filesystem::current_path(started);
}

TEST_F(SessionFlow, ARelativeSettingsFolderStaysInTheStartFolderForTheRun)
{
    const std::filesystem::path started = std::filesystem::current_path();
    const std::filesystem::path start = work.Path() / "start";
    const std::filesystem::path docs = work.Path() / "docs";
    std::filesystem::create_directories(start);
    std::filesystem::create_directories(docs);
    ::setenv("VAPOQUANT_CONFIG_DIR", "cfg", 1);
    const std::string settings = (start / "cfg" / "Thermix2.ini").string();
    const std::string document = (docs / "boiler.vpq").string();
    std::filesystem::current_path(start);
    Start();
    EXPECT_EQ(CustomToolbarFile, (start / "cfg" / "VQUser2.tb").string());
    main->ABR_Main_Click(ToolPropertyNBS);
    answers = {{0, document, "boiler.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    EXPECT_TRUE(ui->messages.empty()) << ui->LastMessage();
    Exit();
    const std::string saved = test::ReadFileBytes(settings);
    EXPECT_NE(saved.find("1=" + document + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("LastWorkingDir=" + docs.string() + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Property Database= 1\r\n"), std::string::npos) << saved;

    // Reading the recent files moves the working folder; the later sections still come
    // from the same settings file.
    std::filesystem::current_path(start);
    RecentFiles = {};
    UseIF97 = true;
    Start();
    EXPECT_EQ(std::filesystem::current_path(), docs);
    EXPECT_EQ(RecentFiles[0], document);
    EXPECT_FALSE(UseIF97) << "the property database saved after the recent files";
    Exit();
    std::filesystem::current_path(started);
}

TEST_F(SessionFlow, ASettingsFileThatBeginsWithAByteOrderMarkKeepsItsFirstSection)
{
    const std::string document = work.File("boiler.vpq");
    test::WriteFileBytes(config.File("Thermix2.ini"), "\xEF\xBB\xBF[Last Files]\r\n1=" + document + "\r\n");
    RecentFiles = {};
    Start();
    EXPECT_EQ(RecentFiles[0], document);
    Exit();
    const std::string saved = test::ReadFileBytes(config.File("Thermix2.ini"));
    EXPECT_EQ(saved.find("[Last Files]"), saved.rfind("[Last Files]")) << saved;
    EXPECT_NE(saved.find("1=" + document + "\r\n"), std::string::npos) << saved;
}

TEST_F(SessionFlow, AUtf16SettingsFileIsNamedAtStartAndNeverWrittenInto)
{
    const std::string settings = config.File("Thermix2.ini");
    std::string utf16 = "\xFF\xFE";
    for (const char c : "[Last Files]\r\n1=" + work.File("boiler.vpq") + "\r\n")
        utf16 += {c, '\0'};
    test::WriteFileBytes(settings, utf16);
    const std::string failure = settings + ": Saved as UTF-16 text, which is not read; save it as UTF-8 text";
    EXPECT_EQ(StartAndReadMessageBoxes(),
              std::vector<std::string>{"Error reading " + settings +
                                       " [INI Controls] section.Vapoquant default parameters were used.\r\nOpening " +
                                       failure});
    ui->answers = {Answer::No};
    main->ABR_Main_Click(ToolExit);
    EXPECT_EQ(ui->LastMessage(), "Error updating initialization file. User updates not made.\r\n" + failure);
    EXPECT_EQ(test::ReadFileBytes(settings), utf16);
}

TEST_F(SessionFlow, GermanNumbersFromTheBoxesToTheDocumentAndBack)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Start();
    main->TAB_InputMode->setCurrentIndex(SinglePointMode);
    ChooseUnit(main->CMB_State1Units, "MPa");
    ChooseUnit(main->CMB_State2Units, "deg. C");
    main->TXT_State1->setText("1,5");
    main->TXT_State2->setText("200,5");
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    const auto first = GridTexts();
    EXPECT_NE(std::find(first.begin(), first.end(), "217,557"), first.end()) << "psia with a decimal comma";

    const std::string path = work.File("kessel.vpq");
    answers = {{0, path, "kessel.vpq"}, {0, path, "kessel.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    EXPECT_NE(test::ReadFileBytes(path).find("Property #1=1,Pressure,MPa,0,1.5"), std::string::npos)
        << "documents keep a decimal point";
    main->ABR_Main_Click(ToolNew);
    main->ABR_Main_Click(ToolOpen);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->TXT_State1->text().toStdString(), "1,5");
    EXPECT_EQ(main->TXT_State2->text().toStdString(), "200,5");
    main->BTN_Calculate_Click();
    EXPECT_EQ(GridTexts(), first);
    Exit();
}

TEST_F(SessionFlow, AGroupedNumberWithAnExponentIsRefused)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Start();
    TypeAndCalculate("2.500E-3", "200");
    EXPECT_EQ(ui->LastMessage(), "The Pressure Value box holds \"2.500E-3\", which is not a number: the thousands "
                                 "separator \".\" stands only between groups of three digits, and the decimal symbol "
                                 "is \",\".");
    Exit();
}

TEST_F(SessionFlow, NumbersInTheLocalesOwnDigitsAreReadAndAnotherDecimalSymbolIsNamed)
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    Start();
    TypeAndCalculate("\u0661\u066B\u0665", "\u0662\u0660\u0660"); // 1.5 and 200
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    const auto texts = GridTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "217\u066B557"), texts.end()) << "psia, as the grid shows it";
    TypeAndCalculate("1.5", "200");
    EXPECT_EQ(ui->LastMessage(),
              "The Pressure Value box holds \"1.5\", which is not a number. The decimal symbol is \"\u066B\".");
    Exit();
}

TEST_F(SessionFlow, RangeThenGraph)
{
    Start();
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    ChooseUnit(main->CMB_State1Units, "MPa");
    ChooseUnit(main->CMB_State2Units, "deg. C");
    main->TXT_State1->setText("1");
    main->TXT_State2->setText("100");
    main->TXT_State2End->setText("300");
    main->TXT_State2Inc->setText("50");
    ui->mode = RangeMode; // as the program's own interface reports it
    main->BTN_Calculate_Click();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 6);
    EXPECT_TRUE(main->IsToolEnabled(ToolCreateGraph));
    const GridModel& grid = main->GRD_Output->Model();
    EXPECT_EQ(grid.TextMatrix(1, 0), "= 100");
    EXPECT_EQ(grid.TextMatrix(1, 1), "Liquid");
    EXPECT_EQ(grid.TextMatrix(1, 3), "212.000");
    EXPECT_EQ(grid.TextMatrix(1, 6), "1.006634") << "cp of water at 100 deg. C in Btu/lbm-R";
    EXPECT_EQ(grid.TextMatrix(3, 1), "Gas");
    std::vector<float> x, y;
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<GraphPropertiesForm*>(dialog);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->CMB_StateIndependent->currentText().toStdString(), "Temperature");
        form->CMB_StateDependent->setCurrentIndex(form->CMB_StateDependent->findData(14)); // cp
        form->BTN_UpdateGraph->click();
        EXPECT_TRUE(form->BTN_Save->isEnabled());
        for (int i = 1; i <= 5; ++i) {
            x.push_back(form->GRA_Curve->XPosition(i));
            y.push_back(form->GRA_Curve->DataValue(i));
        }
    });
    main->ABR_Main_Click(ToolCreateGraph);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(x, (std::vector<float>{100, 150, 200, 250, 300}));
    ASSERT_EQ(y.size(), 5u);
    EXPECT_NEAR(y[0], 1.006634, 1e-5);
    EXPECT_NEAR(y[4], 0.511329, 1e-5);
    Exit();
}

TEST_F(SessionFlow, DialogsOpenCentredOnTheMainWindow)
{
    Start();
    main->move(30, 20);
    CalculateSinglePoint();
    std::vector<int> tools = {ToolOutputControl, ToolUnitPreferences, ToolPrintContent, ToolPrint, ToolPrintPreview,
                              ToolExportOutput, ToolCustomize, ToolToolbarOptions, ToolTechnicalSupport,
                              ToolAbout, 0};
    for (int tool : tools) {
        QRect placed;
        QString title;
        OnModal([&](QDialog* dialog) {
            placed = dialog->frameGeometry();
            title = dialog->windowTitle();
        });
        if (tool != 0) {
            main->ABR_Main_Click(tool);
        } else { // a double click on a result opens the unit change
            main->GRD_Output->Model().SetCurrentCell(2, 1);
            main->GRD_Output->Model().DblClick();
        }
        ASSERT_FALSE(placed.isNull()) << tool;
        // Centred, unless that would take the dialog off the screen: then at its edge.
        const QRect screen = main->screen()->availableGeometry();
        const QPoint offset = placed.center() - main->frameGeometry().center();
        EXPECT_TRUE(std::abs(offset.x()) <= 1 || placed.left() == screen.left() || placed.right() == screen.right())
            << title.toStdString() << " is off by " << offset.x();
        EXPECT_TRUE(std::abs(offset.y()) <= 1 || placed.top() == screen.top() || placed.bottom() == screen.bottom())
            << title.toStdString() << " is off by " << offset.y();
        EXPECT_TRUE(screen.contains(placed)) << title.toStdString();
    }
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    Exit();
}

TEST_F(SessionFlow, EveryCaptionAndListEntryShowsWhole)
{
    for (const QLocale& setting : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(setting);
        std::vector<std::string> clipped;
        QTimer::singleShot(0, [&clipped] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "StartForm" && w->isVisible())
                    for (const std::string& text : test::ClippedTexts(w))
                        clipped.push_back("splash: " + text);
        });
        test::SetUpProgramTables();
        StartupOptions options;
        options.splashSeconds = 0.05;
        main = StartProgram(options);
        ASSERT_TRUE(main);
        ui = std::make_unique<test::RecordingUserInterface>();
        CalculateSinglePoint();
        for (const std::string& text : test::ClippedTexts(main))
            clipped.push_back("main window: " + text);
        for (int tool : {ToolOutputControl, ToolUnitPreferences, ToolPrintContent, ToolPrint, ToolPrintPreview,
                         ToolExportOutput, ToolCustomize, ToolToolbarOptions, ToolTechnicalSupport, ToolAbout, 0}) {
            OnModal([&](QDialog* dialog) {
                for (const std::string& text : test::ClippedTexts(dialog))
                    clipped.push_back(dialog->windowTitle().toStdString() + ": " + text);
            });
            if (tool != 0) {
                main->ABR_Main_Click(tool);
            } else { // a double click on a result opens the unit change
                main->GRD_Output->Model().SetCurrentCell(2, 1);
                main->GRD_Output->Model().DblClick();
            }
        }
        EXPECT_TRUE(clipped.empty()) << setting.name().toStdString() << ":\n" << [&] {
            std::string all;
            for (const std::string& c : clipped)
                all += c + "\n";
            return all;
        }();
        Exit();
    }
}

TEST_F(SessionFlow, SIUnitDefaultsOutliveARestart)
{
    Start();
    CalculateSinglePoint();
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<UnitPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        form->OPT_UnitSystem[2]->setChecked(true);
        form->BTN_SetCustomUnits->click();
        ui->answers = {Answer::Yes};
        form->BTN_SetAsDefault->click();
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolUnitPreferences);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0) << "no results of the old units stay";
    EXPECT_TRUE(main->TXT_State1->text().isEmpty());
    const std::string pressureUnit = main->CMB_State1Units->currentText().toStdString();
    Exit();

    Start();
    EXPECT_EQ(UnitPrefs.UnitSystem, UnitSystemSI);
    EXPECT_EQ(main->CMB_State1Units->currentText().toStdString(), pressureUnit);
    Exit();
}

TEST_F(SessionFlow, EveryModeAndTheUnitDefaultsOutliveARestart)
{
    Start();
    std::vector<std::string> panels, grids;
    const int count = static_cast<int>(std::size(test::PanelSetups));
    for (int i = 0; i < count; ++i) {
        test::FillPanel(*main, test::PanelSetups[i]);
        panels.push_back(test::PanelSnapshot(*main));
        ui->mode = main->GetInputMode();
        ASSERT_TRUE(main->BTN_Calculate->isEnabled()) << panels.back();
        main->BTN_Calculate_Click();
        ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
        grids.push_back(testing::PrintToString(GridTexts()));
        const std::string name = "mode" + std::to_string(i) + ".vpq";
        answers = {{0, work.File(name), name}};
        main->ABR_Main_Click(ToolSaveAs);
        ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    }
    Exit();

    Start();
    for (int i = 0; i < count; ++i) {
        const std::string name = "mode" + std::to_string(i) + ".vpq";
        answers = {{0, work.File(name), name}};
        main->ABR_Main_Click(ToolOpen);
        ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
        EXPECT_EQ(main->windowTitle().toStdString(), ProgramTitle + " - " + name);
        EXPECT_EQ(test::PanelSnapshot(*main), panels[static_cast<std::size_t>(i)]);
        ui->mode = main->GetInputMode();
        main->BTN_Calculate_Click();
        EXPECT_EQ(testing::PrintToString(GridTexts()), grids[static_cast<std::size_t>(i)]) << name;
    }

    // Unit defaults set through the dialog.
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<UnitPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        form->ChooseFamily(PressureFamily);
        const auto bar = form->LST_UnitsUsed->findItems("bar", Qt::MatchExactly);
        ASSERT_EQ(bar.size(), 1);
        form->LST_UnitsUsed->setCurrentItem(bar[0], QItemSelectionModel::NoUpdate);
        form->BTN_SetPreferred_Click();
        form->TXT_AtmosphericPressure->setText("14.5");
        form->CMB_AtmosphericPressureUnits->setCurrentIndex(form->CMB_AtmosphericPressureUnits->findText("psia"));
        ui->answers = {Answer::Yes};
        form->BTN_SetAsDefault->click();
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolUnitPreferences);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    Exit();

    Start();
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "bar");
    EXPECT_EQ(UnitPrefs.AtmosphericPressure, 14.5);
    EXPECT_EQ(UnitPrefs.AtmosphericPressureUnits, "psia");
    std::string shown;
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<UnitPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        shown = form->TXT_AtmosphericPressure->text().toStdString() + " " +
                form->CMB_AtmosphericPressureUnits->currentText().toStdString();
    });
    main->ABR_Main_Click(ToolUnitPreferences);
    EXPECT_EQ(shown, "14.5 psia");
    Exit();
}

TEST_F(SessionFlow, NewPutsTheUnitPreferencesBackAsOneWhole)
{
    Start();
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<UnitPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        form->OPT_UnitSystem[2]->click(); // SI
        form->BTN_SetCustomUnits->click();
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolUnitPreferences);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    ASSERT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "MPa");

    ui->answers = {Answer::No};
    main->ABR_Main_Click(ToolNew);
    EXPECT_EQ(UnitPrefs.PreferredUnits[PressureFamily], "psia");
    EXPECT_EQ(main->CMB_State1Units->currentText().toStdString(), "psia");
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<UnitPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_OK->click();
        EXPECT_FALSE(form->isVisible()) << "OK on an unchanged dialog";
    });
    main->ABR_Main_Click(ToolUnitPreferences);
    EXPECT_TRUE(ui->messages.empty()) << ui->LastMessage();
    Exit();
}

TEST_F(SessionFlow, SettingsItemsThatAreNotValidValuesKeepTheirDefaultsAndAreNamedOnceAtStartUp)
{
    const std::string settings = config.File("Thermix2.ini");
    test::WriteFileBytes(settings, "VAPOQUANT INI FILE\r\n"
                                   "[Printer Font]\r\nName= Serif\r\nSize= 12\r\nItalic= 32768\r\nBold= False\r\n \r\n"
                                   "[Toolbar]\r\nToolbarsTextStyle= 1.0\r\nTHERMIX PRINT=720,720,720,720,1,32768\r\n \r\n"
                                   "[Property Database]\r\nProperty Database= 1.0\r\n"
                                   "[Output Preferences]\r\nMagnitude Limit= 99\r\n");
    EXPECT_EQ(StartAndReadMessageBoxes(),
              std::vector<std::string>{"The following items of " + settings +
                                       " are not valid values and were skipped:\r\n\r\n      Italic, "
                                       "ToolbarsTextStyle, THERMIX PRINT, Property Database, Magnitude Limit"});
    EXPECT_TRUE(UseIF97);
    EXPECT_EQ(main->ToolbarsTextStyle(), 0);
    EXPECT_EQ(CurrentMainWindowHost().GetPageSettings(), (PageSettings{720, 720, 720, 720, 1, 0}));
    Exit();
}

TEST_F(SessionFlow, DocumentBringsItsDatabase)
{
    Start();
    main->ABR_Main_Click(ToolPropertyNBS);
    main->TXT_State1->setText("100");
    main->TXT_State2->setText("400");
    const std::string path = work.File("nbs.vpq");
    answers = {{0, path, "nbs.vpq"}, {0, path, "nbs.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    main->ABR_Main_Click(ToolPropertyIF97);
    main->ABR_Main_Click(ToolNew);
    CalculateSinglePoint();
    ui->answers = {Answer::No};
    main->ABR_Main_Click(ToolOpen);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->TXT_State1->text().toStdString(), "100");
    EXPECT_FALSE(UseIF97);
    EXPECT_EQ(main->LBL_PropertySourceName->text().toStdString(), "NBS Steam Tables (1984)");
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0) << "no results of the document before";
    EXPECT_FALSE(main->IsToolEnabled(ToolPrint));
    Exit();
}

TEST_F(SessionFlow, TextExportAndPdfHoldTheResults)
{
    Start();
    CalculateSinglePoint();
    const std::string file = work.File("out.txt");
    answers = {{0, file, "out.txt"}};
    std::string title;
    OnModal([&](QDialog* dialog) {
        title = dialog->windowTitle().toStdString();
        auto* form = qobject_cast<PrintFormatForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolExportOutput);
    EXPECT_EQ(title, "Export Output");
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    const std::string text = test::ReadFileBytes(file);
    for (const char* part : {"Pressure = 1 MPa", "Temperature = 200 deg. C", "145.038", "392.000"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;

    const std::string pdf = work.File("out.pdf");
    answers = {{0, pdf, "out.pdf"}};
    main->ABR_Main_Click(ToolCreatePdf);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    const std::string pdfText = work.File("pdf.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + pdfText + "'").c_str()), 0);
    const std::string printed = test::ReadFileBytes(pdfText);
    for (const char* line : {"Pressure = 1 MPa", "Temperature = 200 deg. C", "145.038", "Sat. Pressure (psia)"})
        EXPECT_NE(printed.find(line), std::string::npos) << line << "\n" << printed;
    Exit();
}

TEST_F(SessionFlow, ExportTakesTheExtensionOfTheChosenType)
{
    Start();
    CalculateSinglePoint();
    SetFileDialogHandler({}); // the real file dialog
    std::function<void()> answerFileDialog = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return QTimer::singleShot(0, answerFileDialog);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!types || !name) {
            ADD_FAILURE() << "not the widget file dialog";
            return dialog->reject();
        }
        QTest::keyClick(types, Qt::Key_C); // "CSV (*.csv)"
        EXPECT_EQ(dialog->selectedNameFilter().toStdString(), "CSV (*.csv)");
        dialog->setDirectory(QString::fromStdString(work.Path().string()));
        QTest::keyClicks(name, "range_en");
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        ASSERT_TRUE(buttons);
        buttons->button(QDialogButtonBox::Save)->click();
    };
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<PrintFormatForm*>(dialog);
        ASSERT_TRUE(form);
        QTimer::singleShot(0, answerFileDialog);
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolExportOutput);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_TRUE(std::filesystem::exists(work.File("range_en.csv")));
    EXPECT_FALSE(std::filesystem::exists(work.File("range_en.txt")));
    Exit();
}

// The part of an export under a heading as Python's csv module reads it: a line per
// row, its fields joined by "|"; a two-blank separator reads as two one-blank separators.
std::string CsvReaderRows(const std::string& file, const std::string& mode, const std::string& folder,
                          const std::string& heading = "Results")
{
    const std::string script = folder + "/read_csv.py";
    std::ofstream(script) << "import csv, sys\n"
                             "lines = open(sys.argv[1], encoding='utf-8', newline='').read().split('\\r\\n')\n"
                             "mode = sys.argv[2]\n"
                             "delimiter = {'comma': ',', 'space': ' ', 'double': ' ', 'tab': '\\t'}[mode]\n"
                             "rows = ['|'.join(fields) for fields in csv.reader(lines, delimiter=delimiter)]\n"
                             "start = rows.index(sys.argv[3]) + 2\n"
                             "for fields in csv.reader(lines[start:rows.index('', start)], delimiter=delimiter):\n"
                             "    if mode == 'double':\n"
                             "        fields = fields[0::2] if not any(fields[1::2]) else ['uneven']\n"
                             "    print('|'.join(fields))\n";
    std::string out;
    if (FILE* pipe = ::popen(("python3 '" + script + "' '" + file + "' " + mode + " '" + heading + "'").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

TEST_F(SessionFlow, ExportsReadBackAsCsvInEveryFormat)
{
    for (const QLocale& settings : {QLocale(QLocale::English, QLocale::UnitedStates),
                                    QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(settings);
        Start();
        CalculateSinglePoint();
        main->TXT_State1->setText(settings.toString(1.5)); // a decimal comma in German
        main->BTN_Calculate_Click();
        const GridModel& grid = main->GRD_Output->Model();
        std::string expected;
        for (int r = 0; r < grid.Rows(); ++r)
            for (int c = 0; c < grid.Cols(); ++c)
                expected += ReplaceLineBreaks(grid.TextMatrix(r, c)) + (c + 1 < grid.Cols() ? "|" : "\n");
        const char* modes[] = {"comma", "space", "double", "tab"};
        for (int option = 0; option < 4; ++option) {
            for (const bool quotes : {false, true}) {
                const std::string file = work.File("out.txt");
                answers = {{0, file, "out.txt"}};
                OnModal([&](QDialog* dialog) {
                    auto* form = qobject_cast<PrintFormatForm*>(dialog);
                    ASSERT_TRUE(form);
                    form->OPT_Format[static_cast<std::size_t>(option)]->setChecked(true);
                    form->CHK_Quotes->setChecked(quotes);
                    form->BTN_OK->click();
                });
                main->ABR_Main_Click(ToolExportOutput);
                ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
                const std::string format = settings.name().toStdString() + " " + modes[option] + (quotes ? " quoted" : "");
                EXPECT_EQ(CsvReaderRows(file, modes[option], work.Path().string()), expected) << format;
                // Each information line is one field, as written (but for the clock).
                int count = 0;
                std::vector<std::string> header;
                WriteOutputHeader(count, header);
                std::string information;
                for (const std::string& line : header)
                    information += line + "\n";
                const std::string read = CsvReaderRows(file, modes[option], work.Path().string(), "Input Data");
                const std::string dated = "Calculation performed on: ";
                if (read.rfind(dated, 0) != 0) {
                    ADD_FAILURE() << format << "\n" << read;
                    continue;
                }
                EXPECT_EQ(read.substr(read.find('\n')), information.substr(information.find('\n'))) << format;
                EXPECT_EQ(read.substr(0, read.find('\n')).find('|'), std::string::npos) << format;
            }
        }
        Exit();
    }
}

TEST_F(SessionFlow, MissingRecentFileThenSavedOutput)
{
    Start();
    CalculateSinglePoint();
    const std::string path = work.File("gone.vpq");
    answers = {{0, path, "gone.vpq"}};
    main->ABR_Main_Click(ToolSaveAs);
    std::filesystem::remove(path);
    main->ABR_Main_Click(ToolRecentFile1);
    ASSERT_EQ(ui->messages.size(), 1u);
    EXPECT_EQ(ui->messages[0].text, "The following file does not exist:\r\n\r\n" + path);
    EXPECT_EQ(main->TXT_State1->text().toStdString(), "1") << "the open document stays";
    ui->Clear();
    CalculateSinglePoint();
    const std::string out = work.File("out.rpt");
    answers = {{0, out, "out.rpt"}};
    OnModal([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle().toStdString(), "Save Output");
        auto* form = qobject_cast<PrintFormatForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_OK->click();
    });
    main->ABR_Main_Click(ToolSaveOutput);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(requests.back().fileName, "gone.out");
    const std::string report = test::ReadFileBytes(out);
    for (const char* part : {"*** Input Data ***", "Input File: " , "*** Results ***", "Sat. Pressure  (psia)    225.486"})
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
    Exit();
}

TEST_F(SessionFlow, SaveOutputOfANewDocumentAsksForItsOwnFile)
{
    Start();
    const auto pressOk = [](QDialog* dialog) {
        auto* form = qobject_cast<PrintFormatForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_OK->click();
    };
    CalculateSinglePoint();
    const std::string out = work.File("a.out");
    answers = {{0, work.File("a.vpq"), "a.vpq"}, {0, out, "a.out"}};
    main->ABR_Main_Click(ToolSaveAs);
    OnModal(pressOk);
    main->ABR_Main_Click(ToolSaveOutput);
    const std::string first = test::ReadFileBytes(out);
    ASSERT_NE(first.find("a.vpq"), std::string::npos);

    ui->answers = {Answer::No};
    main->ABR_Main_Click(ToolNew);
    CalculateSinglePoint();
    requests.clear();
    const std::string second = work.File("b.out");
    answers = {{0, second, "b.out"}};
    OnModal(pressOk);
    main->ABR_Main_Click(ToolSaveOutput);
    ASSERT_EQ(requests.size(), 1u) << "a new document has no output file yet";
    EXPECT_EQ(requests[0].fileName, "*.out");
    EXPECT_EQ(test::ReadFileBytes(out), first);
    EXPECT_NE(test::ReadFileBytes(second).find("\r\nInput File: Untitled\r\n"), std::string::npos);
    Exit();
}

TEST_F(SessionFlow, ExitAsksToSaveAndACancelledSaveKeepsTheProgram)
{
    Start();
    CalculateSinglePoint();
    ui->answers = {Answer::Yes};
    main->ABR_Main_Click(ToolExit); // Save As cancelled
    QApplication::processEvents();
    EXPECT_EQ(ends, 0);
    ASSERT_TRUE(main && main->isVisible());
    ASSERT_EQ(ui->questions.size(), 1u);
    EXPECT_EQ(ui->questions[0].text, "Save changes to 'Untitled'?");
    const std::string path = work.File("kept.vpq");
    answers = {{0, path, "kept.vpq"}};
    ui->answers = {Answer::Yes};
    main->ABR_Main_Click(ToolExit);
    QApplication::processEvents();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    ui.reset();
    delete main.data();
    Start();
    EXPECT_EQ(RecentFiles[0], path);
    Exit();
}

// Stands in for the session manager's request to store the user's work.
struct SessionRequestStandIn final : SessionRequest {
    explicit SessionRequestStandIn(bool allows) : allows(allows) {}
    bool AllowsQuestion() override { return allows; }
    void Cancel() override { cancelled = true; }
    bool allows;
    bool cancelled = false;
};

TEST_F(SessionFlow, ALogoutAsksOnlyWhenAllowedCanBeCancelledAndEndsWithoutAskingAgain)
{
    Start();
    CalculateSinglePoint();
    main->ABR_Main_Click(ToolPropertyNBS);
    const std::string settings = config.File("Thermix2.ini");
    const std::string before = test::ReadFileBytes(settings);
    SessionRequestStandIn cancelled(true);
    ui->answers = {Answer::Cancel};
    main->CommitSessionData(cancelled);
    EXPECT_TRUE(cancelled.cancelled);
    ASSERT_EQ(ui->questions.size(), 1u);
    EXPECT_EQ(ui->questions[0].text, "Save changes to 'Untitled'?");
    EXPECT_EQ(test::ReadFileBytes(settings), before) << "a cancelled logout changes nothing";

    SessionRequestStandIn checkpoint(false);
    main->CommitSessionData(checkpoint);
    EXPECT_FALSE(checkpoint.cancelled);
    EXPECT_EQ(ui->questions.size(), 1u) << "no question when none is allowed";
    EXPECT_NE(test::ReadFileBytes(settings).find("Property Database= 1\r\n"), std::string::npos);

    SessionRequestStandIn logout(true);
    ui->answers = {Answer::No};
    main->CommitSessionData(logout);
    EXPECT_FALSE(logout.cancelled);
    EXPECT_EQ(ui->questions.size(), 2u);
    EXPECT_FALSE(DocumentSaved);
    // The session's end closes the program as the platform does.
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    QApplication::processEvents();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(ui->questions.size(), 2u) << "the session's end asks nothing again";
    EXPECT_FALSE(main && main->isVisible());
}

TEST_F(SessionFlow, AChangeAfterACheckpointIsAskedAboutWhenTheSessionEndsTheProgram)
{
    Start();
    SessionRequestStandIn checkpoint(true);
    main->CommitSessionData(checkpoint);
    TypeKeys(main->TXT_State1, "250");
    ui->answers = {Answer::Cancel};
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    QApplication::processEvents();
    ASSERT_EQ(ui->questions.size(), 1u);
    EXPECT_EQ(ui->questions[0].text, "Save changes to 'Untitled'?");
    EXPECT_EQ(ends, 0);
    ASSERT_TRUE(main && main->isVisible());
    Exit();
}

TEST_F(SessionFlow, OutputControlRecalculatesOnlyWhatCanBe)
{
    Start();
    auto okOutput = [&](QDialog* dialog) {
        auto* form = qobject_cast<OutputPreferenceForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_OK->click();
    };
    // Empty or half-filled inputs: no message, no results.
    OnModal(okOutput);
    main->ABR_Main_Click(ToolOutputControl);
    EXPECT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);
    main->TXT_State1->setText("1");
    OnModal(okOutput);
    main->ABR_Main_Click(ToolOutputControl);
    EXPECT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);
    EXPECT_FALSE(main->IsToolEnabled(ToolPrint));

    CalculateSinglePoint();
    const auto first = GridTexts();
    OnModal(okOutput);
    main->ABR_Main_Click(ToolOutputControl);
    EXPECT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_EQ(GridTexts(), first);
    EXPECT_TRUE(main->IsToolEnabled(ToolPrint));
    Exit();
}

TEST_F(SessionFlow, PreviewTakesThePlaceOfTheMainWindow)
{
    Start();
    CalculateSinglePoint();
    OnModal([&](QDialog* dialog) {
        auto* form = qobject_cast<PrintSpecialForm*>(dialog);
        ASSERT_TRUE(form);
        form->BTN_Preview->click();
    });
    main->ABR_Main_Click(ToolPrintPreview);
    QApplication::processEvents();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    QWidget* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<PrinterForm*>(w))
            preview = w;
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle().toStdString(), ProgramTitle + " Print Preview");
    EXPECT_FALSE(main->isVisible());
    UnloadPrinterForm();
    main->show();
    Exit();
}

TEST_F(SessionFlow, NbsDatabaseWithoutItsLibrary)
{
    ResetSteamLibrary();
    SteamLibraryFiles = {work.File("missing.so")};
    Start();
    CalculateSinglePoint();
    main->ABR_Main_Click(ToolPropertyNBS);
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);
    ASSERT_TRUE(main->BTN_Calculate->isEnabled());
    main->BTN_Calculate_Click();
    ASSERT_EQ(ui->messages.size(), 1u);
    EXPECT_NE(ui->messages[0].text.find("could not be loaded"), std::string::npos);
    EXPECT_EQ(main->GRD_Output->Model().Rows(), 0);
    EXPECT_FALSE(main->IsToolEnabled(ToolPrint));
    Exit();
    Start();
    EXPECT_FALSE(UseIF97) << "the database choice is kept";
    EXPECT_EQ(main->LBL_PropertySourceName->text().toStdString(), "NBS Steam Tables (1984)");
    Exit();
}

TEST_F(SessionFlow, PrintedTablesHoldEveryRowOfTwoLineLabels)
{
    Start();
    SetOutputControl([](OutputPreferenceForm* form) {
        form->LST_UnusedParameters->selectAll();
        form->BTN_AddParam->click();
        form->CHK_WrapHeaders[0]->setChecked(true);
    });
    main->TXT_State1->setText("1");
    ChooseUnit(main->CMB_State1Units, "MPa");
    main->TXT_State2->setText("100");
    ChooseUnit(main->CMB_State2Units, "deg. C");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    const GridModel& grid = main->GRD_Output->Model();
    ASSERT_GT(grid.Rows(), 20);

    const std::string printed = CreatePdfText("all.pdf");
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    for (int r = 1; r < grid.Rows(); ++r) {
        const std::string label = grid.TextMatrix(r, 0);
        EXPECT_NE(printed.find(label.substr(0, label.find('\r'))), std::string::npos) << label;
    }
    Exit();
}

TEST_F(SessionFlow, ARefusedRangeKeepsTheHeightsOfItsHeadings)
{
    Start();
    SetOutputControl([](OutputPreferenceForm* form) { form->OPT_RangeRowColOrder[0]->setChecked(true); });
    main->TAB_InputMode->setCurrentIndex(RangeMode);
    ui->mode = RangeMode;
    main->TXT_State1->setText("100");
    main->TXT_State2->setText("300");
    main->TXT_State2End->setText("310");
    main->TXT_State2Inc->setText("5");
    QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    auto heights = [this] {
        std::vector<int> h;
        for (int r = 0; r < main->GRD_Output->Model().Rows(); ++r)
            h.push_back(main->GRD_Output->Model().RowHeight(r));
        return h;
    };
    const std::vector<int> calculated = heights();
    ASSERT_NE(std::find(calculated.begin(), calculated.end(), 480), calculated.end()) << "two-line labels";

    for (auto [start, end, increment] : {std::tuple{"400", "398", "1"}, {"300", "310", "0"}}) {
        main->TXT_State2->setText(start);
        main->TXT_State2End->setText(end);
        main->TXT_State2Inc->setText(increment);
        QTest::mouseClick(main->BTN_Calculate, Qt::LeftButton);
        ASSERT_EQ(ui->messages.size(), 1u) << start << " to " << end;
        ui->messages.clear();
        EXPECT_EQ(heights(), calculated) << start << " to " << end << " by " << increment;
    }
    Exit();
}

TEST_F(SessionFlow, ALongInputLineOfThePrintedReportGoesOnOverTheNextLines)
{
    Start();
    CalculateSinglePoint();
    std::string folder = work.Path();
    for (int i = 0; i < 4; ++i)
        folder += "/project-steam-tables-plant-" + std::to_string(i);
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/boiler-feedwater-heater-calculation.vpq";
    answers = {{0, path, "boiler-feedwater-heater-calculation.vpq"}};
    main->ABR_Main->Action(ToolSaveAs)->trigger();
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();

    auto squeezed = [](std::string text) {
        std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
        return text;
    };
    const std::string printed = CreatePdfText("long.pdf");
    ASSERT_TRUE(ui->messages.empty()) << ui->LastMessage();
    EXPECT_NE(squeezed(printed).find(squeezed("Input File: " + path)), std::string::npos) << printed;
    Exit();
}

} // namespace
} // namespace vq
