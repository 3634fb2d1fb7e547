// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A folder on a full disk, for what every writer does when the disk fills while it
// writes. Where the tests may mount a file system (as root on most machines) it is a
// real one: a tmpfs of 256 KiB, filled up by a file beside the folder, so a write
// fails with "no space left" once the last free page is used. Where mounting is
// refused, the process's file size limit makes writes fail the same way part-way (a
// write hook in the kernel: "file too large" after as many bytes as the full disk
// would have taken), and `skipped()` says why the real one could not be used.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class FullDisk {
public:
    static constexpr qint64 kPage = 4096;

    FullDisk() {
        m_root.setAutoRemove(true);
        const QByteArray mountPoint = QFile::encodeName(m_root.path());
        // ZK_TEST_NO_MOUNT tries the other way on a machine that could mount.
        if (qEnvironmentVariableIsSet("ZK_TEST_NO_MOUNT")) {
            m_skipped = "mounting is switched off (ZK_TEST_NO_MOUNT); writes are cut by the file size limit instead";
        } else if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k,mode=0755") == 0) {
            m_mounted = true;
        } else {
            m_skipped = std::string("a real small file system cannot be mounted here (") + std::strerror(errno) +
                        "); writes are cut by the file size limit instead";
        }
        QDir(m_root.path()).mkdir(QStringLiteral("data"));
    }
    ~FullDisk() {
        if (m_mounted) ::umount2(QFile::encodeName(m_root.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool real() const { return m_mounted; }
    // Why the real file system was not used; empty when it was.
    const std::string& skipped() const { return m_skipped; }
    QDir folder() const { return QDir(m_root.path() + QStringLiteral("/data")); }

    // Runs `write` with the disk full: every new page fails. A file that `write` makes
    // longer (`growing`, in the folder) can take the room left in its last page and no
    // more, as on the real disk. Returns what `write` returned.
    template <typename Write> auto WhileFull(Write write, const QString& growing = {}) {
        if (m_mounted) {
            Fill();
            return write();
        }
        const qint64 size = growing.isEmpty() ? 0 : QFileInfo(folder().filePath(growing)).size();
        const qint64 slack = (kPage - size % kPage) % kPage;
        std::signal(SIGXFSZ, SIG_IGN);   // a write past the limit fails instead of ending the process
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit cut = old;
        cut.rlim_cur = static_cast<rlim_t>(size + slack);
        ::setrlimit(RLIMIT_FSIZE, &cut);
        auto result = write();
        ::setrlimit(RLIMIT_FSIZE, &old);
        return result;
    }

    // Frees the disk again (the filler goes).
    void Empty() { QFile::remove(FillerPath()); }

private:
    QString FillerPath() const { return m_root.path() + QStringLiteral("/filler"); }

    void Fill() {
        QFile filler(FillerPath());
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
        const QByteArray page(kPage, '\0');
        while (filler.write(page) == page.size()) {}
        // The last page may have been taken only in part; byte by byte to the brim.
        while (filler.write("", 1) == 1) {}
    }

    QTemporaryDir m_root;
    bool m_mounted = false;
    std::string m_skipped;
};
