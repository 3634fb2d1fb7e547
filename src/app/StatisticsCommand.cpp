#include "app/StatisticsCommand.h"
#include "app/CommandLine.h"
#include "files/FileLimits.h"
#include "files/RegularFile.h"
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "presentation/SettingsFile.h"
#include "results/ListFile.h"
#include "results/StatisticsForm.h"
#include <QDate>
#include <QDir>
#include <QFile>

namespace {

struct StatisticsOptions {
    QString resultsFile;
    QString listFile;   // "" prints the table instead
    bool pendoly = false;
};

// Nothing when the arguments are not FILE [--pendoly] [--list FILE] in any order.
std::optional<StatisticsOptions> ParseOptions(const QStringList& arguments) {
    StatisticsOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--pendoly") && !options.pendoly) {
            options.pendoly = true;
        } else if (a == QLatin1String("--list") && options.listFile.isEmpty() && i + 1 < arguments.size() &&
                   !arguments[i + 1].isEmpty()) {
            options.listFile = arguments[++i];
        } else if (!a.startsWith(QLatin1String("--")) && !a.isEmpty() && options.resultsFile.isEmpty()) {
            options.resultsFile = a;
        } else {
            return std::nullopt;
        }
    }
    if (options.resultsFile.isEmpty()) return std::nullopt;
    return options;
}

// The language of the player's settings, as the window would show it.
void LoadTexts(GameState& s, const QDir& folder) {
    s.texts.languageName = ReadSettingsFile(folder).record.language;
    ApplyLanguage(s, folder);
}

QString Today() {
    const QDate date = QDate::currentDate();
    return FormatTriple(date.year(), date.month(), date.day(), QLatin1Char('.'));
}

} // namespace

int RunStatisticsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<StatisticsOptions> options = ParseOptions(arguments);
    if (!options) {
        err << "zelka-kvadra: --statistics needs a results file: --statistics FILE [--pendoly] [--list FILE]\n\n"
            << UsageText();
        return ExitStatus::BadArguments;
    }
    // A pipe or a device named as the file is refused at once, never waited on.
    QFile file;
    if (OpenRegularFile(file, options->resultsFile, FileLimit::Results) != FileAccess::Ok) {
        err << "zelka-kvadra: cannot read " << options->resultsFile << '\n';
        return ExitStatus::FileProblem;
    }
    file.close();

    GameState s;
    LoadTexts(s, QDir::current());
    s.pendolyMode = options->pendoly;
    StatisticsForm form(s, options->resultsFile);
    form.Form_Load();

    if (!options->listFile.isEmpty()) {
        if (!WriteListFile(options->listFile, form.PrintStatistics(ListTarget::File, Today()))) {
            err << "zelka-kvadra: cannot write the list file " << options->listFile << '\n';
            return ExitStatus::FileProblem;
        }
    } else {
        for (const QString& line : form.tableLines()) out << line << '\n';
        out << '\n' << form.controls().Label2.caption << '\n';
    }
    if (form.resultsFileDamaged()) {
        err << "zelka-kvadra: warning: " << options->resultsFile << " is damaged; the statistics cover the "
            << form.statistics().total() << " results before the damage\n";
        return ExitStatus::DamagedFile;
    }
    return ExitStatus::Done;
}
