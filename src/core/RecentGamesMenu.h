// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Файл → Недавние игры": the games saved or loaded last, newest first, one item each
// (RecentGame1 to RecentGame5) with its file's name and, as a tip, its whole path. The items
// stay and show whatever games there are, so that each keeps its place and its handler; the
// menu is greyed out when there is none.

#include <QMenu>
#include <QStringList>

#include <vector>

class RecentGamesMenu : public QMenu {
public:
    explicit RecentGamesMenu(QWidget* parent);

    const std::vector<QAction*>& items() const { return items_; }
    void showGames(const QStringList& games);

private:
    std::vector<QAction*> items_;
};
