#pragma once
// The desktop of the scenario runner: every message box, random draw, date and file dialog is
// scripted by the scenario, and time passes only when the scenario ticks a timer or waits.

#include "ui/Platform.h"

#include <QString>

#include <deque>
#include <optional>
#include <set>

struct ShownMessage {
    QString text, title;
    MsgIcon icon;
    MsgButtons buttons;
};

class VirtualTimer;

class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(QString caseFolder);
    ~ScriptedPlatform() override;

    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> openFileName(QWidget* over, const QString& filter,
                                        int filterIndex) override;
    std::optional<QString> saveFileName(QWidget* over, const QString& filter,
                                        int filterIndex) override;
    void randomize() override {}
    float rnd() override;
    QDate today() override { return date; }
    void showWindow(QWidget* window, bool modal) override;
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
    QDate date;
    QString caseFolder;
    bool quitCalled = false;
    // The first thing the game asked that the scenario did not script.
    QString problem;

private:
    friend class VirtualTimer;
    std::optional<QString> nextFile(const QString& what);
    void complain(const QString& what);

    qint64 now_ = 0;
    quint64 nextOrder_ = 0;
    std::set<VirtualTimer*> timers_;
};
