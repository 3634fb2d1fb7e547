// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window area laid out in twips, as the game's windows are designed. Every placed
// control keeps its twips rectangle; the canvas scales all of them (and the font)
// with its own size, so the whole window grows and shrinks as one picture.
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

class FormCanvas : public QWidget {
    Q_OBJECT
public:
    FormCanvas(int formWidthTwips, int formHeightTwips, QWidget* parent = nullptr);
    ~FormCanvas() override;

    // Places `widget` at `twips` (relative to its parent: the canvas or a placed frame).
    void place(QWidget* widget, const QRect& twips);
    // Moves a placed widget; a negative value keeps that coordinate (the height always stays).
    void moveTo(QWidget* widget, int leftTwips, int topTwips, int widthTwips);
    QRect twipsOf(QWidget* widget) const { return m_rects.value(widget); }

    double pixelsPerTwip() const { return m_scale; }
    QSize formSizeTwips() const { return {m_formWidth, m_formHeight}; }
    QSize sizeForScale(double pixelsPerTwip) const;
    // Takes the scale the canvas is about to be shown at, with its font, before the
    // controls are made: they are then measured once, in the font they show. (A font
    // set after them makes every control measure and lay itself out again.) The
    // canvas's first resize keeps this font when it comes to the same size.
    void useScale(double pixelsPerTwip);

Q_SIGNALS:
    void scaleChanged(double pixelsPerTwip);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void apply(QWidget* widget, const QRect& twips);
    void relayout();
    void applyFont();

    int m_formWidth;
    int m_formHeight;
    double m_scale = 1.0 / 15;
    QPoint m_origin;
    QHash<QWidget*, QRect> m_rects;
};
