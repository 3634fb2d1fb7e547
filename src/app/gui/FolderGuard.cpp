// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gui/FolderGuard.h"
#include "app/LocalSocket.h"
#include <QCryptographicHash>
#include <QFile>

namespace {

constexpr char kRequest[] = "front\n";
constexpr char kAnswer[] = "ok\n";
// The copy that holds the folder may still be starting: its socket comes a moment
// after its lock. Its answer comes from its event loop, which a dialog keeps running.
constexpr int kConnectMs = 3000;
constexpr int kAnswerMs = 3000;

} // namespace

FolderGuard::FolderGuard(const QDir& playerFolder, QObject* parent)
    : QObject(parent), m_folder(playerFolder), m_lock(playerFolder) {}

FolderGuard::~FolderGuard() = default;

QString FolderGuard::SocketName(const QDir& folder) {
    const QByteArray path = QFile::encodeName(folder.canonicalPath());
    return QStringLiteral("zelka-kvadra-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(24));
}

FolderGuard::Claim FolderGuard::claim() {
    switch (m_lock.take()) {
    case FolderLock::State::Held:
    case FolderLock::State::Unavailable:
        return Claim::Held;
    case FolderLock::State::HeldElsewhere:
        break;
    }
    return AskHolderToComeToFront() ? Claim::FirstBroughtToFront : Claim::FirstDoesNotAnswer;
}

bool FolderGuard::AskHolderToComeToFront() {
    return AskOverLocalSocket(SocketName(m_folder), kRequest, kConnectMs, kAnswerMs) == kAnswer;
}

void FolderGuard::serve(std::function<void()> bringToFront) {
    m_bringToFront = std::move(bringToFront);
    m_server = new LocalLineServer(this);
    // A socket left by a copy that was killed is replaced: this copy holds the folder now.
    m_server->listen(SocketName(m_folder), [this](const QByteArray& line) {
        if (line != kRequest) return QByteArray();
        if (m_bringToFront) m_bringToFront();
        return QByteArray(kAnswer);
    });
}
