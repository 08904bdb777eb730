#include "musicgen/Style.h"

#include <array>

namespace musicgen {

namespace {

// name; pans: lead, second lead, counter, chords; gains: lead, counter, chords,
// bass, drums; echo sends: lead, counter; octaves: counter, chords; drum
// weight; echo length (beats) and feedback.
const std::array<StyleSpec, StyleCount> Styles = {{
    // Forest: open and bright; the tune high and in front, the bass light.
    {"Forest", -0.1f, 0.25f, 0.35f, -0.3f, 1.1f, 0.9f, 0.55f, 0.6f, 0.8f, 0.25f, 0.2f, 12, 0, 0.2f, 0.75f, 0.3f},
    // Volcano: driving and dark; heavy kit, chugging chords.
    {"Volcano", 0.1f, -0.2f, -0.35f, 0.3f, 1.0f, 0.7f, 0.9f, 1.0f, 1.0f, 0.15f, 0.1f, 0, 0, 1.0f, 0.5f, 0.25f},
    // Lab: cool and electronic; wide echoes, a drum machine.
    {"Lab", -0.1f, 0.2f, 0.4f, 0.0f, 1.0f, 0.8f, 0.9f, 1.0f, 0.8f, 0.3f, 0.25f, 12, 0, 0.6f, 0.75f, 0.45f},
    // Menu: calm; barely any percussion.
    {"Menu", 0.0f, 0.2f, -0.4f, 0.2f, 1.0f, 0.6f, 0.9f, 0.9f, 0.5f, 0.35f, 0.3f, 12, 0, 0.1f, 1.0f, 0.45f},
    // Victory: a bright march; light in the bass, the brass and bells in front.
    {"Victory", 0.0f, -0.2f, 0.4f, -0.3f, 1.0f, 1.0f, 0.8f, 0.45f, 0.55f, 0.2f, 0.15f, 24, 0, 0.2f, 0.75f, 0.3f},
}};

}  // namespace

const StyleSpec& GetStyle(StyleKind kind)
{
    return Styles[static_cast<std::size_t>(kind)];
}

}  // namespace musicgen
