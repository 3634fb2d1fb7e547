// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "presentation/gui/AboutDialog.h"
#include "presentation/gui/NameDeletionDialog.h"
#include "results/PlayerNames.h"
#include "support/FakePlatform.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NameDeletionDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QFile f(folder.filePath(kPlayerNamesFile));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
        f.close();
        s.texts.messages[50] = QStringLiteral("Válassza ki a törlendő nevet:");
        s.panel.ntoregy.caption = QStringLiteral("Egy kiválasztott név törlése");
    }
    QByteArray Contents() const {
        QFile f(folder.filePath(kPlayerNamesFile));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    const QByteArray before{"\"Anna\"\r\n\"B\xE9la\"\r\n\"Anna\"\r\n"};
    GameState s;
    FakePlatform fp;
};

} // namespace

TEST_F(NameDeletionDialogTest, DeletesTheChosenNameEverywhere) {
    NameDeletionDialog dialog(s, fp.platform, folder);
    EXPECT_EQ(dialog.windowTitle(), s.panel.ntoregy.caption);
    ASSERT_EQ(dialog.nameBox()->count(), 3);
    EXPECT_EQ(dialog.nameBox()->itemText(1), QStringLiteral("Béla"));
    dialog.show();
    dialog.nameBox()->setCurrentIndex(2);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadPlayerNames(folder), QStringList{QStringLiteral("Béla")});
}

TEST_F(NameDeletionDialogTest, CancelAndEscapeChangeNothing) {
    {
        NameDeletionDialog dialog(s, fp.platform, folder);
        dialog.show();
        dialog.nameBox()->setCurrentIndex(0);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        NameDeletionDialog dialog(s, fp.platform, folder);
        dialog.show();
        dialog.nameBox()->setCurrentIndex(0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(Contents(), before);
}

TEST_F(NameDeletionDialogTest, DeletingWithoutAChoiceAsksForOneAndStays) {
    NameDeletionDialog dialog(s, fp.platform, folder);
    dialog.show();
    ASSERT_EQ(dialog.nameBox()->currentIndex(), -1);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].messageNo, 50);
    EXPECT_EQ(fp.messageBox.shown[0].text, s.texts.messages[50] + QStringLiteral("!"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Contents(), before);
}

TEST_F(NameDeletionDialogTest, DeletingTheLastNameLeavesNoFile) {
    NameDeletionDialog first(s, fp.platform, folder);
    first.nameBox()->setCurrentIndex(1);
    QTest::mouseClick(first.deleteButton(), Qt::LeftButton);
    NameDeletionDialog second(s, fp.platform, folder);
    ASSERT_EQ(second.nameBox()->count(), 2);
    second.nameBox()->setCurrentIndex(0);
    QTest::mouseClick(second.deleteButton(), Qt::LeftButton);
    EXPECT_FALSE(PlayerNamesFileExists(folder));
}

TEST(AboutDialog, ShowsTitleCreditsVersionAndAPicture) {
    GameState s;
    s.panel.nevj.caption = QStringLiteral("Névjegy");
    s.texts.messages[59] = QStringLiteral("subtitle");
    s.texts.languageName = QStringLiteral("English");
    AboutDialog dialog(s);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Névjegy"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Zelka-Kvadra"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("subtitle"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("Zelka-Kvadra developers"));
    // The credits follow the language in use.
    s.texts.languageName = QStringLiteral("Magyar");
    AboutDialog hungarian(s);
    EXPECT_EQ(hungarian.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QString::fromUtf8("a Zelka-Kvadra fejlesztői"));
    EXPECT_EQ(hungarian.findChild<QLabel*>(QStringLiteral("Label7"))->text(), QString::fromUtf8("a Zelka-Kvadra közreműködői"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("2006 / V001"));
    const QPixmap picture = dialog.picture()->pixmap();
    EXPECT_EQ(picture.size(), QSize(131, 131));
    // The balls are drawn: the centre of the first differs from the background corner.
    const QImage image = picture.toImage();
    EXPECT_NE(image.pixel(32, 32), image.pixel(0, 0));
    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}
