#include "presentation/Sound.h"
#include "play/GameState.h"
#include "ui/SoundDevice.h"

void PrepareSound(const GameState& s, SoundDevice& device, const QDir& folder) {
    device.command(QStringLiteral("close"));
    if (!s.soundOn) return;
    const char* file = s.gameRunning ? kStepSound : kShuffleSound;
    device.open(folder.filePath(QLatin1String(file)));
}

void hang_kell_Click(GameState& s, SoundDevice& device, const QDir& folder) {
    s.soundOn = !s.soundOn;
    s.panel.hang_kell.checked = s.soundOn;
    PrepareSound(s, device, folder);
}
