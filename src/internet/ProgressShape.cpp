// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "internet/ProgressShape.h"

#include "ui/Twips.h"

#include <QPainter>

#include <algorithm>

ProgressShape::ProgressShape(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(Twips::toPixels(FullWidth), 18);
    setFilled(0);
}

int ProgressShape::filled() const {
    return Twips::get(this, Twips::Edge::Width);
}

void ProgressShape::setFilled(int twips) {
    Twips::remember(this, Twips::Edge::Width, twips);
    update();
}

void ProgressShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF groove = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(groove, 3, 3);

    // The filled part, in blocks, as the desktop's own progress bars were drawn.
    const double share = std::clamp(filled(), 0, FullWidth) / double(FullWidth);
    const QRectF inside = groove.adjusted(2, 2, -2, -2);
    const QColor fill = palette().color(QPalette::Highlight);
    constexpr double Block = 8, Gap = 2;
    const double end = inside.left() + inside.width() * share;
    for (double x = inside.left(); x < end; x += Block + Gap) {
        QRectF block(x, inside.top(), std::min(Block, end - x), inside.height());
        QLinearGradient shine(block.topLeft(), block.bottomLeft());
        shine.setColorAt(0, fill.lighter(140));
        shine.setColorAt(0.5, fill);
        shine.setColorAt(1, fill.darker(120));
        painter.fillRect(block, shine);
    }
}
