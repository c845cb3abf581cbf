// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The field of the paddle game: it paints the ball and the paddle, scaled to its size from the
// game's twips, and glides the ball between two ticks without ever moving it (only the game's
// tick moves it).

#include "rules/Paddle.h"
#include "ui/Picture.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>

class QBrush;
class QPainter;
class QVariantAnimation;

// A picture the field draws itself: it keeps the control's name, art and twips, and paints
// nothing of its own.
class Sprite : public Picture {
public:
    using Picture::Picture;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PaddleView : public QWidget {
public:
    explicit PaddleView(QWidget* parent = nullptr);

    // What one frame shows: the field in twips, with the ball where it is drawn.
    struct Scene {
        Paddle::Field field;
        QPointF ball;
        QString paddleArt, ballArt;
    };
    // Paints a whole frame into `area`: the field, kept in its proportions, and `surround`
    // around it.
    static void paint(QPainter& painter, const QRect& area, qreal devicePixelRatio,
                      const Scene& scene, const QBrush& surround);

    // The ball has just moved by a tick from `from`: it is drawn gliding there over one tick.
    void glideFrom(QPoint from);
    // The ball jumped (a new game): it is drawn where it is at once.
    void stopGliding();

    // The scene as the game holds it now; set by the window.
    std::function<Scene()> scene;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void frame();

    QVariantAnimation* glide_;
    QPoint from_;
};
