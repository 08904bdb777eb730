#pragma once

#include "support/SyntheticInput.h"

// The menus over the real services: one application for the whole test
// program, in a temporary working directory holding the built archives (no
// backdrop plays, so the menus lie in the window's default view). Each
// screen is driven by a script of events handed to it in place of the
// window's queue.

#include "app/Application.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

struct Profile;

namespace menutest {

Application& App();

// The store holds exactly these profiles, saved to "Data/Profiles.txt", and
// the first is the current one.
void SetProfiles(const std::vector<Profile>& profiles);
Profile MakeProfile(const std::string& name, std::uint16_t furthestWorld = 1, std::uint16_t furthestLevel = 1,
                    std::uint32_t equipment = 0);
// The profile names as the file holds them.
std::vector<std::string> StoredProfileNames();

// Lets the sound loader finish, then pins its progress.
void SetLoadingProgress(float progress);

sf::Event Press(sf::Vector2f point, sf::Mouse::Button button = sf::Mouse::Left);
using testsupport::BottomRight;
using testsupport::Centre;
using testsupport::Closed;
using testsupport::Corner;
using testsupport::KeyPress;
using testsupport::TextEntered;

// A screen that reads its events from a script instead of the window.
template <typename Screen>
struct Scripted : Screen {
    template <typename... Args>
    explicit Scripted(Args&&... args) : Screen(std::forward<Args>(args)...)
    {
    }

    // Queues the events for the next steps and runs one step.
    template <typename... Events>
    int Step(Events... queued)
    {
        (events.push_back(queued), ...);
        return this->Update();
    }

    std::deque<sf::Event> events;

protected:
    bool PollEvent(sf::Event& event) override
    {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
};

}  // namespace menutest
