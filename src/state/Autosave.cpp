#include "state/Autosave.h"

#include "state/SavedGame.h"
#include "state/WholeFile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace Autosave {

QString fileName(int age) {
    return age == 0 ? u"autosave.kbz"_s : u"autosave.%1.kbz"_s.arg(age);
}

namespace {

// Moves one file a place along, replacing what was there. When there is nothing to move (the
// first days of play) the place is left empty, so an older file never sits beside a newer
// game it does not belong to.
WholeFile::Outcome moveAlong(const QDir& folder, const QString& from, const QString& to) {
    const QString source = folder.filePath(from);
    const QString target = folder.filePath(to);
    if (QFile::exists(target) && !QFile::remove(target))
        return u"не удалось удалить %1"_s.arg(target);
    if (QFile::exists(source) && !QFile::rename(source, target))
        return u"не удалось переименовать %1"_s.arg(source);
    return std::nullopt;
}

WholeFile::Outcome rotate(const QDir& folder) {
    for (int age = Kept - 1; age > 0; --age) {
        const QString newer = fileName(age - 1), older = fileName(age);
        if (WholeFile::Outcome error = moveAlong(folder, newer, older))
            return error;
        if (WholeFile::Outcome error =
                moveAlong(folder, History::pathFor(newer), History::pathFor(older)))
            return error;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> write(const QString& folderPath, const GameState& state,
                             const History::Days& history) {
    QDir folder(folderPath);
    if (!folder.mkpath(u"."_s))
        return u"не удалось создать папку %1"_s.arg(folderPath);
    const QString game = folder.filePath(fileName(0));
    // The game first, then its history; the older ones move along once both are written.
    return WholeFile::write(game, SavedGame::write(state), [&] {
        return WholeFile::write(History::pathFor(game), History::toJson(history),
                                [&] { return rotate(folder); });
    });
}

} // namespace Autosave
