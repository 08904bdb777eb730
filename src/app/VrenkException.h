#pragma once

#include <string>

// The base of the game's own exceptions: conditions the game reports, logs and
// shows on the error screen. It deliberately has no base class, so a handler
// for std::exception does not catch it.
class VrenkException {
public:
    VrenkException(std::string message, std::string secondText, bool recoverable)
        : message_(std::move(message)), secondText_(std::move(secondText)), recoverable_(recoverable)
    {
    }
    virtual ~VrenkException() = default;

    // The text that is logged and shown to the player.
    const std::string& GetMessage() const { return message_; }
    // A classification: for resource load failures the kind of resource.
    const std::string& GetSecondText() const { return secondText_; }
    // Whether the game can go on after the error.
    bool IsRecoverable() const { return recoverable_; }

private:
    std::string message_;
    std::string secondText_;
    bool recoverable_;
};
