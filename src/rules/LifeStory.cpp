// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/LifeStory.h"

#include "rules/Jobs.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace LifeStory {

QString headline(Ending ending) {
    switch (ending) {
    case Ending::Hunger:
        return Chronicle::Cause::Hunger.toString();
    case Ending::Sorrow:
        return Chronicle::Cause::Sorrow.toString();
    case Ending::President:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Стал компьютерным президентом"));
    case Ending::Living:
        break;
    }
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Жизнь продолжается"));
}

namespace {

double salaryOf(const QString& job) {
    for (const Jobs::Job& j : Jobs::all())
        if (j.name == job)
            return j.salary;
    return 0;
}

// The higher of two rungs of a ladder; a text off the ladder counts below every rung.
void raise(QString& best, const QStringList& ladder, const QString& rung) {
    if (best.isEmpty() || ladder.indexOf(rung) > ladder.indexOf(best))
        best = rung;
}

int daysBetween(const QString& from, const QString& to) {
    const std::optional<int> a = Chronicle::dayNumber(from), b = Chronicle::dayNumber(to);
    return a && b && *b > *a ? *b - *a : 0;
}

} // namespace

Summary summarize(const GameState& state, const History::Days& days) {
    Summary s;
    const Chronicle::Life& life = state.story;
    s.began = life.began;
    s.lastDate = state.lblDay + u'/' + state.lblMonth + u'/' + state.lblYear;
    // A game saved before lives had chronicles starts where its history does.
    s.firstDate = !life.firstDay.isEmpty() ? life.firstDay
                  : !days.empty()          ? days.front().date
                                           : s.lastDate;
    s.days = daysBetween(s.firstDate, s.lastDate);

    s.mostMoney = state.money() + state.BankAccount;
    for (const History::Day& day : days) {
        s.mostMoney = std::max(s.mostMoney, day.money + day.bank);
        s.salaryEarned += salaryOf(day.job);
    }

    s.bestJob = state.lblMyWork;
    s.bestSalary = state.salary();
    s.status = state.lblStatus;
    s.education = state.lblEduncation;
    s.english = state.lblEnglish;
    for (const Chronicle::Entry& e : life.entries) {
        using Chronicle::Kind;
        switch (e.kind) {
        case Kind::Job:
            if (e.amount > s.bestSalary) {
                s.bestJob = e.what;
                s.bestSalary = e.amount;
            }
            break;
        case Kind::Status:
            raise(s.status, Ladders::Status, e.what);
            break;
        case Kind::Education:
            raise(s.education, Ladders::Education, e.what);
            break;
        case Kind::English:
            raise(s.english, Ladders::English, e.what);
            break;
        case Kind::Fishing:
            s.fishCaught += e.amount;
            break;
        case Kind::Program:
            ++s.programsInstalled;
            break;
        case Kind::Virus:
            ++s.virusesMet;
            break;
        case Kind::President:
            if (!s.daysToTop)
                s.daysToTop = daysBetween(s.firstDate, e.date);
            if (s.ending == Ending::Living)
                s.ending = Ending::President;
            break;
        case Kind::Death:
            s.ending = e.what == Chronicle::Cause::Sorrow ? Ending::Sorrow : Ending::Hunger;
            break;
        default:
            break;
        }
    }
    s.headline = headline(s.ending);
    return s;
}

QString memorialText(const Summary& s, const Chronicle::Entries& entries, const QDateTime& ended) {
    // The memorial is a record, kept in the game's own words whatever the player reads.
    const auto words = [](const char* source) {
        return Words::text(Words::For::Record, source);
    };
    QString text;
    const auto line = [&](const char* caption, const QString& value) {
        text += words(caption) + u' ' + value + u'\n';
    };
    text += words(QT_TRANSLATE_NOOP("Game", "Тимбурия: итоги жизни")) + u'\n';
    text += s.headline + u'\n';
    text += u'\n';
    line(QT_TRANSLATE_NOOP("Game", "Прожито дней:"), QString::number(s.days));
    line(QT_TRANSLATE_NOOP("Game", "Первый день:"), s.firstDate);
    line(QT_TRANSLATE_NOOP("Game", "Последний день:"), s.lastDate);
    if (s.daysToTop)
        line(QT_TRANSLATE_NOOP("Game", "Дней до президента:"), QString::number(*s.daysToTop));
    line(QT_TRANSLATE_NOOP("Game", "Больше всего денег:"), Num(s.mostMoney) + u'$');
    line(QT_TRANSLATE_NOOP("Game", "Лучшая работа:"), s.bestJob);
    line(QT_TRANSLATE_NOOP("Game", "Статус:"), s.status);
    line(QT_TRANSLATE_NOOP("Game", "Образование:"), s.education);
    line(QT_TRANSLATE_NOOP("Game", "Английский:"), s.english);
    line(QT_TRANSLATE_NOOP("Game", "Заработано зарплаты:"), Num(s.salaryEarned) + u'$');
    line(QT_TRANSLATE_NOOP("Game", "Поймано рыб:"), Num(s.fishCaught));
    line(QT_TRANSLATE_NOOP("Game", "Установлено программ:"), QString::number(s.programsInstalled));
    line(QT_TRANSLATE_NOOP("Game", "Встречено вирусов:"), QString::number(s.virusesMet));
    if (!s.began.isEmpty())
        line(QT_TRANSLATE_NOOP("Game", "Жизнь начата:"), s.began);
    line(QT_TRANSLATE_NOOP("Game", "Жизнь окончена:"), ended.toString(Qt::ISODate));
    text += u'\n' + words(QT_TRANSLATE_NOOP("Game", "Хроника")) + u'\n';
    for (const Chronicle::Entry& e : entries)
        text += e.date + u"  "_s + Chronicle::text(e, Words::For::Record) + u'\n';
    if (entries.empty())
        text += words(QT_TRANSLATE_NOOP("Game", "(пусто)")) + u'\n';
    return text;
}

QString memorialFileName(const Summary& s, const QDateTime& ended) {
    QString name = ended.toString(u"yyyy-MM-dd HH-mm-ss"_s) + u' ' + s.headline;
    // Headlines are the game's own words, but a file name must never carry a separator.
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            c = u'-';
    return name + u".txt"_s;
}

Hall::Row hallRow(const Summary& s, const QDateTime& ended) {
    Hall::Row row;
    row.life = s.began;
    row.ended = ended.toString(Qt::ISODate);
    row.firstDate = s.firstDate;
    row.lastDate = s.lastDate;
    row.days = s.days;
    row.daysToTop = s.daysToTop;
    row.headline = s.headline;
    row.bestJob = s.bestJob;
    row.mostMoney = s.mostMoney;
    return row;
}

} // namespace LifeStory
