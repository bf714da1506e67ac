#include "common/messages.h"

#include "common/program_identity.h"

namespace vq {

MessageStyle MessageStyleFromCode(int code)
{
    switch (code & 0x70) {
    case MessageCritical:
        return MessageStyle::Critical;
    case MessageQuestion:
        return MessageStyle::Question;
    case MessageExclamation:
        return MessageStyle::Exclamation;
    case MessageInformation:
        return MessageStyle::Information;
    default:
        return MessageStyle::Plain;
    }
}

void ShowMessage(const std::string& text, int code, bool show)
{
    UserInterface& ui = CurrentUserInterface();
    ui.SetBusy(false);
    if (show)
        ui.Message(text, MessageStyleFromCode(code), ProgramTitle);
}

} // namespace vq
