#pragma once

#include <cstdint>

// Index into the GameWindow's selected and applied option vectors.
enum OptionSlot : std::uint32_t {
    OptionFullscreen = 0,
    OptionFrameMode = 1,
    OptionAntialiasing = 2,
    OptionEditedBinding = 3,   // the key-binding row being edited (11 = none); not stored
    OptionMusicVolume = 4,
    OptionSoundVolume = 5,
};

constexpr std::uint32_t OptionSlotCount = 6;

// Frame modes (values of the frame-mode choices).
enum FrameMode : std::uint32_t {
    FrameModeFree = 0,      // no limit, no synchronisation
    FrameModeLimit = 1,     // 40 frames a second
    FrameModeVSync = 2,     // vertical synchronisation
};
