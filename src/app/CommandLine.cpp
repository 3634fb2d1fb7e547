#include "app/CommandLine.h"
#include "app/ResultsCommand.h"
#include "app/StatisticsCommand.h"
#include <QCoreApplication>

QString UsageText() {
    return QStringLiteral(
        "Usage: zelka-kvadra [OPTION]\n"
        "Without options the game window opens. It keeps its files in the current\n"
        "folder when that holds the game's language files (*.lng); otherwise the\n"
        "player's files go to the per-user data folder and the files that come with\n"
        "the game are read from the installation (a copy in the per-user folder\n"
        "takes precedence).\n"
        "\n"
        "  --help       print this text and exit\n"
        "  --version    print the version and exit\n"
        "  --data-dir DIR\n"
        "               keep the player's files in DIR (created when missing)\n"
        "  --start CODE open the window with the start that the start code CODE\n"
        "               describes set up, ready to play\n"
        "  --statistics FILE [--pendoly] [--list LISTFILE]\n"
        "               print the statistics of the results file FILE (of the Pendoly\n"
        "               mode with --pendoly), or write them to the list file LISTFILE\n") +
           ResultsUsage();
}

std::optional<int> TakeDataDirOption(QStringList& arguments, QString& dataDir, QTextStream& err) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at < 0) return std::nullopt;
    if (at + 1 >= arguments.size() || arguments[at + 1].isEmpty()) {
        err << "zelka-kvadra: --data-dir needs a folder\n\n" << UsageText();
        return ExitStatus::BadArguments;
    }
    dataDir = arguments[at + 1];
    arguments.remove(at, 2);
    return std::nullopt;
}

std::optional<int> TakeStartOption(QStringList& arguments, QString& code, QTextStream& err) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--start"));
    if (at < 0) return std::nullopt;
    if (at + 1 >= arguments.size() || arguments[at + 1].trimmed().isEmpty()) {
        err << "zelka-kvadra: --start needs a start code\n\n" << UsageText();
        return ExitStatus::BadArguments;
    }
    code = arguments[at + 1];
    arguments.remove(at, 2);
    return std::nullopt;
}

std::optional<int> RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& command = arguments.first();
    if (command == QLatin1String("--help")) {
        out << UsageText();
        return ExitStatus::Done;
    }
    if (command == QLatin1String("--version")) {
        out << "zelka-kvadra " << ZK_VERSION << '\n';
        return ExitStatus::Done;
    }
    if (command == QLatin1String("--results"))
        return RunResultsCommand(arguments.mid(1), out, err);
    if (command == QLatin1String("--statistics"))
        return RunStatisticsCommand(arguments.mid(1), out, err);
    // Anything else is left to the window system (Qt's own options such as -platform).
    (void)err;
    return std::nullopt;
}
