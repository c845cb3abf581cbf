// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/LifeStory.h"

#include "rules/Jobs.h"
#include "state/NumberText.h"

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
        return u"Стал компьютерным президентом"_s;
    case Ending::Living:
        break;
    }
    return u"Жизнь продолжается"_s;
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
    QString text;
    const auto line = [&text](const QString& caption, const QString& value) {
        text += caption + u' ' + value + u'\n';
    };
    text += u"Тимбурия: итоги жизни\n"_s;
    text += s.headline + u'\n';
    text += u'\n';
    line(u"Прожито дней:"_s, QString::number(s.days));
    line(u"Первый день:"_s, s.firstDate);
    line(u"Последний день:"_s, s.lastDate);
    if (s.daysToTop)
        line(u"Дней до президента:"_s, QString::number(*s.daysToTop));
    line(u"Больше всего денег:"_s, Num(s.mostMoney) + u'$');
    line(u"Лучшая работа:"_s, s.bestJob);
    line(u"Статус:"_s, s.status);
    line(u"Образование:"_s, s.education);
    line(u"Английский:"_s, s.english);
    line(u"Заработано зарплаты:"_s, Num(s.salaryEarned) + u'$');
    line(u"Поймано рыб:"_s, Num(s.fishCaught));
    line(u"Установлено программ:"_s, QString::number(s.programsInstalled));
    line(u"Встречено вирусов:"_s, QString::number(s.virusesMet));
    if (!s.began.isEmpty())
        line(u"Жизнь начата:"_s, s.began);
    line(u"Жизнь окончена:"_s, ended.toString(Qt::ISODate));
    text += u"\nХроника\n"_s;
    for (const Chronicle::Entry& e : entries)
        text += e.date + u"  "_s + Chronicle::text(e) + u'\n';
    if (entries.empty())
        text += u"(пусто)\n"_s;
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
