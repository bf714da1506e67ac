#include "common/ui/document_commands.h"

#include "common/document_file.h"
#include "common/main_window_host.h"
#include "common/number_parsing.h"
#include "common/session_state.h"
#include "common/settings_file.h"
#include "common/user_interface.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace vq {

void SaveInputFile(bool& cancelled)
{
    if (ToUpperAscii(TrimBlanks(DocumentName)) != "UNTITLED") {
        const BusyScope busy;
        cancelled = !WriteInputFile(CurrentInputFile);
        return;
    }
    cancelled = !ShowSaveAsDialog(QApplication::activeWindow());
}

bool ShowSaveAsDialog(QWidget* parent)
{
    const QString path = QFileDialog::getSaveFileName(parent, "Save As", QString(),
                                                      "Vapoquant Files (*.vpq);;All Files (*)");
    if (path.isEmpty())
        return false;
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += ".vpq";
    if (!WriteInputFile(target.toStdString()))
        return false;
    CurrentInputFile = target.toStdString();
    DocumentName = QFileInfo(target).fileName().toStdString();
    AddRecentFile();
    RefreshRecentFileMenu();
    WriteLastFilesSection(SettingsFilePath);
    CurrentMainWindowHost().SetMainCaption();
    return true;
}

} // namespace vq
