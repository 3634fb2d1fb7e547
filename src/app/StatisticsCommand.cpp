// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StatisticsCommand.h"
#include "app/ExitStatus.h"
#include "app/ReadableFile.h"
#include "app/Usage.h"
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "presentation/SettingsFile.h"
#include "results/ListFile.h"
#include "results/StatisticsForm.h"
#include <QDate>
#include <QDir>
#include <optional>

namespace {

struct StatisticsOptions {
    QString resultsFile;
    QString listFile;   // "" prints the table instead
    bool pendoly = false;
};

// What is wrong with the arguments, nothing when they are FILE [--pendoly]
// [--list FILE] in any order.
std::optional<QString> ParseOptions(const QStringList& arguments, StatisticsOptions& options) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--pendoly") && !options.pendoly) {
            options.pendoly = true;
        } else if (a == QLatin1String("--list") && options.listFile.isEmpty()) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return QStringLiteral("--list needs a file name");
            options.listFile = arguments[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown or repeated option '%1' for --statistics").arg(a);
        } else if (a.isEmpty() || !options.resultsFile.isEmpty()) {
            return QStringLiteral("more than one file: '%1'").arg(a);
        } else {
            options.resultsFile = a;
        }
    }
    if (options.resultsFile.isEmpty()) return QStringLiteral("--statistics needs a results file");
    return std::nullopt;
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
    StatisticsOptions options;
    if (const std::optional<QString> problem = ParseOptions(arguments, options))
        return RefuseArguments(err, *problem);
    if (!CheckReadableFile(options.resultsFile, err)) return ExitStatus::FileProblem;

    GameState s;
    LoadTexts(s, QDir::current());
    s.pendolyMode = options.pendoly;
    StatisticsForm form(s, options.resultsFile);
    form.Form_Load();

    if (!options.listFile.isEmpty()) {
        if (!WriteListFile(options.listFile, form.PrintStatistics(ListTarget::File, Today()))) {
            err << "zelka-kvadra: cannot write the list file " << options.listFile << '\n';
            return ExitStatus::FileProblem;
        }
    } else {
        // The two heading lines stand over the table, as in the window and the list.
        out << form.controls().Label1_0.caption << '\n' << form.controls().Label1_1.caption << '\n';
        for (const QString& line : form.tableLines()) out << line << '\n';
        out << '\n' << form.controls().Label2.caption << '\n';
    }
    if (form.resultsFileDamaged()) {
        err << "zelka-kvadra: warning: " << options.resultsFile << " is damaged; the statistics cover the "
            << form.statistics().total() << " results before the damage\n";
        return ExitStatus::DamagedFile;
    }
    return ExitStatus::Done;
}
