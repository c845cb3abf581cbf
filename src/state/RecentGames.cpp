// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/RecentGames.h"

#include <QDir>
#include <QFileInfo>

namespace RecentGames {

QStringList with(const QStringList& games, const QString& path) {
    const QString whole = QFileInfo(path).absoluteFilePath();
    QStringList list{whole};
    for (const QString& game : games)
        if (game != whole && list.size() < Kept)
            list << game;
    return list;
}

QStringList existing(const QStringList& games) {
    QStringList list;
    for (const QString& game : games)
        if (list.size() < Kept && !list.contains(game) && QFileInfo(game).isFile())
            list << game;
    return list;
}

QString folder(const QStringList& games) {
    for (const QString& game : games) {
        const QFileInfo file(game);
        if (file.isAbsolute() && QFileInfo(file.absolutePath()).isDir())
            return file.absolutePath();
    }
    return {};
}

} // namespace RecentGames
