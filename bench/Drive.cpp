// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drive.h"

#include "core/frmMain.h"
#include "ui/FormCore.h"
#include "ui/Timer.h"

#include <QAction>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace Drive {

BenchApp* app = nullptr;

void BenchApp::watch(const QString& target) {
    target_ = target;
    startNs_ = doneNs_ = -1;
    clock_.start();
}

bool BenchApp::notify(QObject* receiver, QEvent* event) {
    if (!target_.isEmpty() && startNs_ < 0 && event->type() == QEvent::Paint &&
        receiver->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(receiver)->window();
        if (window->objectName() == target_ && window->isVisible())
            startNs_ = clock_.nsecsElapsed();
    }
    ++depth_;
    const bool result = QApplication::notify(receiver, event);
    --depth_;
    if (depth_ == 0 && startNs_ >= 0 && doneNs_ < 0 && !target_.isEmpty()) {
        doneNs_ = clock_.nsecsElapsed();
        if (waiter)
            waiter->quit();
    }
    return result;
}

MsgResult BenchPlatform::message(QWidget*, const QString&, const QString&, MsgIcon,
                                 MsgButtons buttons, MsgCause) {
    ++messages;
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

BenchGame::BenchGame(bool standStill)
    : windows(gameWindows())
    , game(platform, windows) {
    game.start();
    main = game.loaded<frmMain>();
    if (!main)
        fail(u"no main window"_s);
    if (standStill) {
        main->tmrTime->setInterval(0);
        main->Timer1->setInterval(0);
    }
    spin(300); // the main window is shown and painted
}

void fail(const QString& what) {
    std::printf("error\t%s\n", qPrintable(what));
    std::fflush(stdout);
    std::exit(1);
}

void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString Step::label() const {
    return code ? QString(u'(' + control + u')') : QString(window + u'.' + control);
}

namespace {

void click(Game& game, const Step& step) {
    if (step.code) {
        step.code(game);
        return;
    }
    FormCore* form = game.loaded(step.window);
    if (!form || !form->window()->isVisible())
        fail(step.label() + u": the window is not open"_s);
    QObject* control = form->window()->findChild<QObject*>(step.control);
    if (!control)
        fail(step.label() + u": no such control"_s);
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->trigger();
        return;
    }
    auto* widget = qobject_cast<QWidget*>(control);
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        fail(step.label() + u": the control cannot be clicked"_s);
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    if (QPointer<QWidget> still = widget; still) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

std::optional<Timing> run(Game& game, const Step& step) {
    if (step.opens.isEmpty()) {
        click(game, step);
        settle();
        return std::nullopt;
    }
    app->watch(step.opens);
    click(game, step);
    if (!app->painted()) {
        QEventLoop loop;
        app->waiter = &loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        app->waiter = nullptr;
    }
    app->stopWatching();
    if (!app->painted())
        fail(step.label() + u": "_s + step.opens + u" was not painted within 5 s"_s);
    const Timing timing{app->startMs(), app->doneMs()};
    settle();
    if (!game.loaded(step.opens))
        fail(step.label() + u": "_s + step.opens + u" is not open"_s);
    return timing;
}

} // namespace Drive
