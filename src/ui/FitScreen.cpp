// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FitScreen.h"

#include <QLayout>
#include <QMainWindow>
#include <QRect>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace FitScreen {

namespace {
const char* const Fitted = "timburiaFitted";
} // namespace

bool fit(QWidget* window, const QRect& available) {
    if (window->property(Fitted).toBool())
        return false;
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    // The least the window can be: its minimum (a window of fixed size has that size).
    const QSize natural = window->minimumSize().expandedTo(window->minimumSizeHint());
    const QSize room(available.width() - FrameWidth, available.height() - FrameHeight);
    if (natural.width() <= room.width() && natural.height() <= room.height())
        return false;

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrFit"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        QWidget* content = main->takeCentralWidget();
        content->setMinimumSize(content->minimumSize().expandedTo(content->minimumSizeHint()));
        scroll->setWidget(content);
        main->setCentralWidget(scroll);
    } else {
        // Everything inside moves into one content widget: the layout with the widgets it
        // places (QWidget::setLayout takes a layout over from another widget), and the
        // widgets placed by hand, each as shown or hidden as it was.
        auto* content = new QWidget;
        const QList<QWidget*> children =
            window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        if (QLayout* layout = window->layout())
            content->setLayout(layout);
        for (QWidget* child : children)
            if (child->parentWidget() == window && !child->isWindow()) {
                const bool hidden = child->isHidden();
                const QRect place = child->geometry();
                child->setParent(content);
                child->setGeometry(place);
                child->setVisible(!hidden);
            }
        content->setMinimumSize(natural);
        scroll->setWidget(content);
        auto* outer = new QVBoxLayout(window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll);
    }
    window->setMinimumSize(natural.boundedTo(room).boundedTo(QSize(200, 150)));
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The scroll bars take their room beside and below the content.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize wanted = natural;
    if (natural.height() > room.height())
        wanted.rwidth() += bar;
    if (natural.width() > room.width())
        wanted.rheight() += bar;
    window->resize(wanted.boundedTo(room));
    window->setProperty(Fitted, true);
    return true;
}

} // namespace FitScreen
