// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sound/QtSoundDevice.h"
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundDevice::QtSoundDevice() : m_output(QMediaDevices::defaultAudioOutput()) {}

QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open(const QString& fileName) {
    close();
    const QFileInfo file(fileName);
    // Without an output or a file there is nothing to load; trying would only log errors.
    if (!hasOutput() || !file.isFile()) return false;
    m_effect = std::make_unique<QSoundEffect>(m_output);
    m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return true;
}

void QtSoundDevice::command(const QString& cmd) {
    const QString c = cmd.toLower();
    if (c == QLatin1String("close")) {
        close();
        return;
    }
    if (!m_effect) return;
    // A sound effect has no position to seek: stopping it makes the next play start
    // from the beginning, which is what a rewind is for.
    if (c == QLatin1String("prev") || c == QLatin1String("stop")) m_effect->stop();
    else if (c == QLatin1String("play")) m_effect->play();
}

void QtSoundDevice::close() {
    if (m_effect) m_effect->stop();
    m_effect.reset();
}
