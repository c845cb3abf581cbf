// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LineControl.h"

#include "ui/Twips.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int Pen = 2; // pixels
}

LineControl::LineControl(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Twips::remember(this, Twips::Edge::Left, std::min(x1, x2));
    Twips::remember(this, Twips::Edge::Top, std::min(y1, y2));
    Twips::remember(this, Twips::Edge::Width, std::abs(x2 - x1));
    Twips::remember(this, Twips::Edge::Height, std::abs(y2 - y1));
    const QRect box = QRect(QPoint(Twips::toPixels(x1), Twips::toPixels(y1)),
                            QPoint(Twips::toPixels(x2), Twips::toPixels(y2)))
                          .normalized()
                          .adjusted(-Pen, -Pen, Pen, Pen);
    setGeometry(box);
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Dark), Pen, Qt::SolidLine, Qt::RoundCap));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(Twips::toPixels(x1_), Twips::toPixels(y1_)) - origin,
                     QPoint(Twips::toPixels(x2_), Twips::toPixels(y2_)) - origin);
}
