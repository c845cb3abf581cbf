// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Jobs.h"

#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

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

// A text of the record, or the source of a message the rules translate as they say it.
QString source(const char* text) {
    return QString::fromUtf8(text);
}

std::array<Job, Count> makeJobs() {
    return {{
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Грузчик")),
         .salary = 10,
         .name = source(QT_TRANSLATE_NOOP("Game", "Грузчик")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "Грузчик")),
         .description = source(QT_TRANSLATE_NOOP(
             "Game",
             "Эта работа очень проста. Вам просто необходимо таскать всякие тяжелые ящики.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы грузчик.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь грузчик. Ваша зарплата %1 $."))},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Таксист")),
         .salary = 20,
         .name = source(QT_TRANSLATE_NOOP("Game", "Таксист.")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "Таксист.")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Здесь вы должны просто напросто перевозить людей.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы таксист.")),
         .hireMessage = source(QT_TRANSLATE_NOOP("Game", "Вы теперь таксист. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не таксист.")),
         .refusalFirstLine = source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать таксистом.")),
         .requirements = {education(u"Неполное среднее"), clothes(u"Спорт.костюм"), owns(Bath, 1)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование неполное среднее,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда спорт. костюм,")},
                          {QT_TRANSLATE_NOOP("Game", "ванная: %1."), Bath}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Садовник")),
         .salary = 25,
         .name = source(QT_TRANSLATE_NOOP("Game", "Садовник")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "Садовник")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Вам нужно будет сажать цветочки и т.д..")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы садовник.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь садовник. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не садовник.")),
         .refusalFirstLine = source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать садовником.")),
         .requirements = {education(u"Неполное среднее"), status(u"Любитель"),
                          english(u"1 уровень"), clothes(u"Спорт.костюм"), program(u"Basic"),
                          owns(Flat, 1), owns(Mebel, 1)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование неполное среднее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус любитель,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 1 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда спорт. костюм,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Basic.")}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Начинающий программист")),
         .salary = 30,
         .name = source(QT_TRANSLATE_NOOP("Game", "нач. прогр.")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "нач. прогр.")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Эта работа более серьезня, чем остальные.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы начинающий программист.")),
         .hireMessage = source(
             QT_TRANSLATE_NOOP("Game", "Вы теперь начинающий программист. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не начинающий программист.")),
         .refusalFirstLine =
             source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать начинающим программистом.")),
         .requirements = {education(u"Среднее"), status(u"Новичок"), english(u"2 уровень"),
                          clothes(u"Летняя"), program(u"Pascal"), owns(Flat, 2), owns(Kitchen, 1),
                          owns(Car, 1), atLeast(FishTotal, 20)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование среднее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус новичок,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 2 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда летняя,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "%1 кухня,"), Kitchen},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Pascal,")},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1,"), Car},
                          {QT_TRANSLATE_NOOP(
                              "Game",
                              "общее кол-во пойманной вами рыбы должно быть не меньше 20\n(кол-во "
                              "пойманной вами рыбы вы можете увидеть в разделе Хобби).")}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Программист")),
         .salary = 35,
         .name = source(QT_TRANSLATE_NOOP("Game", "прогр.")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "прогр.")),
         .description = source(QT_TRANSLATE_NOOP(
             "Game", "На этой работе вы будете составлять программы для различных фирм.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы программист.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь программист. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не программист.")),
         .refusalFirstLine =
             source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать программистом.")),
         .requirements = {education(u"Среднее"), status(u"Программист"), english(u"3 уровень"),
                          clothes(u"Джинсы"), program(u"Pascal"), graph(u"Corel Xara"),
                          owns(Mebel, 2), owns(Bath, 2), owns(Modem, 1)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование среднее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус программист,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 3 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда джинсы,")},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "ванная: %1,"), Bath},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Pascal,")},
                          {QT_TRANSLATE_NOOP("Game", "граф. редактор Corel Xara,")},
                          {QT_TRANSLATE_NOOP("Game", "модем %1."), Modem}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Провайдер")),
         .salary = 40,
         .name = source(QT_TRANSLATE_NOOP("Game", "провайдер")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "провайдер")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Здесь вам необходимо работать с интернетом.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы провайдер.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь провайдер. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не провайдер.")),
         .refusalFirstLine =
             source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать провайдером.")),
         .requirements = {education(u"Неполное высшее"), status(u"Программист"),
                          english(u"4 уровень"), clothes(u"Костюм"), program(u"VB"),
                          graph(u"Photoshop"), online(), owns(Flat, 3), owns(Car, 2),
                          owns(Modem, 2)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование неполное высшее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус программист,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 4 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда костюм,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Visual Basic,")},
                          {QT_TRANSLATE_NOOP("Game", "граф. редактор Photoshop,")},
                          {QT_TRANSLATE_NOOP("Game", "модем %1,"), Modem},
                          {QT_TRANSLATE_NOOP("Game", "выход в интернет,")},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1."), Car}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Вебмастер")),
         .salary = 45,
         .name = source(QT_TRANSLATE_NOOP("Game", "вебмастер")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "вебмастер")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Создавайте стильные информативные сайты.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы вебмастер.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь вебмастер. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не вебмастер.")),
         .refusalFirstLine =
             source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать вебмастером.")),
         .requirements = {education(u"Неполное высшее"), status(u"Программист"),
                          english(u"5 уровень"), clothes(u"Костюм"), program(u"VB"),
                          graph(u"Photoshop"), online(), owns(Mebel, 3), owns(Kitchen, 2),
                          owns(Scan, 1), owns(Modem, 3), owns(Car, 2),
                          atLeast(JokesBaseLoaded, 100)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование неполное высшее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус программист,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 5 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда костюм,")},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "%1 кухня,"), Kitchen},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Visual Basic,")},
                          {QT_TRANSLATE_NOOP("Game", "граф. редактор Photoshop,")},
                          {QT_TRANSLATE_NOOP("Game", "модем %1,"), Modem},
                          {QT_TRANSLATE_NOOP("Game", "выход в интернет,")},
                          {QT_TRANSLATE_NOOP("Game", "сканер %1,"), Scan},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1,"), Car},
                          {QT_TRANSLATE_NOOP(
                              "Game",
                              "а так же вы должны скачать в интернете (на сайте Анекдотов)\n базу "
                              "анекдотов, т.к. вы будете мастерить развлекательный сайт.")}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Хакер")),
         .salary = 50,
         .name = source(QT_TRANSLATE_NOOP("Game", "хакер")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "Хакер")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Здесь ваши хакерские задания усложнятся.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы хакер.")),
         .hireMessage = source(QT_TRANSLATE_NOOP("Game", "Вы теперь хакер. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не хакер.")),
         .refusalFirstLine = source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать хакером.")),
         .requirements = {education(u"Высшее"), status(u"Хакер"), english(u"6 уровень"),
                          clothes(u"Рубашка"), program(u"VB"), online(), owns(Flat, 4),
                          owns(Mebel, 4), owns(Bath, 3), owns(Modem, 3), owns(Car, 3),
                          atLeast(FishTotal, 40)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование высшее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус хакер,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 6 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда рубашка,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "ванная: %1,"), Bath},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Visual Basic,")},
                          {QT_TRANSLATE_NOOP("Game", "модем %1,"), Modem},
                          {QT_TRANSLATE_NOOP("Game", "выход в интернет,")},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1,"), Car},
                          {QT_TRANSLATE_NOOP(
                              "Game",
                              "общее кол-во пойманной вами рыбы должно быть не меньше 40.")}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Графический дизайнер")),
         .salary = 55,
         .name = source(QT_TRANSLATE_NOOP("Game", "граф.диз.")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "граф.диз.")),
         .description = source(QT_TRANSLATE_NOOP(
             "Game", "Вы будете создавать текстуры, 3D объекты и остальную графику.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "Вы граф.диз..")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь граф.диз.. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не граф. диз..")),
         .refusalFirstLine = source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать граф.диз.")),
         .requirements = {education(u"Высшее"), status(u"Администратор"), english(u"7 уровень"),
                          clothes(u"Футболка и т.д."), graph(u"3D StMax II"), owns(Flat, 5),
                          owns(Mebel, 5), owns(Kitchen, 3), owns(Scan, 2), owns(Car, 4)},
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование высшее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус адмиистратор,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 7 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда футболка и т. д.,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "%1 кухня,"), Kitchen},
                          {QT_TRANSLATE_NOOP("Game", "граф. редактор 3D Studio Max II,")},
                          {QT_TRANSLATE_NOOP("Game", "сканер %1,"), Scan},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1."), Car}}},
        {.caption = source(QT_TRANSLATE_NOOP("Game", "Компьютерный президент")),
         .salary = 70,
         .name = source(QT_TRANSLATE_NOOP("Game", "ком.през.")),
         .shownAs = source(QT_TRANSLATE_NOOP("Game", "ком.през.")),
         .description =
             source(QT_TRANSLATE_NOOP("Game", "Эта самая замечательная работа. Вы сможете "
                                              "командовать всеми компьютерными фирмами.")),
         .hireTitle = source(QT_TRANSLATE_NOOP("Game", "ком.през.")),
         .hireMessage =
             source(QT_TRANSLATE_NOOP("Game", "Вы теперь ком. президент. Ваша зарплата %1 $.")),
         .refusalTitle = source(QT_TRANSLATE_NOOP("Game", "Вы не ком.през.")),
         .refusalFirstLine = source(QT_TRANSLATE_NOOP("Game", "Вы не можете работать ком.през.")),
         .requirements = {education(u"Высшее"), status(u"Сверх профессионал"),
                          english(u"8 уровень"), clothes(u"Посл.моды"), programExactly(u"VC++"),
                          graph(u"3D StMax III"), online(), owns(Flat, 6), owns(Mebel, 6),
                          owns(Kitchen, 4), owns(Bath, 4), owns(Modem, 3), ownsExactly(Car, 5),
                          atLeast(FishTotal, 70)},
         // "С++" is written with the Cyrillic letter, as the game always wrote it.
         .refusalLines = {{QT_TRANSLATE_NOOP("Game", "образование высшее,")},
                          {QT_TRANSLATE_NOOP("Game", "статус сверх профессионал,")},
                          {QT_TRANSLATE_NOOP("Game", "англ.яз. 8 уровень,")},
                          {QT_TRANSLATE_NOOP("Game", "одежда посл. моды,")},
                          {QT_TRANSLATE_NOOP("Game", "количество комнат в квартире %1,"), Flat},
                          {QT_TRANSLATE_NOOP("Game", "прог-ование Visual С++,")},
                          {QT_TRANSLATE_NOOP("Game", "модем %1,"), Modem},
                          {QT_TRANSLATE_NOOP("Game", "выход в интернет,")},
                          {QT_TRANSLATE_NOOP("Game", "граф. редактор 3D Studio Max III,")},
                          {QT_TRANSLATE_NOOP("Game", "%1 мебель,"), Mebel},
                          {QT_TRANSLATE_NOOP("Game", "%1 кухня,"), Kitchen},
                          {QT_TRANSLATE_NOOP("Game", "ванная: %1,"), Bath},
                          {QT_TRANSLATE_NOOP("Game", "машина марки %1,"), Car},
                          {QT_TRANSLATE_NOOP(
                              "Game",
                              "общее кол-во пойманной вами рыбы должно быть не меньше 70.")}},
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
        const QString text = QCoreApplication::translate("Game", line.text);
        lines << (line.item
                      ? text.arg(Words::shown((s.*line.item).Names.value(requiredLevel(line.item))))
                      : text);
    }
    return QCoreApplication::translate("Game", "%1\n\nУ вас должно быть как минимум:\n%2")
        .arg(Words::shown(refusalFirstLine), lines.join(u'\n'));
}

const std::array<Job, Count>& all() {
    static const std::array<Job, Count> jobs = makeJobs();
    return jobs;
}

QString Job::hireText() const {
    return Words::shown(hireMessage).arg(salary);
}

void hire(GameState& s, const Job& job, Effects& effects) {
    effects.say(job.hireText(), Words::shown(job.hireTitle), MsgIcon::None);
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
    effects.say(job.refusalText(s), Words::shown(job.refusalTitle), MsgIcon::None);
}

} // namespace Jobs
