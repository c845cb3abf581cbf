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

// What went wrong with a file, in the game's language, with the system's own words after it
// for whoever needs the detail: "нет файла /home/.../game.kbz (No such file or directory)".
QString describe(const QFileDevice& file, const QString& path);

} // namespace WholeFile
