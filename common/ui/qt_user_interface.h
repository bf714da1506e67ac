// Qt implementation of the user-interface seam.
#pragma once

#include "common/user_interface.h"

#include <functional>

class QWidget;

namespace vq {

class QtUserInterface final : public UserInterface {
public:
    void Message(const std::string& text, MessageStyle style, const std::string& title) override;
    void Beep() override;
    Answer Ask(const std::string& text, const std::string& title, bool withCancel,
               Answer defaultAnswer = Answer::Yes) override;
    int ChooseSolution(const SolutionChoice& choice) override;
    void SetBusy(bool busy) override;
    int InputMode() const override;

    // The window that owns message boxes (the main window once it exists).
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Supplied by the main window: its two-solution window and its mode tabs.
    void SetSolutionChooser(std::function<int(const SolutionChoice&)> chooser) { chooser_ = std::move(chooser); }
    void SetInputModeSource(std::function<int()> source) { modeSource_ = std::move(source); }

private:
    QWidget* owner_ = nullptr;
    int busyDepth_ = 0;
    std::function<int(const SolutionChoice&)> chooser_;
    std::function<int()> modeSource_;
};

} // namespace vq
