// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/PaddleView.h"

#include "ui/Twips.h"

#include <QPainter>
#include <QRegion>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace {

const QColor Floor(0x10, 0x1c, 0x3a);
const QColor Wall(0x5a, 0x78, 0xb4);

} // namespace

void Sprite::paintEvent(QPaintEvent*) {}

PaddleView::PaddleView(QWidget* parent)
    : QWidget(parent)
    , glide_(new QVariantAnimation(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    glide_->setStartValue(0.0);
    glide_->setEndValue(1.0);
    glide_->setDuration(Paddle::TickMs);
    connect(glide_, &QVariantAnimation::valueChanged, this, &PaddleView::frame);
}

QSize PaddleView::sizeHint() const {
    return {Twips::toPixels(Paddle::FieldWidth), Twips::toPixels(Paddle::FieldHeight)};
}

int PaddleView::heightForWidth(int width) const {
    return width * Paddle::FieldHeight / Paddle::FieldWidth;
}

void PaddleView::glideFrom(QPoint from) {
    from_ = from;
    glide_->stop();
    glide_->start();
    update();
}

void PaddleView::stopGliding() {
    glide_->stop();
    update();
}

void PaddleView::frame() {
    update();
}

void PaddleView::paintEvent(QPaintEvent*) {
    if (!scene)
        return;
    Scene now = scene();
    if (glide_->state() == QAbstractAnimation::Running) {
        const double t = glide_->currentValue().toDouble();
        const QPointF to = now.ball;
        now.ball = QPointF(from_) + (to - QPointF(from_)) * t;
    }
    QPainter painter(this);
    paint(painter, rect(), devicePixelRatioF(), now, palette().window());
}

void PaddleView::paint(QPainter& painter, const QRect& area, qreal dpr, const Scene& scene,
                       const QBrush& surround) {
    const Paddle::Field& f = scene.field;
    const double s =
        std::min(double(area.width()) / f.fieldWidth, double(area.height()) / f.fieldHeight);
    const QSizeF size(f.fieldWidth * s, f.fieldHeight * s);
    const QPointF origin(area.x() + (area.width() - size.width()) / 2,
                         area.y() + (area.height() - size.height()) / 2);
    const QRectF field(origin, size);
    painter.save();
    // Every pixel is painted once: the margins the field's proportions leave, then the field.
    const QRect inside = field.toAlignedRect();
    for (const QRect& margin : QRegion(area).subtracted(QRegion(inside)))
        painter.fillRect(margin, surround);
    painter.fillRect(field, Floor);
    painter.setPen(QPen(Wall, 2));
    painter.drawRect(field.adjusted(-1, -1, 1, 1));
    painter.setClipRect(field);

    // The art is made once at the paddle's full width; a shrunk paddle squeezes it, which
    // keeps a frame to one scaled blit instead of a fresh picture every tick.
    const QPixmap paddle = Pictures::pixmap(
        scene.paddleArt,
        QSize(int(std::lround(Paddle::StartWidth * s)), int(std::lround(Paddle::PaddleHeight * s))),
        dpr);
    const QRectF paddleAt(origin.x() + f.paddleLeft * s, origin.y() + Paddle::PaddleTop * s,
                          f.paddleWidth * s, Paddle::PaddleHeight * s);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(paddleAt, paddle, QRectF(paddle.rect()));

    const QPixmap ball = Pictures::pixmap(
        scene.ballArt, QSize(int(std::lround(f.ballWidth * s)), int(std::lround(f.ballHeight * s))),
        dpr);
    painter.drawPixmap(QPointF(origin.x() + scene.ball.x() * s, origin.y() + scene.ball.y() * s),
                       ball);
    painter.restore();
}
