#include "MenuTestSupport.h"

#include "app/AudioManager.h"
#include "app/ProfileStore.h"

#include "support/TempDataDir.h"

#include <SFML/System/Lock.hpp>

#include <stdexcept>

namespace menutest {

Application& App()
{
    static testsupport::TempDataDir* directory = nullptr;   // kept until the process ends
    if (!directory) {
        directory = new testsupport::TempDataDir;
        if (directory->CopyBuiltArchives() < 4)
            throw std::runtime_error("the built archives are missing");
    }
    return Application::Instance();
}

void SetProfiles(const std::vector<Profile>& profiles)
{
    ProfileStore& store = *App().profiles;
    store.profiles = profiles;
    store.currentProfile = 0;
    store.SaveProfiles();
}

Profile MakeProfile(const std::string& name, std::uint16_t furthestWorld, std::uint16_t furthestLevel,
                    std::uint32_t equipment)
{
    Profile profile;
    profile.name = name;
    profile.world = 1;
    profile.level = 1;
    profile.furthestWorld = furthestWorld;
    profile.furthestLevel = furthestLevel;
    profile.equipment = equipment;
    return profile;
}

std::vector<std::string> StoredProfileNames()
{
    App();
    ProfileStore reader;
    reader.LoadProfiles();
    std::vector<std::string> names;
    for (const Profile& profile : reader.profiles)
        names.push_back(profile.name);
    return names;
}

void SetLoadingProgress(float progress)
{
    AudioManager& audio = *App().audio;
    audio.thread.wait();
    sf::Lock lock(audio.mutex);
    audio.progress = progress;
}

sf::Event Press(sf::Vector2f point, sf::Mouse::Button button)
{
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = button;
    event.mouseButton.x = static_cast<int>(point.x);
    event.mouseButton.y = static_cast<int>(point.y);
    return event;
}







}  // namespace menutest
