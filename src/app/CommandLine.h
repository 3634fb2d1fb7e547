#pragma once
// The program's command line. Without arguments the game window opens; a few
// options print a headless view of the player's data instead (no display needed)
// and end the program with an exit status:
//   0 done, 1 a file that is missing or cannot be read, 2 bad arguments,
//   3 a damaged file (what was read before the damage is printed, with a warning).
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace ExitStatus {
constexpr int Done = 0;
constexpr int FileProblem = 1;
constexpr int BadArguments = 2;
constexpr int DamagedFile = 3;
} // namespace ExitStatus

// `arguments` without the program name. Returns the exit status when the arguments
// asked for a headless command, nothing when the window should open.
std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Takes "--data-dir DIR" out of `arguments` and puts DIR into `dataDir`. Returns the
// exit status when the option has no folder after it.
std::optional<int> TakeDataDirOption(QStringList& arguments, QString& dataDir, QTextStream& err);

// Takes "--start CODE" out of `arguments` and puts CODE into `code`: the window opens
// with that start set up. Returns the exit status when the option has no code after it.
std::optional<int> TakeStartOption(QStringList& arguments, QString& code, QTextStream& err);

// The usage text printed by --help and after bad arguments.
QString UsageText();
