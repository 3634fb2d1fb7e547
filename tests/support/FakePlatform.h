// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test doubles for the platform services: scripted answers, a settable clock, a
// scripted or seeded random source, and a sound device that records its commands.
#include "ui/Platform.h"
#include <QStringList>
#include <deque>
#include <functional>
#include <random>
#include <vector>

class FakeMessageBox final : public MessageBox {
public:
    MsgAnswer show(const MessageRequest& request) override {
        shown.push_back(request);
        if (whileShown) whileShown(request);
        if (answers.empty()) return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<MsgAnswer> answers;      // scripted answers, Yes/Ok when exhausted
    std::vector<MessageRequest> shown;  // every box raised, in order
    // Runs while a box is up, as the events a real modal box lets through.
    std::function<void(const MessageRequest&)> whileShown;
};

class FakeInputBox final : public InputBox {
public:
    QString ask(const QString& prompt, const QString&, const QString& = QString()) override {
        prompts.append(prompt);
        return answers.empty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList prompts;
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return time; }
    qint64 monotonicMs() const override { return monotonic; }
    void advance(qint64 ms) {
        time = time.addMSecs(ms);
        monotonic += ms;
    }
    QDateTime time{QDate(2026, 3, 7), QTime(9, 5, 3)};
    qint64 monotonic = 0;
};

// Returns scripted values first, then values from a seeded generator.
class FakeRandom final : public RandomSource {
public:
    explicit FakeRandom(unsigned seed = 12345) : m_engine(seed) {}
    double Rnd() override {
        if (!script.empty()) {
            const double v = script.front();
            script.pop_front();
            return v;
        }
        return m_unit(m_engine);
    }
    std::deque<double> script;

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_unit{0.0, 1.0};
};

class FakeSound final : public SoundDevice {
public:
    bool open(const QString& fileName) override {
        opened.append(fileName);
        return true;
    }
    void command(const QString& cmd) override { commands.append(cmd); }
    QStringList opened;
    QStringList commands;
};

class FakeEvents final : public EventPump {
public:
    void wait(double seconds) override { waited.push_back(seconds); }
    std::vector<double> waited;
};

// All doubles together, with the Platform bundle the logic takes.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeEvents events;
    Platform platform{messageBox, inputBox, clock, random, sound, events};
};
