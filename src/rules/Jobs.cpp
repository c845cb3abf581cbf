// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Jobs.h"

#include "state/NumberText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Jobs {

namespace {

using Test = Requirement::Test;

Requirement rung(QString GameState::*field, const QStringList& ladder, const char16_t* lowest) {
    return {
        .test = Test::Rung, .field = field, .ladder = &ladder, .text = QString::fromUtf16(lowest)};
}
Requirement education(const char16_t* lowest) {
    return rung(&GameState::lblEduncation, Ladders::Education, lowest);
}
Requirement status(const char16_t* lowest) {
    return rung(&GameState::lblStatus, Ladders::Status, lowest);
}
Requirement english(const char16_t* lowest) {
    return rung(&GameState::lblEnglish, Ladders::English, lowest);
}
Requirement clothes(const char16_t* lowest) {
    return rung(&GameState::lblClothes, Ladders::Clothes, lowest);
}
Requirement program(const char16_t* lowest) {
    return rung(&GameState::lblProgram, Ladders::Program, lowest);
}
Requirement graph(const char16_t* lowest) {
    return rung(&GameState::lblGraph, Ladders::Graph, lowest);
}
Requirement programExactly(const char16_t* text) {
    return {.test = Test::Text, .field = &GameState::lblProgram, .text = QString::fromUtf16(text)};
}
Requirement online() {
    return {.test = Test::Online};
}
Requirement owns(Catalog GameState::*catalog, int minimum) {
    return {.test = Test::Level, .catalog = catalog, .minimum = minimum};
}
Requirement ownsExactly(Catalog GameState::*catalog, int level) {
    return {.test = Test::LevelExactly, .catalog = catalog, .minimum = level};
}
Requirement atLeast(qint16 GameState::*count, int minimum) {
    return {.test = Test::Count, .count = count, .minimum = minimum};
}

constexpr auto Flat = &GameState::Flat;
constexpr auto Mebel = &GameState::Mebel;
constexpr auto Kitchen = &GameState::Kitchen;
constexpr auto Bath = &GameState::Bath;
constexpr auto Scan = &GameState::Scan;
constexpr auto Modem = &GameState::Modem;
constexpr auto Car = &GameState::Car;
constexpr auto FishTotal = &GameState::FishTotal;
constexpr auto JokesBaseLoaded = &GameState::JokesBaseLoaded;

// The refusal lines that name an item.
RefusalLine rooms(const char16_t* after) {
    return {u"количество комнат в квартире ", Flat, after};
}
RefusalLine furniture() {
    return {u"", Mebel, u" мебель,"};
}
RefusalLine kitchen() {
    return {u"", Kitchen, u" кухня,"};
}
RefusalLine bath(const char16_t* after) {
    return {u"ванная: ", Bath, after};
}
RefusalLine modem(const char16_t* after) {
    return {u"модем ", Modem, after};
}
RefusalLine scanner() {
    return {u"сканер ", Scan, u","};
}
RefusalLine car(const char16_t* after) {
    return {u"машина марки ", Car, after};
}

std::array<Job, Count> makeJobs() {
    return {{
        {.caption = u"Грузчик"_s,
         .salary = 10,
         .name = u"Грузчик"_s,
         .shownAs = u"Грузчик"_s,
         .description =
             u"Эта работа очень проста. Вам просто необходимо таскать всякие тяжелые ящики."_s,
         .hireTitle = u"Вы грузчик."_s,
         .hiredAs = u"грузчик"_s},
        {.caption = u"Таксист"_s,
         .salary = 20,
         .name = u"Таксист."_s,
         .shownAs = u"Таксист."_s,
         .description = u"Здесь вы должны просто напросто перевозить людей."_s,
         .hireTitle = u"Вы таксист."_s,
         .hiredAs = u"таксист"_s,
         .refusalTitle = u"Вы не таксист."_s,
         .refusalFirstLine = u"Вы не можете работать таксистом."_s,
         .requirements = {education(u"Неполное среднее"), clothes(u"Спорт.костюм"), owns(Bath, 1)},
         .refusalLines = {{u"образование неполное среднее,"},
                          {u"одежда спорт. костюм,"},
                          bath(u".")}},
        {.caption = u"Садовник"_s,
         .salary = 25,
         .name = u"Садовник"_s,
         .shownAs = u"Садовник"_s,
         .description = u"Вам нужно будет сажать цветочки и т.д.."_s,
         .hireTitle = u"Вы садовник."_s,
         .hiredAs = u"садовник"_s,
         .refusalTitle = u"Вы не садовник."_s,
         .refusalFirstLine = u"Вы не можете работать садовником."_s,
         .requirements = {education(u"Неполное среднее"), status(u"Любитель"),
                          english(u"1 уровень"), clothes(u"Спорт.костюм"), program(u"Basic"),
                          owns(Flat, 1), owns(Mebel, 1)},
         .refusalLines = {{u"образование неполное среднее,"},
                          {u"статус любитель,"},
                          {u"англ.яз. 1 уровень,"},
                          {u"одежда спорт. костюм,"},
                          rooms(u","),
                          furniture(),
                          {u"прог-ование Basic."}}},
        {.caption = u"Начинающий программист"_s,
         .salary = 30,
         .name = u"нач. прогр."_s,
         .shownAs = u"нач. прогр."_s,
         .description = u"Эта работа более серьезня, чем остальные."_s,
         .hireTitle = u"Вы начинающий программист."_s,
         .hiredAs = u"начинающий программист"_s,
         .refusalTitle = u"Вы не начинающий программист."_s,
         .refusalFirstLine = u"Вы не можете работать начинающим программистом."_s,
         .requirements = {education(u"Среднее"), status(u"Новичок"), english(u"2 уровень"),
                          clothes(u"Летняя"), program(u"Pascal"), owns(Flat, 2), owns(Kitchen, 1),
                          owns(Car, 1), atLeast(FishTotal, 20)},
         .refusalLines = {{u"образование среднее,"},
                          {u"статус новичок,"},
                          {u"англ.яз. 2 уровень,"},
                          {u"одежда летняя,"},
                          rooms(u","),
                          kitchen(),
                          {u"прог-ование Pascal,"},
                          car(u","),
                          {u"общее кол-во пойманной вами рыбы должно быть не меньше 20"},
                          {u"(кол-во пойманной вами рыбы вы можете увидеть в разделе Хобби)."}}},
        {.caption = u"Программист"_s,
         .salary = 35,
         .name = u"прогр."_s,
         .shownAs = u"прогр."_s,
         .description = u"На этой работе вы будете составлять программы для различных фирм."_s,
         .hireTitle = u"Вы программист."_s,
         .hiredAs = u"программист"_s,
         .refusalTitle = u"Вы не программист."_s,
         .refusalFirstLine = u"Вы не можете работать программистом."_s,
         .requirements = {education(u"Среднее"), status(u"Программист"), english(u"3 уровень"),
                          clothes(u"Джинсы"), program(u"Pascal"), graph(u"Corel Xara"),
                          owns(Mebel, 2), owns(Bath, 2), owns(Modem, 1)},
         .refusalLines = {{u"образование среднее,"},
                          {u"статус программист,"},
                          {u"англ.яз. 3 уровень,"},
                          {u"одежда джинсы,"},
                          furniture(),
                          bath(u","),
                          {u"прог-ование Pascal,"},
                          {u"граф. редактор Corel Xara,"},
                          modem(u".")}},
        {.caption = u"Провайдер"_s,
         .salary = 40,
         .name = u"провайдер"_s,
         .shownAs = u"провайдер"_s,
         .description = u"Здесь вам необходимо работать с интернетом."_s,
         .hireTitle = u"Вы провайдер."_s,
         .hiredAs = u"провайдер"_s,
         .refusalTitle = u"Вы не провайдер."_s,
         .refusalFirstLine = u"Вы не можете работать провайдером."_s,
         .requirements = {education(u"Неполное высшее"), status(u"Программист"),
                          english(u"4 уровень"), clothes(u"Костюм"), program(u"VB"),
                          graph(u"Photoshop"), online(), owns(Flat, 3), owns(Car, 2),
                          owns(Modem, 2)},
         .refusalLines = {{u"образование неполное высшее,"},
                          {u"статус программист,"},
                          {u"англ.яз. 4 уровень,"},
                          {u"одежда костюм,"},
                          rooms(u","),
                          {u"прог-ование Visual Basic,"},
                          {u"граф. редактор Photoshop,"},
                          modem(u","),
                          {u"выход в интернет,"},
                          car(u".")}},
        {.caption = u"Вебмастер"_s,
         .salary = 45,
         .name = u"вебмастер"_s,
         .shownAs = u"вебмастер"_s,
         .description = u"Создавайте стильные информативные сайты."_s,
         .hireTitle = u"Вы вебмастер."_s,
         .hiredAs = u"вебмастер"_s,
         .refusalTitle = u"Вы не вебмастер."_s,
         .refusalFirstLine = u"Вы не можете работать вебмастером."_s,
         .requirements = {education(u"Неполное высшее"), status(u"Программист"),
                          english(u"5 уровень"), clothes(u"Костюм"), program(u"VB"),
                          graph(u"Photoshop"), online(), owns(Mebel, 3), owns(Kitchen, 2),
                          owns(Scan, 1), owns(Modem, 3), owns(Car, 2),
                          atLeast(JokesBaseLoaded, 100)},
         .refusalLines = {{u"образование неполное высшее,"},
                          {u"статус программист,"},
                          {u"англ.яз. 5 уровень,"},
                          {u"одежда костюм,"},
                          furniture(),
                          kitchen(),
                          {u"прог-ование Visual Basic,"},
                          {u"граф. редактор Photoshop,"},
                          modem(u","),
                          {u"выход в интернет,"},
                          scanner(),
                          car(u","),
                          {u"а так же вы должны скачать в интернете (на сайте Анекдотов)"},
                          {u" базу анекдотов, т.к. вы будете мастерить развлекательный сайт."}}},
        {.caption = u"Хакер"_s,
         .salary = 50,
         .name = u"хакер"_s,
         .shownAs = u"Хакер"_s,
         .description = u"Здесь ваши хакерские задания усложнятся."_s,
         .hireTitle = u"Вы хакер."_s,
         .hiredAs = u"хакер"_s,
         .refusalTitle = u"Вы не хакер."_s,
         .refusalFirstLine = u"Вы не можете работать хакером."_s,
         .requirements = {education(u"Высшее"), status(u"Хакер"), english(u"6 уровень"),
                          clothes(u"Рубашка"), program(u"VB"), online(), owns(Flat, 4),
                          owns(Mebel, 4), owns(Bath, 3), owns(Modem, 3), owns(Car, 3),
                          atLeast(FishTotal, 40)},
         .refusalLines = {{u"образование высшее,"},
                          {u"статус хакер,"},
                          {u"англ.яз. 6 уровень,"},
                          {u"одежда рубашка,"},
                          rooms(u","),
                          furniture(),
                          bath(u","),
                          {u"прог-ование Visual Basic,"},
                          modem(u","),
                          {u"выход в интернет,"},
                          car(u","),
                          {u"общее кол-во пойманной вами рыбы должно быть не меньше 40."}}},
        {.caption = u"Графический дизайнер"_s,
         .salary = 55,
         .name = u"граф.диз."_s,
         .shownAs = u"граф.диз."_s,
         .description = u"Вы будете создавать текстуры, 3D объекты и остальную графику."_s,
         .hireTitle = u"Вы граф.диз.."_s,
         .hiredAs = u"граф.диз."_s,
         .refusalTitle = u"Вы не граф. диз.."_s,
         .refusalFirstLine = u"Вы не можете работать граф.диз."_s,
         .requirements = {education(u"Высшее"), status(u"Администратор"), english(u"7 уровень"),
                          clothes(u"Футболка и т.д."), graph(u"3D StMax II"), owns(Flat, 5),
                          owns(Mebel, 5), owns(Kitchen, 3), owns(Scan, 2), owns(Car, 4)},
         .refusalLines = {{u"образование высшее,"},
                          {u"статус адмиистратор,"},
                          {u"англ.яз. 7 уровень,"},
                          {u"одежда футболка и т. д.,"},
                          rooms(u","),
                          furniture(),
                          kitchen(),
                          {u"граф. редактор 3D Studio Max II,"},
                          scanner(),
                          car(u".")}},
        {.caption = u"Компьютерный президент"_s,
         .salary = 70,
         .name = u"ком.през."_s,
         .shownAs = u"ком.през."_s,
         .description = u"Эта самая замечательная работа. Вы сможете командовать всеми "
                        u"компьютерными фирмами."_s,
         .hireTitle = u"ком.през."_s,
         .hiredAs = u"ком. президент"_s,
         .refusalTitle = u"Вы не ком.през."_s,
         .refusalFirstLine = u"Вы не можете работать ком.през."_s,
         .requirements = {education(u"Высшее"), status(u"Сверх профессионал"),
                          english(u"8 уровень"), clothes(u"Посл.моды"), programExactly(u"VC++"),
                          graph(u"3D StMax III"), online(), owns(Flat, 6), owns(Mebel, 6),
                          owns(Kitchen, 4), owns(Bath, 4), owns(Modem, 3), ownsExactly(Car, 5),
                          atLeast(FishTotal, 70)},
         // "С++" is written with the Cyrillic letter, as the game always wrote it.
         .refusalLines = {{u"образование высшее,"},
                          {u"статус сверх профессионал,"},
                          {u"англ.яз. 8 уровень,"},
                          {u"одежда посл. моды,"},
                          rooms(u","),
                          {u"прог-ование Visual \u0421++,"},
                          modem(u","),
                          {u"выход в интернет,"},
                          {u"граф. редактор 3D Studio Max III,"},
                          furniture(),
                          kitchen(),
                          bath(u","),
                          car(u","),
                          {u"общее кол-во пойманной вами рыбы должно быть не меньше 70."}},
         .endsGame = true},
    }};
}

} // namespace

bool Requirement::metBy(const GameState& s) const {
    switch (test) {
    case Test::Rung:
        return !Ladders::below(*ladder, s.*field, text);
    case Test::Text:
        return s.*field == text;
    case Test::Online:
        return !hasNone(s.lblVichod);
    case Test::Level:
        return (s.*catalog).Level >= minimum;
    case Test::LevelExactly:
        return (s.*catalog).Level == minimum;
    case Test::Count:
        return s.*count >= minimum;
    }
    return false;
}

bool Job::qualifies(const GameState& s) const {
    return std::all_of(requirements.begin(), requirements.end(),
                       [&s](const Requirement& r) { return r.metBy(s); });
}

QString Job::refusalText(const GameState& s) const {
    // An item is named at the level the job asks for.
    const auto requiredLevel = [this](Catalog GameState::*item) {
        for (const Requirement& r : requirements)
            if (r.catalog == item)
                return r.minimum;
        return 0;
    };
    QStringList lines;
    for (const RefusalLine& line : refusalLines) {
        QString text = QString::fromUtf16(line.before);
        if (line.item)
            text += (s.*line.item).Names.value(requiredLevel(line.item));
        lines << text + QString::fromUtf16(line.after);
    }
    return refusalFirstLine + u"\n\nУ вас должно быть как минимум:\n"_s + lines.join(u'\n');
}

const std::array<Job, Count>& all() {
    static const std::array<Job, Count> jobs = makeJobs();
    return jobs;
}

QString Job::hireText() const {
    return u"Вы теперь %1. Ваша зарплата %2 $."_s.arg(hiredAs).arg(salary);
}

void hire(GameState& s, const Job& job, Effects& effects) {
    effects.say(job.hireText(), job.hireTitle, MsgIcon::None);
    // Taking the job the player already has again is no new step of a career.
    const bool again = s.lblMyWork == job.name;
    s.lblMyWork = job.name;
    s.setSalary(job.salary);
    s.lblSWork = s.lblMyWork;
    if (again)
        return;
    Chronicle::note(s, Chronicle::Kind::Job, job.name, job.salary);
    if (job.endsGame)
        Chronicle::note(s, Chronicle::Kind::President, job.name);
}

void refuse(const GameState& s, const Job& job, Effects& effects) {
    if (job.refusalTitle.isEmpty())
        return;
    effects.say(job.refusalText(s), job.refusalTitle, MsgIcon::None);
}

} // namespace Jobs
