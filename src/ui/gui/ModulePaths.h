// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the game's modules are: beside the program in a build (and in the folder
// scripts/play.sh lays out), in the installation's module folder once installed.
#include <QStringList>

// The paths to try for module `name`, without the file name's ending, in order.
QStringList ModulePaths(const QString& name);
