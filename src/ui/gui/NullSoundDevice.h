#pragma once
#include "ui/SoundDevice.h"

// A sound device that plays nothing: used where no audio output can be had.
class NullSoundDevice final : public SoundDevice {
public:
    bool open(const QString&) override { return false; }
    void command(const QString&) override {}
};
