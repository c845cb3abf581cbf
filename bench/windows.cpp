// timburia-bench-windows: the real game (QtPlatform, real top-level windows) under an X server,
// driven from inside. A report for bench/run (bench/windows.sh), not a test.
//
//   timburia-bench-windows paint RUNS          click to first paint, RUNS openings of each
//   timburia-bench-windows memory ROUNDS WARMUP  resident memory over ROUNDS openings of each
//   timburia-bench-windows idle SECONDS        idle CPU, no place open and each place open
//
// Every place picture of the main window, every hand-over between windows, the two menu
// windows and the two windows the game opens by itself are reached the way a player reaches
// them: a press and a release on the control (a menu item is triggered), then the window's
// back button. The only thing not real is the message box: a question is answered "Да" and a
// message taken at once, without showing a box (the time a player takes to read is not the
// window's). The game's clock stands still for "paint" and "memory" (as in the real-window
// test); it runs for "idle", where it is part of what is measured.
//
// Output, one line per figure, fields separated by tabs:
//   paint  STEP  WINDOW  cold_ms  median_ms  max_ms  median_start_ms  openings
//   memory  rounds  openings  rss_kb_after_warmup  rss_kb_after  trimmed_kb_after_warmup
//           trimmed_kb_after
//   warmup  rounds  rss_kb_after_the_first  rss_kb_after_warmup
//   rss  round  rss_kb  trimmed_kb  widgets  anon  shmem  file   (checkpoints along the way)
//   idle  WHAT  percent_of_one_core  seconds
//   error  TEXT

#include "app/Application.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "leisure/frmMadFish.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/QtPlatform.h"
#include "ui/Timer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Times the first paint of a window: from start() until the first QEvent::Paint of a widget
// of the window named `target` (start), and until the event that carried that paint (the
// expose or update request, which paints the whole window and flushes it to the screen) has
// been handled (done).
class BenchApp : public QApplication {
public:
    using QApplication::QApplication;

    void watch(const QString& target) {
        target_ = target;
        startNs_ = doneNs_ = -1;
        clock_.start();
    }
    void stopWatching() { target_.clear(); }
    bool painted() const { return doneNs_ >= 0; }
    double startMs() const { return double(startNs_) / 1e6; }
    double doneMs() const { return double(doneNs_) / 1e6; }
    QEventLoop* waiter = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
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

private:
    QString target_;
    QElapsedTimer clock_;
    qint64 startNs_ = -1, doneNs_ = -1;
    int depth_ = 0;
};

// The real desktop, but a question is answered "Да" and a message taken at once.
class BenchPlatform : public QtPlatform {
public:
    MsgResult message(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons buttons,
                      MsgCause) override {
        ++messages;
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    std::optional<QString> openFileName(QWidget*, const QString&, int, const QString&) override {
        return {};
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, int) override { return {}; }
    // The autosaves of a long bench go to a folder of its own, never the player's.
    QString dataFolder() override { return data_.path(); }
    int messages = 0;

private:
    QTemporaryDir data_;
};

BenchApp* app = nullptr;

void fail(const QString& what) {
    std::printf("error\t%s\n", qPrintable(what));
    std::fflush(stdout);
    std::exit(1);
}

// Lets the event loop run for a while (or until the watched paint is done).
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

// One thing the player does: a click on a control of a window (or code the game runs), and
// the window it opens, whose first paint is timed.
struct Step {
    QString window;                       // whose control is clicked
    QString control;                      // its object name; a menu item is triggered
    QString opens;                        // the window that opens, timed; empty: nothing is timed
    std::function<void(Game&)> code = {}; // instead of a click (the game opens a window)
    QString label() const {
        return code ? QString(u'(' + control + u')') : QString(window + u'.' + control);
    }
};

// A visit: the state it needs, then the steps, ending back at the main window.
struct Visit {
    std::function<void(GameState&)> prepare;
    std::vector<Step> steps;
};

void setInteger(GameState& s, const char* name, int value) {
    if (qint16* field = s.integer(QString::fromLatin1(name)))
        *field = qint16(value);
    else
        fail(u"no game variable "_s + QString::fromLatin1(name));
}
void setText(GameState& s, const char* name, const QString& value) {
    if (QString* field = s.text(QString::fromLatin1(name)))
        *field = value;
    else
        fail(u"no game field "_s + QString::fromLatin1(name));
}

std::vector<Visit> visits() {
    std::vector<Visit> all;
    const auto place = [&](const char* picture, const char* window,
                           std::function<void(GameState&)> prepare = {}) {
        const QString w = QString::fromLatin1(window);
        all.push_back({std::move(prepare),
                       {{u"frmMain"_s, QString::fromLatin1(picture), w}, {w, u"cmdBack"_s, {}}}});
    };
    place("imgFlat", "frmFlat");
    place("imgShop", "frmShop");
    place("imgComputer", "frmComputer");
    place("imgPrograms", "frmPrograms");
    place("imgLearn", "frmStudy");
    place("imgWork", "frmWork");
    // A car of one's own: the bank opens without the taxi.
    place("imgBank", "frmBank", [](GameState& s) { setInteger(s, "CarKind", 1); });
    place("imgHakker", "frmHakerstvo", [](GameState& s) { setText(s, "lblStatus", u"Хакер"_s); });

    // A window that hands over to others, each handing back to it: opened from the main window
    // by its picture, `reveal` shows the way to the others, each is left by `back`.
    struct Branch {
        const char *button, *window, *back;
    };
    const auto hub = [&](const char* picture, const char* window, const char* reveal,
                         std::initializer_list<Branch> branches,
                         std::function<void(GameState&)> prepare = {}) {
        const QString h = QString::fromLatin1(window);
        Visit v{std::move(prepare), {{u"frmMain"_s, QString::fromLatin1(picture), h}}};
        for (const Branch& b : branches) {
            const QString w = QString::fromLatin1(b.window);
            v.steps.push_back({h, QString::fromLatin1(reveal), {}});
            v.steps.push_back({h, QString::fromLatin1(b.button), w});
            v.steps.push_back({w, QString::fromLatin1(b.back), h});
        }
        v.steps.push_back({h, u"cmdBack"_s, {}});
        all.push_back(std::move(v));
    };
    // The venue and its three machines; the provider and its two sites (connected).
    hub("imgParty", "frmParty", "cmdKasino",
        {{"cmdRuletka", "frmRuletka", "cmdBack"},
         {"cmdRuletka2", "frmRuletka2", "cmdBack"},
         {"cmdAr", "frmAr", "cmdBack"}});
    hub("imgInternet", "frmInternet", "cmdWalk",
        {{"Command5", "frmInterComp", "cmdGoout"}, {"cmdAnek", "frmInterAnek", "cmdGoout"}},
        [](GameState& s) { setText(s, "lblVichod", u"Есть"_s); });

    // The hobby shop, the lake (a rod, tackle and a car), a trip cut short, and home.
    const auto finishFishing = [](Game& game) {
        auto* lake = game.loaded<frmMadFish>();
        if (!lake)
            fail(u"no lake to finish"_s);
        lake->tmrAllTime->fire(); // the thirty seconds are over
        lake->tmrAllTime->fire(); // the way home is open
    };
    all.push_back({[](GameState& s) {
                       setInteger(s, "HasRod", -1);
                       setInteger(s, "HasTackle", -1);
                       setInteger(s, "CarKind", 1);
                   },
                   {{u"frmMain"_s, u"imgHobby"_s, u"frmHobby"_s},
                    {u"frmHobby"_s, u"cmdGoFishing"_s, u"frmMadFish"_s},
                    {u"frmMadFish"_s, u"cmdStart"_s, {}},
                    {u"frmMadFish"_s, u"the fishing ends"_s, {}, finishFishing},
                    {u"frmMadFish"_s, u"cmdStart"_s, u"frmHobby"_s},
                    {u"frmHobby"_s, u"cmdBack"_s, {}}}});

    // The menu's windows.
    all.push_back(
        {{}, {{u"frmMain"_s, u"BigHelp"_s, u"frmHelp"_s}, {u"frmHelp"_s, u"cmdOk"_s, {}}}});
    all.push_back(
        {{}, {{u"frmMain"_s, u"AboutPr"_s, u"frmFirst"_s}, {u"frmFirst"_s, u"cmdOkAbout"_s, {}}}});
    all.push_back(
        {{}, {{u"frmMain"_s, u"History"_s, u"frmHistory"_s}, {u"frmHistory"_s, u"cmdBack"_s, {}}}});

    // What the game opens by itself: a virus strikes; the last job ends the game.
    all.push_back({{},
                   {{u"frmMain"_s, u"virus strikes"_s, u"frmVirus"_s,
                     [](Game& game) {
                         game.open(u"frmVirus"_s);
                     }},
                    {u"frmVirus"_s, u"cmdKill"_s, {}}}});
    all.push_back({{},
                   {{u"frmMain"_s, u"imgWork"_s, {}},
                    {u"frmWork"_s, u"hired for the last job"_s, u"frmTheEnd"_s,
                     [](Game& game) {
                         if (FormCore* work = game.loaded(u"frmWork"_s))
                             game.handOver(work, u"frmTheEnd"_s);
                     }},
                    {u"frmTheEnd"_s, u"cmdOK"_s, {}}}});
    return all;
}

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

struct Timing {
    double startMs, doneMs;
};

// Runs one step; for a step that opens a window, times it until its first paint is done.
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

// One visit from the main window and back to it, with the state it needs. `opened` is told of
// every timed opening.
void visit(Game& game, const GameState& fresh, const Visit& v,
           const std::function<void(const Step&, Timing)>& opened) {
    game.state = fresh;
    if (v.prepare)
        v.prepare(game.state);
    game.stateMayHaveChanged();
    for (const Step& step : v.steps)
        if (const auto timing = run(game, step); timing && opened)
            opened(step, *timing);
    settle();
    if (game.windows().size() != 1)
        fail(u"a visit did not end at the main window: "_s + v.steps.front().label());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

long statusKb(const char* key) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').front().toLong();
    return -1;
}

// Run time of every thread of this process, in nanoseconds.
qint64 cpuNs() {
    qint64 total = 0;
    const QDir tasks(u"/proc/self/task"_s);
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task + u"/schedstat"_s));
        if (f.open(QIODevice::ReadOnly))
            total += f.readAll().split(' ').front().toLongLong();
    }
    return total;
}

double idlePercent(int seconds) {
    QElapsedTimer wall;
    const qint64 before = cpuNs();
    wall.start();
    spin(seconds * 1000);
    const qint64 used = cpuNs() - before;
    return 100.0 * double(used) / double(wall.nsecsElapsed());
}

bool anyTimerRunning(FormCore* form) {
    const auto timers = form->window()->findChildren<Timer*>();
    return std::any_of(timers.begin(), timers.end(), [](Timer* t) { return t->running(); });
}

} // namespace

int main(int argc, char* argv[]) {
    BenchApp application(argc, argv);
    app = &application;
    setUpApplication(application);
    const QStringList args = QApplication::arguments().mid(1);
    const QString mode = args.value(0);
    const int count = args.value(1).toInt();
    if ((mode != u"paint" && mode != u"memory" && mode != u"idle") || count < 1) {
        std::fprintf(stderr, "usage: timburia-bench-windows paint RUNS | memory ROUNDS WARMUP | "
                             "idle SECONDS\n");
        return 2;
    }

    BenchPlatform platform;
    const WindowCatalog windows = gameWindows();
    Game game(platform, windows);
    game.start();
    auto* main = game.loaded<frmMain>();
    if (!main)
        fail(u"no main window"_s);
    if (mode != u"idle") {
        // The game stands still while it is measured, as in the real-window test.
        main->tmrTime->setInterval(0);
        main->Timer1->setInterval(0);
    }
    spin(300); // the main window is shown and painted
    const GameState fresh = game.state;
    const std::vector<Visit> all = visits();

    if (mode == u"paint") {
        struct Samples {
            QString window;
            std::vector<double> done, start;
        };
        std::map<QString, Samples> samples;
        std::vector<QString> order;
        for (int round = 0; round < count; ++round)
            for (const Visit& v : all)
                visit(game, fresh, v, [&](const Step& step, Timing t) {
                    const QString key = step.label();
                    if (!samples.count(key))
                        order.push_back(key);
                    Samples& s = samples[key];
                    s.window = step.opens;
                    s.done.push_back(t.doneMs);
                    s.start.push_back(t.startMs);
                });
        for (const QString& key : order) {
            const Samples& s = samples[key];
            std::printf("paint\t%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%zu\n", qPrintable(key),
                        qPrintable(s.window), s.done.front(), median(s.done),
                        *std::max_element(s.done.begin(), s.done.end()), median(s.start),
                        s.done.size());
        }
    } else if (mode == u"memory") {
        const int warmup = std::max(1, args.value(2).toInt());
        long openings = 0;
        const auto round = [&] {
            for (const Visit& v : all)
                visit(game, fresh, v, [&](const Step&, Timing) { ++openings; });
        };
        round();
        const long rssFirst = statusKb("VmRSS:");
        for (int i = 1; i < warmup; ++i)
            round();
        const long rss0 = statusKb("VmRSS:");
        std::printf("warmup\t%d\t%ld\t%ld\n", warmup, rssFirst, rss0);
        malloc_trim(0);
        const long trimmed0 = statusKb("VmRSS:");
        openings = 0;
        const int every = std::max(1, count / 10);
        for (int i = 1; i <= count; ++i) {
            round();
            if (i % every == 0 && i != count) {
                const long rss = statusKb("VmRSS:");
                malloc_trim(0);
                std::printf("rss\t%d\t%ld\t%ld\t%lld\tanon %ld\tshmem %ld\tfile %ld\n", i, rss,
                            statusKb("VmRSS:"), qlonglong(QApplication::allWidgets().size()),
                            statusKb("RssAnon:"), statusKb("RssShmem:"), statusKb("RssFile:"));
                std::fflush(stdout);
            }
        }
        const long rss1 = statusKb("VmRSS:");
        malloc_trim(0);
        const long trimmed1 = statusKb("VmRSS:");
        std::printf("memory\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\n", count, openings, rss0, rss1, trimmed0,
                    trimmed1);
    } else {
        // Warm: every window opened once, so the figures are those of a game in play.
        for (const Visit& v : all)
            visit(game, fresh, v, {});
        game.state = fresh;
        game.stateMayHaveChanged();
        spin(1000);
        std::printf("idle\tfrmMain\t%.3f\t%d\n", idlePercent(count), count);
        std::fflush(stdout);
        std::set<QString> measured;
        for (const Visit& v : all)
            visit(game, fresh, v, [&](const Step& step, Timing) {
                FormCore* form = game.loaded(step.opens);
                if (!form || measured.count(step.opens) || anyTimerRunning(form))
                    return;
                measured.insert(step.opens);
                spin(500);
                std::printf("idle\t%s\t%.3f\t%d\n", qPrintable(step.opens), idlePercent(count),
                            count);
                std::fflush(stdout);
            });
        for (const Visit& v : all)
            for (const Step& step : v.steps)
                if (!step.opens.isEmpty() && !measured.count(step.opens)) {
                    measured.insert(step.opens);
                    std::printf("idle\t%s\trunning-timer\t0\n", qPrintable(step.opens));
                }
    }
    std::fflush(stdout);
    return 0;
}
