// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/Chronicle.h"

#include "state/GameState.h"
#include "state/JsonText.h"
#include "state/NumberText.h"
#include "state/Words.h"

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

// The courses, the ends of a virus and the causes of death of Chronicle.h, which the rules
// write into entries: a QStringView cannot carry the translation's mark, so they carry it here.
[[maybe_unused]] constexpr const char* NamesOfTheHeader[] = {
    QT_TRANSLATE_NOOP("Game", "Вечерняя школа"),
    QT_TRANSLATE_NOOP("Game", "Курсы английского"),
    QT_TRANSLATE_NOOP("Game", "Компьютерные курсы"),
    QT_TRANSLATE_NOOP("Game", "Вирус уничтожен"),
    QT_TRANSLATE_NOOP("Game", "Вирус найден проверкой и уничтожен"),
    QT_TRANSLATE_NOOP("Game", "Вирус украл деньги"),
    QT_TRANSLATE_NOOP("Game", "Умер от голода"),
    QT_TRANSLATE_NOOP("Game", "Умер от тоски"),
};

// A day at a game of chance, by how its rounds are counted, then by how it went (won, lost,
// even): "Рулетка: 3 игры, выигрыш 30$". A prize alone counts no round; Russian counts
// 1 игра, 2-4 игры, 5-20 игр, 21 игра, ... The game is %1, then the rounds, then the dollars.
enum Rounds { NoRound, OneForm, FewForm, ManyForm };
enum Balance { Won, Lost, Even };
constexpr const char* DayAtTheGame[4][3] = {
    {QT_TRANSLATE_NOOP("Game", "%1: выигрыш %2"), QT_TRANSLATE_NOOP("Game", "%1: проигрыш %2"),
     QT_TRANSLATE_NOOP("Game", "%1: при своих")},
    {QT_TRANSLATE_NOOP("Game", "%1: %2 игра, выигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игра, проигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игра, при своих")},
    {QT_TRANSLATE_NOOP("Game", "%1: %2 игры, выигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игры, проигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игры, при своих")},
    {QT_TRANSLATE_NOOP("Game", "%1: %2 игр, выигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игр, проигрыш %3"),
     QT_TRANSLATE_NOOP("Game", "%1: %2 игр, при своих")},
};

Rounds roundsForm(int count) {
    if (count == 0)
        return NoRound;
    const int tens = count % 100, ones = count % 10;
    if (tens >= 11 && tens <= 14)
        return ManyForm;
    if (ones == 1)
        return OneForm;
    return ones >= 2 && ones <= 4 ? FewForm : ManyForm;
}

QString dayAtTheGame(Words::For reader, const char* game, const Entry& e) {
    const Rounds form = roundsForm(e.count);
    const Balance balance = e.amount > 0 ? Won : e.amount < 0 ? Lost : Even;
    QString sentence =
        Words::text(reader, DayAtTheGame[form][balance]).arg(Words::text(reader, game));
    if (form != NoRound)
        sentence = sentence.arg(e.count);
    if (balance != Even)
        sentence = sentence.arg(dollars(std::abs(e.amount)));
    return sentence;
}

} // namespace

QString goodsName(QStringView stem) {
    static const std::array<std::pair<QStringView, const char*>, 15> names{{
        {u"Car", QT_TRANSLATE_NOOP("Game", "Машина")},
        {u"Vin", QT_TRANSLATE_NOOP("Game", "Винчестер")},
        {u"CD", "CD-Rom"},
        {u"Comp", QT_TRANSLATE_NOOP("Game", "Процессор")},
        {u"Sound", QT_TRANSLATE_NOOP("Game", "Звуковая карта")},
        {u"Video", QT_TRANSLATE_NOOP("Game", "Видеокарта")},
        {u"Mon", QT_TRANSLATE_NOOP("Game", "Монитор")},
        {u"Prn", QT_TRANSLATE_NOOP("Game", "Принтер")},
        {u"Scan", QT_TRANSLATE_NOOP("Game", "Сканер")},
        {u"Modem", QT_TRANSLATE_NOOP("Game", "Модем")},
        {u"RAM", QT_TRANSLATE_NOOP("Game", "Память")},
        {u"Flat", QT_TRANSLATE_NOOP("Game", "Квартира")},
        {u"Mebel", QT_TRANSLATE_NOOP("Game", "Мебель")},
        {u"Kitchen", QT_TRANSLATE_NOOP("Game", "Кухня")},
        {u"Bath", QT_TRANSLATE_NOOP("Game", "Ванная")},
    }};
    for (const auto& [key, name] : names)
        if (key == stem)
            return QString::fromUtf8(name);
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

QString text(const Entry& e, Words::For reader) {
    const auto say = [reader](const char* source) {
        return Words::text(reader, source);
    };
    // The names the entry holds are the game's words too.
    const bool shown = reader == Words::For::Player;
    const QString what = shown ? Words::shown(e.what) : e.what;
    const QString detail = shown ? Words::shown(e.detail) : e.detail;
    const QString amount = dollars(e.amount);
    switch (e.kind) {
    case Kind::Job:
        return say(QT_TRANSLATE_NOOP("Game", "Работа: %1, %2 в день")).arg(what, amount);
    case Kind::Status:
        return say(QT_TRANSLATE_NOOP("Game", "Статус: %1")).arg(what);
    case Kind::Education:
        return say(QT_TRANSLATE_NOOP("Game", "Образование: %1")).arg(what);
    case Kind::English:
        return say(QT_TRANSLATE_NOOP("Game", "Английский: %1")).arg(what);
    case Kind::CourseBegun:
        return say(QT_TRANSLATE_NOOP("Game", "Начата учеба: %1 (%2 в день)")).arg(what, amount);
    case Kind::CourseFinished:
        return say(QT_TRANSLATE_NOOP("Game", "Окончена учеба: %1")).arg(what);
    case Kind::Bought:
        if (e.what == u"Квартира")
            return say(QT_TRANSLATE_NOOP("Game", "Куплена квартира: комнат %1 (%2)"))
                .arg(detail, amount);
        return say(QT_TRANSLATE_NOOP("Game", "Куплено: %1 %2 (%3)")).arg(what, detail, amount);
    case Kind::Program:
        return say(QT_TRANSLATE_NOOP("Game", "Установлено: %1 %2 (%3)")).arg(what, detail, amount);
    case Kind::Virus:
        return e.amount > 0 ? u"%1: %2"_s.arg(what, amount) : what;
    case Kind::BankFailure:
        return say(QT_TRANSLATE_NOOP("Game", "Сбой в банке: потеряно %1")).arg(amount);
    case Kind::HackDone:
        return say(QT_TRANSLATE_NOOP("Game", "Хакерское задание выполнено: %1 (%2)"))
            .arg(what, amount);
    case Kind::HackFailed:
        return say(QT_TRANSLATE_NOOP("Game", "Хакерское задание провалено: %1 (штраф %2)"))
            .arg(what, amount);
    case Kind::Fishing:
        return say(QT_TRANSLATE_NOOP("Game", "Рыбалка: поймано рыб %1")).arg(Num(e.amount));
    case Kind::Roulette:
        return dayAtTheGame(reader, QT_TRANSLATE_NOOP("Game", "Рулетка"), e);
    case Kind::Slots:
        return dayAtTheGame(reader, QT_TRANSLATE_NOOP("Game", "Игровой автомат"), e);
    case Kind::Arcade:
        return dayAtTheGame(reader, QT_TRANSLATE_NOOP("Game", "Арканоид"), e);
    case Kind::Death:
        return what;
    case Kind::President:
        return say(QT_TRANSLATE_NOOP("Game", "Стал компьютерным президентом"));
    }
    return what;
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
