// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chronicle of a life: every kind of milestone as the rule that makes it notes it, the
// rounds at the games of chance gathered by day, the file that keeps the chronicle with the
// history, and what a life's summary, memorial and hall row make of it.

#include "rules/Buying.h"
#include "rules/Casino.h"
#include "rules/Clock.h"
#include "rules/Fishing.h"
#include "rules/Hacking.h"
#include "rules/Jobs.h"
#include "rules/LifeStory.h"
#include "rules/LifeUpdate.h"
#include "rules/Paddle.h"
#include "rules/Programs.h"
#include "rules/Study.h"
#include "rules/Virus.h"
#include "state/GameFiles.h"
#include "state/GameState.h"
#include "state/History.h"
#include "unit/ScriptedEffects.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;
using Chronicle::Entry;
using Chronicle::Kind;

namespace {

GameState newLife() {
    GameState state;
    state.setDesignTexts();
    state.beginNewGame(QDate(2002, 5, 5));
    state.lblMoney = u"1000"_s;
    return state;
}

// A computer that every program fits.
void withComputer(GameState& s) {
    for (Catalog* part : {&s.Comp, &s.Mon, &s.Vin, &s.CD, &s.RAM, &s.Video, &s.Sound, &s.Prn})
        part->Level = qint16(part->Names.size() - 1);
    s.showCatalogLevels();
}

struct LifeEffects : ScriptedEffects<Life::Effects> {
    using ScriptedEffects::ScriptedEffects;
    void die(const QString& text) override { deaths << text; }
    void courseFinished(Life::Course) override {}
    void virusStrikes() override {}
    QStringList deaths;
};

struct ClockEffects : ScriptedEffects<Clock::Effects> {
    using ScriptedEffects::ScriptedEffects;
    void balanceChanged() override {}
};

struct ProgramEffects : ScriptedEffects<Programs::Effects> {
    void disableUpTo(const Programs::Program&) override {}
    void recorded(const Programs::Program&) override {}
};

// An entry of the life's first day.
Entry noted(Kind kind, const QString& what = {}, double amount = 0, const QString& detail = {},
            int count = 1) {
    return {u"05/05/02"_s, kind, what, detail, amount, count};
}

const Programs::Program& program(const char* button) {
    for (const Programs::Program& p : Programs::catalogue())
        if (qstrcmp(p.button, button) == 0)
            return p;
    throw std::logic_error("no such program");
}

} // namespace

TEST(Chronicle, EachMilestoneFromTheRuleThatMakesIt) {
    struct Row {
        const char* name;
        std::function<void(GameState&)> play;
        std::vector<Entry> noted;
    };
    const auto onTheLadder = [](const Life::Ladder& ladder, qsizetype step) {
        return [&ladder, step](GameState& s) {
            s.*ladder.rung = ladder.rungs.at(step);
            s.*ladder.counter = ladder.steps.at(size_t(step)).mark;
            LifeEffects effects;
            Life::tick(s, effects);
        };
    };
    const qsizetype lastStatus = qsizetype(Life::statusLadder().steps.size()) - 1;
    const Row table[] = {
        {"a job",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Jobs::hire(s, Jobs::all()[0], effects);
         },
         {noted(Kind::Job, u"Грузчик"_s, 10)}},
        {"the same job again is no milestone",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Jobs::hire(s, Jobs::all()[0], effects);
             s.story.entries.clear();
             Jobs::hire(s, Jobs::all()[0], effects);
         },
         {}},
        {"the president's hire",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Jobs::hire(s, Jobs::all().back(), effects);
         },
         {noted(Kind::Job, Jobs::all().back().name, double(Jobs::all().back().salary)),
          noted(Kind::President, Jobs::all().back().name)}},
        {"a status",
         onTheLadder(Life::statusLadder(), 0),
         {noted(Kind::Status, Ladders::Status.at(1))}},
        {"the last status ends the computer courses",
         onTheLadder(Life::statusLadder(), lastStatus),
         {noted(Kind::Status, Ladders::Status.at(lastStatus + 1)),
          noted(Kind::CourseFinished, u"Компьютерные курсы"_s)}},
        {"an English level",
         onTheLadder(Life::englishLadder(), 0),
         {noted(Kind::English, Ladders::English.at(1))}},
        {"an education",
         onTheLadder(Life::schoolLadder(), 0),
         {noted(Kind::Education, Ladders::Education.at(1))}},
        {"a course begun",
         [](GameState& s) {
             ScriptedEffects<> effects;
             const Study::Course& school = Study::courses()[0];
             Study::click(s, school, Study::caption(school, Study::State::Start), effects);
         },
         {noted(Kind::CourseBegun, u"Вечерняя школа"_s, 6)}},
        {"a rung of the flat",
         [](GameState& s) { buyNext(s, &GameState::Flat, &GameState::lblRoom); },
         {noted(Kind::Bought, u"Квартира"_s, newLife().Flat.Prices[1], newLife().Flat.Names[1])}},
        {"a computer part",
         [](GameState& s) { buyNext(s, &GameState::Comp, &GameState::lblComp); },
         {noted(Kind::Bought, u"Процессор"_s, newLife().Comp.Prices[1], newLife().Comp.Names[1])}},
        {"too poor to buy: nothing",
         [](GameState& s) {
             s.lblMoney = u"0"_s;
             buyNext(s, &GameState::Car, &GameState::lblCar);
         },
         {}},
        {"a program",
         [](GameState& s) {
             withComputer(s);
             ProgramEffects effects;
             Programs::install(s, program("cmdNC"), effects);
         },
         {noted(Kind::Program, u"Система"_s, 3, u"NC"_s)}},
        {"a virus that costs money",
         [](GameState& s) {
             ScriptedEffects<> effects({}, {0.5F});
             Virus::letLive(s, effects);
         },
         {noted(Kind::Virus, u"Вирус украл деньги"_s, 15)}},
        {"a virus fought with a weak anti-virus",
         [](GameState& s) {
             s.lblAntvirus = u"Касперского"_s;
             ScriptedEffects<> effects({}, {0.0F});
             Virus::fight(s, effects);
         },
         {noted(Kind::Virus, u"Вирус украл деньги"_s, 5)}},
        {"a virus killed",
         [](GameState& s) {
             s.lblAntvirus = u"IVP 100"_s;
             ScriptedEffects<> effects;
             Virus::fight(s, effects);
         },
         {noted(Kind::Virus, u"Вирус уничтожен"_s)}},
        {"a virus found by the check",
         [](GameState& s) {
             s.lblAntvirus = u"Касперского"_s;
             s.lblVir = u"3"_s;
             ScriptedEffects<> effects;
             Virus::check(s, effects);
         },
         {noted(Kind::Virus, u"Вирус найден проверкой и уничтожен"_s, 10)}},
        {"a check that finds nothing growing",
         [](GameState& s) {
             s.lblAntvirus = u"Касперского"_s;
             s.lblVir = u"0"_s;
             ScriptedEffects<> effects;
             Virus::check(s, effects);
         },
         {}},
        {"the bank's failure",
         [](GameState& s) {
             s.lblHours = u"23"_s;
             s.BankAccount = 300;
             s.BankDays = 5;
             // The balance grows by a twentieth to 315, then loses Int(105 * 0.5 + 1) + 1.
             ClockEffects effects({}, {0.5F, 0.5F});
             Clock::tick(s, effects);
         },
         {noted(Kind::BankFailure, {}, 54)}},
        {"a hacking job done",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Hacking::succeed(s, 2, effects);
         },
         {noted(Kind::HackDone, Hacking::assignment(2), 5)}},
        {"a hacking job failed",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Hacking::fail(s, 2, effects);
         },
         {noted(Kind::HackFailed, Hacking::assignment(2), 2)}},
        {"a fishing trip",
         [](GameState& s) { Fishing::bringHome(s, 7, 3, 2); },
         {noted(Kind::Fishing, {}, 7)}},
        {"the roulette's rounds of a day, won and lost",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Roulette::Table wheel{Roulette::Table::Phase::Stopped, u"5"_s, u"10"_s, 5};
             Roulette::settle(wheel, s, effects);
             wheel.counter = 6;
             Roulette::settle(wheel, s, effects);
         },
         {noted(Kind::Roulette, {}, 20, {}, 2)}},
        {"the slot machine: a pack is a round, its prizes join it",
         [](GameState& s) {
             ScriptedEffects<> effects;
             Slots::Machine machine;
             Slots::buyPack(machine, s);
             Slots::payPrize(s, 15, effects);
             Slots::buyPack(machine, s);
         },
         {noted(Kind::Slots, {}, -5, {}, 2)}},
        {"the arcade",
         [](GameState& s) {
             ScriptedEffects<> effects({false, false});
             Paddle::finish(s, Paddle::Outcome::Won, effects);
             Paddle::finish(s, Paddle::Outcome::Lost, effects);
         },
         {noted(Kind::Arcade, {}, Paddle::WinPrize - Paddle::LossCharge, {}, 2)}},
        {"a death of hunger",
         [](GameState& s) {
             s.lblHungry = u"-29"_s;
             LifeEffects effects;
             Life::tick(s, effects);
         },
         {noted(Kind::Death, u"Умер от голода"_s)}},
        {"a death of sorrow",
         [](GameState& s) {
             s.lblHappyness = u"-39"_s;
             LifeEffects effects;
             Life::tick(s, effects);
         },
         {noted(Kind::Death, u"Умер от тоски"_s)}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        GameState state = newLife();
        row.play(state);
        EXPECT_EQ(state.story.entries, row.noted);
        // With no translation installed, the screen reads what the record keeps.
        for (const Entry& e : state.story.entries) {
            EXPECT_FALSE(Chronicle::text(e, Words::For::Record).isEmpty());
            EXPECT_EQ(Chronicle::text(e, Words::For::Player),
                      Chronicle::text(e, Words::For::Record));
        }
    }
}

TEST(Chronicle, RoundsGatherByDayAndMachine) {
    GameState s = newLife();
    ScriptedEffects<> effects({false, false});
    Paddle::finish(s, Paddle::Outcome::Lost, effects);
    Fishing::bringHome(s, 1, 0, 0); // another milestone between: a new arcade entry after it
    Paddle::finish(s, Paddle::Outcome::Lost, effects);
    s.lblDay = u"6"_s;
    Slots::payPrize(s, 20, effects); // a prize of yesterday's pack: no round of its own
    ASSERT_EQ(s.story.entries.size(), 4U);
    EXPECT_EQ(s.story.entries[0].count, 1);
    EXPECT_EQ(s.story.entries[2].count, 1);
    EXPECT_EQ(s.story.entries[3].count, 0);
    EXPECT_EQ(s.story.entries[3].date, u"6/05/02");
    EXPECT_EQ(Chronicle::text(s.story.entries[3], Words::For::Record),
              u"Игровой автомат: выигрыш 20$");
}

TEST(Chronicle, ADayAtAGameOfChanceCountsItsRoundsAsRussianDoes) {
    struct Row {
        Kind kind;
        double amount;
        int count;
        const char16_t* text;
    };
    const Row table[] = {
        {Kind::Slots, 20, 0, u"Игровой автомат: выигрыш 20$"},
        {Kind::Slots, -5, 0, u"Игровой автомат: проигрыш 5$"},
        {Kind::Slots, 0, 0, u"Игровой автомат: при своих"},
        {Kind::Roulette, 30, 1, u"Рулетка: 1 игра, выигрыш 30$"},
        {Kind::Roulette, -30, 21, u"Рулетка: 21 игра, проигрыш 30$"},
        {Kind::Roulette, 0, 101, u"Рулетка: 101 игра, при своих"},
        {Kind::Arcade, 2, 2, u"Арканоид: 2 игры, выигрыш 2$"},
        {Kind::Arcade, -1, 34, u"Арканоид: 34 игры, проигрыш 1$"},
        {Kind::Arcade, 0, 4, u"Арканоид: 4 игры, при своих"},
        {Kind::Slots, 10, 5, u"Игровой автомат: 5 игр, выигрыш 10$"},
        {Kind::Slots, -10, 11, u"Игровой автомат: 11 игр, проигрыш 10$"},
        {Kind::Arcade, 0, 12, u"Арканоид: 12 игр, при своих"},
        {Kind::Arcade, 0, 114, u"Арканоид: 114 игр, при своих"},
        {Kind::Roulette, 6, 20, u"Рулетка: 20 игр, выигрыш 6$"},
    };
    for (const Row& row : table)
        EXPECT_EQ(
            Chronicle::text(noted(row.kind, {}, row.amount, {}, row.count), Words::For::Record),
            QString::fromUtf16(row.text));
}

TEST(Chronicle, KeptWithTheHistoryAndReadBackOnlyWhenSound) {
    GameState s = newLife();
    s.story.began = u"2026-12-11T12:00:00"_s;
    s.story.firstDay = u"05/05/02"_s;
    ScriptedEffects<> effects;
    Jobs::hire(s, Jobs::all()[0], effects);
    Fishing::bringHome(s, 4, 0, 0);
    const History::File file{{}, u"mark"_s, s.story};
    const std::optional<History::File> back = History::parse(History::fileText(file));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->story, s.story);
    // A file without a chronicle (written before there were any) reads with an empty one.
    EXPECT_TRUE(History::parse(History::toJson({}, u"mark"_s))->story.empty());

    const QByteArray good = History::fileText(file);
    const struct {
        const char* name;
        QByteArray from, to;
    } damaged[] = {
        {"an unknown kind", "\"kind\":\"job\"", "\"kind\":\"jobb\""},
        {"a date that is none", "\"date\":\"05/05/02\"", "\"date\":\"5 мая\""},
        {"a count below zero", "\"count\":1", "\"count\":-1"},
        {"a count not whole", "\"count\":1", "\"count\":1.5"},
        {"an amount of the wrong kind", "\"amount\":10", "\"amount\":\"10\""},
        {"a field missing", ",\"detail\":\"\"", ""},
        {"no start of the life", "\"began\":", "\"begun\":"},
    };
    for (const auto& d : damaged) {
        QByteArray text = good;
        ASSERT_TRUE(text.contains(d.from)) << d.name;
        text.replace(text.indexOf(d.from), d.from.size(), d.to);
        EXPECT_FALSE(History::parse(text)) << d.name;
    }
    // Dates that go back are no chronicle this game wrote.
    History::File backwards = file;
    backwards.story.entries.back().date = u"4/05/02"_s;
    EXPECT_FALSE(History::parse(History::fileText(backwards)));
}

TEST(Chronicle, ALifeTooLongForItsFileKeepsItsNewestDaysThenItsNewestMilestones) {
    GameState s = newLife();
    s.story.began = u"2026-12-11T12:00:00"_s;
    s.story.firstDay = u"05/05/02"_s;
    for (int trip = 1; trip <= 200; ++trip)
        Fishing::bringHome(s, trip, 0, 0);
    const History::Days days(50, {u"05/05/02"_s, 1, 2, 3, 4, u"Грузчик"_s});
    const History::File file{days, u"mark"_s, s.story};
    const qint64 whole = History::fileText(file).size();
    const qint64 story = History::fileText({{}, u"mark"_s, s.story}).size();
    for (const qint64 cap : {whole - 1, story + 10, story - 1, story / 2, qint64(300)}) {
        const QByteArray text = History::fileText(file, cap);
        EXPECT_LE(text.size(), cap) << cap;
        const std::optional<History::File> back = History::parse(text);
        ASSERT_TRUE(back) << cap;
        // The milestones go only once every day has gone, the oldest first.
        if (!back->days.empty()) {
            EXPECT_EQ(back->story, s.story) << cap;
        }
        if (!back->story.entries.empty()) {
            EXPECT_EQ(back->story.entries.back(), s.story.entries.back()) << cap;
        }
    }
}

TEST(Chronicle, SurvivesASaveAndALoad) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    GameState s = newLife();
    s.story.began = u"2026-12-11T12:00:00"_s;
    s.story.firstDay = u"05/05/02"_s;
    ScriptedEffects<> effects;
    Jobs::hire(s, Jobs::all()[0], effects);
    const QString path = dir.filePath(u"g.kbz"_s);
    ASSERT_FALSE(GameFiles::save(path, s, {}).game);

    // Whatever chronicle the game being played has gives way to the loaded one's.
    GameState other = newLife();
    Fishing::bringHome(other, 2, 0, 0);
    GameFiles::Loaded loaded = GameFiles::load(path, other);
    ASSERT_TRUE(loaded.state) << qPrintable(loaded.error);
    EXPECT_EQ(loaded.state->story, s.story);

    // A history that is not the game's brings no chronicle either.
    ASSERT_FALSE(GameFiles::save(dir.filePath(u"h.kbz"_s), other, {}).game);
    QFile::remove(History::pathFor(path));
    QFile::copy(History::pathFor(dir.filePath(u"h.kbz"_s)), History::pathFor(path));
    loaded = GameFiles::load(path, s);
    ASSERT_TRUE(loaded.state);
    EXPECT_TRUE(loaded.state->story.empty());
}

TEST(LifeStory, PeaksTotalsAndHeadline) {
    GameState s = newLife();
    s.story.began = u"2026-12-11T12:00:00"_s;
    s.story.firstDay = u"05/05/02"_s;
    ScriptedEffects<> effects;
    Jobs::hire(s, Jobs::all()[2], effects);
    Jobs::hire(s, Jobs::all()[0], effects); // a worse job later: the best stays
    Fishing::bringHome(s, 3, 0, 0);
    Fishing::bringHome(s, 4, 0, 0);
    withComputer(s);
    ProgramEffects programs;
    Programs::install(s, program("cmdNC"), programs);
    Programs::install(s, program("cmdW311"), programs);
    ScriptedEffects<> virus({}, {0.0F});
    Virus::letLive(s, virus);
    s.lblDay = u"15"_s;
    s.lblMoney = u"40"_s;
    s.BankAccount = 10;
    const History::Days days{
        {u"05/05/02"_s, 100, 0, 0, 50, u"Пока нет"_s},
        {u"6/05/02"_s, 300, 0, 0, 200, Jobs::all()[2].name}, // the most: 500
        {u"7/05/02"_s, 20, 0, 0, 0, Jobs::all()[0].name},
    };
    const LifeStory::Summary sum = LifeStory::summarize(s, days);
    EXPECT_EQ(sum.headline, u"Жизнь продолжается");
    EXPECT_EQ(sum.firstDate, u"05/05/02");
    EXPECT_EQ(sum.lastDate, u"15/05/02");
    EXPECT_EQ(sum.days, 10);
    EXPECT_EQ(sum.mostMoney, 500);
    EXPECT_EQ(sum.bestJob, Jobs::all()[2].name);
    EXPECT_EQ(sum.bestSalary, Jobs::all()[2].salary);
    EXPECT_EQ(sum.salaryEarned, Jobs::all()[2].salary + Jobs::all()[0].salary);
    EXPECT_EQ(sum.fishCaught, 7);
    EXPECT_EQ(sum.programsInstalled, 2);
    EXPECT_EQ(sum.virusesMet, 1);
    EXPECT_FALSE(sum.daysToTop);

    // The top, then a death: the death is the headline, the days to the top stay.
    s.lblDay = u"20"_s;
    Jobs::hire(s, Jobs::all().back(), effects);
    EXPECT_EQ(LifeStory::summarize(s, days).headline, u"Стал компьютерным президентом");
    s.lblMonth = u"06"_s;
    s.lblHappyness = u"-39"_s;
    LifeEffects life;
    Life::tick(s, life);
    const LifeStory::Summary ended = LifeStory::summarize(s, days);
    EXPECT_EQ(ended.headline, u"Умер от тоски");
    EXPECT_EQ(ended.daysToTop, 15);
    EXPECT_EQ(ended.days, 45); // thirty days a month, as the clock counts them

    const QDateTime when(QDate(2026, 12, 11), QTime(14, 5, 33));
    EXPECT_EQ(LifeStory::memorialFileName(ended, when), u"2026-12-11 14-05-33 Умер от тоски.txt");
    const QString memorial = LifeStory::memorialText(ended, s.story.entries, when);
    EXPECT_TRUE(memorial.startsWith(u"Тимбурия: итоги жизни\nУмер от тоски\n"));
    EXPECT_TRUE(memorial.contains(u"\n05/05/02  Рыбалка: поймано рыб 3\n"));
    EXPECT_TRUE(memorial.endsWith(u"20/06/02  Умер от тоски\n"));

    const Hall::Row row = LifeStory::hallRow(ended, when);
    EXPECT_EQ(row.life, u"2026-12-11T12:00:00");
    EXPECT_EQ(row.daysToTop, 15);
    EXPECT_EQ(row.headline, u"Умер от тоски");
    EXPECT_EQ(row.mostMoney, 500);
}

TEST(LifeStory, AGameWithoutAChronicleStartsWhereItsHistoryDoes) {
    GameState s = newLife();
    s.story = {};
    s.lblDay = u"9"_s;
    EXPECT_EQ(LifeStory::summarize(s, {{u"7/05/02"_s, 0, 0, 0, 0, {}}}).days, 2);
    EXPECT_EQ(LifeStory::summarize(s, {}).days, 0);
}
