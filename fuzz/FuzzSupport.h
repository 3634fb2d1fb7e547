// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the fuzz targets share: the input as bytes, a scratch folder for the targets
// that work on real files, a platform that answers every question quietly, and a
// check that names the property that failed before it stops the run.
#include "ui/Platform.h"
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace fuzz {

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Targets that do one of several things read the first byte as which, the rest as the file.
struct SteeredInput {
    quint8 control = 0;
    QByteArray file;
};
inline std::optional<SteeredInput> Steered(const uint8_t* data, size_t size) {
    if (size < 1) return std::nullopt;
    return SteeredInput{data[0], Bytes(data + 1, size - 1)};
}

// Stops the run when a property does not hold; libFuzzer keeps the input that did it.
inline void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// One empty folder per run of the target, emptied again for every input.
inline QDir EmptyFolder() {
    static QTemporaryDir root;   // lives as long as the fuzzing process
    QDir folder(root.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
    return folder;
}

inline void WriteFile(const QDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "the scratch folder takes the input file");
}

// An emptied folder holding just the file `name` with `bytes`.
inline QDir FolderHolding(const QString& name, const QByteArray& bytes) {
    const QDir folder = EmptyFolder();
    WriteFile(folder, name, bytes);
    return folder;
}

// The file's bytes; `exists` (optional) tells whether there was a file at all.
inline QByteArray ReadFile(const QDir& folder, const QString& name, bool* exists = nullptr) {
    QFile file(folder.filePath(name));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (exists) *exists = opened;
    return opened ? file.readAll() : QByteArray();
}

// Draws from a fixed sequence, so a finding reproduces exactly.
class SteadyRandom final : public RandomSource {
public:
    double Rnd() override {
        m_n += 0.618034;
        m_n -= static_cast<int>(m_n);
        return m_n;
    }

private:
    double m_n = 0;
};

// Every box is answered with Yes (or OK) at once, nothing waits, nothing sounds.
class QuietPlatform {
public:
    Platform& get() { return m_platform; }
    // Where its draws have got to (a target that runs a step once for all inputs sets
    // each input's platform to where that step left it).
    SteadyRandom& random() { return m_random; }

private:
    struct Boxes final : MessageBox, InputBox {
        MsgAnswer show(const MessageRequest& request) override {
            return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
        }
        QString ask(const QString&, const QString&, const QString&) override { return {}; }
    };
    struct FixedClock final : Clock {
        QDateTime now() const override { return QDateTime(QDate(2024, 5, 17), QTime(10, 20, 30)); }
        qint64 monotonicMs() const override { return 0; }
    };
    struct Silence final : SoundDevice, EventPump {
        bool open(const QString&) override { return false; }
        void command(const QString&) override {}
        void wait(double) override {}
    };
    Boxes m_boxes;
    FixedClock m_clock;
    SteadyRandom m_random;
    Silence m_silence;
    Platform m_platform{m_boxes, m_boxes, m_clock, m_random, m_silence, m_silence};
};

} // namespace fuzz
