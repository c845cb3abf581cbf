// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever stands where the game reads or writes a file (a pipe, a folder, a device, a sparse
// file of gigabytes) is refused at once with the cause said in Russian; nothing makes the game
// wait. Each read runs on a thread of its own, so that a read that would wait for ever fails
// this test instead of holding it.

#include "NewGame.h"
#include "Promptly.h"
#include "state/GameFiles.h"
#include "state/History.h"
#include "state/SavedGame.h"
#include "state/WholeFile.h"
#include "ui/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A game as the program holds it: its clock has an hour (a bare new game has none yet).
GameState playedGame() {
    GameState state = newGame();
    state.lblHours = u"7"_s;
    return state;
}

enum class Thing { Pipe, Folder, Device, DeviceLink, Sparse };

struct Case {
    Thing thing;
    const char* name;
    const char16_t* said; // in the error
};

const Case Cases[] = {
    {Thing::Pipe, "a pipe", u"не обычный файл (канал, устройство или сокет)"},
    {Thing::Folder, "a folder", u"это папка, а не файл"},
    {Thing::Device, "a device", u"не обычный файл (канал, устройство или сокет)"},
    {Thing::DeviceLink, "a link to a device", u"не обычный файл (канал, устройство или сокет)"},
    {Thing::Sparse, "a sparse file of 2 GiB", u"файл слишком велик"},
};

// Makes `thing` at `path`; the device stands elsewhere and is returned as the path to use.
QString make(Thing thing, const QString& path) {
    switch (thing) {
    case Thing::Pipe:
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    case Thing::Folder:
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    case Thing::Device:
        return u"/dev/zero"_s;
    case Thing::DeviceLink:
        EXPECT_TRUE(QFile::link(u"/dev/zero"_s, path));
        return path;
    case Thing::Sparse: {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(qint64(2) << 30)); // holes: nothing on the disk
        return path;
    }
    }
    return path;
}

} // namespace

TEST(SpecialFiles, AGameIsNeitherLoadedFromNorSavedOverAnythingButAFile) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = make(c.thing, folder.filePath(u"x.kbz"_s));
        const QString said = QString::fromUtf16(c.said);

        const auto loaded = promptly([&] { return SavedGame::load(path, playedGame()); });
        ASSERT_TRUE(loaded) << "the load waited";
        EXPECT_FALSE(loaded->state);
        EXPECT_TRUE(loaded->error.contains(said)) << qPrintable(loaded->error);

        if (c.thing == Thing::Sparse)
            continue; // a file of any size may be written over
        if (c.thing == Thing::Device)
            continue; // the test does not write to the system's devices
        const auto saved = promptly([&] { return SavedGame::save(path, playedGame()); });
        ASSERT_TRUE(saved) << "the save waited";
        ASSERT_TRUE(*saved);
        EXPECT_TRUE((*saved)->contains(said)) << qPrintable(**saved);
        // What was there is there still.
        const QFileInfo after(path);
        EXPECT_FALSE(after.isFile());
        EXPECT_TRUE(after.exists() || after.isSymLink());
    }
}

TEST(SpecialFiles, AHistoryThatIsNotAFileIsPassedOverAndSaid) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString game = folder.filePath(u"x.kbz"_s);
        ASSERT_FALSE(SavedGame::save(game, playedGame()));
        const QString path = make(c.thing, History::pathFor(game));
        const QString said = QString::fromUtf16(c.said);

        // The game itself loads; its history is not read, and why is said.
        const auto loaded = promptly([&] { return SavedGame::load(game, playedGame()); });
        ASSERT_TRUE(loaded) << "the load waited";
        EXPECT_TRUE(loaded->state) << qPrintable(loaded->error);
        const auto history = promptly([&] {
            QString error;
            const History::Days days = History::load(path, &error);
            return std::pair(days, error);
        });
        ASSERT_TRUE(history) << "the history's load waited";
        EXPECT_TRUE(history->first.empty());
        EXPECT_TRUE(history->second.contains(said)) << qPrintable(history->second);

        if (c.thing == Thing::Sparse || c.thing == Thing::Device)
            continue;
        const auto saved = promptly([&] { return History::save(path, {}); });
        ASSERT_TRUE(saved) << "the history's save waited";
        ASSERT_TRUE(*saved);
        EXPECT_TRUE((*saved)->contains(said)) << qPrintable(**saved);
    }
}

TEST(SpecialFiles, AGameLoadsAndSavesBesideAHistoryThatIsNotAFile) {
    for (const Case& c : Cases) {
        if (c.thing == Thing::Device)
            continue; // only a link to a device can stand beside the game
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString game = folder.filePath(u"x.kbz"_s);
        ASSERT_FALSE(GameFiles::save(game, playedGame(), {}).game);
        ASSERT_TRUE(QFile::remove(History::pathFor(game)));
        const QString path = make(c.thing, History::pathFor(game));

        const auto loaded = promptly([&] { return GameFiles::load(game, playedGame()); });
        ASSERT_TRUE(loaded) << "the load waited";
        EXPECT_TRUE(loaded->state) << qPrintable(loaded->error);
        EXPECT_TRUE(loaded->history.empty());
        EXPECT_FALSE(loaded->historyNote.isEmpty());
        // A file too large is the game's own, and is set aside; anything else stays where it
        // is, untouched.
        const QFileInfo aside(GameFiles::setAsidePath(game));
        EXPECT_EQ(aside.isFile(), c.thing == Thing::Sparse) << qPrintable(loaded->historyNote);

        const auto saved = promptly([&] { return GameFiles::save(game, playedGame(), {}); });
        ASSERT_TRUE(saved) << "the save waited";
        EXPECT_FALSE(saved->game) << qPrintable(*saved->game);
        if (c.thing != Thing::Sparse) {
            EXPECT_TRUE(saved->history);
            const QFileInfo after(path);
            EXPECT_TRUE((after.exists() && !after.isFile()) || after.isSymLink());
        }
    }
}

TEST(SpecialFiles, FilesThatAreThereOrMissingAreToldApart) {
    QTemporaryDir folder;
    QString error = u"unchanged"_s;
    // No history beside a game is no fault.
    EXPECT_TRUE(History::load(folder.filePath(u"none.kbz.history"_s), &error).empty());
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
    // One that is there and unsound is.
    const QString damaged = folder.filePath(u"bad.kbz.history"_s);
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{not json");
    file.close();
    EXPECT_TRUE(History::load(damaged, &error).empty());
    EXPECT_TRUE(error.startsWith(u"история повреждена")) << qPrintable(error);
    // A sound one is read whole, and no error is left.
    const History::Days days{{u"5/5/02"_s, 170, 30, 30, 0, u"Пока нет"_s}};
    ASSERT_FALSE(History::save(damaged, days));
    EXPECT_EQ(History::load(damaged, &error), days);
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error);

    // A saved game of exactly the largest size is read; one byte more is not.
    const QString limit = folder.filePath(u"limit.kbz"_s);
    QFile big(limit);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(SavedGame::MaxFileSize, 'x'));
    big.close();
    EXPECT_TRUE(WholeFile::read(limit, SavedGame::MaxFileSize).bytes);
    ASSERT_TRUE(big.open(QIODevice::Append));
    big.write("x");
    big.close();
    const WholeFile::Bytes over = WholeFile::read(limit, SavedGame::MaxFileSize);
    EXPECT_FALSE(over.bytes);
    EXPECT_TRUE(over.error.contains(u"64 КиБ")) << qPrintable(over.error);
    EXPECT_FALSE(over.missing);
    EXPECT_TRUE(WholeFile::read(folder.filePath(u"none"_s), 10).missing);
}

// The settings keep the main window's place; what stands at their path is looked at before
// QSettings, which reads a file whole and at once, would open it.
TEST(SpecialFiles, SettingsThatAreNotAFileAreLeftAlone) {
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QString oldOrganization = QCoreApplication::organizationName();
    const QString oldApplication = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(u"Timburia"_s);
    QCoreApplication::setApplicationName(u"Timburia"_s);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const QString path = home.filePath(u"Timburia/Timburia.conf"_s);

    // None yet: settings to write to, at the path QSettings itself would choose.
    std::unique_ptr<QSettings> fresh = QtPlatform::settings();
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->fileName(), QSettings().fileName());
    fresh->setValue(u"MainWindow/Place"_s, QPoint(10, 20));
    fresh.reset();
    EXPECT_TRUE(QFileInfo(path).isFile());
    ASSERT_TRUE(QtPlatform::settings());
    EXPECT_EQ(QtPlatform::settings()->value(u"MainWindow/Place"_s).toPoint(), QPoint(10, 20));
    ASSERT_TRUE(QFile::remove(path));

    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        if (c.thing == Thing::Device)
            continue; // a device stands at the path only through a link
        QDir(home.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(home.filePath(u"Timburia"_s)));
        make(c.thing, path);
        const auto settings = promptly([] { return QtPlatform::settings() != nullptr; });
        ASSERT_TRUE(settings) << "the settings waited";
        EXPECT_FALSE(*settings);
    }
    // QSettings' own lock file is opened by it too.
    QDir(home.path()).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(home.filePath(u"Timburia"_s)));
    make(Thing::Pipe, path + u".lock"_s);
    EXPECT_FALSE(QtPlatform::settings());

    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
    QCoreApplication::setOrganizationName(oldOrganization);
    QCoreApplication::setApplicationName(oldApplication);
}

namespace {

// A small disk of its own at `folder` (a tmpfs), for as long as it lives; nothing when the test
// may not mount one.
class SmallDisk {
public:
    SmallDisk(const QString& folder, const char* options)
        : folder_(QFile::encodeName(folder)) {
        mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

} // namespace

// A disk that takes no writes and a disk with no room left need different cures: the message
// names the one that stopped the save.
TEST(FileHints, AReadOnlyDiskAndAFullDiskAreToldApart) {
    QTemporaryDir folder;
    const QString readOnly = folder.filePath(u"ro"_s), full = folder.filePath(u"full"_s);
    ASSERT_TRUE(QDir().mkpath(readOnly));
    ASSERT_TRUE(QDir().mkpath(full));
    SmallDisk readOnlyDisk(readOnly, "ro,size=64k");
    SmallDisk fullDisk(full, "size=16k");
    if (!readOnlyDisk.mounted() || !fullDisk.mounted())
        GTEST_SKIP() << "a disk of the test's own cannot be mounted here";

    const auto onReadOnly = SavedGame::save(readOnly + u"/game.kbz"_s, playedGame());
    ASSERT_TRUE(onReadOnly);
    EXPECT_TRUE(onReadOnly->startsWith(u"диск только для чтения")) << qPrintable(*onReadOnly);

    // A history larger than the disk: the write is cut short.
    History::Days long_(2000, {u"5/5/02"_s, 170, 30, 30, 0, u"Пока нет"_s});
    const auto tooLong = History::save(full + u"/game.kbz.history"_s, long_);
    ASSERT_TRUE(tooLong);
    EXPECT_TRUE(tooLong->startsWith(u"на диске нет места")) << qPrintable(*tooLong);
    EXPECT_FALSE(QFileInfo::exists(full + u"/game.kbz.history"_s));

    // The disk filled to the last byte: even a saved game of a few hundred bytes finds no room.
    {
        QFile filler(full + u"/filler"_s);
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(64 * 1024, 'x'));
    }
    const auto onFull = SavedGame::save(full + u"/game.kbz"_s, playedGame());
    ASSERT_TRUE(onFull);
    EXPECT_TRUE(onFull->startsWith(u"на диске нет места")) << qPrintable(*onFull);
}
