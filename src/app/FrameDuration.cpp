#include "app/FrameDuration.h"

const sf::Time FrameDuration = sf::milliseconds(FrameMilliseconds);
