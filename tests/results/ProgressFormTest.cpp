// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "results/ProgressForm.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Fixture {
    explicit Fixture(const QString& language = QStringLiteral("Magyar")) {
        s.texts.languageName = language;
        ApplyLanguage(s, QDir(qEnvironmentVariable("ZK_DATA_DIR")));
    }
    ProgressForm load(const QList<ResultRecord>& records, const QString& nameBox = QString()) {
        EXPECT_TRUE(WriteRecordsAsRead(path, records));
        s.panel.neve.caption = nameBox;
        ProgressForm form(s, path);
        form.Load();
        return form;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("eredm.dat"));
    GameState s;
};

const QList<ResultRecord> kGames = {
    Result("Anna", "S", 5, 1, 0, 80, "00:06:00", "2024.02.01", "10:00:00"),   // her latest game
    Result("Anna", "V", 4, 1, 0, 60, "00:05:00", "2024.01.01", "10:00:00"),
    Result("Béla", "V", 4, 1, 0, 70, "00:04:00", "2024.01.02", "10:00:00"),
    Result("Anna", "V", 4, 2, 0, 50, "xx:xx:xx", "2024.01.03", "11:00:00"),
};

} // namespace

TEST(ProgressForm, FirstChoiceIsTheNameBoxPlayerAtTheSizeAndTypeOfTheirLatestGame) {
    Fixture f;
    ProgressForm form = f.load(kGames, QStringLiteral("Béla"));
    const ProgressControls& c = form.controls();
    EXPECT_EQ(c.names, (QStringList{"Anna", "Béla"}));
    EXPECT_EQ(c.names.value(c.name), "Béla");
    EXPECT_EQ(c.sizes.value(c.size), "4 X 4");
    EXPECT_EQ(c.types.value(c.type), QString::fromUtf8("Véletlen"));
    EXPECT_EQ(c.status.caption, QString::fromUtf8("Játékok: 1, lépéscsúcsok: 1, időcsúcsok: 1 (2024.01.02 – 2024.01.02)"));

    // A name without results: the first player.
    ProgressForm other = f.load(kGames, QStringLiteral("Cecil"));
    EXPECT_EQ(other.controls().name, 0);
    EXPECT_EQ(other.controls().sizes.value(other.controls().size), "5 X 5");
    EXPECT_EQ(other.series().games.size(), 1u);
}

// Choosing another player keeps the size and type; "all" takes every one of them.
TEST(ProgressForm, ChoicesRebuildTheSeriesAndTheLine) {
    Fixture f;
    ProgressForm form = f.load(kGames, QStringLiteral("Anna"));
    form.chooseName(1);
    form.chooseSize(1);
    EXPECT_TRUE(form.series().games.empty());
    EXPECT_EQ(form.controls().status.caption, QString::fromUtf8("Ennek a játékosnak nincs játéka ezzel a mérettel és típussal."));
    EXPECT_FALSE(form.controls().save.enabled);
    form.chooseName(0);
    form.chooseSize(ProgressControls::kAllSizes);
    form.chooseType(ProgressControls::kAllTypes);
    EXPECT_EQ(form.series().games.size(), 3u);
    EXPECT_TRUE(form.controls().save.enabled);
    EXPECT_EQ(form.plot().title, QString::fromUtf8("Anna – Mind, Mind"));

    // The time of a game without one is no point of the chart, and no record.
    form.chooseMeasure(static_cast<int>(ProgressMeasure::Time));
    const ProgressPlot time = form.plot();
    ASSERT_EQ(time.values.size(), 3u);
    EXPECT_EQ(time.values[0], 300);
    EXPECT_TRUE(std::isnan(time.values[1]));
    EXPECT_EQ(time.best[1], 300);
    EXPECT_EQ(time.records, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(form.plot().axisY, QString::fromUtf8("Elhasznált idő"));
    form.chooseMeasure(static_cast<int>(ProgressMeasure::Steps));
    EXPECT_EQ(form.plot().records, (std::vector<std::uint32_t>{0, 1}));
}

TEST(ProgressForm, TooltipTellsTheGame) {
    Fixture f;
    ResultRecord stored = Result("Anna", "T", 6, 3, 0, 123, "01:02:03", "2023.12.24", "18:30:00");
    stored.storedGameName = QStringLiteral("Csillag");
    stored.storedGameNo = 12;
    ProgressForm form = f.load({stored, Result("Anna", "T", 6, 3, 7, 130, "00:59:00", "2023.12.25", "09:00:00")});
    EXPECT_EQ(form.describe(0), QString::fromUtf8("1. játék\n2023.12.24 18:30:00\nLépésszám: 123\nElhasznált idő: 01:02:03\n"
                                                  "Típus: Tárolt, 6 X 6\nÜres helyek: 3\nTárolt játék: Csillag (12)\n"
                                                  "Egyéni csúcs: Lépésszám, Elhasznált idő"));
    EXPECT_EQ(form.describe(1), QString::fromUtf8("2. játék\n2023.12.25 09:00:00\nLépésszám: 130\nElhasznált idő: 00:59:00\n"
                                                  "Típus: Tárolt, 6 X 6\nÜres helyek: 3\nKevert állapot: 7\n"
                                                  "Egyéni csúcs: Elhasznált idő"));
    EXPECT_EQ(form.describe(2), QString());
}

TEST(ProgressForm, EmptyDamagedAndEnglish) {
    Fixture f;
    ProgressForm empty = f.load({});
    EXPECT_EQ(empty.controls().name, -1);
    EXPECT_EQ(empty.controls().status.caption, QString::fromUtf8("Az eredményfájlban nincs eredmény."));
    EXPECT_FALSE(empty.controls().print.enabled);
    EXPECT_EQ(empty.plot().games(), 0u);

    ASSERT_TRUE(WriteResultsFixture(f.path, {{"Anna", "V", 4, 1, 40}, {"Anna", "V", 4, 1, 30}}, true));
    ProgressForm damaged(f.s, f.path);
    damaged.Load();
    EXPECT_TRUE(damaged.resultsFileDamaged());
    EXPECT_EQ(damaged.controls().status.caption.split('\n'),
              (QStringList{QString::fromUtf8("Az eredményfájl sérült: a grafikon csak a sérülés előtti 2 eredményből készült."),
                           QString::fromUtf8("Játékok: 2, lépéscsúcsok: 2, időcsúcsok: 2 (2024.01.01 – 2024.01.01)")}));

    Fixture english(QStringLiteral("English"));
    ProgressForm form = english.load(kGames);
    EXPECT_EQ(form.controls().tab.caption, "Progress");
    EXPECT_EQ(form.controls().nameLabel.caption, "Name");
    EXPECT_EQ(form.controls().types.value(6), "Numbers");
    EXPECT_EQ(form.controls().status.caption, "Games: 1, steps records: 1, time records: 1 (2024.02.01 – 2024.02.01)");
    EXPECT_EQ(form.plot().axisX, "Games in date order");
}
