#pragma once

#include <string>

// Watches the error screen's way back: an error that comes straight back
// after it (the same message again before the screen it led to drew a whole
// frame) shows that the way back cannot work, and the error screen must
// offer the way out instead.
class ErrorRecurrence {
public:
    // An error screen is to show `message`: true when that error came
    // straight back.
    bool ComesBack(const std::string& message);
    // The error screen was left by its way back.
    void LeftErrorScreen();
    // A screen drew a whole frame.
    void FrameDrawn();

private:
    std::string shown_;
    bool returning_ = false;  // left the error screen, no whole frame since
};
