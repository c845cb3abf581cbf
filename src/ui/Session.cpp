// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Session.h"

#include "rules/Clock.h"
#include "rules/LifeStory.h"
#include "state/Autosave.h"
#include "state/GameFiles.h"
#include "state/GameState.h"
#include "state/Hall.h"
#include "state/History.h"
#include "state/RecentGames.h"
#include "state/SavedGame.h"
#include "state/WholeFile.h"
#include "ui/FormCore.h"
#include "ui/Game.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A game loaded from the autosaves in the data folder carries on that set's life: its days go
// on being autosaved beside it. Any other game is another life.
bool isCurrentAutosave(const QString& dataFolder, const QString& path) {
    const QFileInfo file(path);
    if (QFileInfo(file.absolutePath()).canonicalFilePath() !=
        QFileInfo(dataFolder).canonicalFilePath())
        return false;
    for (int age = 0; age < Autosave::Kept; ++age)
        if (file.fileName() == Autosave::fileName(age))
            return true;
    return false;
}

QString savedGames() {
    return Session::tr("Тимбурия (*.kbz)|*.kbz|");
}

// Every window above the main one goes (all of them when `keep` is nullptr), the topmost
// first.
void unloadAllBut(Game& game, const FormCore* keep) {
    const auto windows = game.windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != keep)
            game.unload(*it);
}

} // namespace

Session::Session(Game& game)
    : game_(game) {}

void Session::begin(FormCore& main) {
    beginNewGame(main);
    Q_EMIT lastLifeChanged();
    if (game_.generation() != 1)
        return;
    const std::optional<QString> last = lastLife();
    if (!last)
        return;
    const SavedGame::Loaded loaded = SavedGame::load(*last, game_.state);
    if (loaded.state)
        tell([date = History::dateOf(*loaded.state)] {
            return tr("Прошлая игра сохранена на день %1: «Файл → Продолжить прошлую игру».")
                .arg(date);
        });
}

void Session::beginNewGame(FormCore& main) {
    ++game_.generation_;
    lifeOver_ = false;
    ownsAutosaves_ = false;
    game_.state.beginNewGame(game_.platform.today());
    game_.state.story.began = game_.platform.now().toString(Qt::ISODateWithMs);
    game_.state.story.firstDay = History::dateOf(game_.state);
    game_.setHistory({});
    game_.show(&main, false);
}

void Session::newGame() {
    if (FormCore* main = game_.loaded(WindowName::Main))
        beginNewGame(*main);
    else
        game_.load(WindowName::Main); // its Load begins the game
}

void Session::passHour(Clock::Effects& effects) {
    const QString today = History::dateOf(game_.state);
    if (Clock::tick(game_.state, effects))
        endOfDay(today);
}

void Session::endOfDay(const QString& date) {
    // A life whose death is decided keeps the autosaves of its last living days.
    if (lifeOver_)
        return;
    game_.recordDay(History::record(game_.state, date));
    // A failed autosave does not stop the game: the status bar says so until one succeeds.
    const QString folder = game_.platform.dataFolder();
    if (!ownsAutosaves_) {
        if (std::optional<QString> error = Autosave::movePreviousLife(folder))
            return noteTrouble(QT_TR_NOOP("Автосохранение не удалось: %1"), error);
        ownsAutosaves_ = true;
    }
    const GameFiles::Written written = Autosave::write(folder, game_.state, game_.history);
    if (written.game)
        noteTrouble(QT_TR_NOOP("Автосохранение не удалось: %1"), written.game);
    else
        noteTrouble(QT_TR_NOOP("История не сохранена в автосохранении: %1"), written.history);
    Q_EMIT lastLifeChanged();
}

void Session::die(FormCore& main, const QString& text) {
    lifeOver_ = true;
    endLife();
    main.msg(text, tr("+СМЕРТЬ+"), MsgIcon::Exclamation);
    game_.state.SkipExitConfirm = 1;
    unloadAllBut(game_, nullptr);
}

namespace {

// The memorial's path in `folder`: a name the folder does not have yet.
QString freeName(const QString& folder, const QString& name) {
    const QFileInfo file(name);
    QString path = folder + u'/' + name;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = u"%1/%2 (%3).%4"_s.arg(folder, file.completeBaseName()).arg(n).arg(file.suffix());
    return path;
}

} // namespace

void Session::endLife() {
    const QDateTime ended = game_.platform.now();
    const LifeStory::Summary summary = LifeStory::summarize(game_.state, game_.history);
    endedLife_ = summary.began;
    const QString data = game_.platform.dataFolder();
    const QString memorials = data + u"/memorial"_s;
    const bool noFolder = !QDir().mkpath(memorials);
    std::optional<QString> written;
    if (!noFolder)
        written = WholeFile::write(
            freeName(memorials, LifeStory::memorialFileName(summary, ended)),
            LifeStory::memorialText(summary, game_.state.story.entries, ended).toUtf8());

    // A hall that is there and cannot be read is left as it is, for the player to find.
    QString unread;
    const QString hallPath = Hall::pathIn(data);
    const Hall::Rows rows = Hall::load(hallPath, &unread);
    std::optional<QString> entered;
    if (!unread.isEmpty()) {
        entered = unread;
    } else {
        const Hall::Rows table = Hall::enter(rows, LifeStory::hallRow(summary, ended));
        if (table != rows)
            entered = Hall::save(hallPath, table);
    }
    tellTrouble([noFolder, written, entered] {
        QStringList trouble;
        if (noFolder || written)
            trouble << tr("Памятная запись не сохранена: %1")
                           .arg(noFolder ? tr("не удалось создать папку memorial") : *written);
        if (entered)
            trouble << tr("Зал славы не обновлен: %1").arg(*entered);
        return trouble.join(u"; "_s);
    });
}

void Session::save(FormCore& main) {
    const auto fail = [&main](const QString& why) {
        main.msg(tr("Вы не сохранили игру.\n\n%1").arg(why), tr("Не сохранили."),
                 MsgIcon::Information);
    };
    std::optional<QString> path = main.saveFileName(savedGames(), 1, recentFolder());
    if (!path)
        return fail(tr("Файл не выбран."));
    // A name typed without an extension is a saved game all the same.
    if (QFileInfo(*path).suffix().isEmpty())
        *path += u".kbz"_s;
    const GameFiles::Written written = GameFiles::save(*path, game_.state, game_.history);
    if (written.game)
        return fail(*written.game);
    remember(*path);
    tell([name = QFileInfo(*path).fileName()] { return tr("Игра сохранена: %1").arg(name); });
    // The game is saved whatever becomes of its history, which only the status bar mentions.
    noteTrouble(QT_TR_NOOP("История не сохранена: %1"), written.history);
}

void Session::load(FormCore& main) {
    loadGame(main, main.openFileName(savedGames(), 1, recentFolder()));
}

QStringList Session::recentGames() const {
    const QStringList kept = game_.platform.recentGames();
    const QStringList games = RecentGames::existing(kept);
    if (games != kept)
        game_.platform.keepRecentGames(games);
    return games;
}

void Session::loadRecent(FormCore& main, qsizetype index) {
    const QStringList games = game_.platform.recentGames();
    if (index >= 0 && index < games.size())
        loadGame(main, games[index]);
}

QString Session::recentFolder() const {
    return RecentGames::folder(game_.platform.recentGames());
}

void Session::remember(const QString& path) {
    // The autosaves (this life's and the one before) change under their names every day:
    // they are the autosave and continue items' to load.
    const QString data = QFileInfo(game_.platform.dataFolder()).absoluteFilePath() + u'/';
    if (QFileInfo(path).absoluteFilePath().startsWith(data))
        return;
    game_.platform.keepRecentGames(RecentGames::with(game_.platform.recentGames(), path));
    Q_EMIT recentGamesChanged();
}

void Session::loadAutosave(FormCore& main) {
    const QString folder = game_.platform.dataFolder();
    QDir().mkpath(folder);
    loadGame(main, main.openFileName(savedGames(), 1, folder));
}

void Session::continueLastLife(FormCore& main) {
    const std::optional<QString> last = lastLife();
    if (last)
        loadGame(main, last);
    else
        Q_EMIT lastLifeChanged();
}

std::optional<QString> Session::lastLife() const {
    return Autosave::lastLife(game_.platform.dataFolder(), ownsAutosaves_);
}

bool Session::canContinueLastLife() const {
    return lastLife().has_value();
}

void Session::loadGame(FormCore& main, const std::optional<QString>& path) {
    const auto fail = [&main](const QString& why) {
        main.msg(tr("Вы не загрузили игру.\n\n%1").arg(why), tr("Не загрузили"),
                 MsgIcon::Information);
    };
    if (!path)
        return fail(tr("Файл не выбран."));
    GameFiles::Loaded loaded = GameFiles::load(*path, game_.state);
    if (!loaded.state)
        return fail(loaded.error);
    game_.state = std::move(*loaded.state);
    // A game saved before lives had chronicles is a life from here on all the same.
    if (game_.state.story.began.isEmpty())
        game_.state.story.began = game_.platform.now().toString(Qt::ISODateWithMs);
    lifeOver_ = false;
    ownsAutosaves_ = isCurrentAutosave(game_.platform.dataFolder(), *path);
    // The game loads whatever became of its history; when one was there but is not this
    // game's, the status bar says why the history is empty.
    game_.setHistory(std::move(loaded.history));
    noteTrouble(QT_TR_NOOP("История не загружена: %1"),
                loaded.historyNote.isEmpty() ? std::nullopt
                                             : std::optional<QString>(loaded.historyNote));
    Q_EMIT lastLifeChanged();
    // A game loaded by its key from a place window: every window above the main one belongs to
    // the moment of the game that was being played (a spin, a fishing trip, an hour online),
    // and goes, as at a new game; the loaded game shows in the main window.
    unloadAllBut(game_, &main);
    remember(*path);
    tell([name = QFileInfo(*path).fileName()] { return tr("Игра загружена: %1").arg(name); });
}

void Session::noteTrouble(const char* what, const std::optional<QString>& error) {
    tellTrouble(error ? Told([what, error = *error] { return tr(what).arg(error); }) : Told());
}

void Session::tell(Told note) {
    note_ = std::move(note);
    Q_EMIT noted(this->note());
}

void Session::tellTrouble(Told trouble) {
    trouble_ = std::move(trouble);
    Q_EMIT troubleNoted(this->trouble());
}
