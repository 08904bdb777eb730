#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"
#include "sfxt/TextButton.h"
#include "sfxt/TextEntryField.h"

#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <vector>

// What a click on a profile does and what the screen shows.
using ProfileSelectionMode = int;
enum : ProfileSelectionMode {
    ProfileModeChoose = 0,         // a profile click chooses it
    ProfileModeNew = 1,            // the name field takes typed characters
    ProfileModeDeletePick = 2,     // a profile click marks it for deletion
    ProfileModeDeleteConfirm = 3,  // one is marked; the confirm button deletes it
};

// The choice of the profile to play with, the making of a new profile by
// typing its name, and the deletion of one after a confirmation. The list
// is read from "Data/Profiles.txt" each time the screen opens.
class ProfileSelection : public Surface {
public:
    static constexpr float ListTop = 460;
    static constexpr float ListSpacing = 38;

    ProfileSelection();

    int Update() override;
    void Draw() override;

    void HandleTextEntered(std::uint32_t code);
    void CreateProfile();
    void RebuildList();

    Title title;
    // Back, new, delete.
    std::vector<sfxt::Button> buttons;
    std::vector<sfxt::TextButton> profileButtons;
    TextEntryField entryField;
    std::uint32_t blinkCounter = 0;
    sfxt::Button confirmButton;
    ProfileSelectionMode mode = ProfileModeChoose;

protected:
    // Where the events come from: the input window's queue.
    virtual bool PollEvent(sf::Event& event);

private:
    // One event of the step; StateStay lets polling go on.
    StateId HandleEvent(const sf::Event& event);
    // The result of a left click; StateStay lets polling go on.
    int HandleClick(sf::Vector2f point);
};
