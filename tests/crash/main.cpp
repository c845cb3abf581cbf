// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-crash: kills the game at every step of its file writing and checks what is left.
//
// The game is played headless over the scripted desktop, as the scenario runner plays it. A
// first run prepares a data folder as a player would leave it after two lives: an earlier
// life's five autosaves in previous/, the current life's five in the data folder, and a saved
// game g.kbz of the earlier life, each with its history. Then, for N = 1, 2, ..., a copy of
// that folder is played on by a child process that the file writer kills just before its Nth
// step that changes the disk (TIMBURIA_KILL_AT_FILE_STEP): the current life is loaded from
// its newest autosave, saved over g.kbz, plays to the end of the day (an autosave and a
// rotation), then a new game plays to the end of its first day (the current life's set moves
// into previous/, the life kept there goes). The runs end with the first child that finishes.
//
// After every kill the folder must hold only whole files the game can read, every game and
// history that sit together must belong together, and no day of the current life may be lost
// but the oldest, which the rotation lets go.
//
//   timburia-crash                       the whole test; exit 0 when every run passed
//   timburia-crash prepare|act FOLDER    one child's part

#include "app/GameWindows.h"
#include "runner/QuietOffscreen.h"
#include "runner/Scenario.h"
#include "runner/ScriptedPlatform.h"
#include "state/GameFiles.h"
#include "state/History.h"
#include "state/SavedGame.h"
#include "state/WholeFile.h"
#include "ui/Game.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The money that tells the lives apart: the earlier one, the current one, the new one.
const QString EarlierLife = u"1111"_s;
const QString CurrentLife = u"2222"_s;
const QString NewLife = u"3333"_s;

using Line = QStringList;

// The day ends after the clock's next tick.
const std::vector<Line> ToTheDaysEnd = {{u"set"_s, u"lblHours"_s, u"23"_s}, {u"wait"_s, u"1500"_s}};

std::vector<Line> lifeOfFiveDays(const QString& money) {
    // Fed and cheerful enough to live the five days through.
    std::vector<Line> lines = {{u"set"_s, u"lblMoney"_s, money},
                               {u"set"_s, u"lblHungry"_s, u"100"_s},
                               {u"set"_s, u"lblHappyness"_s, u"100"_s}};
    for (int day = 0; day < 5; ++day)
        lines.insert(lines.end(), ToTheDaysEnd.begin(), ToTheDaysEnd.end());
    return lines;
}

std::vector<Line> newGame() {
    return {{u"answer"_s, u"yes"_s},
            {u"click"_s, u"frmMain.NewGame"_s},
            {u"click"_s, u"frmFirst.cmdOK"_s}};
}

std::vector<Line> preparing() {
    std::vector<Line> lines = {{u"start"_s}};
    const auto add = [&](const std::vector<Line>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    add(lifeOfFiveDays(EarlierLife));
    add({{u"file"_s, u"g.kbz"_s}, {u"click"_s, u"frmMain.Save"_s}});
    add(newGame());
    add(lifeOfFiveDays(CurrentLife));
    return lines;
}

std::vector<Line> acting() {
    std::vector<Line> lines = {{u"start"_s},
                               {u"file"_s, u"data/autosave.kbz"_s},
                               {u"click"_s, u"frmMain.LoadAutosave"_s},
                               {u"file"_s, u"g.kbz"_s},
                               {u"click"_s, u"frmMain.Save"_s}};
    lines.insert(lines.end(), ToTheDaysEnd.begin(), ToTheDaysEnd.end());
    const std::vector<Line> next = newGame();
    lines.insert(lines.end(), next.begin(), next.end());
    lines.push_back({u"set"_s, u"lblMoney"_s, NewLife});
    lines.insert(lines.end(), ToTheDaysEnd.begin(), ToTheDaysEnd.end());
    return lines;
}

int play(const QString& folder, const std::vector<Line>& lines) {
    const WindowCatalog windows = gameWindows();
    ScriptedPlatform platform(folder);
    ScenarioSession session(windows, platform);
    for (const Line& line : lines)
        if (const std::optional<QString> failed = session.perform(line)) {
            std::fprintf(stderr, "timburia-crash: %s: %s\n", qPrintable(line.join(u' ')),
                         qPrintable(*failed));
            return 1;
        }
    return 0;
}

// --- what a crash left ---------------------------------------------------------------------

struct Problems {
    QStringList list;
    void add(const QString& problem) { list << problem; }
};

bool isGameFile(const QString& name) {
    return name.endsWith(u".kbz"_s) || name.endsWith(u".kbz.history"_s) ||
           name.endsWith(u".kbz.history.old"_s);
}

struct Autosave {
    QString life; // its money
    int day = 0;
};

// Every game file under `root` whole, every pair belonging; the autosaves found, by path.
std::map<QString, Autosave> checkFiles(const QDir& root, const GameState& fresh,
                                       Problems& problems) {
    std::map<QString, Autosave> autosaves;
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = root.relativeFilePath(path);
        if (!isGameFile(name))
            continue; // a temporary file the writer never put in place
        const WholeFile::Bytes file = WholeFile::read(path, History::MaxFileSize);
        if (!file.bytes) {
            problems.add(name + u": "_s + file.error);
            continue;
        }
        if (name.endsWith(u".kbz"_s)) {
            const SavedGame::Loaded game = SavedGame::read(*file.bytes, fresh);
            if (!game.state) {
                problems.add(name + u" is not whole: "_s + game.error);
                continue;
            }
            if (QFileInfo(name).fileName().startsWith(u"autosave"_s))
                autosaves[name] = {game.state->lblMoney, game.state->lblDay.toInt()};
            const WholeFile::Bytes history =
                WholeFile::read(History::pathFor(path), History::MaxFileSize);
            if (history.bytes) {
                const std::optional<History::File> parsed = History::parse(*history.bytes);
                if (parsed && parsed->game != History::markOf(*file.bytes))
                    problems.add(name + u" sits beside another game's history"_s);
            }
        } else if (!History::parse(*file.bytes)) {
            problems.add(name + u" is not a whole history"_s);
        }
    }
    return autosaves;
}

// The current life's days as the prepared folder holds them.
std::set<int> daysOf(const std::map<QString, Autosave>& autosaves, const QString& life) {
    std::set<int> days;
    for (const auto& [path, autosave] : autosaves)
        if (autosave.life == life)
            days.insert(autosave.day);
    return days;
}

QStringList check(const QDir& folder, const std::set<int>& preparedDays, const GameState& fresh,
                  bool finished) {
    Problems problems;
    const std::map<QString, Autosave> autosaves = checkFiles(folder, fresh, problems);

    // A run to the end did it all: the game saved, the day autosaved, the life moved along.
    const auto holds = [&](const QString& path, const QString& life, int day) {
        const auto autosave = autosaves.find(path);
        if (autosave == autosaves.end() || autosave->second.life != life ||
            autosave->second.day != day)
            problems.add(path + u" does not hold what the game wrote last"_s);
    };
    if (finished) {
        holds(u"data/autosave.kbz"_s, NewLife, 6);
        holds(u"data/previous/autosave.kbz"_s, CurrentLife, *preparedDays.rbegin() + 1);
        holds(u"data/previous/autosave.4.kbz"_s, CurrentLife, *preparedDays.begin() + 1);
    }

    // The saved game is the earlier life's or the current one's, whole either way.
    const SavedGame::Loaded saved = SavedGame::load(folder.filePath(u"g.kbz"_s), fresh);
    if (!saved.state)
        problems.add(u"g.kbz: "_s + saved.error);
    else if (finished && saved.state->lblMoney != CurrentLife)
        problems.add(u"g.kbz was not saved"_s);
    else if (saved.state->lblMoney != EarlierLife && saved.state->lblMoney != CurrentLife)
        problems.add(u"g.kbz holds a game it never held"_s);

    // No day of the current life is lost but the oldest, and none is there twice.
    std::map<int, int> found;
    for (const auto& [path, autosave] : autosaves)
        if (autosave.life == CurrentLife)
            ++found[autosave.day];
    for (int day : preparedDays)
        if (day != *preparedDays.begin() && !found.count(day))
            problems.add(u"the current life's day %1 is lost"_s.arg(day));
    for (const auto& [day, copies] : found)
        if (copies > 1)
            problems.add(u"the current life's day %1 is there %2 times"_s.arg(day).arg(copies));
    return problems.list;
}

void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(path, target);
    }
}

struct Child {
    bool finished = false; // ran to its end (not killed)
    bool killed = false;
    QString output;
};

Child runChild(const QString& mode, const QString& folder, int killAt) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (killAt > 0)
        environment.insert(u"TIMBURIA_KILL_AT_FILE_STEP"_s, QString::number(killAt));
    // A child killed on purpose leaves its memory as it was: that is no leak.
    environment.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {mode, folder});
    child.waitForFinished(120000);
    Child result;
    result.output = QString::fromLocal8Bit(child.readAll());
    result.killed = child.exitStatus() == QProcess::CrashExit;
    result.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return result;
}

int runAll() {
    const GameState fresh = [] {
        GameState state;
        state.beginNewGame(QDate(2002, 5, 5));
        return state;
    }();
    QTemporaryDir work;
    const QString prepared = work.filePath(u"prepared"_s);
    QDir().mkpath(prepared);
    if (const Child child = runChild(u"prepare"_s, prepared, 0); !child.finished) {
        std::fprintf(stderr, "timburia-crash: preparing failed\n%s", qPrintable(child.output));
        return 1;
    }
    Problems none;
    const std::set<int> preparedDays = daysOf(checkFiles(QDir(prepared), fresh, none), CurrentLife);
    if (preparedDays.size() != 5 || !none.list.isEmpty()) {
        std::fprintf(stderr, "timburia-crash: the prepared folder is not as it should be: %s\n",
                     qPrintable(none.list.join(u"; "_s)));
        return 1;
    }

    int failures = 0;
    for (int step = 1;; ++step) {
        const QString folder = work.filePath(u"step-%1"_s.arg(step));
        copyFolder(prepared, folder);
        const Child child = runChild(u"act"_s, folder, step);
        const QStringList problems = check(QDir(folder), preparedDays, fresh, child.finished);
        if (!child.killed && !child.finished) {
            std::fprintf(stderr, "step %d: the game failed\n%s", step, qPrintable(child.output));
            return 1;
        }
        std::printf("step %d: %s%s\n", step, child.killed ? "killed" : "ran to the end",
                    problems.isEmpty() ? ", every file whole and with its own"
                                       : qPrintable(u": "_s + problems.join(u"; "_s)));
        failures += problems.isEmpty() ? 0 : 1;
        QDir(folder).removeRecursively();
        if (child.finished) {
            std::printf("%d kills, %d left a problem\n", step - 1, failures);
            // A game that was never killed would say nothing: there must have been steps.
            return failures == 0 && step > 10 ? 0 : 1;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    HeadlessApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return runAll();
    if (arguments.size() == 2 && arguments[0] == u"prepare")
        return play(arguments[1], preparing());
    if (arguments.size() == 2 && arguments[0] == u"act")
        return play(arguments[1], acting());
    std::fprintf(stderr, "usage: timburia-crash [prepare|act FOLDER]\n");
    return 2;
}
