#include "state/History.h"

#include "state/NumberText.h"
#include "state/WholeFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace History {

namespace {

const QString Format = u"timburia-history"_s;
// Version 2 names the saved game; version 1 did not.
constexpr int Version = 2;
constexpr int UnmarkedVersion = 1;

std::optional<double> number(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<QString> text(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

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

QByteArray json(const Days& days, size_t first, const QString& game) {
    QJsonArray list;
    for (size_t i = first; i < days.size(); ++i) {
        const Day& day = days[i];
        list.append(QJsonObject{{u"date"_s, day.date},
                                {u"money"_s, day.money},
                                {u"satiety"_s, day.satiety},
                                {u"mood"_s, day.mood},
                                {u"bank"_s, day.bank},
                                {u"job"_s, day.job}});
    }
    // A history that names no game is written as histories were before they named one.
    QJsonObject root{{u"format"_s, Format},
                     {u"version"_s, game.isEmpty() ? UnmarkedVersion : Version},
                     {u"days"_s, list}};
    if (!game.isEmpty())
        root.insert(u"game"_s, game);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray toJson(const Days& days, const QString& game, qint64 maxSize) {
    QByteArray text = json(days, 0, game);
    // Too long a life for the file: the oldest days are left out, as many as the excess takes
    // at the average day's length, and a little more until it fits.
    size_t first = 0;
    while (text.size() > maxSize && first < days.size()) {
        const double perDay = double(text.size()) / double(days.size() - first);
        const auto excess = size_t(double(text.size() - maxSize) / perDay) + 1;
        first = std::min(days.size(), first + excess);
        text = json(days, first, game);
    }
    return text;
}

std::optional<File> parse(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const int version = root.value(u"version"_s).toInt(-1);
    if (root.value(u"format"_s).toString() != Format ||
        (version != Version && version != UnmarkedVersion) || !root.value(u"days"_s).isArray())
        return std::nullopt;
    File file;
    if (version == Version) {
        const std::optional<QString> game = text(root, u"game"_s);
        if (!game || game->isEmpty())
            return std::nullopt;
        file.game = *game;
    }
    Days& days = file.days;
    const QJsonArray list = root.value(u"days"_s).toArray();
    days.reserve(size_t(list.size()));
    for (const QJsonValue& entry : list) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject object = entry.toObject();
        const auto date = text(object, u"date"_s);
        const auto job = text(object, u"job"_s);
        const auto money = number(object, u"money"_s);
        const auto satiety = number(object, u"satiety"_s);
        const auto mood = number(object, u"mood"_s);
        const auto bank = number(object, u"bank"_s);
        // The balance is a 16-bit integer in the game.
        if (!date || !job || !money || !satiety || !mood || !bank || *bank != std::trunc(*bank) ||
            *bank < std::numeric_limits<qint16>::min() ||
            *bank > std::numeric_limits<qint16>::max())
            return std::nullopt;
        days.push_back({*date, *money, *satiety, *mood, int(*bank), *job});
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
    WholeFile::Bytes file = WholeFile::read(path, MaxFileSize);
    if (!file.bytes) {
        // A game may lack its history: only one that is there and cannot be read is told.
        if (error)
            *error = file.missing ? QString() : file.error;
        return {};
    }
    std::optional<Days> days = fromJson(*file.bytes);
    if (error)
        *error = days ? QString() : u"история повреждена: "_s + path;
    return days.value_or(Days{});
}

} // namespace History
