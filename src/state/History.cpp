#include "state/History.h"

#include "state/NumberText.h"
#include "state/WholeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace History {

namespace {

const QString Format = u"timburia-history"_s;
constexpr int Version = 1;

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

QByteArray toJson(const Days& days) {
    QJsonArray list;
    for (const Day& day : days)
        list.append(QJsonObject{{u"date"_s, day.date},
                                {u"money"_s, day.money},
                                {u"satiety"_s, day.satiety},
                                {u"mood"_s, day.mood},
                                {u"bank"_s, day.bank},
                                {u"job"_s, day.job}});
    const QJsonObject root{{u"format"_s, Format}, {u"version"_s, Version}, {u"days"_s, list}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<Days> fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (root.value(u"format"_s).toString() != Format ||
        root.value(u"version"_s).toInt(-1) != Version || !root.value(u"days"_s).isArray())
        return std::nullopt;
    Days days;
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
    return days;
}

QString pathFor(const QString& savedGame) {
    return savedGame + u".history"_s;
}

std::optional<QString> save(const QString& path, const Days& days) {
    return WholeFile::write(path, toJson(days));
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
