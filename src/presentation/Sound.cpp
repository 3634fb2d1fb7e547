#include "presentation/Sound.h"
#include "play/GameState.h"
#include "ui/SoundDevice.h"

void PrepareSound(const GameState& s, SoundDevice& device, const GameFolders& folders) {
    device.command(QStringLiteral("close"));
    if (!s.soundOn) return;
    const char* file = s.gameRunning ? kStepSound : kShuffleSound;
    device.open(folders.shippedFile(QLatin1String(file)));
}

void hang_kell_Click(GameState& s, SoundDevice& device, const GameFolders& folders) {
    s.soundOn = !s.soundOn;
    s.panel.hang_kell.checked = s.soundOn;
    PrepareSound(s, device, folders);
}
