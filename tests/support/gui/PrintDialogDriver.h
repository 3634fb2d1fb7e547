// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Answers the print dialog as a player without a printer does: chooses printing to a
// PDF file (the last printer offered), types the file's name and clicks Print.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

inline void PrintToPdfFile(QPrintDialog* dialog, const QString& pdf) {
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_TRUE(printers && fileName && buttons) << "the print dialog has changed its controls";
    QTest::keyClick(printers, Qt::Key_End);
    ASSERT_TRUE(fileName->isEnabled());
    fileName->selectAll();
    QTest::keyClicks(fileName, pdf);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}
