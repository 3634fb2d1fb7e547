// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/AboutDialog.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "presentation/gui/BallPainter.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kVersion = "2006 / V001";

QLabel* AddLabel(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

void SetFont(QLabel* label, const char* family, double points, bool italic = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setItalic(italic);
    label->setFont(font);
}

// Four balls in the first four tile colours, two by two.
QPixmap AboutPicture(const GameState& s, int side, const QColor& background) {
    QPixmap picture(side, side);
    picture.fill(background);
    QPainter painter(&picture);
    const double half = side / 2.0;
    for (int i = 0; i < 4; ++i) {
        const QRectF cell((i % 2) * half, (i / 2) * half, half, half);
        paintBall(painter, cell.adjusted(3, 3, -3, -3), colourFromValue(s.tileColours[static_cast<size_t>(i + 1)]));
    }
    return picture;
}

} // namespace

AboutDialog::AboutDialog(const GameState& s, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("nevjegy"));
    setWindowTitle(s.panel.nevj.caption.isEmpty() ? QStringLiteral("Névjegy") : s.panel.nevj.caption);

    auto* text = new QVBoxLayout;
    QLabel* title = AddLabel(text, this, "Label1", QStringLiteral("Zelka-Kvadra"));
    SetFont(title, "Times New Roman", 20.25);
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    title->setPalette(red);
    AddLabel(text, this, "Label2", s.texts.messages.value(59));
    text->addSpacing(10);
    AddLabel(text, this, "Label3", s.texts.messages.value(60));
    SetFont(AddLabel(text, this, "Label4", OwnTextIn(OwnText::AboutFirstCredit, s.texts)), "Times New Roman", 21.75, true);
    AddLabel(text, this, "Label5", s.texts.messages.value(61));
    text->addSpacing(10);
    AddLabel(text, this, "Label6", s.texts.messages.value(62));
    SetFont(AddLabel(text, this, "Label7", OwnTextIn(OwnText::AboutSecondCredit, s.texts)), "Times New Roman", 21.75, true);
    AddLabel(text, this, "Label8", s.texts.messages.value(63));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(AboutPicture(s, kPictureSide, palette().color(QPalette::Window)));
    m_image1->setFixedSize(kPictureSide, kPictureSide);

    auto* version = new QLabel(QString::fromLatin1(kVersion), this);
    version->setObjectName(QStringLiteral("Label9"));
    SetFont(version, "Arial", font().pointSizeF());

    const QString ok = s.texts.messages.value(33);
    m_rendben = new QPushButton(ok.isEmpty() ? QStringLiteral("Ok") : ok, this);
    m_rendben->setObjectName(QStringLiteral("rendben"));
    m_rendben->setDefault(true);
    connect(m_rendben, &QPushButton::clicked, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(m_image1);
    side->addStretch(1);
    side->addWidget(version, 0, Qt::AlignHCenter);
    side->addWidget(m_rendben);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addSpacing(16);
    layout->addLayout(text, 1);
}
