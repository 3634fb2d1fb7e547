#pragma once
// The services the logic needs from the window system, bundled so they can be
// passed around as one reference and replaced by test doubles.
#include "ui/Clock.h"
#include "ui/EventPump.h"
#include "ui/MessageBox.h"
#include "ui/RandomSource.h"
#include "ui/SoundDevice.h"

struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    Clock& clock;
    RandomSource& random;
    SoundDevice& sound;
    EventPump& events;
};
