#include "state/Autosave.h"

#include "state/SavedGame.h"
#include "state/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Every file of a set, each game before its history.
QStringList setFiles() {
    QStringList files;
    for (int age = 0; age < Kept; ++age)
        files << fileName(age) << History::pathFor(fileName(age));
    return files;
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
        if (QFile::exists(setAside) && !QDir(setAside).removeRecursively())
            return u"не удалось удалить %1"_s.arg(setAside);
        return std::nullopt;
    };
    if (!holdsSet(folder))
        return dropSetAside();
    if (!QFile::exists(setAside) && QFile::exists(previous) && !QDir().rename(previous, setAside))
        return u"не удалось переименовать %1"_s.arg(previous);
    if (!folder.mkpath(Previous.toString()))
        return u"не удалось создать папку %1"_s.arg(previous);
    // Only what is still here moves: what a move cut short already took stays in previous/.
    for (const QString& file : setFiles()) {
        const QString source = folder.filePath(file);
        const QString target = QDir(previous).filePath(file);
        if (!QFile::exists(source))
            continue;
        if (QFile::exists(target) && !QFile::remove(target))
            return u"не удалось удалить %1"_s.arg(target);
        if (!QFile::rename(source, target))
            return u"не удалось переименовать %1"_s.arg(source);
    }
    return dropSetAside();
}

} // namespace

std::optional<QString> movePreviousLife(const QString& folder) {
    return moveToPrevious(QDir(folder));
}

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
