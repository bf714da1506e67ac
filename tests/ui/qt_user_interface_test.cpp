#include "common/ui/qt_user_interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace vq {
namespace {

// Presses the given button of the next message box that opens.
void AnswerNextBox(QMessageBox::StandardButton button, QString* seenTitle, QString* seenText)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seenTitle = box->windowTitle();
        *seenText = box->text();
        box->button(button)->click();
    });
}

TEST(QtUserInterface, MessageAndQuestionsCarryTitleAndAnswer)
{
    QtUserInterface ui;
    QString title, text;
    AnswerNextBox(QMessageBox::Ok, &title, &text);
    ui.Message("Improper entry", MessageStyle::Exclamation, "Vapoquant");
    EXPECT_EQ(title, "Vapoquant");
    EXPECT_EQ(text, "Improper entry");

    AnswerNextBox(QMessageBox::Cancel, &title, &text);
    EXPECT_EQ(ui.Ask("Save changes?", "Vapoquant", true), Answer::Cancel);
    AnswerNextBox(QMessageBox::Yes, &title, &text);
    EXPECT_EQ(ui.Ask("Save changes?", "Vapoquant", true), Answer::Yes);
    AnswerNextBox(QMessageBox::No, &title, &text);
    EXPECT_EQ(ui.Ask("Replace?", "Vapoquant", false), Answer::No);
}

TEST(QtUserInterface, BusyCursorIsRestoredFully)
{
    QtUserInterface ui;
    ui.SetBusy(true);
    ui.SetBusy(true);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    ui.SetBusy(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtUserInterface, ChoiceAndModeComeFromTheMainWindow)
{
    QtUserInterface ui;
    EXPECT_EQ(ui.ChooseSolution({}), 1);
    EXPECT_EQ(ui.InputMode(), 0);
    ui.SetSolutionChooser([](const SolutionChoice& c) { return c.tsat[1] > c.tsat[0] ? 2 : 1; });
    ui.SetInputModeSource([] { return 2; });
    SolutionChoice c;
    c.tsat = {400.0, 600.0};
    EXPECT_EQ(ui.ChooseSolution(c), 2);
    EXPECT_EQ(ui.InputMode(), 2);
}

} // namespace
} // namespace vq
