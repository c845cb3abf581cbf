// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What must hold of a running game whatever the player did: the soak checks these after every
// action. Each gives a description of what is wrong, or an empty text.

#include <QString>
#include <QStringList>

#include <map>

class Game;
struct GameState;

// Each catalog's field is the name of its level, inside the catalog; flags are 0 or -1, the
// bank's day count and the fishing counters in their ranges; the game saves and loads back to
// the same line (so every numeric text is a numeral); the chronicle's dates never go back, and
// it loads back from its file as it was.
QString stateProblem(const GameState& state);

// The game just saved at `path` loads back with its chronicle.
QString savedChronicleProblem(const GameState& state, const QString& path);

// The loaded windows, in the order they were opened, are a path the game's navigation allows:
// the main window (or the start window alone, after a death), at most one place over it, the
// start window over the help as its "about" page, and the virus alarm anywhere.
QString navigationProblem(QStringList names);
QStringList windowNames(const Game& game);

// Played in English, nothing the game shows is in Russian: the titles, labels, buttons, group
// boxes, lists, tables, read-only text boxes and tool tips of the loaded windows that show, the
// main window's menus, and the messages. What the player typed (a text box they can edit) is
// theirs, the language menu names Russian in Russian, a text the state holds that is not one of
// the game's own words (a damaged saved game's field) shows as it stands, and a message may
// quote a word of the files the action read (`read`). The first Russian text found, with where
// it stands.
QString russianTextProblem(const Game& game, const QStringList& messages, const QString& read = {});

// What the play of the open mini-games has moved so far (the lake's catch and the fish, the
// paddle and the ball, the wheel's counter, the reels, the progress of a hacking run or a
// download, the hours online) and the game's clock and fish, by name.
using PlayValues = std::map<QString, QString>;
PlayValues playValues(const Game& game);
// While the game is paused nothing of that may move: the first value, of those there before and
// after an action, that did.
QString pausedPlayProblem(const PlayValues& before, const PlayValues& after);
