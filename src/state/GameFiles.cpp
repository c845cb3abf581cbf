// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/GameFiles.h"

#include "state/SavedGame.h"
#include "state/WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace GameFiles {

QString setAsidePath(const QString& savedGame) {
    return History::pathFor(savedGame) + u".old"_s;
}

Written save(const QString& path, const GameState& state, const History::Days& days,
             const std::function<std::optional<QString>()>& beforeReplacing) {
    const QByteArray line = SavedGame::write(state);
    const QString historyPath = History::pathFor(path);
    const auto replacingGame = [&]() -> WholeFile::Outcome {
        if (beforeReplacing)
            if (WholeFile::Outcome error = beforeReplacing())
                return error;
        return WholeFile::remove(historyPath);
    };
    Written written;
    bool gameTried = false;
    // The history is written first and put in place last: see the top of the header.
    const WholeFile::Outcome history = WholeFile::write(
        historyPath, History::fileText({days, History::markOf(line), state.story}),
        [&]() -> WholeFile::Outcome {
            gameTried = true;
            written.game = WholeFile::write(path, line, replacingGame);
            return written.game; // a game that was not saved takes its history with it
        });
    if (written.game || !history)
        return written;
    written.history = history;
    // The history could not even be written aside: the game is saved without it.
    if (!gameTried)
        written.game = WholeFile::write(path, line, replacingGame);
    return written;
}

namespace {

// Why the history at `path`, a regular file, is not the one of the game read from `line`; or
// nothing when it is, with its days in `days`.
std::optional<QString> foreignHistory(const QString& path, const QByteArray& line, GameState& game,
                                      History::Days& days) {
    const WholeFile::Bytes file = WholeFile::read(path, History::MaxFileSize);
    if (!file.bytes)
        return QFileInfo(path).size() > History::MaxFileSize
                   ? QCoreApplication::translate("Game", "файл истории слишком велик")
                   : QCoreApplication::translate("Game", "файл истории не читается");
    std::optional<History::File> history = History::parse(*file.bytes);
    if (!history)
        return QCoreApplication::translate("Game", "файл истории поврежден");
    const bool belongs = history->game.isEmpty() ? History::endsTheDayBefore(history->days, game)
                                                 : history->game == History::markOf(line);
    if (!belongs)
        return QCoreApplication::translate("Game", "это история другой игры");
    days = std::move(history->days);
    game.story = std::move(history->story);
    return std::nullopt;
}

} // namespace

Loaded load(const QString& path, const GameState& current) {
    const WholeFile::Bytes file = WholeFile::read(path, SavedGame::MaxFileSize);
    if (!file.bytes)
        return {std::nullopt, file.error, {}, {}};
    SavedGame::Loaded game = SavedGame::read(*file.bytes, current);
    if (!game.state)
        return {std::nullopt, game.error, {}, {}};
    Loaded loaded{std::move(game.state), {}, {}, {}};
    // The chronicle comes with the history, when the history is this game's.
    loaded.state->story = {};

    const QString historyPath = History::pathFor(path);
    const QString historyName = QFileInfo(historyPath).fileName();
    const QFileInfo info(historyPath);
    if (!info.exists() && !info.isSymLink())
        return loaded;
    // A folder or a pipe by the history's name is not the game's to move.
    if (WholeFile::checkRegular(historyPath)) {
        loaded.historyNote =
            QCoreApplication::translate("Game", "на месте файла истории %1 не файл")
                .arg(historyName);
        return loaded;
    }
    const std::optional<QString> why =
        foreignHistory(historyPath, *file.bytes, *loaded.state, loaded.history);
    if (!why)
        return loaded;
    const QString aside = setAsidePath(path);
    if (const WholeFile::Outcome error = WholeFile::rename(historyPath, aside))
        loaded.historyNote = QCoreApplication::translate("Game", "%1; отложить его не удалось: %2")
                                 .arg(*why, *error);
    else
        loaded.historyNote = QCoreApplication::translate("Game", "%1; файл отложен как %2")
                                 .arg(*why, QFileInfo(aside).fileName());
    return loaded;
}

} // namespace GameFiles
