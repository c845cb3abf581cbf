// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/WholeFile.h"

#include "state/Words.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace WholeFile {

namespace {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString sizeText(qint64 bytes) {
    constexpr qint64 KiB = 1024, MiB = 1024 * KiB;
    if (bytes >= MiB && bytes % MiB == 0)
        return QCoreApplication::translate("Game", "%1 МиБ").arg(bytes / MiB);
    return QCoreApplication::translate("Game", "%1 КиБ").arg((bytes + KiB - 1) / KiB);
}

QString tooLarge(const QString& path, qint64 maxSize) {
    return QCoreApplication::translate("Game", "файл слишком велик (больше %1): %2")
        .arg(sizeText(maxSize), shownPath(path));
}

// What stands at the path, when it is not something the game reads or writes.
QString notAFile(const QString& path, bool isFolder) {
    return (isFolder ? QCoreApplication::translate("Game", "это папка, а не файл: %1")
                     : QCoreApplication::translate(
                           "Game", "это не обычный файл (канал, устройство или сокет): %1"))
        .arg(shownPath(path));
}

#ifdef Q_OS_UNIX
// What is wrong with the thing `info` describes, or nothing.
Outcome checkStat(const QString& path, const struct stat& info, qint64 maxSize) {
    if (!S_ISREG(info.st_mode))
        return notAFile(path, S_ISDIR(info.st_mode));
    if (maxSize >= 0 && info.st_size > maxSize)
        return tooLarge(path, maxSize);
    return std::nullopt;
}

QString systemWords(int error) {
    return u" ("_s + qt_error_string(error) + u')';
}
#endif

QString noFolder(const QFileInfo& info) {
    return QCoreApplication::translate("Game", "нет папки %1")
        .arg(QDir::toNativeSeparators(info.absolutePath()));
}

QString noFile(const QString& shown) {
    return QCoreApplication::translate("Game", "нет файла %1").arg(shown);
}

QString cannotOpen(const QString& shown) {
    return QCoreApplication::translate("Game", "файл не открывается: %1").arg(shown);
}

QString cannotRead(const QString& shown) {
    return QCoreApplication::translate("Game", "файл не читается: %1").arg(shown);
}

} // namespace

Outcome checkRegular(const QString& path, qint64 maxSize) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt; // nothing there to be wrong, or a path that leads nowhere
    return checkStat(path, info, maxSize);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (!info.isFile())
        return notAFile(path, info.isDir());
    if (maxSize >= 0 && info.size() > maxSize)
        return tooLarge(path, maxSize);
    return std::nullopt;
#endif
}

Bytes read(const QString& path, qint64 maxSize) {
    // Looked at before it is opened: opening a device can already do something.
    if (Outcome error = checkRegular(path, maxSize))
        return {std::nullopt, *error};
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting, and looked at again as opened: the name may have been given to a
    // pipe in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const QFileInfo info(path);
        if (error == ENOENT) {
            const QString what =
                info.absoluteDir().exists() ? noFile(shownPath(path)) : noFolder(info);
            return {std::nullopt, what + systemWords(error), true};
        }
        return {std::nullopt, cannotOpen(shownPath(path)) + systemWords(error)};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return {std::nullopt, cannotRead(shownPath(path)) + systemWords(error)};
    }
    if (Outcome error = checkStat(path, info, maxSize)) {
        ::close(fd);
        return {std::nullopt, *error};
    }
    // A regular file never waits; reading it goes on as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {std::nullopt, describe(file, path)};
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, describe(file, path), !QFileInfo::exists(path)};
#endif
    // The file may have grown since it was looked at: no more than the limit is read.
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, describe(file, path)};
    if (bytes.size() > maxSize)
        return {std::nullopt, tooLarge(path, maxSize)};
    return {std::move(bytes), {}};
}

namespace {

// Why a file could not be written, when the disk or the folder tells: a disk that takes no
// writes and a disk with no room left need different cures, and the player is told which. The
// sentence is about the file `shown`.
std::optional<QString> writeHint(const QFileInfo& info, QFileDevice::FileError error,
                                 const QString& shown) {
    const QStorageInfo disk(info.absolutePath());
    const char* hint = nullptr;
    if (disk.isValid() && disk.isReady() && disk.isReadOnly())
        hint = QT_TRANSLATE_NOOP("Game", "диск только для чтения, на него ничего не записать: %1");
    else if (error == QFileDevice::ResourceError ||
             (disk.isValid() && disk.isReady() && disk.bytesAvailable() == 0))
        hint = QT_TRANSLATE_NOOP("Game", "на диске нет места: %1");
    else if (!QFileInfo(info.absolutePath()).isWritable())
        hint = QT_TRANSLATE_NOOP("Game", "в папку нельзя записывать (нет прав): %1");
    else if (info.exists() && !info.isWritable())
        hint = QT_TRANSLATE_NOOP("Game", "файл только для чтения: %1");
    if (!hint)
        return std::nullopt;
    return Words::text(Words::For::Player, hint).arg(shown);
}

} // namespace

QString describe(const QFileDevice& file, const QString& path) {
    const QFileInfo info(path);
    const QString shown = shownPath(path);
    const bool writing = qobject_cast<const QSaveFile*>(&file) != nullptr;
    QString what;
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (!info.absoluteDir().exists())
            what = noFolder(info);
        else if (!writing && !info.exists())
            what = noFile(shown);
        else
            what = (writing ? writeHint(info, file.error(), shown) : std::nullopt)
                       .value_or(cannotOpen(shown));
        break;
    case QFileDevice::ReadError:
        what = cannotRead(shown);
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
    case QFileDevice::ResourceError:
        what = writeHint(info, file.error(), shown)
                   .value_or(
                       QCoreApplication::translate("Game", "файл не записывается: %1").arg(shown));
        break;
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
        what = QCoreApplication::translate("Game", "файл не удалось заменить: %1").arg(shown);
        break;
    case QFileDevice::NoError:
        // A write cut short without a word from the system: the disk says why, if anything does.
        return writeHint(info, file.error(), shown)
            .value_or(QCoreApplication::translate("Game", "файл записан не весь: %1").arg(shown));
    default:
        what = QCoreApplication::translate("Game", "ошибка файла %1").arg(shown);
        break;
    }
    return what + u" ("_s + file.errorString() + u')';
}

void step() {
    static const long killAt = [] {
        const char* value = std::getenv("TIMBURIA_KILL_AT_FILE_STEP");
        return value ? std::strtol(value, nullptr, 10) : 0L;
    }();
    static long steps = 0;
    if (killAt > 0 && ++steps == killAt) {
#ifdef Q_OS_UNIX
        ::kill(::getpid(), SIGKILL);
#endif
        std::abort();
    }
}

Outcome remove(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    step();
    QFile file(path);
    if (!file.remove())
        return describe(file, path);
    return std::nullopt;
}

Outcome rename(const QString& from, const QString& to) {
    if (Outcome error = remove(to))
        return error;
    step();
    // QFile::rename would copy a file it cannot rename; a move inside the data folder is one
    // rename or nothing.
    if (!QDir().rename(from, to))
        return QCoreApplication::translate("Game", "файл не удалось переименовать: %1 → %2")
            .arg(shownPath(from), shownPath(to));
    return std::nullopt;
}

Outcome write(const QString& path, const QByteArray& bytes,
              const std::function<Outcome()>& beforeReplacing) {
    // A folder, a pipe or a device in the file's place is not written over, nor into.
    if (Outcome error = checkRegular(path))
        return error;
    QSaveFile file(path);
    step();
    if (!file.open(QIODevice::WriteOnly))
        return describe(file, path);
    // A write cut short (a disk that has filled up) is flushed all the same, so that the file
    // says what stopped it.
    step();
    const bool whole = file.write(bytes) == bytes.size();
    if (!file.flush() || !whole || file.error() != QFileDevice::NoError) {
        const QString error = describe(file, path);
        file.cancelWriting();
        return error;
    }
    if (beforeReplacing)
        if (Outcome error = beforeReplacing()) {
            file.cancelWriting();
            return error;
        }
    step();
    if (!file.commit())
        return describe(file, path);
    return std::nullopt;
}

} // namespace WholeFile
