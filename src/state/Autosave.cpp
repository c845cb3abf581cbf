// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/Autosave.h"

#include "state/GameFiles.h"
#include "state/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Autosave {

QString fileName(int age) {
    return age == 0 ? u"autosave.kbz"_s : u"autosave.%1.kbz"_s.arg(age);
}

namespace {

// The files of one autosave: the game, its history, and a history once set aside beside it.
QStringList filesOf(const QString& game) {
    return {game, History::pathFor(game), GameFiles::setAsidePath(game)};
}

// Moves one autosave a place along, replacing what was there. The place is emptied first, so
// that an older file never sits beside a newer game it does not belong to, even when the move
// is cut short; and when there is nothing to move (the first days of play) it stays empty.
WholeFile::Outcome moveAlong(const QDir& folder, const QString& from, const QString& to) {
    const QStringList sources = filesOf(from), targets = filesOf(to);
    for (const QString& target : targets)
        if (WholeFile::Outcome error = WholeFile::remove(folder.filePath(target)))
            return error;
    for (qsizetype i = 0; i < sources.size(); ++i)
        if (QFileInfo::exists(folder.filePath(sources[i])))
            if (WholeFile::Outcome error =
                    WholeFile::rename(folder.filePath(sources[i]), folder.filePath(targets[i])))
                return error;
    return std::nullopt;
}

WholeFile::Outcome rotate(const QDir& folder) {
    for (int age = Kept - 1; age > 0; --age)
        if (WholeFile::Outcome error = moveAlong(folder, fileName(age - 1), fileName(age)))
            return error;
    return std::nullopt;
}

// Every file of a set, each game before its history.
QStringList setFiles() {
    QStringList files;
    for (int age = 0; age < Kept; ++age)
        files << filesOf(fileName(age));
    return files;
}

QString cannotMake(const QString& folder) {
    return QCoreApplication::translate("Game", "не удалось создать папку %1").arg(folder);
}

bool holdsSet(const QDir& folder) {
    for (const QString& file : setFiles())
        if (QFile::exists(folder.filePath(file)))
            return true;
    return false;
}

// The earlier life's set goes whole into previous/, and the life kept there before goes. The
// life kept there is first renamed aside in one step, so that a move cut short (a crash, a
// full disk) is known by what was set aside still being there: the next try then finishes the
// move into previous/ rather than emptying it again, and no day of either life is lost.
WholeFile::Outcome moveToPrevious(const QDir& folder) {
    const QString previous = folder.filePath(Previous.toString());
    const QString setAside = previous + u".old"_s;
    const auto dropSetAside = [&]() -> WholeFile::Outcome {
        if (!QFile::exists(setAside))
            return std::nullopt;
        WholeFile::step();
        if (!QDir(setAside).removeRecursively())
            return QCoreApplication::translate("Game", "не удалось удалить %1").arg(setAside);
        return std::nullopt;
    };
    if (!holdsSet(folder))
        return dropSetAside();
    if (!QFile::exists(setAside) && QFile::exists(previous))
        if (WholeFile::Outcome error = WholeFile::rename(previous, setAside))
            return error;
    if (!folder.mkpath(Previous.toString()))
        return cannotMake(previous);
    // Only what is still here moves: what a move cut short already took stays in previous/.
    for (const QString& file : setFiles()) {
        const QString source = folder.filePath(file);
        if (QFileInfo::exists(source))
            if (WholeFile::Outcome error = WholeFile::rename(source, QDir(previous).filePath(file)))
                return error;
    }
    return dropSetAside();
}

} // namespace

std::optional<QString> movePreviousLife(const QString& folder) {
    return moveToPrevious(QDir(folder));
}

GameFiles::Written write(const QString& folderPath, const GameState& state,
                         const History::Days& history) {
    QDir folder(folderPath);
    if (!folder.mkpath(u"."_s))
        return {cannotMake(folderPath), std::nullopt};
    // The older ones move along once the new files are safely written.
    return GameFiles::save(folder.filePath(fileName(0)), state, history,
                           [&] { return rotate(folder); });
}

std::optional<QString> lastLife(const QString& folderPath, bool currentOwnsSet) {
    const QDir folder(folderPath);
    const QString newest = currentOwnsSet
                               ? folder.filePath(Previous.toString() + u'/' + fileName(0))
                               : folder.filePath(fileName(0));
    if (!QFileInfo(newest).isFile())
        return std::nullopt;
    return newest;
}

} // namespace Autosave
