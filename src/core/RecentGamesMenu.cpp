// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RecentGamesMenu.h"

#include "state/RecentGames.h"
#include "ui/Kit.h"
#include "ui/Translation.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

RecentGamesMenu::RecentGamesMenu(QWidget* parent)
    : QMenu(parent) {
    translatable(this, "title", "RecentGamesMenu",
                 QT_TRANSLATE_NOOP("RecentGamesMenu", "Н&едавние игры"));
    setObjectName(u"RecentGames"_s);
    for (qsizetype i = 0; i < RecentGames::Kept; ++i) {
        auto* item = new QAction(this);
        item->setObjectName(u"RecentGame%1"_s.arg(i + 1));
        addAction(item);
        items_.push_back(item);
    }
    showGames({});
}

void RecentGamesMenu::showGames(const QStringList& games) {
    for (size_t i = 0; i < items_.size(); ++i) {
        QAction* item = items_[i];
        const bool shown = qsizetype(i) < games.size();
        item->setVisible(shown);
        item->setEnabled(shown);
        item->setText(shown ? u"&%1 %2"_s.arg(i + 1).arg(QFileInfo(games[qsizetype(i)]).fileName())
                            : QString());
        item->setToolTip(shown ? QDir::toNativeSeparators(games[qsizetype(i)]) : QString());
    }
    setEnabled(!games.isEmpty());
}
