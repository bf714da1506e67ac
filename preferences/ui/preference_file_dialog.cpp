#include "preferences/ui/preference_file_dialog.h"

#include "common/common_dialog_errors.h"
#include "common/messages.h"
#include "platform/file_dialog.h"

namespace vq {

bool ChoosePreferenceFile(QWidget* parent, bool save, const std::string& title, const std::string& filter,
                          std::string& path)
{
    const FileDialogResult chosen = ShowFileDialog(parent, {save, title, filter, "dat", "*.dat"});
    if (chosen.error == CommonDialogCancelError)
        return false;
    if (chosen.error != 0) {
        CurrentUserInterface().Beep();
        ShowMessage(std::string(save ? "The following error occurred while saving to file:"
                                     : "The following error occurred while reading file:") +
                        "\r\n\r\n      " + GetCommonDialogErrorText(chosen.error),
                    MessageExclamation);
        return false;
    }
    path = chosen.path;
    return !path.empty();
}

} // namespace vq
