// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game keeps its own texts in Russian. The state, the saved game, the history, the
// chronicle, the hall and the autosaves hold them so whatever language the player reads, so a
// game saved in English is the very file the same game saves in Russian, and loads in either.
// Only what is shown is translated, at the moment it is shown:
//  - a text the state may hold (a job, a status, a catalog's name, a ladder's rung) is marked
//    where the rules write it, QT_TRANSLATE_NOOP("Game", "Бомж"), and the view shows it
//    through shown();
//  - a message the rules make for the player only (a message box, a requirement list) is
//    translated as it is made: QCoreApplication::translate("Game", "... %1 ...").arg(...);
//  - a text that is both (the chronicle's sentences: on screen, and in the memorial that stays
//    Russian) is made for one of the two: text(For::Player, ...) or text(For::Record, ...).
// With no translation installed (the scenario runner, the rules' tests) every text is the
// Russian one.

#include <QString>

namespace Words {

// The context of every text of the rules and the state.
inline constexpr char Context[] = "Game";

// A text of the record (the state, a saved file) as the player reads it: its translation when
// there is one, the text itself otherwise (numbers, names the player typed).
QString shown(const QString& record);

enum class For { Record, Player };
// A text of the rules (marked QT_TRANSLATE_NOOP("Game", ...)) for the record or the player.
QString text(For reader, const char* source);

} // namespace Words
