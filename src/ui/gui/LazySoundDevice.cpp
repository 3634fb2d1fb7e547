// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/LazySoundDevice.h"
#include "ui/sound/SoundModule.h"
#include <QFileInfo>
#include <QLibrary>

LazySoundDevice::LazySoundDevice(QStringList modulePaths) : m_modulePaths(std::move(modulePaths)) {}

LazySoundDevice::~LazySoundDevice() = default;

bool LazySoundDevice::open(const QString& fileName) {
    command(QStringLiteral("close"));
    const QFileInfo file(fileName);
    if (!file.isFile()) return false;
    m_file = file.absoluteFilePath();
    return true;
}

void LazySoundDevice::command(const QString& cmd) {
    const bool close = cmd.compare(QLatin1String("close"), Qt::CaseInsensitive) == 0;
    if (close) {
        m_file.clear();
        m_handedOn = false;
    } else if (cmd.compare(QLatin1String("play"), Qt::CaseInsensitive) == 0 && !m_file.isEmpty()) {
        loadModule();
        if (m_device && !m_handedOn) m_handedOn = m_device->open(m_file);
    }
    // Rewinding or stopping a sound that never played has nothing to do.
    if (m_device && (close || m_handedOn)) m_device->command(cmd);
}

// Tried once: a module that is missing stays missing for this run.
void LazySoundDevice::loadModule() {
    if (m_moduleTried) return;
    m_moduleTried = true;
    for (const QString& path : m_modulePaths) {
        QLibrary module(path);   // stays loaded for the rest of the run
        auto create = reinterpret_cast<CreateSoundDevice>(module.resolve(ZK_SOUND_MODULE_ENTRY));
        if (!create) continue;
        m_device.reset(create());
        return;
    }
}
