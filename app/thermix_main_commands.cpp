// The toolbar-and-menu commands of the main window and its toolbar settings.
#include "app/command_dispatch.h"
#include "app/shell_windows.h"
#include "app/start_form.h"
#include "app/thermix_main.h"
#include "app/thermix_work.h"
#include "app/toolbar_form.h"
#include "files/calculation_defaults.h"
#include "common/common_dialog_errors.h"
#include "common/file_routines.h"
#include "common/main_window_host.h"
#include "common/program_identity.h"
#include "common/search_paths.h"
#include "common/session_state.h"
#include "files/settings_file.h"
#include "app/document_commands.h"
#include "common/ui/help_topic.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "platform/toolbar_control.h"
#include "preferences/ui/output_preference_form.h"
#include "preferences/ui/unit_preference_form.h"
#include "printing/graph_properties_form.h"
#include "printing/print_dialogs.h"
#include "printing/print_job.h"
#include "printing/printer_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include <filesystem>
#include <memory>

namespace vq {
namespace {

std::string SupportText()
{
    return ReadSupportFile(BuildPath("support.fil", PathKindSupport));
}

// Opens a web or mail address; when the desktop cannot, says so with the address.
void OpenLink(const std::string& target)
{
    if (OpenDocument(target, true, false, ""))
        return;
    CurrentUserInterface().Message(
        "The address could not be opened. Copy it into a web browser or mail program:\r\n\r\n" + target,
        MessageStyle::Information, ProgramTitle);
}

// Save Output (2), Save Output As (3) and Export Output (1).
void ShowOutputFileDialog(ThermixMain& main, int formatType)
{
    std::unique_ptr<PrintFormatForm> form;
    {
        // Busy while the dialog loads, not while the user works in it.
        const BusyScope busy;
        form = std::make_unique<PrintFormatForm>(main);
        form->SetFormatType(formatType);
    }
    form->exec();
}

void CreatePdfCommand(ThermixMain& main)
{
    const std::string file = GetExportFileNameByType(&main, 0);
    if (file.empty())
        return;
    BusyScope busy;
    PrinterForm& form = LoadPrinterForm(main);
    form.ExportFileName = file;
    form.SetSendTo(1);
    PrepareDirectPrint(main);
    form.SetPDFProperties();
    RunPrintJob(main);
}

} // namespace

void ThermixMain::SetToolEnabled(int toolId, bool enabled)
{
    toolEnabled_[toolId] = enabled;
    if (ABR_Main)
        ABR_Main->SetToolEnabled(toolId, enabled);
}

bool ThermixMain::IsToolEnabled(int toolId) const
{
    const auto found = toolEnabled_.find(toolId);
    return found != toolEnabled_.end() && found->second;
}

void ThermixMain::SetToolbarsTextStyle(int style)
{
    toolbarsTextStyle_ = style;
    ApplyTextStyle(ABR_Main->Layout(), style);
    ABR_Main->Relayout();
}

void ThermixMain::SetShowTooltipsOnToolbars(int show)
{
    showTooltips_ = show;
    ABR_Main->SetShowTooltips(show != 0);
}

void ThermixMain::SetDockableMainMenu(int value)
{
    dockableMainMenu_ = value;
    ApplyDockableMainMenu(ABR_Main->Layout(), value);
}

std::string ThermixMain::ShippedToolbarFile() const
{
    return PathObjects[InternalToolbarPathEntry] ? PathObjects[InternalToolbarPathEntry]->FileNameAndPath()
                                                 : std::string();
}

void ThermixMain::ChooseToolbarLayout(const std::string& shippedFile, const std::string& userFile,
                                      const std::string& developerFile)
{
    const std::string helpBand = GetBandName(MenuHelpBand);
    const std::int32_t builtInStamp = ABR_Main->Layout().BandToolValue(helpBand, ToolAbout).value_or(0);
    std::string errorText;
    const bool shippedExists = !shippedFile.empty() && FileExists(shippedFile);
    if (!userFile.empty() && FileExists(userFile)) {
        // A user layout that cannot be read is passed over for the shipped one.
        if (!ABR_Main->LoadLayout(userFile, "", errorText)) {
            if (shippedExists)
                ABR_Main->LoadLayout(shippedFile, "", errorText);
        } else if (std::abs(builtInStamp) >
                   std::abs(ABR_Main->Layout().BandToolValue(helpBand, ToolAbout).value_or(0))) {
            if (shippedExists)
                ABR_Main->LoadLayout(shippedFile, "", errorText);
            std::error_code ec;
            std::filesystem::remove(userFile, ec);
        }
    } else if (shippedExists) {
        ABR_Main->LoadLayout(shippedFile, "", errorText);
    }
    if (!TrapErrors && !developerFile.empty() && FileExists(developerFile) &&
        ABR_Main->LoadLayout(developerFile, "", errorText))
        ABR_Main->SetToolVisible(ToolDeveloperMenu, true);
    ABR_Main->AfterLoad();
    ApplyToolStates();
}

void ThermixMain::ApplyToolStates()
{
    // The program's own tool states hold over whatever a layout brought.
    for (const auto& [id, enabled] : toolEnabled_)
        SetToolEnabled(id, enabled);
}

void ThermixMain::ABR_Main_Click(int toolId)
{
    switch (toolId) {
    case ToolNew:
        if (!QuerySaveChanges()) {
            ResetCalculationDefaults();
            NewInputFile();
            DocumentSaved = true;
        }
        break;
    case ToolOpen: ShowOpenDialog(); break;
    case ToolSave: {
        bool cancelled = false;
        SaveInputFile(cancelled);
        break;
    }
    case ToolSaveAs: {
        bool cancelled = false;
        ShowSaveAsDialog(cancelled);
        break;
    }
    case ToolSaveOutput: ShowOutputFileDialog(*this, 2); break;
    case ToolSaveOutputAs: ShowOutputFileDialog(*this, 3); break;
    case ToolExportOutput: ShowOutputFileDialog(*this, 1); break;
    case ToolPrint: ShowPrintDialog(*this); break;
    case ToolPrintPreview: {
        PrintSpecialForm form(*this);
        form.exec();
        break;
    }
    case ToolPrintSetup: ShowPrintSetupDialog(*this); break;
    case ToolExit: ExitCommand(); break;
    case ToolCut:
    case ToolCopy:
    case ToolPaste:
    case ToolDelete: RunEditCommand(toolId); break;
    case ToolOutputControl: ShowOutputPreferences(this); break;
    case ToolUnitPreferences: ShowUnitPreferences(this); break;
    case ToolCreateGraph: ShowGraphProperties(*this); break;
    case ToolCalculator: ShowCalculator(); break;
    case ToolCreatePdf: CreatePdfCommand(*this); break;
    case ToolPrintContent: {
        PrintFormatForm form(*this);
        form.exec();
        break;
    }
    case ToolCustomize:
        ToolbarLayoutChanged = true;
        ABR_Main->Customize();
        break;
    case ToolToolbarOptions: {
        ToolbarForm form(*this);
        form.exec();
        break;
    }
    case ToolPropertyIF97: SelectDatabaseTool(true); break;
    case ToolPropertyNBS: SelectDatabaseTool(false); break;
    case ToolHelpContents: ShowHelpContents(); break;
    case ToolTechnicalSupport: ShowSupportForm(this); break;
    case ToolHomePage: OpenLink(HomePageTarget(SupportText())); break;
    case ToolSupportEmail: OpenLink(SupportEmailTarget(SupportText())); break;
    case ToolLatestRelease: OpenLink(LatestReleaseTarget(AppName)); break;
    case ToolAbout: ShowAboutForm(this); break;
    case ToolTrapErrors:
        TrapErrors = !TrapErrors;
        ABR_Main->SetToolChecked(ToolTrapErrors, TrapErrors);
        break;
    case ToolHideDeveloperMenu:
        ABR_Main->SetToolVisible(ToolDeveloperMenu, false);
        ABR_Main->Relayout();
        break;
    case ToolDefaultToolbar: MNU_DevDefaultToolbar_Click(); break;
    default:
        if (toolId >= ToolRecentFile1 && toolId <= ToolRecentFile4)
            OpenRecentFile(toolId - 1010);
        break;
    }
}

void ThermixMain::ExitCommand()
{
    if (ExitProgram(false))
        return;
    closingByProgram_ = true;
    close();
    EndProgram();
}

void ThermixMain::SelectDatabaseTool(bool useIF97)
{
    ABR_Main->SetToolChecked(ToolPropertyIF97, useIF97);
    ABR_Main->SetToolChecked(ToolPropertyNBS, !useIF97);
    LBL_PropertySourceName->setText(QString::fromStdString(useIF97 ? IF97DatabaseCaption : NBSDatabaseCaption));
    ClearOutput();
    UseIF97 = useIF97;
}

void ThermixMain::RunEditCommand(int toolId)
{
    QWidget* active = focusWidget();
    auto* box = qobject_cast<QLineEdit*>(active);
    if (!box) {
        if (toolId == ToolCopy && active == GRD_Output)
            OutputEditCopy();
        else
            CurrentUserInterface().Beep();
        return;
    }
    const TextEditCommand command = toolId == ToolCut    ? TextEditCommand::Cut
                                    : toolId == ToolCopy ? TextEditCommand::Copy
                                    : toolId == ToolPaste ? TextEditCommand::Paste
                                                          : TextEditCommand::Delete;
    const QString text = box->text();
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int length = box->hasSelectedText() ? static_cast<int>(box->selectedText().size()) : 0;
    // Positions in characters, not UTF-16 units.
    const int startChars = static_cast<int>(text.left(start).toStdU32String().size());
    const int lengthChars = static_cast<int>(text.mid(start, length).toStdU32String().size());
    QClipboard* clipboard = QApplication::clipboard();
    const TextEditResult result = ApplyTextEdit(text.toStdU32String(), startChars, lengthChars, command,
                                                clipboard->text().toStdU32String());
    if (result.clipboardChanged) {
        clipboard->clear();
        clipboard->setText(QString::fromStdString(result.clipboard));
    }
    if (result.textChanged)
        box->setText(QString::fromStdString(result.text));
}

void ThermixMain::OutputEditCopy()
{
    if (focusWidget() != GRD_Output || !GRD_Output->Model().HasSelection())
        return;
    const GridModel& grid = GRD_Output->Model();
    std::string text;
    {
        const BusyScope busy;
        text = GridCopyText(grid, grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel());
    }
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void ThermixMain::ShowHelpContents()
{
    const QString folder = QFileInfo(QString::fromStdString(HelpFilePath)).absolutePath();
    const QString page = QDir(folder).filePath("help/index.html");
    if (!QFileInfo::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page))) {
        CurrentUserInterface().Message("Help is not available: no help pages are installed in " +
                                           QDir(folder).filePath("help").toStdString() + ".",
                                       MessageStyle::Information, ProgramTitle);
    }
}

void ThermixMain::ReloadShippedLayout(const std::string& bandName)
{
    const std::string file = ShippedToolbarFile();
    std::string errorText;
    if (!ABR_Main->LoadLayout(file, bandName, errorText)) {
        CurrentUserInterface().Message(ToolbarResetFailedMessage(file), MessageStyle::Information, ProgramTitle);
        return;
    }
    ApplyToolStates();
}

void ThermixMain::MNU_DevDefaultToolbar_Click()
{
    ReloadShippedLayout("");
}

void ThermixMain::ABR_Main_Reset(const std::string& bandName)
{
    ReloadShippedLayout(bandName);
}

void ThermixMain::ABR_Main_PreCustomizeMenu()
{
    ToolbarLayoutChanged = true;
}

bool ThermixMain::eventFilter(QObject* watched, QEvent* event)
{
    // The platform ends the program at the session's end; after the session manager's
    // request was answered, nothing is asked again unless the document changed since.
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance() && sessionCommitted_ &&
        committedChanges_ == DocumentChanges && !closingByProgram_) {
        EndWithSession();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return MainWindowView::eventFilter(watched, event);
    // The window sees a key before its focused control does, so that no control but a
    // text box keeps a shortcut to itself.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget != nullptr && widget->window() == this && !qobject_cast<QLineEdit*>(focusWidget()) &&
        ABR_Main->KeyDown(key->key(), key->modifiers())) {
        event->accept();
        return true;
    }
    return MainWindowView::eventFilter(watched, event);
}

} // namespace vq
