// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-soak --seed S --actions N: plays random games and checks, after every action, that
// the game is still whole.
//
// The player is a seeded generator. At each step it picks something a player could do at that
// moment: a click on any enabled, visible button, picture or menu item of a window it can
// reach, a pointer move, typing or pasting into a text box, a key, closing a window by its
// frame, or letting time pass (up to game days at once, so a run covers decades of game time).
// Message boxes are answered, random draws made and file dialogs filled (real files in a
// fresh folder: saves, autosaves, damaged files) by the same generator.
//
// Every action goes through the scenario runner's own code, and the run is written down as a
// scenario file as it goes: the draws, answers and file names each action used, the action,
// and the messages it showed. A failing run therefore replays exactly with
// `timburia-scenarios TRANSCRIPT`, and the same seed plays the same game again.
//
// After every action: each catalog's field is the name of its level, with the level inside
// the catalog; the flags and counters hold what they can; the game saves and loads back to
// the same line; the chronicle goes forward, and a game saved loads back with it; the open windows
// are ones the game's navigation allows; no handler ran on a window the game had let go of; every
// window let go of has been deleted. Played in English (--lang en), nothing the game shows is
// Russian.

#include "app/GameWindows.h"
#include "runner/QuietOffscreen.h"
#include "runner/Scenario.h"
#include "runner/ScriptedPlatform.h"
#include "soak/Invariants.h"
#include "state/GameState.h"
#include "state/SavedGame.h"
#include "state/TextCodec.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Language.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <set>

using namespace Qt::StringLiterals;

namespace {

using Random = std::mt19937_64;

template <class T> const T& pick(Random& random, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
}

int between(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(Random& random, double p) {
    return std::bernoulli_distribution(p)(random);
}

// The desktop of the soak: what the scenario runner's desktop would have been told by a
// script, made up on the spot by the generator and written down for the transcript.
class SoakPlatform : public ScriptedPlatform {
public:
    SoakPlatform(const QString& folder, Random& random)
        : ScriptedPlatform(folder)
        , random_(random) {}

    float rnd() override {
        if (draws.empty()) {
            // 24 random bits, as the game's own source gives: every float in [0, 1).
            const float value = float(random_() >> 40) / float(1 << 24);
            draws.push_back(value);
            used << u"rnd "_s + QString::number(double(value), 'g', 9);
        }
        return ScriptedPlatform::rnd();
    }

    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override {
        if (buttons == MsgButtons::YesNo && answers.empty()) {
            // A player who mostly stays: games that end at once would never grow old.
            const bool leaving =
                text == u"Вы действительно хотите выйти?" ||
                text == QCoreApplication::translate("Game", "Вы действительно хотите выйти?");
            const bool yes = chance(random_, leaving ? 0.1 : 0.5);
            answers.push_back(yes);
            used << (yes ? u"answer yes"_s : u"answer no"_s);
        }
        return ScriptedPlatform::message(over, text, title, icon, buttons, cause);
    }

    std::optional<QString> openFileName(QWidget* over, const QString& filter, int index,
                                        const QString& folder) override {
        chooseFile(false);
        return ScriptedPlatform::openFileName(over, filter, index, folder);
    }

    std::optional<QString> saveFileName(QWidget* over, const QString& filter, int index,
                                        const QString& folder) override {
        chooseFile(true);
        return ScriptedPlatform::saveFileName(over, filter, index, folder);
    }

    // The scenario lines for what the last action used.
    QStringList used;

private:
    void chooseFile(bool saving) {
        if (!files.empty())
            return;
        std::vector<QString> names = {u"cancel"_s, u"g1.kbz"_s, u"g2.kbz"_s, u"g3"_s,
                                      u"missing/g.kbz"_s};
        if (!saving) {
            names = {u"cancel"_s, u"junk.kbz"_s, u"none.kbz"_s};
            const QDir folder(caseFolder);
            for (const QString& name : folder.entryList({u"*.kbz"_s}, QDir::Files, QDir::Name))
                names.push_back(name);
            for (const QString& name :
                 QDir(folder.filePath(u"data"_s)).entryList({u"*.kbz"_s}, QDir::Files, QDir::Name))
                names.push_back(u"data/"_s + name);
        }
        const QString& name = pick(random_, names);
        files.push_back(name == u"cancel" ? std::nullopt : std::optional<QString>(name));
        used << u"file "_s + scenarioWord(name);
    }

    Random& random_;
};

class Soak {
public:
    Soak(quint64 seed, const WindowCatalog& windows, QTextStream& transcript, bool english)
        : english_(english)
        , random_(seed)
        , windows_(windows)
        , transcript_(transcript) {}

    // One step; what went wrong, if anything.
    QString step() {
        if (!session_ || session_->game()->ended())
            startProgram();
        Game& game = *session_->game();
        const QStringList action = chooseAction(game);
        platform_->used.clear();
        strayHandler_.clear();
        lastAction_ = action.join(u' ');
        const bool pausedBefore = game.paused();
        const PlayValues playBefore = playValues(game);
        const std::optional<QString> failed = session_->perform(action);
        for (const QString& line : platform_->used)
            transcript_ << line << '\n';
        transcript_ << quotedLine(action) << '\n';
        QStringList messages;
        for (const ShownMessage& m : platform_->shown)
            messages << m.title << m.text;
        writeMessages();
        if (failed)
            return u"the action could not be done: "_s + *failed;
        if (!strayHandler_.isEmpty())
            return strayHandler_;
        if (game.ended())
            return {};
        if (QString problem = navigationProblem(windowNames(game)); !problem.isEmpty())
            return problem;
        if (QString problem = stateProblem(game.state); !problem.isEmpty())
            return problem;
        if (action.value(1) == u"frmMain.Save")
            for (const QString& line : platform_->used)
                if (line.startsWith(u"file "_s) && line != u"file cancel") {
                    // The name as the save dialog gave it, with the extension the game adds.
                    QString path = QDir(platform_->caseFolder).filePath(line.mid(5));
                    if (QFileInfo(path).suffix().isEmpty())
                        path += u".kbz"_s;
                    if (QString problem = savedChronicleProblem(game.state, path);
                        !problem.isEmpty())
                        return problem;
                }
        if (QString problem = leftoverWindows(game); !problem.isEmpty())
            return problem;
        if (english_)
            if (QString problem = russianTextProblem(game, messages, filesRead());
                !problem.isEmpty())
                return problem;
        // The pause holds play: nothing the player does while paused moves a mini-game, its
        // catch or the clock (a game loaded or begun meanwhile is a new moment, not a move).
        if (pausedBefore && game.paused() && !startsAnotherGame(action))
            if (QString problem = pausedPlayProblem(playBefore, playValues(game));
                !problem.isEmpty())
                return problem;
        return {};
    }

    const QString& lastAction() const { return lastAction_; }

private:
    const bool english_;

    void startProgram() {
        session_.reset();
        platform_.reset();
        folder_ = std::make_unique<QTemporaryDir>();
        platform_ = std::make_unique<SoakPlatform>(folder_->path(), random_);
        session_ = std::make_unique<ScenarioSession>(windows_, *platform_);
        transcript_ << "\ncase \"program " << ++programs_ << "\"\n";
        // One program in three starts with a fortune, so that random play gets as far as
        // computers and programs; half of those as a hacker with all it takes to go online, for the
        // sites and the hackers' jobs that random play would take years to reach.
        std::vector<QStringList> opening{{u"start"_s}};
        const double profile = std::uniform_real_distribution<double>(0, 1)(random_);
        if (profile < 1.0 / 3)
            opening.push_back({u"set"_s, u"lblMoney"_s, u"30000"_s});
        if (profile < 1.0 / 6)
            for (const auto& [field, value] : {std::pair{u"lblStatus"_s, u"Хакер"_s},
                                               {u"HasBrowser"_s, u"-1"_s},
                                               {u"HasDialer"_s, u"-1"_s},
                                               {u"HasDownloader"_s, u"-1"_s}})
                opening.push_back({u"set"_s, field, value});
        for (const QStringList& line : opening)
            perform(line);
        // The hacker's modem, with the name its catalog gives it.
        if (profile < 1.0 / 6) {
            perform({u"set"_s, u"ModemLevel"_s, u"1"_s});
            perform({u"set"_s, u"lblModem"_s, session_->game()->state.Modem.Names.value(1)});
        }
        writeMessages();
        session_->game()->handlerStarting = [this](const FormCore& form) {
            const auto& open = session_->game()->windows();
            if (form.isUnloaded() || std::find(open.begin(), open.end(), &form) == open.end())
                strayHandler_ = u"a handler ran on %1, which is not loaded"_s.arg(form.formName());
        };
    }

    // A new game (the menu's, or the start window's) or a load puts another moment of play in
    // place.
    static bool startsAnotherGame(const QStringList& action) {
        const QString target = action.value(1);
        return target.startsWith(u"frmFirst") || target == u"frmMain.NewGame" ||
               target == u"frmMain.Load" || target == u"frmMain.LoadAutosave" ||
               target == u"frmMain.ContinueLast" || target.startsWith(u"frmMain.RecentGame");
    }

    // The files the last action chose in a file dialog, as the game reads them (its games in
    // Windows-1251, its histories in UTF-8).
    QString filesRead() const {
        QString text;
        for (const QString& line : platform_->used)
            if (line.startsWith(u"file "_s) && line != u"file cancel") {
                QFile file(QDir(platform_->caseFolder).filePath(line.mid(5)));
                if (file.open(QIODevice::ReadOnly)) {
                    const QByteArray bytes = file.read(1 << 20);
                    text += fromCp1251(bytes) + QString::fromUtf8(bytes);
                }
            }
        return text;
    }

    // A line of the opening, which cannot fail.
    void perform(const QStringList& line) {
        transcript_ << quotedLine(line) << '\n';
        if (auto failed = session_->perform(line))
            qFatal("the soak could not start the game: %s", qPrintable(*failed));
    }

    void writeMessages() {
        for (const ShownMessage& m : platform_->shown)
            transcript_ << "message " << scenarioWord(m.text) << ' ' << scenarioWord(m.title) << ' '
                        << scenarioIcon(m.icon) << ' '
                        << (m.buttons == MsgButtons::YesNo ? "yesno" : "ok") << '\n';
        platform_->shown.clear();
    }

    static QString quotedLine(const QStringList& words) {
        QStringList out;
        for (const QString& word : words)
            out << scenarioWord(word);
        return out.join(u' ');
    }

    // A window the game let go of is deleted once the event loop turns (the runner turns it
    // after every action): none may linger.
    static QString leftoverWindows(const Game& game) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            const auto* form = dynamic_cast<const FormCore*>(widget);
            if (!form)
                continue;
            const auto& open = game.windows();
            if (std::find(open.begin(), open.end(), form) == open.end())
                return u"window %1 was let go of but not deleted"_s.arg(form->formName());
        }
        return {};
    }

    // The windows the player can act on: shown, and with no modal window shown after them.
    static std::vector<FormCore*> reachable(const Game& game) {
        std::vector<FormCore*> result;
        const auto& open = game.windows();
        for (size_t i = 0; i < open.size(); ++i) {
            if (!open[i]->window()->isVisible())
                continue;
            bool covered = false;
            for (size_t j = i + 1; j < open.size(); ++j)
                covered =
                    covered || (open[j]->window()->isVisible() && open[j]->window()->isModal());
            if (!covered)
                result.push_back(open[i]);
        }
        return result;
    }

    // A control the runner finds by its name: the first of that name in the window.
    static bool addressable(FormCore* form, QObject* object) {
        const QString name = object->objectName();
        if (name.isEmpty())
            return false;
        for (QObject* found : form->window()->findChildren<QObject*>(name))
            if (!qobject_cast<QLayout*>(found))
                return found == object;
        return false;
    }

    static bool usable(FormCore* form, QWidget* widget) {
        return widget->isEnabled() && widget->isVisibleTo(form->window());
    }

    struct Choices {
        std::vector<QString> click, hover, press, text, focus;
    };

    Choices choicesIn(FormCore* form) {
        Choices c;
        const QString window = form->formName();
        const auto address = [&](QObject* object) -> QString {
            return window + u'.' + object->objectName();
        };
        for (QObject* object : form->window()->findChildren<QObject*>()) {
            if (auto* action = qobject_cast<QAction*>(object)) {
                // A run plays in the one language it was started in.
                const bool language = action->objectName().startsWith(u"Language");
                if (action->isEnabled() && action->isVisible() && !action->menu() && !language &&
                    addressable(form, action))
                    c.click.push_back(address(action));
                continue;
            }
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || !addressable(form, widget) || !usable(form, widget) ||
                qobject_cast<QMenu*>(widget))
                continue;
            if (qobject_cast<QAbstractButton*>(widget) ||
                form->handles(widget, ControlEvent::Click))
                c.click.push_back(address(widget));
            if (form->handles(widget, ControlEvent::MouseMove))
                c.hover.push_back(address(widget));
            if (form->handles(widget, ControlEvent::MouseDown) ||
                form->handles(widget, ControlEvent::MouseUp))
                c.press.push_back(address(widget));
            if (auto* line = qobject_cast<QLineEdit*>(widget); line && !line->isReadOnly())
                c.text.push_back(address(widget));
            if (widget->focusPolicy() & Qt::TabFocus)
                c.focus.push_back(address(widget));
        }
        c.hover.push_back(window); // the window's background
        return c;
    }

    // The fastest running timer of the game, in ms (0: none).
    static int fastestTimer(const Game& game) {
        int fastest = 0;
        for (const FormCore* form : game.windows())
            for (const Timer* timer : form->window()->findChildren<Timer*>())
                if (timer->running() && (fastest == 0 || timer->interval() < fastest))
                    fastest = timer->interval();
        return fastest;
    }

    QString typedText() {
        static const QString letters = u"0123456789000111-.,aZпР $"_s;
        QString text;
        const int length =
            chance(random_, 0.05) ? between(random_, 10, 24) : between(random_, 1, 5);
        for (int i = 0; i < length; ++i)
            text += letters[between(random_, 0, int(letters.size()) - 1)];
        return text;
    }

    // A saved game with one thing wrong in it, for the load dialog to find.
    QStringList junkFile(const Game& game) {
        QString line = fromCp1251(SavedGame::write(game.state));
        const int at = between(random_, 0, int(line.size()) - 1);
        if (chance(random_, 0.5))
            line.truncate(at);
        else
            line[at] = u"\",#x9-"_s[between(random_, 0, 5)];
        return {u"write-file"_s, u"junk.kbz"_s, line};
    }

    QStringList chooseAction(Game& game) {
        const std::vector<FormCore*> forms = reachable(game);
        if (forms.empty())
            return {u"wait"_s, QString::number(between(random_, 1, 1000))};
        FormCore* form = pick(random_, forms);
        const Choices c = choicesIn(form);
        const QString window = form->formName();
        const double roll = std::uniform_real_distribution<double>(0, 1)(random_);
        if (roll < 0.50 && !c.click.empty()) {
            // A curious player: of two controls, the one clicked less so far, so that the
            // deeper places (a site behind the provider, a machine behind the venue) are
            // reached too.
            const QString& one = pick(random_, c.click);
            const QString& other = pick(random_, c.click);
            const QString& chosen = clicks_[other] < clicks_[one] ? other : one;
            ++clicks_[chosen];
            return {u"click"_s, chosen};
        }
        if (roll < 0.58)
            return {u"hover"_s, pick(random_, c.hover)};
        if (roll < 0.64 && !c.text.empty())
            return {chance(random_, 0.8) ? u"type"_s : u"paste"_s, pick(random_, c.text),
                    typedText()};
        if (roll < 0.69) {
            static const std::vector<QString> keys = {u"P"_s,     u"Escape"_s, u"Enter"_s,
                                                      u"Space"_s, u"Tab"_s,    u"Left"_s,
                                                      u"Right"_s, u"Up"_s,     u"Down"_s};
            return {u"key"_s, window, pick(random_, keys)};
        }
        if (roll < 0.71 && !c.press.empty())
            return {chance(random_, 0.5) ? u"press"_s : u"release"_s, pick(random_, c.press)};
        if (roll < 0.73 && !c.focus.empty())
            return {u"focus"_s, pick(random_, c.focus)};
        if (roll < 0.74)
            return {u"close"_s, window};
        if (roll < 0.75)
            return junkFile(game);
        // Time passes: seconds, minutes or game days, but no more than a few seconds while a
        // mini-game's quick timers run (they would tick a million times).
        const int fastest = fastestTimer(game);
        int ms = between(random_, 1, 3000);
        if (fastest >= 200 || fastest == 0) {
            if (chance(random_, 0.4))
                ms = between(random_, 3000, 60000);
            else if (chance(random_, 0.3))
                ms = between(random_, 60000, 900000);
        }
        return {u"wait"_s, QString::number(ms)};
    }

    Random random_;
    const WindowCatalog& windows_;
    QTextStream& transcript_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SoakPlatform> platform_;
    std::unique_ptr<ScenarioSession> session_;
    std::map<QString, qint64> clicks_;
    QString strayHandler_;
    QString lastAction_;
    int programs_ = 0;
};

// The resident memory of this process in MiB, as the kernel counts it (0 where it cannot be
// read): the soak reports it at the start and the end, which should be close.
double residentMiB() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

struct Options {
    quint64 seed = 1;
    qint64 actions = 10000;
    QString transcript;
    bool keep = false;
    bool english = false;
};

std::optional<Options> parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const QString value = arguments.value(i + 1);
        bool ok = true;
        if (a == u"--seed") {
            options.seed = value.toULongLong(&ok);
            ++i;
        } else if (a == u"--actions") {
            options.actions = value.toLongLong(&ok);
            ok = ok && options.actions > 0;
            ++i;
        } else if (a == u"--transcript") {
            options.transcript = value;
            ok = !value.isEmpty();
            ++i;
        } else if (a == u"--keep") {
            options.keep = true;
        } else if (a == u"--lang") {
            ok = languageFromCode(value).has_value();
            options.english = languageFromCode(value) == Language::English;
            ++i;
        } else {
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    HeadlessApplication app(argc, argv);
    useGamePalette();
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<Options> options = parse(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr,
                     "usage: timburia-soak --seed S --actions N [--transcript FILE] [--keep]\n"
                     "                     [--lang ru|en]\n"
                     "Plays N random actions from seed S, checking the game after each.\n"
                     "In English it also checks that nothing the game shows is Russian.\n"
                     "The run is written as a scenario file (FILE, or one in the temporary\n"
                     "folder), kept when an action fails or with --keep.\n");
        return 2;
    }
    const QString path = !options->transcript.isEmpty()
                             ? options->transcript
                             : QDir::temp().filePath(u"timburia-soak-%1.scn"_s.arg(options->seed));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 2;
    }
    QTextStream transcript(&file);
    transcript << "# timburia-soak --seed " << options->seed << " --actions " << options->actions
               << (options->english ? " --lang en" : "") << '\n';
    // The scenario runner plays in Russian: an English transcript replays its actions, but its
    // messages are the English ones.
    if (options->english)
        useLanguage(Language::English);

    const WindowCatalog windows = gameWindows();
    Soak soak(options->seed, windows, transcript, options->english);
    QElapsedTimer clock;
    clock.start();
    qint64 passed = 0, failed = 0;
    // Memory after the first thousand actions (everything has been built once by then).
    double settledMiB = 0;
    for (qint64 n = 1; n <= options->actions; ++n) {
        if (n == std::min<qint64>(1000, options->actions))
            settledMiB = residentMiB();
        // A long run says how it goes ten times on its way.
        if (options->actions >= 100000 && n % (options->actions / 10) == 0) {
            std::printf("%lld actions, %.0f s, %.1f MiB\n", static_cast<long long>(n),
                        double(clock.elapsed()) / 1000, residentMiB());
            std::fflush(stdout);
        }
        const QString problem = soak.step();
        if (!problem.isEmpty()) {
            failed = 1;
            std::printf("FAIL action %lld (%s): %s\n", static_cast<long long>(n),
                        qPrintable(soak.lastAction()), qPrintable(problem));
            break;
        }
        ++passed;
    }
    transcript.flush();
    file.close();
    const double seconds = double(clock.elapsed()) / 1000;
    std::printf("seed %llu: %.1f s, %.0f actions/s, memory %.1f MiB after 1000 actions, %.1f MiB "
                "at the end\n",
                static_cast<unsigned long long>(options->seed), seconds,
                seconds > 0 ? double(passed + failed) / seconds : 0.0, settledMiB, residentMiB());
    if (failed || options->keep)
        std::printf("transcript (replays with timburia-scenarios): %s\n", qPrintable(path));
    else
        QFile::remove(path);
    std::printf("%lld passed, %lld failed\n", static_cast<long long>(passed),
                static_cast<long long>(failed));
    return failed ? 1 : 0;
}
