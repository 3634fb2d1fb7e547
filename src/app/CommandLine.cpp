#include "app/CommandLine.h"
#include "app/ResultsCommand.h"
#include "app/StatisticsCommand.h"
#include <QCoreApplication>

QString UsageText() {
    return QStringLiteral(
        "Usage: zelka-kvadra [OPTION]\n"
        "Without options the game window opens.\n"
        "\n"
        "  --help       print this text and exit\n"
        "  --version    print the version and exit\n"
        "  --statistics FILE [--pendoly] [--list LISTFILE]\n"
        "               print the statistics of the results file FILE (of the Pendoly\n"
        "               mode with --pendoly), or write them to the list file LISTFILE\n") +
           ResultsUsage();
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
