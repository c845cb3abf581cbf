// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one frame of the paddle game's field takes to paint, at 1x and 2x device pixel
// ratio, at the field's own size and at a full-screen size. A report, not a test: see
// bench/paddle_paint.sh.

#include "leisure/PaddleView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

double msPerFrame(QSize logical, qreal ratio, int frames) {
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    PaddleView::Scene scene;
    scene.paddleArt = QStringLiteral("leisure/paddle2");
    scene.ballArt = QStringLiteral("leisure/ball3");
    const QRect area(QPoint(0, 0), logical);
    // The first frame renders the art into the cache, as the first frame on screen does.
    {
        QPainter painter(&image);
        PaddleView::paint(painter, area, ratio, scene, Qt::gray);
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < frames; ++i) {
        // The ball glides and the paddle shrinks, as in play.
        scene.ball = QPointF((i * 37) % 5610, (i * 23) % 3090);
        scene.field.paddleLeft = (i * 11) % 4800;
        scene.field.paddleWidth = 1080 - 2 * (i % 390);
        // No background first: the field paints every pixel itself (an opaque paint event, so
        // Qt clears nothing before it).
        QPainter painter(&image);
        PaddleView::paint(painter, area, ratio, scene, Qt::gray);
    }
    return double(clock.nsecsElapsed()) / 1e6 / frames;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int frames = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    const QSize field(393, 225);
    const QSize screen(1800, 1030);
    std::printf("paddle field paint, %d frames each (ms per frame)\n", frames);
    for (auto [name, size] : {std::pair{"field 393x225", field}, {"full screen 1800x1030", screen}})
        for (qreal ratio : {1.0, 2.0})
            std::printf("  %-22s @%gx: %.3f\n", name, ratio, msPerFrame(size, ratio, frames));
    return 0;
}
