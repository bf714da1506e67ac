// The main window with a filled results grid, scripted print dialogs and helpers that
// read a written PDF back.
#pragma once

#include "app/thermix_main.h"
#include "common/common_dialog_errors.h"
#include "fake_main_window_host.h"
#include "pdf_text.h"
#include "platform/file_dialog.h"
#include "printing/layout/print_job_logic.h"
#include "printing/print_hand_over.h"
#include "printing/print_job.h"
#include "printing/printer_form.h"
#include "program_tables.h"
#include "recording_user_interface.h"
#include "temp_folder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPrinter>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace vq::test {

class ScriptedPrintDialogs final : public PrintDialogService {
public:
    ScriptedPrintDialogs()
    {
        InstallPrintDialogService(this);
        SetFileDialogHandler([this](const FileDialogRequest& request) {
            saveTitles.push_back(request.title);
            lastFilter = request.filter;
            return FileDialogResult{saveError, saveError == 0 ? saveName : std::string(), {}};
        });
    }
    ~ScriptedPrintDialogs() override
    {
        InstallPrintDialogService(nullptr);
        SetFileDialogHandler(nullptr);
    }
    int Print(QWidget*, QPrinter& printer, const std::string& title) override
    {
        printTitles.push_back(title);
        if (printAction)
            printAction(printer);
        return printError;
    }
    int PrintSetup(QWidget*, QPrinter& printer, const std::string& title) override
    {
        printTitles.push_back(title);
        if (setupAction)
            setupAction(printer);
        return setupError;
    }
    int PageSetup(QWidget*, QPrinter& printer) override
    {
        if (setupAction)
            setupAction(printer);
        return setupError;
    }
    int Font(QWidget*, PrinterFontInfo& font, int smallest, int largest) override
    {
        fontLimits = {smallest, largest};
        if (fontError == 0)
            font = chosenFont;
        return fontError;
    }

    int saveError = 0;
    std::string saveName;
    std::vector<std::string> saveTitles;
    std::string lastFilter;
    int printError = 0;
    std::function<void(QPrinter&)> printAction;
    std::vector<std::string> printTitles;
    int setupError = 0;
    std::function<void(QPrinter&)> setupAction;
    int fontError = 0;
    PrinterFontInfo chosenFont;
    std::pair<int, int> fontLimits{};
};

class PrintUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpProgramTables();
        main = std::make_unique<ThermixMain>();
        FillGrid(4);
    }
    void TearDown() override
    {
        UnloadPrinterForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.reset();
        ResetPrintPageSettings();
        SetHandOverRefusalSource({});
        SetDefaultPaperSource({});
    }

    // A results grid of parameters down the rows and rows - 1 points across.
    void FillGrid(int rows)
    {
        GridModel& grid = main->GRD_Output->Model();
        grid.SetRows(rows);
        grid.SetCols(3);
        grid.SetTextMatrix(0, 0, "Property");
        grid.SetTextMatrix(0, 1, "Point 1");
        grid.SetTextMatrix(0, 2, "Point 2");
        for (int r = 1; r < rows; ++r) {
            grid.SetTextMatrix(r, 0, "Enthalpy " + std::to_string(r));
            grid.SetTextMatrix(r, 1, " 2777.1" + std::to_string(r % 10) + " ");
            grid.SetTextMatrix(r, 2, "N/A");
        }
    }

    RecordingUserInterface ui;
    FakeMainWindowHost host;
    ScriptedPrintDialogs dialogs;
    TempFolder folder;
    std::unique_ptr<ThermixMain> main;
};

} // namespace vq::test
