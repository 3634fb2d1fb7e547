// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One line asked and one answered over a local socket: the server answers only whole
// lines it knows, drops a client that sends anything else, is this user's only, and
// takes the place of a socket file left behind.
#include "app/LocalSocket.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct App {
    int argc = 1;
    char name[9] = "test_app";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};   // the server answers from the event loop
};

// Asks on another thread while this one runs the server's event loop.
QByteArray Ask(const QString& name, const QByteArray& request, int connectMs = 2000, int answerMs = 500) {
    auto asked = std::async(std::launch::async, [=] { return AskOverLocalSocket(name, request, connectMs, answerMs); });
    while (asked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return asked.get();
}

LocalLineServer::Answer FrontAnswer(int& asked) {
    return [&asked](const QByteArray& line) {
        if (line != "front\n") return QByteArray();
        ++asked;
        return QByteArray("ok\n");
    };
}

TEST(LocalSocket, TheServerAnswersTheLinesItKnowsAndDropsAnythingElse) {
    App app;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sock"));
    int asked = 0;
    LocalLineServer server;
    ASSERT_TRUE(server.listen(name, FrontAnswer(asked)));

    const struct {
        QByteArray request;
        QByteArray answer;
    } cases[] = {
        {"front\n", "ok\n"},
        {"back\n", ""},                    // a line it does not know
        {"front", ""},                     // never ended: no answer in time
        {QByteArray(1000, 'x'), ""},       // too long to be a line of ours
        {"\n", ""},
    };
    int expected = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(Ask(name, c.request), c.answer) << c.request.left(20).toStdString();
        expected += int(c.answer.count('\n'));
    }
    EXPECT_EQ(asked, expected);
    // Still answering after the clients it dropped.
    EXPECT_EQ(Ask(name, "front\n"), "ok\n");
}

TEST(LocalSocket, TheSocketIsThisUsersOnlyReplacesALeftOneAndGoesWithTheServer) {
    App app;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("sock"));
    const QByteArray path = QFile::encodeName(name);
    // A socket file left by a server that ended.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    EXPECT_EQ(Ask(name, "front\n", 300), "") << "nobody listens on a socket left behind";

    int asked = 0;
    {
        LocalLineServer server;
        ASSERT_TRUE(server.listen(name, FrontAnswer(asked)));
        struct stat info {};
        ASSERT_EQ(::stat(path.constData(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, unsigned(S_IRUSR | S_IWUSR));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("sock")}) << "the folder it was made in is gone";
        EXPECT_EQ(Ask(name, "front\n"), "ok\n");
    }
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_EQ(asked, 1);
}

TEST(LocalSocket, ANameWithoutAFolderIsASocketInTheTemporaryFolder) {
    EXPECT_EQ(LocalSocketPath(QStringLiteral("zelka-kvadra-abc")),
              QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/zelka-kvadra-abc"));
    EXPECT_EQ(LocalSocketPath(QStringLiteral("/run/x")), QStringLiteral("/run/x"));
    // A path too long for a socket address is refused at once, never cut.
    LocalLineServer server;
    EXPECT_FALSE(server.listen(QStringLiteral("/tmp/") + QString(200, QLatin1Char('x')), {}));
}

} // namespace
