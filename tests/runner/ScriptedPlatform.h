// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop of the scenario runner: every message box, random draw, date and file dialog is
// scripted by the scenario, and time passes only when the scenario ticks a timer or waits.

#include "ui/Platform.h"

#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <set>

class QObject;

struct ShownMessage {
    QString text, title;
    MsgIcon icon;
    MsgButtons buttons;
    MsgCause cause;
    // The window it opened over.
    QString over;
};

class VirtualTimer;

class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(QString caseFolder);
    ~ScriptedPlatform() override;

    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override;
    std::optional<QString> openFileName(QWidget* over, const QString& filter, int filterIndex,
                                        const QString& folder) override;
    std::optional<QString> saveFileName(QWidget* over, const QString& filter, int filterIndex,
                                        const QString& folder) override;
    // Kept for the run only: every case starts with none.
    QStringList recentGames() override { return recent; }
    void keepRecentGames(const QStringList& games) override { recent = games; }
    QStringList recent;
    void randomize() override {}
    float rnd() override;
    QDate today() override { return date; }
    // Noon of the case's date, and as much later as the case has waited.
    QDateTime now() override { return QDateTime(date, QTime(12, 0)).addMSecs(now_); }
    // The game's own files go into data/ in the case's folder.
    QString dataFolder() override;
    void showWindow(QWidget* window, bool modal, QWidget* owner) override;
    std::unique_ptr<TimerEngine> createTimerEngine(Timer& timer, bool precise) override;
    void quit() override { quitCalled = true; }

    // Lets ms milliseconds pass: every running timer ticks whenever it is due, in time order.
    void advance(qint64 ms, const std::function<bool()>& stop);

    // What the event loop of the real program does between two events: whatever was posted
    // meanwhile is delivered, and a window that was let go of is deleted. The runner has no
    // event loop, so it does this after every action (and between the ticks of a wait).
    static void deliverPostedEvents();

    // What the scenario queued.
    std::deque<double> draws;
    std::deque<bool> answers;
    std::deque<std::optional<QString>> files; // nothing: the dialog is cancelled
    // What the game showed and the scenario has not checked yet.
    std::deque<ShownMessage> shown;
    // The folder the last open dialog was asked to start in.
    QString dialogFolder;
    QDate date;
    QString caseFolder;
    bool quitCalled = false;
    // The first thing the game asked that the scenario did not script.
    QString problem;
    // Whether a window shown goes onto the screen (the offscreen one of a headless run). Off
    // it, a window is shown to the game in every way but is never drawn, activated or
    // entered by the pointer: the screen would queue those for an event loop, and with no
    // event loop to take them they pile up for as long as the program runs.
    bool onScreen = true;

private:
    friend class VirtualTimer;
    std::optional<QString> nextFile(const QString& what);
    void complain(const QString& what);

    std::unique_ptr<QObject> nothingDrawn_;
    qint64 now_ = 0;
    quint64 nextOrder_ = 0;
    std::set<VirtualTimer*> timers_;
};
