#include "app/thermix_work.h"

#include "common/ui/document_commands.h"
#include "common/program_identity.h"
#include "common/session_state.h"
#include "common/settings_file.h"
#include "common/user_interface.h"

namespace vq {

bool QuerySaveChanges()
{
    if (DocumentSaved)
        return false;
    UserInterface& ui = CurrentUserInterface();
    switch (ui.Ask("Save changes to '" + DocumentName + "'?", ProgramTitle, true)) {
    case Answer::Cancel: return true;
    case Answer::No: return false;
    case Answer::Yes: break;
    }
    bool cancelled = false;
    SaveInputFile(cancelled);
    return cancelled;
}

bool ExitProgram(bool force)
{
    if (!force && QuerySaveChanges())
        return true;
    const BusyScope busy;
    WriteLastFilesSection(SettingsFilePath);
    WriteToolbarSection(SettingsFilePath, CustomToolbarFile);
    WritePropertyDatabaseSection(SettingsFilePath);
    return false;
}

} // namespace vq
