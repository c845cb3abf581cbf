// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/GameState.h"

#include <QCoreApplication>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// A ladder's rungs are the record's texts; the view translates them as it shows them.
QStringList rungs(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts)
        result << QString::fromUtf8(text);
    return result;
}
} // namespace

namespace Ladders {
const QStringList Status =
    rungs({QT_TRANSLATE_NOOP("Game", "Чайник"), QT_TRANSLATE_NOOP("Game", "Любитель"),
           QT_TRANSLATE_NOOP("Game", "Новичок"), QT_TRANSLATE_NOOP("Game", "Программист"),
           QT_TRANSLATE_NOOP("Game", "Почти хакер"), QT_TRANSLATE_NOOP("Game", "Хакер"),
           QT_TRANSLATE_NOOP("Game", "Администратор"), QT_TRANSLATE_NOOP("Game", "Профессионал"),
           QT_TRANSLATE_NOOP("Game", "Сверх профессионал")});
const QStringList Education =
    rungs({QT_TRANSLATE_NOOP("Game", "Начальное"), QT_TRANSLATE_NOOP("Game", "Неполное среднее"),
           QT_TRANSLATE_NOOP("Game", "Среднее"), QT_TRANSLATE_NOOP("Game", "Неполное высшее"),
           QT_TRANSLATE_NOOP("Game", "Высшее")});
const QStringList English =
    rungs({QT_TRANSLATE_NOOP("Game", "Не знаю"), QT_TRANSLATE_NOOP("Game", "1 уровень"),
           QT_TRANSLATE_NOOP("Game", "2 уровень"), QT_TRANSLATE_NOOP("Game", "3 уровень"),
           QT_TRANSLATE_NOOP("Game", "4 уровень"), QT_TRANSLATE_NOOP("Game", "5 уровень"),
           QT_TRANSLATE_NOOP("Game", "6 уровень"), QT_TRANSLATE_NOOP("Game", "7 уровень"),
           QT_TRANSLATE_NOOP("Game", "8 уровень")});
const QStringList Clothes =
    rungs({QT_TRANSLATE_NOOP("Game", "Дряхлая"), QT_TRANSLATE_NOOP("Game", "Спорт.костюм"),
           QT_TRANSLATE_NOOP("Game", "Летняя"), QT_TRANSLATE_NOOP("Game", "Джинсы"),
           QT_TRANSLATE_NOOP("Game", "Костюм"), QT_TRANSLATE_NOOP("Game", "Куртка"),
           QT_TRANSLATE_NOOP("Game", "Рубашка"), QT_TRANSLATE_NOOP("Game", "Футболка и т.д."),
           QT_TRANSLATE_NOOP("Game", "Посл.моды")});
const QStringList Program = {NotYet.toString(), u"Basic"_s, u"Pascal"_s, u"VB"_s, u"VC++"_s};
const QStringList Graph = {NotYet.toString(), u"Corel Xara"_s, u"Photoshop"_s, u"3D StMax II"_s,
                           u"3D StMax III"_s};

bool below(const QStringList& ladder, const QString& text, const QString& rung) {
    const qsizetype have = ladder.indexOf(text);
    return have >= 0 && have < ladder.indexOf(rung);
}
} // namespace Ladders

namespace {

// NotYet, marked for the translation. A catalog's entries are the record's texts, which the view
// translates as it shows them; a model's name or a size stays as it is in every language.
constexpr const char* None = QT_TRANSLATE_NOOP("Game", "Пока нет");

struct Entry {
    const char* name;
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
         {{QT_TRANSLATE_NOOP("Game", "Нет машины"), 0},
          {QT_TRANSLATE_NOOP("Game", "Пятерка 2105"), 30},
          {QT_TRANSLATE_NOOP("Game", "Девятка 21093"), 60},
          {QT_TRANSLATE_NOOP("Game", "Десятка 2110"), 70},
          {QT_TRANSLATE_NOOP("Game", "Волга 3110"), 80},
          {"Mercedes", 200}}},
        {{"Vin", "VinLevel", &GameState::Vin, &GameState::lblVinchester},
         {{None, 0},
          {"10 Gb", 10},
          {"20 Gb", 15},
          {"30 Gb", 20},
          {"40 Gb", 30},
          {"50 Gb", 40},
          {"60 Gb", 50}}},
        {{"Video", "VideoLevel", &GameState::Video, &GameState::lblVideoKarta},
         {{None, 0},
          {"8Mb S3 Savage 4", 10},
          {"16Mb RivaTNT", 20},
          {"32Mb Geforce2", 30},
          {"64Mb Geforce2 MX", 70}}},
        {{"Mon", "MonLevel", &GameState::Mon, &GameState::lblMonitor},
         {{None, 0}, {"14''", 15}, {"15''", 30}, {"17''", 45}}},
        {{"Prn", "PrnLevel", &GameState::Prn, &GameState::lblPrinter},
         {{None, 0},
          {QT_TRANSLATE_NOOP("Game", "матричный"), 10},
          {QT_TRANSLATE_NOOP("Game", "струйный"), 30},
          {QT_TRANSLATE_NOOP("Game", "лазерный"), 40}}},
        {{"Scan", "ScanLevel", &GameState::Scan, &GameState::lblSkaner},
         {{None, 0},
          {QT_TRANSLATE_NOOP("Game", "ручной"), 20},
          {QT_TRANSLATE_NOOP("Game", "планшетный"), 30}}},
        {{"Modem", "ModemLevel", &GameState::Modem, &GameState::lblModem},
         {{None, 0}, {"36.6", 10}, {"56K", 15}, {"V90", 20}}},
        {{"RAM", "RAMLevel", &GameState::RAM, &GameState::lblRAM},
         {{None, 0}, {"32Mb", 10}, {"64Mb", 15}, {"128Mb", 20}, {"256Mb", 30}, {"512Mb", 40}}},
        {{"CD", "CDLevel", &GameState::CD, &GameState::lblCDROM},
         {{None, 0},
          {"16xSpeed", 10},
          {"32xSpeed", 15},
          {"40xSpeed", 20},
          {"48xSpeed", 30},
          {"56xSpeed", 40}}},
        {{"Comp", "CompLevel", &GameState::Comp, &GameState::lblComp},
         {{None, 0},
          {"Intel 486", 15},
          {"Pentium 166", 20},
          {"Pentium 233 MMX", 30},
          {"Pentium II 650", 45},
          {"Pentium III 800", 55},
          {"Pentium IV 1700", 70}}},
        {{"Sound", "SoundLevel", &GameState::Sound, &GameState::lblSoundKarta},
         {{None, 0}, {"16 KHZ", 10}, {"22 KHZ", 20}, {"44 KHZ", 30}}},
        {{"Flat", "FlatLevel", &GameState::Flat, &GameState::lblRoom},
         {{"1", 0}, {"2", 30}, {"3", 45}, {"4", 60}, {"5", 80}, {"6", 95}, {"7", 150}}},
        {{"Mebel", "MebelLevel", &GameState::Mebel, &GameState::lblMebel},
         {{None, 0},
          {QT_TRANSLATE_NOOP("Game", "Подержанная"), 15},
          {QT_TRANSLATE_NOOP("Game", "Дачная"), 25},
          {QT_TRANSLATE_NOOP("Game", "ДСП"), 30},
          {QT_TRANSLATE_NOOP("Game", "Ламинированная"), 40},
          {QT_TRANSLATE_NOOP("Game", "Офисная"), 55},
          {QT_TRANSLATE_NOOP("Game", "Элитная"), 70}}},
        {{"Kitchen", "KitchenLevel", &GameState::Kitchen, &GameState::lblKitchen},
         {{None, 0},
          {QT_TRANSLATE_NOOP("Game", "Маленькая"), 10},
          {QT_TRANSLATE_NOOP("Game", "Оборудованная"), 15},
          {QT_TRANSLATE_NOOP("Game", "Комфортная"), 20},
          {QT_TRANSLATE_NOOP("Game", "Сверхкомфортная"), 40}}},
        {{"Bath", "BathLevel", &GameState::Bath, &GameState::lblBath},
         {{None, 0},
          {QT_TRANSLATE_NOOP("Game", "Ведро"), 5},
          {QT_TRANSLATE_NOOP("Game", "Стандартная"), 15},
          {QT_TRANSLATE_NOOP("Game", "Джакузи"), 20},
          {QT_TRANSLATE_NOOP("Game", "Бассейн"), 30}}},
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
    lblSSchool = lblEEnglish = lblCComputer =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Не учусь"));
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
    lblSpHelp = QString::fromUtf8(QT_TRANSLATE_NOOP(
        "Game", " Добро пожаловать в игру \"Тимбурия\". Программистом игры является Зарницын."));
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
            catalog.Names.append(QString::fromUtf8(entry.name));
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
