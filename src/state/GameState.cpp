// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/GameState.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace Ladders {
const QStringList Status = {u"Чайник"_s,        u"Любитель"_s,     u"Новичок"_s,
                            u"Программист"_s,   u"Почти хакер"_s,  u"Хакер"_s,
                            u"Администратор"_s, u"Профессионал"_s, u"Сверх профессионал"_s};
const QStringList Education = {u"Начальное"_s, u"Неполное среднее"_s, u"Среднее"_s,
                               u"Неполное высшее"_s, u"Высшее"_s};
const QStringList English = {u"Не знаю"_s,   u"1 уровень"_s, u"2 уровень"_s,
                             u"3 уровень"_s, u"4 уровень"_s, u"5 уровень"_s,
                             u"6 уровень"_s, u"7 уровень"_s, u"8 уровень"_s};
const QStringList Clothes = {u"Дряхлая"_s, u"Спорт.костюм"_s,    u"Летняя"_s,
                             u"Джинсы"_s,  u"Костюм"_s,          u"Куртка"_s,
                             u"Рубашка"_s, u"Футболка и т.д."_s, u"Посл.моды"_s};
const QStringList Program = {NotYet.toString(), u"Basic"_s, u"Pascal"_s, u"VB"_s, u"VC++"_s};
const QStringList Graph = {NotYet.toString(), u"Corel Xara"_s, u"Photoshop"_s, u"3D StMax II"_s,
                           u"3D StMax III"_s};

bool below(const QStringList& ladder, const QString& text, const QString& rung) {
    const qsizetype have = ladder.indexOf(text);
    return have >= 0 && have < ladder.indexOf(rung);
}
} // namespace Ladders

namespace {

struct Entry {
    QStringView name;
    int price;
};

struct CatalogDefinition {
    CatalogInfo info;
    std::initializer_list<Entry> entries;
};

// In the order a new game builds them.
const std::array<CatalogDefinition, 15>& catalogDefinitions() {
    static const std::array<CatalogDefinition, 15> table = {{
        {{"Car", "CarKind", &GameState::Car, &GameState::lblCar},
         {{u"Нет машины", 0},
          {u"Пятерка 2105", 30},
          {u"Девятка 21093", 60},
          {u"Десятка 2110", 70},
          {u"Волга 3110", 80},
          {u"Mercedes", 200}}},
        {{"Vin", "VinLevel", &GameState::Vin, &GameState::lblVinchester},
         {{NotYet, 0},
          {u"10 Gb", 10},
          {u"20 Gb", 15},
          {u"30 Gb", 20},
          {u"40 Gb", 30},
          {u"50 Gb", 40},
          {u"60 Gb", 50}}},
        {{"Video", "VideoLevel", &GameState::Video, &GameState::lblVideoKarta},
         {{NotYet, 0},
          {u"8Mb S3 Savage 4", 10},
          {u"16Mb RivaTNT", 20},
          {u"32Mb Geforce2", 30},
          {u"64Mb Geforce2 MX", 70}}},
        {{"Mon", "MonLevel", &GameState::Mon, &GameState::lblMonitor},
         {{NotYet, 0}, {u"14''", 15}, {u"15''", 30}, {u"17''", 45}}},
        {{"Prn", "PrnLevel", &GameState::Prn, &GameState::lblPrinter},
         {{NotYet, 0}, {u"матричный", 10}, {u"струйный", 30}, {u"лазерный", 40}}},
        {{"Scan", "ScanLevel", &GameState::Scan, &GameState::lblSkaner},
         {{NotYet, 0}, {u"ручной", 20}, {u"планшетный", 30}}},
        {{"Modem", "ModemLevel", &GameState::Modem, &GameState::lblModem},
         {{NotYet, 0}, {u"36.6", 10}, {u"56K", 15}, {u"V90", 20}}},
        {{"RAM", "RAMLevel", &GameState::RAM, &GameState::lblRAM},
         {{NotYet, 0},
          {u"32Mb", 10},
          {u"64Mb", 15},
          {u"128Mb", 20},
          {u"256Mb", 30},
          {u"512Mb", 40}}},
        {{"CD", "CDLevel", &GameState::CD, &GameState::lblCDROM},
         {{NotYet, 0},
          {u"16xSpeed", 10},
          {u"32xSpeed", 15},
          {u"40xSpeed", 20},
          {u"48xSpeed", 30},
          {u"56xSpeed", 40}}},
        {{"Comp", "CompLevel", &GameState::Comp, &GameState::lblComp},
         {{NotYet, 0},
          {u"Intel 486", 15},
          {u"Pentium 166", 20},
          {u"Pentium 233 MMX", 30},
          {u"Pentium II 650", 45},
          {u"Pentium III 800", 55},
          {u"Pentium IV 1700", 70}}},
        {{"Sound", "SoundLevel", &GameState::Sound, &GameState::lblSoundKarta},
         {{NotYet, 0}, {u"16 KHZ", 10}, {u"22 KHZ", 20}, {u"44 KHZ", 30}}},
        {{"Flat", "FlatLevel", &GameState::Flat, &GameState::lblRoom},
         {{u"1", 0}, {u"2", 30}, {u"3", 45}, {u"4", 60}, {u"5", 80}, {u"6", 95}, {u"7", 150}}},
        {{"Mebel", "MebelLevel", &GameState::Mebel, &GameState::lblMebel},
         {{NotYet, 0},
          {u"Подержанная", 15},
          {u"Дачная", 25},
          {u"ДСП", 30},
          {u"Ламинированная", 40},
          {u"Офисная", 55},
          {u"Элитная", 70}}},
        {{"Kitchen", "KitchenLevel", &GameState::Kitchen, &GameState::lblKitchen},
         {{NotYet, 0},
          {u"Маленькая", 10},
          {u"Оборудованная", 15},
          {u"Комфортная", 20},
          {u"Сверхкомфортная", 40}}},
        {{"Bath", "BathLevel", &GameState::Bath, &GameState::lblBath},
         {{NotYet, 0}, {u"Ведро", 5}, {u"Стандартная", 15}, {u"Джакузи", 20}, {u"Бассейн", 30}}},
    }};
    return table;
}

const std::array<CatalogInfo, 15>& catalogInfos() {
    static const std::array<CatalogInfo, 15> infos = [] {
        std::array<CatalogInfo, 15> result{};
        for (size_t i = 0; i < result.size(); ++i)
            result[i] = catalogDefinitions()[i].info;
        return result;
    }();
    return infos;
}

#define FIELD(name)                                                                                \
    TextFieldInfo {                                                                                \
#name, &GameState::name                                                                    \
    }
const std::array<TextFieldInfo, 45> textFields = {
    FIELD(lblMoney),      FIELD(lblHungry),     FIELD(lblHappyness), FIELD(lblStatus),
    FIELD(lblEduncation), FIELD(lblEnglish),    FIELD(lblSWork),     FIELD(lblMyWork),
    FIELD(lblWorkEarn),   FIELD(lblClothes),    FIELD(lblCar),       FIELD(lblRoom),
    FIELD(lblMebel),      FIELD(lblKitchen),    FIELD(lblBath),      FIELD(lblComp),
    FIELD(lblRAM),        FIELD(lblVinchester), FIELD(lblCDROM),     FIELD(lblVideoKarta),
    FIELD(lblSoundKarta), FIELD(lblMonitor),    FIELD(lblPrinter),   FIELD(lblSkaner),
    FIELD(lblModem),      FIELD(lblSystem),     FIELD(lblProgram),   FIELD(lblGraph),
    FIELD(lblAntvirus),   FIELD(lblVichod),     FIELD(lblSSchool),   FIELD(lblSCost),
    FIELD(lblEEnglish),   FIELD(lblECost),      FIELD(lblCComputer), FIELD(lblCCost),
    FIELD(lblObras),      FIELD(lblEng),        FIELD(lblCom),       FIELD(lblVir),
    FIELD(lblDay),        FIELD(lblMonth),      FIELD(lblYear),      FIELD(lblHours),
    FIELD(lblSpHelp),
};
#undef FIELD

struct IntegerFieldInfo {
    const char* name;
    qint16 GameState::*member;
};
#define INTEGER(name)                                                                              \
    IntegerFieldInfo {                                                                             \
#name, &GameState::name                                                                    \
    }
const std::array<IntegerFieldInfo, 11> integerFields = {
    INTEGER(BankAccount), INTEGER(BankDays),      INTEGER(JokesBaseLoaded), INTEGER(HasBrowser),
    INTEGER(HasDialer),   INTEGER(HasDownloader), INTEGER(HasRod),          INTEGER(HasTackle),
    INTEGER(BaitPacks),   INTEGER(FishTotal),     INTEGER(SkipExitConfirm),
};
#undef INTEGER

} // namespace

std::span<const CatalogInfo> catalogTable() {
    return catalogInfos();
}
std::span<const TextFieldInfo> textFieldTable() {
    return textFields;
}

void GameState::setNewGameTexts() {
    lblMoney = u"170"_s;
    lblStatus = Ladders::Status.first();
    lblSWork = NotYet.toString();
    lblHappyness = u"30"_s;
    lblHungry = u"30"_s;
    lblEduncation = Ladders::Education.first();
    lblEnglish = Ladders::English.first();
    lblClothes = Ladders::Clothes.first();
    for (QString* none : {&lblSystem, &lblProgram, &lblGraph, &lblAntvirus, &lblVichod, &lblMyWork})
        *none = NotYet.toString();
    lblWorkEarn = u"0"_s;
    lblSSchool = lblEEnglish = lblCComputer = u"Не учусь"_s;
    lblSCost = lblECost = lblCCost = u"0"_s;
    lblCom = lblObras = lblEng = lblVir = u"0"_s;
}

void GameState::setDesignTexts() {
    setNewGameTexts();
    for (const CatalogInfo& info : catalogTable())
        this->*info.field = NotYet.toString();
    lblRoom = u"1"_s;
    lblDay = lblMonth = lblYear = u"00"_s;
    lblHours = u"1"_s;
    lblSpHelp.clear();
}

void GameState::beginNewGame(QDate today) {
    setNewGameTexts();
    BankAccount = 0;
    const auto twoDigits = [](int n) {
        return QString::number(n % 100).rightJustified(2, u'0');
    };
    lblDay = twoDigits(today.day());
    lblMonth = twoDigits(today.month());
    lblYear = twoDigits(today.year());
    lblSpHelp = u" Добро пожаловать в игру \"Тимбурия\". Программистом игры является Зарницын."_s;
    SkipExitConfirm = 0;
    buildCatalogs();
    HasRod = 0;
    HasTackle = 0;
    BaitPacks = 0;
    FishTotal = 0;
    story = {};
}

void GameState::buildCatalogs() {
    for (const CatalogDefinition& definition : catalogDefinitions()) {
        Catalog& catalog = this->*definition.info.catalog;
        catalog.Names.clear();
        catalog.Prices.clear();
        for (const Entry& entry : definition.entries) {
            catalog.Names.append(entry.name.toString());
            catalog.Prices.append(entry.price);
        }
        catalog.Level = 0;
        this->*definition.info.field = catalog.Names.first();
    }
}

void GameState::showCatalogLevels() {
    for (const CatalogInfo& info : catalogTable())
        this->*info.field = (this->*info.catalog).current();
}

QString* GameState::text(QStringView name) {
    for (const TextFieldInfo& field : textFields)
        if (name == QLatin1StringView(field.name))
            return &(this->*field.member);
    return nullptr;
}

qint16* GameState::integer(QStringView name) {
    for (const IntegerFieldInfo& field : integerFields)
        if (name == QLatin1StringView(field.name))
            return &(this->*field.member);
    for (const CatalogInfo& info : catalogTable())
        if (name == QLatin1StringView(info.levelName))
            return &(this->*info.catalog).Level;
    return nullptr;
}
