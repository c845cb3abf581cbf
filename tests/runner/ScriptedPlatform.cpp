// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runner/ScriptedPlatform.h"

#include "ui/Timer.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

using namespace Qt::StringLiterals;

class VirtualTimer : public TimerEngine {
public:
    VirtualTimer(ScriptedPlatform& clock, Timer& driven)
        : clock_(clock)
        , timer(driven) {
        clock_.timers_.insert(this);
    }
    ~VirtualTimer() override { clock_.timers_.erase(this); }

    void start(int intervalMs) override {
        running = true;
        held = false;
        interval = intervalMs;
        due = clock_.now_ + intervalMs;
        order = clock_.nextOrder_++;
    }
    void stop() override { running = false; }
    void hold() override {
        left = due - clock_.now_;
        held = true;
    }
    void resume() override {
        due = clock_.now_ + left;
        held = false;
    }

    ScriptedPlatform& clock_;
    Timer& timer;
    bool running = false;
    bool held = false;
    int interval = 0;
    qint64 left = 0;
    qint64 due = 0;
    quint64 order = 0;
};

namespace {
// A window off the screen would still be painted whenever it changes; nobody sees it.
class NothingDrawn : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::UpdateRequest;
    }
};
} // namespace

ScriptedPlatform::ScriptedPlatform(QString folder)
    : caseFolder(std::move(folder))
    , nothingDrawn_(std::make_unique<NothingDrawn>()) {}

ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::complain(const QString& what) {
    if (problem.isEmpty())
        problem = what;
}

MsgResult ScriptedPlatform::message(QWidget* over, const QString& text, const QString& title,
                                    MsgIcon icon, MsgButtons buttons, MsgCause cause) {
    shown.push_back({text, title, icon, buttons, cause, over ? over->objectName() : QString()});
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    if (answers.empty()) {
        complain(u"the game asked \"%1\" with no answer queued"_s.arg(text));
        return MsgResult::No;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes ? MsgResult::Yes : MsgResult::No;
}

std::optional<QString> ScriptedPlatform::nextFile(const QString& what) {
    if (files.empty()) {
        complain(u"the game opened a %1 dialog with no file queued"_s.arg(what));
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    if (!file)
        return std::nullopt;
    return QDir(caseFolder).filePath(*file);
}

std::optional<QString> ScriptedPlatform::openFileName(QWidget*, const QString&, int,
                                                      const QString& folder) {
    dialogFolder = folder;
    return nextFile(u"file-open"_s);
}

QString ScriptedPlatform::dataFolder() {
    return QDir(caseFolder).filePath(u"data"_s);
}

std::optional<QString> ScriptedPlatform::saveFileName(QWidget*, const QString&, int,
                                                      const QString&) {
    return nextFile(u"file-save"_s);
}

float ScriptedPlatform::rnd() {
    if (draws.empty()) {
        complain(u"the game drew a random number with none queued"_s);
        return 0;
    }
    const double value = draws.front();
    draws.pop_front();
    return float(value);
}

void ScriptedPlatform::showWindow(QWidget* window, bool modal, QWidget* /*owner*/) {
    if (window->isVisible() && modal != window->isModal())
        window->hide();
    window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (!onScreen) {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->installEventFilter(nothingDrawn_.get());
    }
    window->show();
}

std::unique_ptr<TimerEngine> ScriptedPlatform::createTimerEngine(Timer& timer, bool) {
    return std::make_unique<VirtualTimer>(*this, timer);
}

void ScriptedPlatform::advance(qint64 ms, const std::function<bool()>& stop) {
    const qint64 until = now_ + ms;
    while (!stop()) {
        VirtualTimer* next = nullptr;
        for (VirtualTimer* timer : timers_) {
            if (!timer->running || timer->held || timer->due > until)
                continue;
            if (!next || timer->due < next->due ||
                (timer->due == next->due && timer->order < next->order))
                next = timer;
        }
        if (!next)
            break;
        now_ = next->due;
        // Due again one interval later, unless the tick itself stops or restarts it.
        next->due += next->interval;
        next->timer.fire();
        deliverPostedEvents();
    }
    now_ = until;
}

void ScriptedPlatform::deliverPostedEvents() {
    // Outside any event loop, a deferred delete posted outside any event handler goes out only
    // to a pass asked for that type, so deletions get a pass of their own (first: a deleted
    // window takes its pending events with it). The pass for every type then delivers the
    // rest, and it is the only one that clears delivered and withdrawn events from the queue:
    // with passes for one type only, the queue grows with every window ever opened and each
    // deletion searches all of it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
}
