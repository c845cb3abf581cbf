// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {
const char* propertyName(Twips::Edge edge) {
    switch (edge) {
    case Twips::Edge::Left:
        return "twipsLeft";
    case Twips::Edge::Top:
        return "twipsTop";
    case Twips::Edge::Width:
        return "twipsWidth";
    case Twips::Edge::Height:
        return "twipsHeight";
    }
    return "";
}
} // namespace

namespace Twips {

void remember(QWidget* widget, Edge edge, int twips) {
    widget->setProperty(propertyName(edge), twips);
}

void set(QWidget* widget, Edge edge, int twips) {
    widget->setProperty(propertyName(edge), twips);
    const int px = toPixels(twips);
    if (widget->isWindow()) {
        if (edge == Edge::Height)
            widget->setFixedHeight(px);
        else if (edge == Edge::Width)
            widget->setFixedWidth(px);
        return;
    }
    QRect r = widget->geometry();
    switch (edge) {
    case Edge::Left:
        r.moveLeft(px);
        break;
    case Edge::Top:
        r.moveTop(px);
        break;
    case Edge::Width:
        r.setWidth(px);
        break;
    case Edge::Height:
        r.setHeight(px);
        break;
    }
    widget->setGeometry(r);
    if (edge == Edge::Width || edge == Edge::Height)
        fitText(widget);
}

void fitText(QWidget* control) {
    QSize needed;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return;
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                   : label->minimumSizeHint();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return;
        needed = button->minimumSizeHint();
    } else {
        return;
    }
    const QSize designed(toPixels(get(control, Edge::Width)), toPixels(get(control, Edge::Height)));
    control->resize(designed.expandedTo(needed));
}

int get(const QWidget* widget, Edge edge) {
    const QVariant kept = widget->property(propertyName(edge));
    if (kept.isValid())
        return kept.toInt();
    const QRect r = widget->geometry();
    switch (edge) {
    case Edge::Left:
        return r.left() * PerPixel;
    case Edge::Top:
        return r.top() * PerPixel;
    case Edge::Width:
        return r.width() * PerPixel;
    case Edge::Height:
        return r.height() * PerPixel;
    }
    return 0;
}

void place(QWidget* widget, int left, int top, int width, int height, Placing how) {
    const std::pair<Edge, int> edges[] = {
        {Edge::Left, left}, {Edge::Top, top}, {Edge::Width, width}, {Edge::Height, height}};
    for (auto [edge, twips] : edges) {
        if (how == Placing::Move)
            set(widget, edge, twips);
        else
            remember(widget, edge, twips);
    }
}

} // namespace Twips
