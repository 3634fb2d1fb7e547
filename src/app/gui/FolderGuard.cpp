// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gui/FolderGuard.h"
#include <QCryptographicHash>
#include <QFile>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

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
    QLocalSocket socket;
    const QDeadlineTimer connecting(kConnectMs);
    for (;;) {
        socket.connectToServer(SocketName(m_folder));
        if (socket.waitForConnected(500)) break;
        if (connecting.hasExpired()) return false;
        QThread::msleep(100);
    }
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kAnswerMs)) return false;
    QByteArray answer;
    const QDeadlineTimer answering(kAnswerMs);
    while (!answer.contains('\n') && socket.waitForReadyRead(int(std::max<qint64>(1, answering.remainingTime()))))
        answer += socket.readAll();
    return answer == kAnswer;
}

void FolderGuard::serve(std::function<void()> bringToFront) {
    m_bringToFront = std::move(bringToFront);
    const QString name = SocketName(m_folder);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that was killed: this copy holds the folder now.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() != kRequest) {
                    socket->disconnectFromServer();
                    return;
                }
                if (m_bringToFront) m_bringToFront();
                socket->write(kAnswer);
                socket->flush();
            });
        }
    });
}
