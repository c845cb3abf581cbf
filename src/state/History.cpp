// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/History.h"

#include "state/JsonText.h"
#include "state/NumberText.h"
#include "state/WholeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace History {

namespace {

const QString Format = u"timburia-history"_s;
// Version 2 names the saved game; version 1 did not.
constexpr int Version = 2;
constexpr int UnmarkedVersion = 1;

} // namespace

Day record(const GameState& s, const QString& date) {
    return {date,
            LeadingVal(s.lblMoney),
            LeadingVal(s.lblHungry),
            LeadingVal(s.lblHappyness),
            s.BankAccount,
            s.lblMyWork};
}

QString dateOf(const GameState& s) {
    return s.lblDay + u'/' + s.lblMonth + u'/' + s.lblYear;
}

QString markOf(const QByteArray& savedGame) {
    return QString::fromLatin1(
        QCryptographicHash::hash(savedGame, QCryptographicHash::Sha256).toHex());
}

namespace {

// The text Qt's compact JSON would give, members in the order of their names.
QByteArray json(const Days& days, size_t first, const QString& game, const Chronicle::Life& story) {
    QByteArray out;
    out.reserve(qsizetype(days.size() - first) * 96 + 160);
    out += "{\"days\":[";
    for (size_t i = first; i < days.size(); ++i) {
        const Day& day = days[i];
        out += i == first ? "{\"bank\":" : ",{\"bank\":";
        JsonText::appendNumber(out, day.bank);
        out += ",\"date\":";
        JsonText::appendString(out, day.date);
        out += ",\"job\":";
        JsonText::appendString(out, day.job);
        out += ",\"money\":";
        JsonText::appendNumber(out, day.money);
        out += ",\"mood\":";
        JsonText::appendNumber(out, day.mood);
        out += ",\"satiety\":";
        JsonText::appendNumber(out, day.satiety);
        out += '}';
    }
    out += "],\"format\":";
    JsonText::appendString(out, Format);
    // A history that names no game is written as histories were before they named one.
    if (!game.isEmpty()) {
        out += ",\"game\":";
        JsonText::appendString(out, game);
    }
    if (!story.empty()) {
        out += ",\"life\":";
        Chronicle::appendJson(out, story);
    }
    out += ",\"version\":";
    JsonText::appendNumber(out, game.isEmpty() ? UnmarkedVersion : Version);
    out += '}';
    return out;
}

// One day, its members in any order; nothing unless all six are there and sound.
std::optional<Day> readDay(JsonText::Reader& reader) {
    Day day;
    enum { Date, Money, Satiety, Mood, Bank, Job, Count };
    JsonText::Fields fields(reader);
    double bank = 0;
    const bool read = reader.object([&](const QString& key) {
        if (key == u"date")
            return fields.text(Date, day.date);
        if (key == u"job")
            return fields.text(Job, day.job);
        if (key == u"money")
            return fields.finite(Money, day.money);
        if (key == u"satiety")
            return fields.finite(Satiety, day.satiety);
        if (key == u"mood")
            return fields.finite(Mood, day.mood);
        if (key == u"bank")
            return fields.finite(Bank, bank);
        return reader.skip();
    });
    // The balance is a 16-bit integer in the game.
    if (!read || !fields.all(Count) || bank != std::trunc(bank) ||
        bank < std::numeric_limits<qint16>::min() || bank > std::numeric_limits<qint16>::max())
        return std::nullopt;
    day.bank = int(bank);
    return day;
}

} // namespace

QByteArray toJson(const Days& days, const QString& game, qint64 maxSize) {
    return fileText({days, game}, maxSize);
}

QByteArray fileText(const File& file, qint64 maxSize) {
    const Days& days = file.days;
    QByteArray text = json(days, 0, file.game, file.story);
    // Too long a life for the file: the oldest days are left out, as many as the excess takes
    // at the average day's length, and a little more until it fits.
    size_t first = 0;
    while (text.size() > maxSize && first < days.size()) {
        const double perDay = double(text.size()) / double(days.size() - first);
        const auto excess = size_t(double(text.size() - maxSize) / perDay) + 1;
        first = std::min(days.size(), first + excess);
        text = json(days, first, file.game, file.story);
    }
    // A chronicle too long even beside no days at all keeps its newest milestones, so that the
    // file stays one the game reads.
    if (text.size() > maxSize && !file.story.entries.empty()) {
        Chronicle::Life story = file.story;
        while (text.size() > maxSize && !story.entries.empty()) {
            const double perEntry = double(text.size()) / double(story.entries.size());
            const auto excess = std::min(story.entries.size(),
                                         size_t(double(text.size() - maxSize) / perEntry) + 1);
            story.entries.erase(story.entries.begin(), story.entries.begin() + qsizetype(excess));
            text = json(days, first, file.game, story);
        }
    }
    return text;
}

std::optional<File> parse(const QByteArray& json) {
    using Kind = JsonText::Reader::Kind;
    JsonText::Reader reader(json);
    File file;
    std::optional<QString> format, game;
    bool storySound = true;
    std::optional<double> version;
    bool sawDays = false, daysSound = true;
    const bool read = reader.next() == Kind::Object && reader.object([&](const QString& key) {
        const Kind kind = reader.next();
        if (key == u"format" && kind == Kind::String)
            return (format = reader.string()).has_value();
        if (key == u"game" && kind == Kind::String)
            return (game = reader.string()).has_value();
        if (key == u"version" && kind == Kind::Number)
            return (version = reader.number()).has_value();
        if (key == u"life" && kind == Kind::Object) {
            std::optional<Chronicle::Life> story = Chronicle::readJson(reader);
            storySound = story.has_value();
            file.story = std::move(story).value_or(Chronicle::Life{});
            return storySound;
        }
        if (key == u"days" && kind == Kind::Array) {
            sawDays = true;
            file.days.clear();
            return reader.array([&] {
                std::optional<Day> day =
                    reader.next() == Kind::Object ? readDay(reader) : std::nullopt;
                if (!day)
                    return daysSound = false;
                file.days.push_back(std::move(*day));
                return true;
            });
        }
        // A member of another kind is passed over, and counts as missing.
        if (key == u"format")
            format.reset();
        else if (key == u"game")
            game.reset();
        else if (key == u"version")
            version.reset();
        else if (key == u"days")
            sawDays = false;
        return reader.skip();
    });
    if (!read || !daysSound || !storySound || !reader.finished() || format != Format || !sawDays ||
        !version)
        return std::nullopt;
    if (*version == Version) {
        if (!game || game->isEmpty())
            return std::nullopt;
        file.game = *game;
    } else if (*version != UnmarkedVersion) {
        return std::nullopt;
    }
    return file;
}

std::optional<Days> fromJson(const QByteArray& json) {
    std::optional<File> file = parse(json);
    if (!file)
        return std::nullopt;
    return std::move(file->days);
}

bool endsTheDayBefore(const Days& days, const GameState& state) {
    if (days.empty())
        return true;
    const QStringList last = days.back().date.split(u'/');
    if (last.size() != 3)
        return false;
    // The clock's calendar: the day after the 30th is the 1st of the next month, and the month
    // after the 12th the 1st of the next year.
    int day = last[0].toInt() + 1, month = last[1].toInt(), year = last[2].toInt();
    if (day == 31) {
        day = 1;
        ++month;
    }
    if (month == 13) {
        month = 1;
        ++year;
    }
    return day == state.lblDay.toInt() && month == state.lblMonth.toInt() &&
           year == state.lblYear.toInt();
}

QString pathFor(const QString& savedGame) {
    return savedGame + u".history"_s;
}

std::optional<QString> save(const QString& path, const Days& days, const QString& game) {
    return WholeFile::write(path, toJson(days, game));
}

Days load(const QString& path, QString* error) {
    // A game may lack its history: only one that is there and cannot be read is told.
    return WholeFile::readParsed<Days>(
        path, MaxFileSize, fromJson,
        QCoreApplication::translate("Game", "история повреждена: %1").arg(path), error);
}

} // namespace History
