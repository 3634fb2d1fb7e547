// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every rewrite of a player's data file, laid out in a folder and run on it: the table
// that the kill test, the full-disk test and the permissions test all go through, so
// a writer added here is tried by each of them.
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>

struct GameState;

using Content = std::optional<QByteArray>; // nullopt: no such file

struct RewriteCase {
    const char* name;
    QString dataFile;
    std::function<void(const QDir&)> lay;     // the folder before the rewrite
    std::function<bool(const QDir&)> rewrite; // true when it did the expected work
    bool needsRoom = true;                    // false: it only removes files
    bool inPlace = false;                     // it writes into the file itself (an append)
};

inline void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

// Every rewrite.
std::span<const RewriteCase> RewriteCases();

Content ContentOf(const QDir& folder, const QString& file);
void Put(const QDir& folder, const QString& file, const Content& content);
// Every file of `folder`, hidden ones too.
QStringList Listing(const QDir& folder);
void Empty(const QDir& folder);
std::string Describe(const Content& content);
// `expected` described, with where `content` first differs from it.
std::string Versus(const Content& content, const Content& expected);

// A built board to save, the same for every child of a kill test.
const GameState& SavedBoard();
// Builds the values the cases share (SavedBoard() among them), so that a test which
// forks builds them once, before its first child.
void BuildSharedFixtures();
