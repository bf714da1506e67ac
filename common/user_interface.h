// The one seam through which the core reaches the user. The program installs a Qt
// implementation at start-up; tests install a recording one. Without either, a quiet
// console implementation answers.
#pragma once

#include <array>
#include <string>

namespace vq {

enum class MessageStyle { Plain, Information, Exclamation, Critical, Question };

enum class Answer { Yes, No, Cancel };

// The two states a saturation search found, as shown to the user.
struct SolutionChoice {
    std::array<double, 2> tsat{};
    std::array<std::string, 2> tsatUnits;
    std::array<double, 2> psat{};
    std::array<std::string, 2> psatUnits;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with the given caption.
    virtual void Message(const std::string& text, MessageStyle style, const std::string& title) = 0;
    virtual void Beep() = 0;
    // Yes/No/Cancel (withCancel) or Yes/No question; Enter gives defaultAnswer.
    virtual Answer Ask(const std::string& text, const std::string& title, bool withCancel,
                       Answer defaultAnswer = Answer::Yes) = 0;
    // Returns 1 or 2.
    virtual int ChooseSolution(const SolutionChoice& choice) = 0;
    virtual void SetBusy(bool busy) = 0;
    // 0 Single Point, 1 Two Points, 2 Range.
    virtual int InputMode() const = 0;
};

// The installed implementation (never null).
UserInterface& CurrentUserInterface();
// Installs ui (not owned); null restores the console implementation.
void InstallUserInterface(UserInterface* ui);

// RAII: shows the busy cursor for its lifetime.
class BusyScope {
public:
    BusyScope() { CurrentUserInterface().SetBusy(true); }
    ~BusyScope() { CurrentUserInterface().SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

} // namespace vq
