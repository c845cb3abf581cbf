// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/Hall.h"

#include "state/JsonText.h"
#include "state/WholeFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace Hall {

namespace {

const QString Format = u"timburia-hall"_s;
constexpr int Version = 1;

} // namespace

bool ranksAbove(const Row& a, const Row& b) {
    if (a.daysToTop.has_value() != b.daysToTop.has_value())
        return a.daysToTop.has_value();
    if (a.daysToTop && *a.daysToTop != *b.daysToTop)
        return *a.daysToTop < *b.daysToTop;
    if (!a.daysToTop && a.days != b.days)
        return a.days > b.days;
    // The game writes every end the same way (ISO, on the player's clock), so the text's order
    // is the time's: the earlier achievement keeps its place.
    return a.ended < b.ended;
}

Rows enter(Rows rows, const Row& row, std::optional<int>* placed) {
    const auto sameLife = [&](const Row& other) {
        return other.life == row.life;
    };
    const auto earlier = std::find_if(rows.begin(), rows.end(), sameLife);
    if (earlier == rows.end())
        rows.push_back(row);
    else if (ranksAbove(row, *earlier))
        *earlier = row;
    // A sort that keeps equals in the order they came keeps a row already in the table ahead
    // of a new one that only matches it.
    std::stable_sort(rows.begin(), rows.end(), ranksAbove);
    if (rows.size() > size_t(Size))
        rows.resize(size_t(Size));
    if (placed) {
        const auto at = std::find_if(rows.begin(), rows.end(), sameLife);
        *placed = at == rows.end() ? std::nullopt : std::optional<int>(int(at - rows.begin()));
    }
    return rows;
}

QByteArray toJson(const Rows& rows) {
    // Members in the order of their names, as Qt's compact JSON writes them.
    QByteArray out;
    out.reserve(qsizetype(rows.size()) * 256 + 64);
    out += "{\"format\":";
    JsonText::appendString(out, Format);
    out += ",\"rows\":[";
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        out += i == 0 ? "{\"bestJob\":" : ",{\"bestJob\":";
        JsonText::appendString(out, row.bestJob);
        out += ",\"days\":";
        JsonText::appendNumber(out, row.days);
        // Only a president has the days it took to the top.
        if (row.daysToTop) {
            out += ",\"daysToTop\":";
            JsonText::appendNumber(out, *row.daysToTop);
        }
        out += ",\"ended\":";
        JsonText::appendString(out, row.ended);
        out += ",\"firstDate\":";
        JsonText::appendString(out, row.firstDate);
        out += ",\"headline\":";
        JsonText::appendString(out, row.headline);
        out += ",\"lastDate\":";
        JsonText::appendString(out, row.lastDate);
        out += ",\"life\":";
        JsonText::appendString(out, row.life);
        out += ",\"mostMoney\":";
        JsonText::appendNumber(out, row.mostMoney);
        out += '}';
    }
    out += "],\"version\":";
    JsonText::appendNumber(out, Version);
    out += '}';
    return out;
}

namespace {

// A count of days: a whole number, not negative, that an int holds.
std::optional<int> dayCount(double value) {
    if (value != std::trunc(value) || value < 0 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

// One row, its members in any order; nothing unless every one it must have is there and sound.
std::optional<Row> readRow(JsonText::Reader& reader) {
    Row row;
    // Only a president's row has the days to the top.
    enum { Life, Ended, FirstDate, LastDate, Headline, BestJob, MostMoney, Days, Count, ToTop };
    JsonText::Fields fields(reader);
    double lived = -1, toTop = -1;
    const bool read = reader.object([&](const QString& key) {
        if (key == u"life")
            return fields.text(Life, row.life);
        if (key == u"ended")
            return fields.text(Ended, row.ended);
        if (key == u"firstDate")
            return fields.text(FirstDate, row.firstDate);
        if (key == u"lastDate")
            return fields.text(LastDate, row.lastDate);
        if (key == u"headline")
            return fields.text(Headline, row.headline);
        if (key == u"bestJob")
            return fields.text(BestJob, row.bestJob);
        if (key == u"mostMoney")
            return fields.finite(MostMoney, row.mostMoney);
        if (key == u"days")
            return fields.finite(Days, lived);
        if (key == u"daysToTop")
            return fields.finite(ToTop, toTop);
        return reader.skip();
    });
    if (!read || !fields.all(Count))
        return std::nullopt;
    const std::optional<int> days = dayCount(lived);
    const bool president = fields.has(ToTop);
    row.daysToTop = president ? dayCount(toTop) : std::nullopt;
    if (!days || (president && !row.daysToTop))
        return std::nullopt;
    row.days = *days;
    return row;
}

} // namespace

std::optional<Rows> fromJson(const QByteArray& json) {
    using Kind = JsonText::Reader::Kind;
    JsonText::Reader reader(json);
    Rows rows;
    std::optional<QString> format;
    std::optional<double> version;
    bool sawRows = false;
    const bool read = reader.next() == Kind::Object && reader.object([&](const QString& key) {
        const Kind kind = reader.next();
        if (key == u"format")
            return kind == Kind::String && (format = reader.string()).has_value();
        if (key == u"version")
            return kind == Kind::Number && (version = reader.number()).has_value();
        if (key == u"rows") {
            sawRows = true;
            rows.clear();
            // The game never writes more than the table holds: a longer list is not its own,
            // and is not cut to fit (that would lose the rows past the tenth for good once the
            // hall is written again).
            return kind == Kind::Array && reader.array([&] {
                std::optional<Row> row =
                    reader.next() == Kind::Object ? readRow(reader) : std::nullopt;
                if (!row || rows.size() >= size_t(Size))
                    return false;
                rows.push_back(std::move(*row));
                return true;
            });
        }
        return reader.skip();
    });
    if (!read || !reader.finished() || format != Format || version != double(Version) || !sawRows)
        return std::nullopt;
    // A file put in another order by hand is still shown in the hall's own.
    std::stable_sort(rows.begin(), rows.end(), ranksAbove);
    return rows;
}

QString pathIn(const QString& dataFolder) {
    return QDir(dataFolder).filePath(u"hall.json"_s);
}

Rows load(const QString& path, QString* error) {
    // No hall yet is an empty one: only a file that is there and cannot be read is told.
    return WholeFile::readParsed<Rows>(
        path, MaxFileSize, fromJson,
        QCoreApplication::translate("Game", "зал славы поврежден: %1")
            .arg(QDir::toNativeSeparators(path)),
        error);
}

std::optional<QString> save(const QString& path, const Rows& rows) {
    return WholeFile::write(path, toJson(rows));
}

} // namespace Hall
