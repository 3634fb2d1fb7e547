// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box `nevjegy`: the program's title, a subtitle, two credit lines, the
// version and a picture the program draws. OK and Esc close it.
//   AboutDialog(state, this).exec();
#include <QDialog>

class QLabel;
class QPushButton;
struct GameState;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const GameState& s, QWidget* parent = nullptr);

    QLabel* picture() const { return m_image1; }
    QPushButton* okButton() const { return m_rendben; }

    static constexpr int kPictureSide = 131;   // pixels

private:
    QLabel* m_image1 = nullptr;
    QPushButton* m_rendben = nullptr;
};
