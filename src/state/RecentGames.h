// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The games saved or loaded last, newest first, as "Файл → Недавние игры" lists them: whole
// paths, each once, at most five; a game whose file has gone is dropped.

#include <QString>
#include <QStringList>

namespace RecentGames {

constexpr qsizetype Kept = 5;

// `games` with `path` (made whole) first, and without its older place in the list.
QStringList with(const QStringList& games, const QString& path);
// Only the games whose files are still there, at most Kept of them.
QStringList existing(const QStringList& games);
// The folder of the newest game that is still there, for the save and load dialogs to open
// in; empty when there is none.
QString folder(const QStringList& games);

} // namespace RecentGames
