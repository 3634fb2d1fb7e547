// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A local (Unix-domain) stream socket by name, for one line asked and one line
// answered between two processes of the same user on this machine.
//
// A name without a slash stands for a socket in the temporary folder (QDir::tempPath()),
// where the toolkit's own local sockets are made: a copy of the game from before this
// file and one from after it find each other. The system's socket calls are used
// directly: the toolkit's network library, with the libraries it brings, would be
// loaded at every start for this alone.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QSocketNotifier;

// The path of the socket `name`.
QString LocalSocketPath(const QString& name);

// Connects to the socket `name`, trying again until `connectMs` has passed (the other
// side may still be starting), sends `request` and waits up to `answerMs` for a whole
// line. Returns the line with its '\n', or "" when there was none in time.
QByteArray AskOverLocalSocket(const QString& name, const QByteArray& request, int connectMs, int answerMs);

// Listens on the socket `name`, accessible to this user only, and answers each line a
// client sends with what `answer` returns for it (a line ending in '\n'); "" closes
// the connection instead. A socket file left by a process that ended is replaced.
class LocalLineServer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<QByteArray(const QByteArray& line)>;
    explicit LocalLineServer(QObject* parent = nullptr);
    ~LocalLineServer() override;

    bool listen(const QString& name, Answer answer);

private:
    void acceptAll();
    void readFrom(int fd);
    void closeConnection(int fd);

    int m_fd = -1;
    QString m_path;
    Answer m_answer;
    QSocketNotifier* m_notifier = nullptr;
    struct Connection {
        QSocketNotifier* notifier;
        QByteArray pending;   // what came of a line not yet ended
    };
    std::map<int, Connection> m_connections;
};
