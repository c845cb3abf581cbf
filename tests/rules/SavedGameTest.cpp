// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved-game line: written and read back field for field, and every kind of damage
// refused with the field named and the game untouched.

#include "state/SavedGame.h"
#include "state/NumberText.h"
#include "state/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

GameState newGame() {
    GameState state;
    state.beginNewGame(QDate(2002, 5, 5));
    state.lblHours = u"7"_s;
    return state;
}

// Every saved field away from its new-game value.
GameState playedGame() {
    GameState s = newGame();
    s.lblMoney = u"-1234"_s;
    s.lblStatus = u"Хакер"_s;
    s.lblSWork = u"хакер"_s;
    s.lblHappyness = u"-12"_s;
    s.lblHungry = u"101.5"_s;
    s.lblEduncation = u"Среднее"_s;
    s.lblEnglish = u"3 уровень"_s;
    s.lblClothes = u"Костюм"_s;
    s.lblSystem = u"W98"_s;
    s.lblProgram = u"VC++"_s;
    s.lblGraph = u"Photoshop"_s;
    s.lblAntvirus = u"IVP 100"_s;
    s.lblVichod = u"Есть, 56K"_s; // a comma inside a text
    s.lblMyWork = u"хакер"_s;
    s.lblWorkEarn = u"50"_s;
    s.lblSSchool = u"Вы выучились в школе."_s;
    s.lblSCost = u"0"_s;
    s.lblEEnglish = u"Курсы"_s;
    s.lblECost = u"8"_s;
    s.lblCComputer = u"Курсы"_s;
    s.lblCCost = u"8"_s;
    s.lblCom = u"40"_s;
    s.lblObras = u"OK"_s;
    s.lblEng = u"19"_s;
    s.lblVir = u"3"_s;
    s.lblDay = u"30"_s;
    s.lblMonth = u"12"_s;
    s.lblYear = u"03"_s;
    s.lblHours = u"23"_s;
    s.BankAccount = -7;
    s.FishTotal = 12;
    s.BaitPacks = 3;
    s.JokesBaseLoaded = -1;
    s.HasTackle = -1;
    s.HasRod = 0;
    s.HasBrowser = -1;
    s.HasDialer = 0;
    s.HasDownloader = -1;
    s.Mon.Level = 3;
    s.Prn.Level = 1;
    s.Scan.Level = 2;
    s.Modem.Level = 3;
    s.Comp.Level = 6;
    s.Vin.Level = 2;
    s.CD.Level = 5;
    s.RAM.Level = 4;
    s.Sound.Level = 1;
    s.Video.Level = 4;
    s.Flat.Level = 6;
    s.Mebel.Level = 1;
    s.Kitchen.Level = 2;
    s.Bath.Level = 4;
    s.Car.Level = 5;
    s.showCatalogLevels();
    return s;
}

QStringList fieldsOf(const GameState& state) {
    QString line = fromCp1251(SavedGame::write(state));
    line.chop(2);
    return line.split(u',');
}

QByteArray lineOf(const QStringList& fields, const char* end = "\r\n") {
    return toCp1251(fields.join(u',')) + end;
}

} // namespace

TEST(SavedGame, AGameComesBackFieldForField) {
    const GameState played = playedGame();
    const QByteArray bytes = SavedGame::write(played);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    const SavedGame::Loaded loaded = SavedGame::read(bytes, newGame());
    ASSERT_TRUE(loaded.state) << qPrintable(loaded.error);
    const GameState& back = *loaded.state;
    for (const TextFieldInfo& field : textFieldTable()) {
        if (qstrcmp(field.name, "lblSpHelp") == 0)
            continue; // not part of a saved game
        EXPECT_EQ(back.*field.member, played.*field.member) << field.name;
    }
    for (const char* name : {"BankAccount", "FishTotal", "BaitPacks", "JokesBaseLoaded",
                             "HasTackle", "HasRod", "HasBrowser", "HasDialer", "HasDownloader"})
        EXPECT_EQ(*back.integer(QString::fromLatin1(name)),
                  *played.integer(QString::fromLatin1(name)))
            << name;
    for (const CatalogInfo& info : catalogTable())
        EXPECT_EQ((back.*info.catalog).Level, (played.*info.catalog).Level) << info.stem;
    EXPECT_EQ(back.lblCar, u"Mercedes");
    // Written again, the line is the same to the byte.
    EXPECT_EQ(SavedGame::write(back), bytes);
}

TEST(SavedGame, TheLineAsWritten) {
    const QStringList fields = fieldsOf(newGame());
    ASSERT_EQ(fields.size(), SavedGame::FieldCount);
    EXPECT_TRUE(fields[0].startsWith(u"\"ВНИМАНИЕ: НИЧЕГО НЕ ИЗМЕНЯЙТЕ"));
    EXPECT_EQ(fields[1], u"\"Чайник\"");
    EXPECT_EQ(fields[3], u"\"30\"");
    EXPECT_EQ(fields[8], u"0");        // MonLevel
    EXPECT_EQ(fields[43], u"\"7\"");   // lblHours
    EXPECT_EQ(fields[48], u"#FALSE#"); // HasTackle
    EXPECT_EQ(fields[53], u"#FALSE#"); // HasDownloader
}

TEST(SavedGame, TheCashInItsLetters) {
    const QString letters = SavedGame::disguise(170);
    EXPECT_EQ(letters.size(), 3);
    EXPECT_EQ(SavedGame::undisguise(letters), u"170");
    EXPECT_EQ(SavedGame::undisguise(SavedGame::disguise(-12)), u"-12");
    EXPECT_EQ(SavedGame::undisguise(SavedGame::disguise(0)), u"0");
    // A fraction would lose its point and come back ten times as large: whole dollars go.
    EXPECT_EQ(SavedGame::undisguise(SavedGame::disguise(170.75)), u"170");
    EXPECT_EQ(SavedGame::undisguise(SavedGame::disguise(-2.5)), u"-2");
    // Eleven distinct lower-case letters, none standing for two characters.
    const QString all = SavedGame::disguise(-1234567890);
    QSet<QChar> distinct(all.begin(), all.end());
    EXPECT_EQ(distinct.size(), 11);
    for (QChar c : all)
        EXPECT_TRUE(c >= u'a' && c <= u'z');
    // Letters outside the table, and other characters, are passed over.
    const QString mixed = u"A" + SavedGame::disguise(5) + u"?.é" + SavedGame::disguise(7);
    EXPECT_EQ(SavedGame::undisguise(mixed), u"57");
}

TEST(SavedGame, LoadedCashIsCapped) {
    const std::pair<double, const char16_t*> table[] = {
        {40000, u"31001"}, {32001, u"31001"}, {32000, u"32000"}, {-40000, u"-40000"}, {0, u"0"}};
    for (auto [cash, loaded] : table) {
        GameState s = newGame();
        s.lblMoney = Num(cash);
        const auto back = SavedGame::read(SavedGame::write(s), newGame());
        ASSERT_TRUE(back.state) << qPrintable(back.error);
        EXPECT_EQ(back.state->lblMoney, QString::fromUtf16(loaded)) << cash;
    }
}

// The reading rules the saved games were written for: a line may lack its final CR LF, what
// follows the 54th field is no part of the game, and a text may stand without quotes, up to the
// next comma. Everything else stays checked.
TEST(SavedGame, TheReadingRules) {
    GameState played = playedGame();
    played.lblVichod = u"Есть"_s; // one field for each comma
    const QStringList fields = fieldsOf(played);
    const auto with = [&](int field, const QString& value) {
        QStringList changed = fields;
        changed[field - 1] = value;
        return changed;
    };
    struct Row {
        const char* what;
        QByteArray line;
        const char16_t* lblStatus; // as loaded; nothing when the line is refused
        const char16_t* error = u"";
    };
    const Row table[] = {
        {"CR LF", lineOf(fields, "\r\n"), u"Хакер"},
        {"LF alone", lineOf(fields, "\n"), u"Хакер"},
        {"no line end", lineOf(fields, ""), u"Хакер"},
        {"a lone CR at the file's end", lineOf(fields, "\r"), u"Хакер"},
        {"text after the line", lineOf(fields, "\r\nmore text after the line"), u"Хакер"},
        {"a 55th field", lineOf(fields + QStringList{u"#TRUE#"_s}), u"Хакер"},
        {"fields past the 54th that are no fields at all",
         lineOf(fields + QStringList{u"\"unclosed"_s, u"x\"y"_s}), u"Хакер"},
        {"an unquoted text", lineOf(with(2, u"Программист"_s)), u"Программист"},
        {"an unquoted text with blanks", lineOf(with(2, u"Почти хакер"_s)), u"Почти хакер"},
        {"an empty unquoted text", lineOf(with(2, {})), u""},
        {"an unquoted warning", lineOf(with(1, u"ВНИМАНИЕ"_s)), u"Хакер"},
        {"an unquoted number", lineOf(with(4, u"-12"_s)), u"Хакер"},
        {"an unquoted cash", lineOf(with(6, SavedGame::disguise(5))), u"Хакер"},
        {"an unquoted last text field", lineOf(with(44, u"23"_s), ""), u"Хакер"},
        // Still checked:
        {"53 fields", lineOf(fields.mid(0, 53)), nullptr, u"полей: 53"},
        {"an empty file", QByteArray(), nullptr, u"нет ни одной строки"},
        {"an empty line", QByteArray("\r\n"), nullptr, u"нет ни одной строки"},
        {"a quote inside an unquoted text", lineOf(with(2, u"Ха\"кер"_s)), nullptr,
         u"поле 2 (lblStatus)"},
        {"text after a closing quote", lineOf(with(2, u"\"Хакер\"x"_s)), nullptr,
         u"после закрывающей кавычки"},
        {"an unquoted number that is none", lineOf(with(4, u"3O"_s)), nullptr,
         u"поле 4 (lblHappyness)"},
        {"an unquoted hour past the day", lineOf(with(44, u"25"_s)), nullptr,
         u"поле 44 (lblHours)"},
        {"a quoted integer", lineOf(with(45, u"\"12\""_s)), nullptr, u"поле 45 (BankAccount)"},
        {"a quoted flag", lineOf(with(49, u"\"#TRUE#\""_s)), nullptr, u"поле 49 (HasTackle)"},
    };
    for (const Row& row : table) {
        const auto loaded = SavedGame::read(row.line, newGame());
        if (row.lblStatus) {
            ASSERT_TRUE(loaded.state) << row.what << ": " << qPrintable(loaded.error);
            EXPECT_EQ(loaded.state->lblStatus, QString::fromUtf16(row.lblStatus)) << row.what;
            EXPECT_EQ(loaded.state->FishTotal, 12) << row.what; // the fields after it too
        } else {
            EXPECT_FALSE(loaded.state) << row.what;
            EXPECT_TRUE(loaded.error.contains(QString::fromUtf16(row.error)))
                << row.what << ": " << qPrintable(loaded.error);
        }
    }
    // What an unquoted text holds is saved again as the game writes it, and loads again.
    const auto unquoted = SavedGame::read(lineOf(with(2, u"Программист"_s), ""), newGame());
    ASSERT_TRUE(unquoted.state);
    const auto again = SavedGame::read(SavedGame::write(*unquoted.state), newGame());
    ASSERT_TRUE(again.state) << qPrintable(again.error);
    EXPECT_EQ(again.state->lblStatus, u"Программист");
}

TEST(SavedGame, DamageIsRefusedWithTheFieldNamed) {
    struct Row {
        int field; // 1-based; 0: the whole line
        const char16_t* value;
        const char16_t* named; // in the error
    };
    const Row table[] = {
        {2, u"Ха\"кер", u"поле 2 (lblStatus)"},   // a quote inside a text without quotes
        {4, u"\"3O\"", u"поле 4 (lblHappyness)"}, // not a numeral
        {41, u"\"\"", u"поле 41 (lblDay)"},       // an empty number
        {37, u"\"ok\"", u"поле 37 (lblCom)"},     // only "OK" finishes a course
        {6, u"\"ABC\"", u"поле 6 (lblMoney)"},    // no letter of the table
        {6, u"\"\"", u"поле 6 (lblMoney)"},
        {9, u"4", u"поле 9 (MonLevel)"}, // the monitors end at 3
        {9, u"-1", u"поле 9 (MonLevel)"},
        {46, u"6", u"поле 46 (CarKind)"},
        {45, u"40000", u"поле 45 (BankAccount)"}, // past 16 bits
        {45, u"12a", u"поле 45 (BankAccount)"},
        {45, u"\"12\"", u"поле 45 (BankAccount)"},
        {49, u"#True#", u"поле 49 (HasTackle)"},
        {50, u"-1", u"поле 50 (HasRod)"},
        {3, u"\"unclosed", u"кавычк"},
    };
    const GameState before = playedGame();
    for (const Row& row : table) {
        QStringList fields = fieldsOf(newGame());
        fields[row.field - 1] = QString::fromUtf16(row.value);
        const auto loaded = SavedGame::read(lineOf(fields), before);
        EXPECT_FALSE(loaded.state) << row.field;
        EXPECT_TRUE(loaded.error.contains(QString::fromUtf16(row.named)))
            << qPrintable(loaded.error);
    }
    QStringList fields = fieldsOf(newGame());
    fields.removeLast();
    EXPECT_TRUE(SavedGame::read(lineOf(fields), before).error.contains(u"полей: 53"));
}

// Beyond its format, a saved game must be a moment the game can reach: the clock ends a day,
// a month and a year by comparing texts, and a game saved at an hour it never reaches would
// never end a day again.
TEST(SavedGame, AMomentTheGameCannotReachIsRefused) {
    struct Row {
        int field; // 1-based
        const char16_t* value;
        bool loads;
    };
    const Row table[] = {
        {44, u"\"0\"", true},      {44, u"\"24\"", true}, // the bank's message at day's end
        {44, u"\"07\"", true},     {44, u"\"25\"", false},   {44, u"\"0.5\"", false},
        {44, u"\"1e16\"", false},  {44, u"\"-1\"", false},   {44, u"\" 7\"", false},
        {44, u"\"+7\"", false},    {44, u"\"\"", false},     {41, u"\"1\"", true},
        {41, u"\"05\"", true}, // the calendar's two digits
        {41, u"\"31\"", true},     {41, u"\"0\"", false},    {41, u"\"32\"", false},
        {41, u"\"031\"", false}, // "031" is never "31"
        {42, u"\"12\"", true},     {42, u"\"01\"", true},    {42, u"\"13\"", false},
        {42, u"\"0\"", false},     {42, u"\"1.0\"", false},  {43, u"\"0\"", true},
        {43, u"\"02\"", true},     {43, u"\"32767\"", true}, {43, u"\"32768\"", false},
        {43, u"\"-1\"", false},    {43, u"\"2e3\"", false},  {43, u"\"100000\"", false},
        {4, u"\"1e16\"", true},    {4, u"\"1e400\"", false}, // infinite to the arithmetic
        {37, u"\"1e999\"", false}, {30, u"\"-0.25\"", true},
    };
    const GameState before = playedGame();
    for (const Row& row : table) {
        QStringList fields = fieldsOf(newGame());
        fields[row.field - 1] = QString::fromUtf16(row.value);
        const auto loaded = SavedGame::read(lineOf(fields), before);
        EXPECT_EQ(bool(loaded.state), row.loads)
            << row.field << " " << qPrintable(fields[row.field - 1]) << " "
            << qPrintable(loaded.error);
        if (!row.loads) {
            EXPECT_TRUE(loaded.error.startsWith(u"поле %1 ("_s.arg(row.field)))
                << qPrintable(loaded.error);
        }
    }
    QStringList fields = fieldsOf(newGame());
    fields[43] = u"\"25\""_s;
    EXPECT_EQ(SavedGame::read(lineOf(fields), before).error,
              u"поле 44 (lblHours): ожидалось целое число от 0 до 24 в кавычках, а записано "
              "\"25\""_s);
}

TEST(SavedGame, AControlCharacterInAnyTextIsRefused) {
    GameState played = playedGame();
    played.lblVichod = u"Есть"_s; // one field for each comma
    const QStringList clean = fieldsOf(played);
    for (QChar control : {QChar(u'\t'), QChar(u'\r'), QChar(0x01), QChar(0x7f)}) {
        for (int field : {2, 3, 6, 7, 23, 29, 31, 37}) {
            QStringList fields = clean;
            fields[field - 1].insert(2, control);
            const auto loaded = SavedGame::read(lineOf(fields), newGame());
            EXPECT_FALSE(loaded.state) << field << " " << int(control.unicode());
            EXPECT_TRUE(loaded.error.startsWith(u"поле %1 ("_s.arg(field)))
                << qPrintable(loaded.error);
            // Shown, the character does not break the message.
            EXPECT_FALSE(loaded.error.contains(control)) << field;
        }
    }
}

TEST(SavedGame, AChangedWarningLineIsPassedOver) {
    QStringList fields = fieldsOf(newGame());
    fields[0] = u"\"Можно менять\""_s;
    EXPECT_TRUE(SavedGame::read(lineOf(fields), newGame()).state);
}

TEST(SavedGame, FilesAreWrittenWholeAndReadWithinBounds) {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"game.kbz"_s);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1000, 'x'));
    }
    EXPECT_FALSE(SavedGame::save(path, playedGame()));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), SavedGame::write(playedGame())); // replaced, not overwritten
    written.close();
    EXPECT_TRUE(SavedGame::load(path, newGame()).state);

    // A folder that is not there: the system's word for it, and nothing written.
    const auto error = SavedGame::save(folder.filePath(u"missing/game.kbz"_s), newGame());
    ASSERT_TRUE(error);
    // Said in the game's language, with the system's words after it.
    EXPECT_TRUE(error->startsWith(u"нет папки ")) << qPrintable(*error);
    EXPECT_FALSE(QDir(folder.filePath(u"missing"_s)).exists());

    const QString big = folder.filePath(u"big.kbz"_s);
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SavedGame::write(newGame()));
        file.write(QByteArray(SavedGame::MaxFileSize, 'x'));
    }
    EXPECT_TRUE(SavedGame::load(big, newGame()).error.contains(u"64 КиБ"));
    const QString missing = SavedGame::load(folder.filePath(u"none.kbz"_s), newGame()).error;
    EXPECT_TRUE(missing.startsWith(u"нет файла ")) << qPrintable(missing);
    EXPECT_TRUE(missing.contains(u"none.kbz")) << qPrintable(missing);
}
