// A user interface for tests: records what the core says and answers from a script.
#pragma once

#include "common/user_interface.h"

#include <deque>
#include <string>
#include <vector>

namespace vq::test {

struct RecordedMessage {
    std::string text;
    MessageStyle style;
    std::string title;
};

class RecordingUserInterface final : public UserInterface {
public:
    RecordingUserInterface() { InstallUserInterface(this); }
    ~RecordingUserInterface() override { InstallUserInterface(nullptr); }
    RecordingUserInterface(const RecordingUserInterface&) = delete;
    RecordingUserInterface& operator=(const RecordingUserInterface&) = delete;

    void Message(const std::string& text, MessageStyle style, const std::string& title) override
    {
        messages.push_back({text, style, title});
    }
    void Beep() override { ++beeps; }
    Answer Ask(const std::string& text, const std::string& title, bool withCancel, Answer) override
    {
        questions.push_back({text, MessageStyle::Question, title});
        if (answers.empty())
            return withCancel ? Answer::Cancel : Answer::No;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    int ChooseSolution(const SolutionChoice& c) override
    {
        choices.push_back(c);
        return solution;
    }
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    int InputMode() const override { return mode; }

    // The last message text, or "" when none was shown.
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back().text; }
    void Clear()
    {
        messages.clear();
        questions.clear();
        choices.clear();
        busyCalls.clear();
        beeps = 0;
    }

    std::vector<RecordedMessage> messages;
    std::vector<RecordedMessage> questions;
    std::vector<SolutionChoice> choices;
    std::vector<bool> busyCalls;
    std::deque<Answer> answers;
    int beeps = 0;
    int solution = 1;
    int mode = 0;
};

} // namespace vq::test
