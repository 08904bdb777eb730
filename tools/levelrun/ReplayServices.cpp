#include "levelrun/ReplayServices.h"

#include "app/GameWindow.h"

namespace replay {

namespace {

sf::Event KeyEvent(sf::Event::EventType type, sf::Keyboard::Key key)
{
    sf::Event event;
    event.type = type;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}

}  // namespace

ReplayServices::ReplayServices() : bindings_(GameWindow::DefaultKeyBindings()) {}

void ReplayServices::Hold(HeldKeys keys)
{
    events_.clear();
    const HeldKeys released = static_cast<HeldKeys>(held_ & ~keys);
    const HeldKeys pressed = static_cast<HeldKeys>(keys & ~held_);
    for (std::uint32_t action = 0; action < ActionCount; ++action)
        if (released & Bit(action))
            events_.push_back(KeyEvent(sf::Event::KeyReleased, KeyForAction(static_cast<KeyAction>(action))));
    for (std::uint32_t action = 0; action < ActionCount; ++action)
        if (pressed & Bit(action))
            events_.push_back(KeyEvent(sf::Event::KeyPressed, KeyForAction(static_cast<KeyAction>(action))));
    held_ = keys;
}

void ReplayServices::Assume(HeldKeys keys)
{
    events_.clear();
    held_ = keys;
}

bool ReplayServices::PollEvent(sf::Event& event)
{
    if (events_.empty())
        return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

bool ReplayServices::IsKeyHeld(sf::Keyboard::Key key) const
{
    const KeyAction action = ActionForKey(key);
    return action < ActionCount && (held_ & Bit(action)) != 0;
}

KeyAction ReplayServices::ActionForKey(sf::Keyboard::Key key) const
{
    return BoundAction(bindings_, key);
}

sf::Keyboard::Key ReplayServices::KeyForAction(KeyAction action) const
{
    return BoundKey(bindings_, action);
}

}  // namespace replay
