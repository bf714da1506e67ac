#include "common/user_interface.h"
#include "recording_user_interface.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(UserInterfaceSeam, RecordingInterfaceIsInstalledForItsLifetime)
{
    UserInterface* before = &CurrentUserInterface();
    {
        test::RecordingUserInterface ui;
        EXPECT_EQ(&CurrentUserInterface(), &ui);
        ui.answers = {Answer::No};
        CurrentUserInterface().Message("hello", MessageStyle::Information, "Title");
        EXPECT_EQ(CurrentUserInterface().Ask("q", "Title", true), Answer::No);
        EXPECT_EQ(CurrentUserInterface().Ask("q", "Title", true), Answer::Cancel) << "unscripted answer cancels";
        {
            BusyScope busy;
        }
        EXPECT_EQ(ui.busyCalls, (std::vector<bool>{true, false}));
        EXPECT_EQ(ui.LastMessage(), "hello");
    }
    EXPECT_EQ(&CurrentUserInterface(), before);
}

} // namespace
} // namespace vq
