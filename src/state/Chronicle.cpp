// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/Chronicle.h"

#include "state/GameState.h"
#include "state/JsonText.h"
#include "state/NumberText.h"

#include <array>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace Chronicle {

namespace {

struct KindInfo {
    Kind kind;
    const char* key;
};
constexpr std::array<KindInfo, 18> Kinds{{
    {Kind::Job, "job"},
    {Kind::Status, "status"},
    {Kind::Education, "education"},
    {Kind::English, "english"},
    {Kind::CourseBegun, "course-begun"},
    {Kind::CourseFinished, "course-finished"},
    {Kind::Bought, "bought"},
    {Kind::Program, "program"},
    {Kind::Virus, "virus"},
    {Kind::BankFailure, "bank-failure"},
    {Kind::HackDone, "hack-done"},
    {Kind::HackFailed, "hack-failed"},
    {Kind::Fishing, "fishing"},
    {Kind::Roulette, "roulette"},
    {Kind::Slots, "slots"},
    {Kind::Arcade, "arcade"},
    {Kind::Death, "death"},
    {Kind::President, "president"},
}};

bool isGameOfChance(Kind kind) {
    return kind == Kind::Roulette || kind == Kind::Slots || kind == Kind::Arcade;
}

QString dollars(double amount) {
    return Num(amount) + u'$';
}

// "выигрыш 30$" or "проигрыш 10$" or "при своих".
QString balance(double amount) {
    if (amount > 0)
        return u"выигрыш "_s + dollars(amount);
    if (amount < 0)
        return u"проигрыш "_s + dollars(-amount);
    return u"при своих"_s;
}

// "3 игры, " before the balance; nothing for a prize alone.
QString rounds(int count) {
    if (count == 0)
        return {};
    // Russian counts: 1 игра, 2-4 игры, 5-20 игр, 21 игра, ...
    const int tens = count % 100, ones = count % 10;
    const char16_t* word = (tens >= 11 && tens <= 14) ? u"игр"
                           : ones == 1                ? u"игра"
                           : (ones >= 2 && ones <= 4) ? u"игры"
                                                      : u"игр";
    return QString::number(count) + u' ' + QString::fromUtf16(word) + u", "_s;
}

} // namespace

QString goodsName(QStringView stem) {
    static const std::array<std::pair<QStringView, QStringView>, 15> names{{
        {u"Car", u"Машина"},
        {u"Vin", u"Винчестер"},
        {u"CD", u"CD-Rom"},
        {u"Comp", u"Процессор"},
        {u"Sound", u"Звуковая карта"},
        {u"Video", u"Видеокарта"},
        {u"Mon", u"Монитор"},
        {u"Prn", u"Принтер"},
        {u"Scan", u"Сканер"},
        {u"Modem", u"Модем"},
        {u"RAM", u"Память"},
        {u"Flat", u"Квартира"},
        {u"Mebel", u"Мебель"},
        {u"Kitchen", u"Кухня"},
        {u"Bath", u"Ванная"},
    }};
    for (const auto& [key, name] : names)
        if (key == stem)
            return name.toString();
    return stem.toString();
}

namespace {

QString dateOf(const GameState& state) {
    return state.lblDay + u'/' + state.lblMonth + u'/' + state.lblYear;
}

// The day's entry of a game of chance when it is the chronicle's last; else a new one.
void addRound(GameState& state, Kind kind, double amount, int rounds) {
    const QString date = dateOf(state);
    Entries& entries = state.story.entries;
    if (!entries.empty()) {
        Entry& last = entries.back();
        if (last.kind == kind && last.date == date &&
            last.count <= std::numeric_limits<int>::max() - rounds) {
            last.amount += amount;
            last.count += rounds;
            return;
        }
    }
    entries.push_back({date, kind, {}, {}, amount, rounds});
}

} // namespace

void note(GameState& state, Kind kind, const QString& what, double amount, const QString& detail) {
    if (isGameOfChance(kind))
        return addRound(state, kind, amount, 1);
    state.story.entries.push_back({dateOf(state), kind, what, detail, amount, 1});
}

void addWinnings(GameState& state, Kind kind, double amount) {
    addRound(state, kind, amount, 0);
}

QString text(const Entry& e) {
    switch (e.kind) {
    case Kind::Job:
        return u"Работа: %1, %2 в день"_s.arg(e.what, dollars(e.amount));
    case Kind::Status:
        return u"Статус: "_s + e.what;
    case Kind::Education:
        return u"Образование: "_s + e.what;
    case Kind::English:
        return u"Английский: "_s + e.what;
    case Kind::CourseBegun:
        return u"Начата учеба: %1 (%2 в день)"_s.arg(e.what, dollars(e.amount));
    case Kind::CourseFinished:
        return u"Окончена учеба: "_s + e.what;
    case Kind::Bought:
        if (e.what == u"Квартира")
            return u"Куплена квартира: комнат %1 (%2)"_s.arg(e.detail, dollars(e.amount));
        return u"Куплено: %1 %2 (%3)"_s.arg(e.what, e.detail, dollars(e.amount));
    case Kind::Program:
        return u"Установлено: %1 %2 (%3)"_s.arg(e.what, e.detail, dollars(e.amount));
    case Kind::Virus:
        return e.amount > 0 ? u"%1: %2"_s.arg(e.what, dollars(e.amount)) : e.what;
    case Kind::BankFailure:
        return u"Сбой в банке: потеряно "_s + dollars(e.amount);
    case Kind::HackDone:
        return u"Хакерское задание выполнено: %1 (%2)"_s.arg(e.what, dollars(e.amount));
    case Kind::HackFailed:
        return u"Хакерское задание провалено: %1 (штраф %2)"_s.arg(e.what, dollars(e.amount));
    case Kind::Fishing:
        return u"Рыбалка: поймано рыб %1"_s.arg(Num(e.amount));
    case Kind::Roulette:
        return u"Рулетка: %1%2"_s.arg(rounds(e.count), balance(e.amount));
    case Kind::Slots:
        return u"Игровой автомат: %1%2"_s.arg(rounds(e.count), balance(e.amount));
    case Kind::Arcade:
        return u"Арканоид: %1%2"_s.arg(rounds(e.count), balance(e.amount));
    case Kind::Death:
        return e.what;
    case Kind::President:
        return u"Стал компьютерным президентом"_s;
    }
    return e.what;
}

QString key(Kind kind) {
    for (const KindInfo& info : Kinds)
        if (info.kind == kind)
            return QString::fromLatin1(info.key);
    return {};
}

std::optional<Kind> kindOf(QStringView key) {
    for (const KindInfo& info : Kinds)
        if (key == QLatin1StringView(info.key))
            return info.kind;
    return std::nullopt;
}

void appendJson(QByteArray& out, const Life& life) {
    out += "{\"began\":";
    JsonText::appendString(out, life.began);
    out += ",\"first\":";
    JsonText::appendString(out, life.firstDay);
    out += ",\"milestones\":[";
    bool first = true;
    for (const Entry& e : life.entries) {
        out += first ? "{\"amount\":" : ",{\"amount\":";
        first = false;
        JsonText::appendNumber(out, e.amount);
        out += ",\"count\":";
        JsonText::appendNumber(out, e.count);
        out += ",\"date\":";
        JsonText::appendString(out, e.date);
        out += ",\"detail\":";
        JsonText::appendString(out, e.detail);
        out += ",\"kind\":";
        JsonText::appendString(out, key(e.kind));
        out += ",\"what\":";
        JsonText::appendString(out, e.what);
        out += '}';
    }
    out += "]}";
}

namespace {

std::optional<Entry> readEntry(JsonText::Reader& reader) {
    Entry entry;
    enum { Amount, Count, Date, Detail, KindField, What, FieldCount };
    JsonText::Fields fields(reader);
    double count = 0;
    QString kind;
    const bool read = reader.object([&](const QString& key) {
        if (key == u"amount")
            return fields.finite(Amount, entry.amount);
        if (key == u"count")
            return fields.finite(Count, count);
        if (key == u"date")
            return fields.text(Date, entry.date);
        if (key == u"detail")
            return fields.text(Detail, entry.detail);
        if (key == u"kind")
            return fields.text(KindField, kind);
        if (key == u"what")
            return fields.text(What, entry.what);
        return reader.skip();
    });
    const std::optional<Kind> known = kindOf(kind);
    if (!read || !fields.all(FieldCount) || !known || count != std::trunc(count) || count < 0 ||
        count > std::numeric_limits<int>::max() || !dayNumber(entry.date))
        return std::nullopt;
    entry.kind = *known;
    entry.count = int(count);
    return entry;
}

} // namespace

std::optional<Life> readJson(JsonText::Reader& reader) {
    using ReaderKind = JsonText::Reader::Kind;
    Life life;
    enum { Began, First, Named };
    JsonText::Fields fields(reader);
    bool sawMilestones = false, sound = true;
    const bool read = reader.object([&](const QString& key) {
        if (key == u"began")
            return fields.text(Began, life.began);
        if (key == u"first")
            return fields.text(First, life.firstDay);
        if (key == u"milestones" && reader.next() == ReaderKind::Array) {
            sawMilestones = true;
            life.entries.clear();
            return reader.array([&] {
                std::optional<Entry> entry =
                    reader.next() == ReaderKind::Object ? readEntry(reader) : std::nullopt;
                if (!entry)
                    return sound = false;
                life.entries.push_back(std::move(*entry));
                return true;
            });
        }
        return key != u"milestones" && reader.skip();
    });
    if (!read || !sound || !fields.all(Named) || !sawMilestones || !inOrder(life.entries))
        return std::nullopt;
    return life;
}

std::optional<int> dayNumber(QStringView date) {
    const auto parts = date.split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay), month = parts[1].toInt(&okMonth),
              year = parts[2].toInt(&okYear);
    // The clock's calendar has thirty days a month; a new game may start on the 31st, which
    // counts as the 1st of the next month.
    if (!okDay || !okMonth || !okYear || day < 1 || day > 31 || month < 1 || month > 12 ||
        year < 0 || year > 999999)
        return std::nullopt;
    return (year * 12 + month - 1) * 30 + day - 1;
}

bool inOrder(const Entries& entries) {
    int last = std::numeric_limits<int>::min();
    for (const Entry& e : entries) {
        const std::optional<int> day = dayNumber(e.date);
        if (!day || *day < last)
            return false;
        last = *day;
    }
    return true;
}

} // namespace Chronicle
