#include "common/user_interface.h"

#include <iostream>

namespace vq {
namespace {

// Used when no window system is attached: messages go to standard error,
// questions are cancelled and the first solution is taken.
class ConsoleUserInterface final : public UserInterface {
public:
    void Message(const std::string& text, MessageStyle, const std::string& title) override
    {
        std::cerr << title << ": " << text << '\n';
    }
    void Beep() override {}
    Answer Ask(const std::string& text, const std::string& title, bool withCancel, Answer) override
    {
        std::cerr << title << ": " << text << '\n';
        return withCancel ? Answer::Cancel : Answer::No;
    }
    int ChooseSolution(const SolutionChoice&) override { return 1; }
    void SetBusy(bool) override {}
    int InputMode() const override { return 0; }
};

ConsoleUserInterface consoleInterface;
UserInterface* installed = nullptr;

} // namespace

UserInterface& CurrentUserInterface()
{
    return installed ? *installed : consoleInterface;
}

void InstallUserInterface(UserInterface* ui)
{
    installed = ui;
}

} // namespace vq
