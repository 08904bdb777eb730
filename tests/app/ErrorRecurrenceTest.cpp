// When an error comes straight back after the error screen's way back.
#include "app/ErrorRecurrence.h"

#include <gtest/gtest.h>

#include <string>

// Each case is a road through the error screen: a letter shows the error of
// that name, '<' takes the error screen's way back, '|' is a whole frame
// drawn. The last letter's answer is checked.
TEST(ErrorRecurrence, TheSameErrorBeforeAWholeFrameAfterTheWayBackComesBack)
{
    struct Case {
        const char* road;
        bool comesBack;
    } cases[] = {
        {"A", false},
        {"A<A", true},        // the screen led to fails at once
        {"A<|A", false},      // it drew a frame first: a new occasion
        {"A<B", false},       // another error
        {"AA", false},        // shown again without the way back taken
        {"A<B<A", false},     // not the error shown last
        {"A<A<A", true},
        {"A|<|A<A", true},
    };
    for (const Case& c : cases) {
        ErrorRecurrence recurrence;
        bool last = false;
        for (const char* step = c.road; *step; ++step) {
            if (*step == '<')
                recurrence.LeftErrorScreen();
            else if (*step == '|')
                recurrence.FrameDrawn();
            else
                last = recurrence.ComesBack(std::string(1, *step));
        }
        EXPECT_EQ(last, c.comesBack) << c.road;
    }
}
