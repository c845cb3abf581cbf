// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files the game writes are written whole or not at all: the bytes go to a temporary file
// beside the target, which replaces the target only once every byte is on the disk. A write
// that fails leaves the file that was there as it was.

#include <QByteArray>
#include <QString>

class QFileDevice;

#include <functional>
#include <optional>

namespace WholeFile {

// What went wrong, or nothing.
using Outcome = std::optional<QString>;

// `beforeReplacing`, when given, runs once the bytes are safely written and just before they
// take the target's place; what it reports wrong cancels the write.
Outcome write(const QString& path, const QByteArray& bytes,
              const std::function<Outcome()>& beforeReplacing = {});

// The bytes of the file at `path`, when it is a regular file of at most `maxSize` bytes. A
// folder, a pipe, a device or a socket is refused before it is opened, and the file is opened
// so that nothing can make the game wait (a pipe with no writer would hold it for ever); a
// file larger than `maxSize` is refused unread (a sparse file of gigabytes costs nothing on
// the disk and everything in memory).
struct Bytes {
    std::optional<QByteArray> bytes; // the file's whole content, when it could be read
    QString error;                   // else what is wrong with it, as describe() says it
    bool missing = false;            // there is no file there at all
};
Bytes read(const QString& path, qint64 maxSize);

// A file of the game's own (a history, the hall of fame) read whole and parsed, `empty` when
// there is none or it is unsound. `error`, when given, says why a file that is there was not
// taken: what read() says, or `damaged` when `parse` refuses it; it is empty otherwise.
template <class T, class Parse>
T readParsed(const QString& path, qint64 maxSize, Parse&& parse, const QString& damaged,
             QString* error, T empty = {}) {
    Bytes file = read(path, maxSize);
    if (!file.bytes) {
        if (error)
            *error = file.missing ? QString() : file.error;
        return empty;
    }
    std::optional<T> parsed = parse(*file.bytes);
    if (error)
        *error = parsed ? QString() : damaged;
    return parsed ? std::move(*parsed) : std::move(empty);
}

// Whether what stands at `path` may be read or replaced: nothing, or a regular file of at
// most `maxSize` bytes (with no limit when `maxSize` is negative). What is wrong, or nothing.
Outcome checkRegular(const QString& path, qint64 maxSize = -1);

// Removes the file at `path`, if one is there. Only a regular file is removed: a folder or a
// pipe by that name is somebody else's, and left alone. What went wrong, or nothing.
Outcome remove(const QString& path);
// Gives the file (or folder) at `from` the name `to`, in place of any regular file there.
Outcome rename(const QString& from, const QString& to);

// The crash tests' hook. Every step that changes the disk (a temporary file made, written or
// put in place, a file removed or renamed) passes through here first; when the environment
// holds TIMBURIA_KILL_AT_FILE_STEP=N, the process is killed outright just before its Nth such
// step, so that a test can look at what a crash at that very moment leaves behind.
void step();

// What went wrong with a file, with the system's own words after it
// for whoever needs the detail: "нет файла /home/.../game.kbz (No such file or directory)".
QString describe(const QFileDevice& file, const QString& path);

} // namespace WholeFile
