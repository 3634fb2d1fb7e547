#include "ui/sound/SoundModule.h"
#include "ui/sound/QtSoundDevice.h"

extern "C" Q_DECL_EXPORT SoundDevice* zkCreateSoundDevice() { return new QtSoundDevice; }
