// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/SavedGame.h"

#include "state/NumberText.h"
#include "state/TextCodec.h"
#include "state/WholeFile.h"
#include "state/Words.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace SavedGame {

namespace {

// The disguise: "-" and the digits "0" to "9", in that order, and their letters.
constexpr char16_t Plain[] = u"-0123456789";
constexpr char16_t Letters[] = u"qkmxwazrgnt";
static_assert(std::size(Plain) == std::size(Letters));

// The file's own first field, in every language: the saved game stays the game's.
const QString WarningLine =
    u"ВНИМАНИЕ: НИЧЕГО НЕ ИЗМЕНЯЙТЕ В ЭТОМ ФАЙЛЕ. ИЗМЕНЕНИЕ ДАННОГО ФАЙЛА " // tr:keep
    "МОЖЕТ ПРИВЕСТИ К НЕКОРРЕКТНОЙ РАБОТЕ ПРОГРАММЫ"_s;                     // tr:keep

enum class Kind {
    Warning, // a text that is written but never read
    Cash,    // the disguised cash
    Text,    // any text
    Number,  // a text that holds a numeral
    Counter, // a numeral, or "OK" once its course is finished
    Level,   // a catalog level
    Integer,
    Flag,
};

struct Field {
    const char* name; // the GameState field or variable
    Kind kind;
};

// In the order of the line.
constexpr std::array<Field, FieldCount> Fields = {{
    {"warning", Kind::Warning},         {"lblStatus", Kind::Text},
    {"lblSWork", Kind::Text},           {"lblHappyness", Kind::Number},
    {"lblHungry", Kind::Number},        {"lblMoney", Kind::Cash},
    {"lblEduncation", Kind::Text},      {"lblEnglish", Kind::Text},
    {"MonLevel", Kind::Level},          {"PrnLevel", Kind::Level},
    {"ScanLevel", Kind::Level},         {"ModemLevel", Kind::Level},
    {"CompLevel", Kind::Level},         {"VinLevel", Kind::Level},
    {"CDLevel", Kind::Level},           {"RAMLevel", Kind::Level},
    {"SoundLevel", Kind::Level},        {"VideoLevel", Kind::Level},
    {"FlatLevel", Kind::Level},         {"MebelLevel", Kind::Level},
    {"KitchenLevel", Kind::Level},      {"BathLevel", Kind::Level},
    {"lblClothes", Kind::Text},         {"lblSystem", Kind::Text},
    {"lblProgram", Kind::Text},         {"lblGraph", Kind::Text},
    {"lblAntvirus", Kind::Text},        {"lblVichod", Kind::Text},
    {"lblMyWork", Kind::Text},          {"lblWorkEarn", Kind::Number},
    {"lblSSchool", Kind::Text},         {"lblSCost", Kind::Number},
    {"lblEEnglish", Kind::Text},        {"lblECost", Kind::Number},
    {"lblCComputer", Kind::Text},       {"lblCCost", Kind::Number},
    {"lblCom", Kind::Counter},          {"lblObras", Kind::Counter},
    {"lblEng", Kind::Counter},          {"lblVir", Kind::Number},
    {"lblDay", Kind::Number},           {"lblMonth", Kind::Number},
    {"lblYear", Kind::Number},          {"lblHours", Kind::Number},
    {"BankAccount", Kind::Integer},     {"CarKind", Kind::Level},
    {"FishTotal", Kind::Integer},       {"BaitPacks", Kind::Integer},
    {"HasTackle", Kind::Flag},          {"HasRod", Kind::Flag},
    {"JokesBaseLoaded", Kind::Integer}, {"HasBrowser", Kind::Flag},
    {"HasDialer", Kind::Flag},          {"HasDownloader", Kind::Flag},
}};

// A numeral as the game writes it, that the game's arithmetic reads as a finite number.
bool isNumeral(const QString& text) {
    static const QRegularExpression numeral(u"^-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?$"_s);
    if (!numeral.match(text).hasMatch())
        return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

// The moment of the game: fields the clock counts on, each a whole number it can reach. The
// clock ends a day at hour "24", a month when the day reaches "31" and a year when the month
// reaches "13", comparing the texts: an hour past 24, a day past 31 or a fraction would never
// end. The calendar writes a new game's day and month with a leading zero ("05").
struct Moment {
    const char* name;
    int lowest, highest;
    int digits; // at most
};
constexpr Moment Moments[] = {
    {"lblHours", 0, 24, 2},
    {"lblDay", 1, 31, 2},
    {"lblMonth", 1, 12, 2},
    {"lblYear", 0, 32767, 5},
};

const Moment* momentOf(const char* name) {
    for (const Moment& moment : Moments)
        if (qstrcmp(moment.name, name) == 0)
            return &moment;
    return nullptr;
}

bool isWholeIn(const QString& text, const Moment& moment) {
    if (text.isEmpty() || text.size() > moment.digits)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    const int value = text.toInt();
    return value >= moment.lowest && value <= moment.highest;
}

bool hasControlCharacter(QStringView text) {
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// A text as a message may show it: a control character would break the message's lines or
// not show at all.
QString shown(QStringView text) {
    QString visible = text.left(40).toString();
    for (QChar& c : visible)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return visible;
}

const Catalog* catalogOf(const GameState& state, const char* levelName) {
    for (const CatalogInfo& info : catalogTable())
        if (qstrcmp(info.levelName, levelName) == 0)
            return &(state.*info.catalog);
    return nullptr;
}

// Splits the line as the game writes it: a quoted field runs to its closing quote, any other
// field to the next comma. No more than the fields of a game are taken.
bool split(QStringView line, QList<QStringView>& fields, QString& error) {
    qsizetype at = 0;
    while (true) {
        if (at < line.size() && line[at] == u'"') {
            const qsizetype close = line.indexOf(u'"', at + 1);
            if (close < 0) {
                error = QCoreApplication::translate("Game", "поле %1: кавычка не закрыта")
                            .arg(fields.size() + 1);
                return false;
            }
            fields << line.mid(at, close + 1 - at);
            at = close + 1;
            if (at < line.size() && line[at] != u',') {
                error = QCoreApplication::translate(
                            "Game", "поле %1: после закрывающей кавычки должна стоять запятая")
                            .arg(fields.size());
                return false;
            }
        } else {
            const qsizetype comma = line.indexOf(u',', at);
            fields << line.mid(at, comma < 0 ? line.size() - at : comma - at);
            at = comma < 0 ? line.size() : comma;
        }
        // Whatever follows the last field a game has is no part of it, and is not looked at.
        if (at >= line.size() || fields.size() == FieldCount)
            break;
        ++at; // the comma
    }
    return true;
}

} // namespace

QString disguise(double cash) {
    // Whole dollars, written out in full: a decimal point or an exponent has no letter.
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::trunc(cash) == 0 ? 0.0 : std::trunc(cash));
    QString field;
    for (const char* c = digits; *c; ++c)
        for (size_t i = 0; i + 1 < std::size(Plain); ++i)
            if (Plain[i] == char16_t(*c))
                field += QChar(Letters[i]);
    return field;
}

QString undisguise(QStringView field) {
    QString plain;
    for (QChar c : field)
        for (size_t i = 0; i + 1 < std::size(Letters); ++i)
            if (Letters[i] == c.unicode())
                plain += QChar(Plain[i]);
    return plain;
}

QByteArray write(const GameState& s) {
    const GameState& state = s;
    QStringList fields;
    for (const Field& field : Fields) {
        const QString name = QString::fromLatin1(field.name);
        switch (field.kind) {
        case Kind::Warning:
            fields << u'"' + WarningLine + u'"';
            break;
        case Kind::Cash:
            fields << u'"' + disguise(Val(s.lblMoney)) + u'"';
            break;
        case Kind::Text:
        case Kind::Number:
        case Kind::Counter:
            fields << u'"' + *state.text(name) + u'"';
            break;
        case Kind::Level:
        case Kind::Integer:
            fields << QString::number(*state.integer(name));
            break;
        case Kind::Flag:
            fields << (*state.integer(name) != 0 ? u"#TRUE#"_s : u"#FALSE#"_s);
            break;
        }
    }
    return toCp1251(fields.join(u',') + u"\r\n"_s);
}

Loaded read(const QByteArray& bytes, const GameState& current) {
    // The line runs to its line end, or to the file's end when its CR LF is missing.
    const qsizetype end = bytes.indexOf('\n');
    QByteArray raw = end < 0 ? bytes : bytes.left(end);
    if (raw.endsWith('\r'))
        raw.chop(1);
    if (raw.isEmpty())
        return {std::nullopt, QCoreApplication::translate("Game", "в файле нет ни одной строки")};
    const QString line = fromCp1251(raw);

    QList<QStringView> fields;
    bool ok = false;
    QString error;
    if (!split(line, fields, error))
        return {std::nullopt, error};
    if (fields.size() != FieldCount)
        return {std::nullopt,
                QCoreApplication::translate("Game", "в строке полей: %1, а должно быть %2")
                    .arg(fields.size())
                    .arg(FieldCount)};

    GameState next = current;
    for (int i = 0; i < FieldCount; ++i) {
        const Field& field = Fields[size_t(i)];
        const QString name = QString::fromLatin1(field.name);
        const QStringView value = fields[i];
        const auto wrong = [&](const QString& expected) {
            return Loaded{std::nullopt, QCoreApplication::translate(
                                            "Game", "поле %1 (%2): ожидалось %3, а записано %4")
                                            .arg(i + 1)
                                            .arg(name, expected, shown(value))};
        };
        const auto wrongText = [&](const char* expected) {
            return wrong(Words::text(Words::For::Player, expected));
        };
        const bool isQuoted = value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
        // A text written without quotes is the whole field, up to the next comma.
        const QString text =
            isQuoted ? value.mid(1, value.size() - 2).toString() : value.toString();
        // ...but a quote inside it would make a line the game could not read back once saved.
        const bool isText = isQuoted || !value.contains(u'"');
        switch (field.kind) {
        case Kind::Warning:
            if (!isText)
                return wrongText(QT_TRANSLATE_NOOP("Game", "текст без кавычек внутри"));
            break;
        case Kind::Cash: {
            if (!isText)
                return wrongText(QT_TRANSLATE_NOOP("Game", "текст без кавычек внутри"));
            if (hasControlCharacter(text))
                return wrongText(QT_TRANSLATE_NOOP("Game", "текст без управляющих символов"));
            const QString cash = undisguise(text);
            if (cash.isEmpty() || !isNumeral(cash))
                return wrongText(QT_TRANSLATE_NOOP("Game", "сумма денег, записанная буквами"));
            next.lblMoney = Val(cash) > CashLimit ? Num(CashCapped) : Num(Val(cash));
            break;
        }
        case Kind::Text:
        case Kind::Number:
        case Kind::Counter:
            if (!isText)
                return wrongText(QT_TRANSLATE_NOOP("Game", "текст без кавычек внутри"));
            if (hasControlCharacter(text))
                return wrongText(QT_TRANSLATE_NOOP("Game", "текст без управляющих символов"));
            if (const Moment* moment = momentOf(field.name)) {
                if (!isWholeIn(text, *moment))
                    return wrong(
                        QCoreApplication::translate("Game", "целое число от %1 до %2 в кавычках")
                            .arg(moment->lowest)
                            .arg(moment->highest));
            } else if (field.kind == Kind::Number && !isNumeral(text))
                return wrongText(QT_TRANSLATE_NOOP("Game", "число в кавычках"));
            if (field.kind == Kind::Counter && text != u"OK" && !isNumeral(text))
                return wrongText(QT_TRANSLATE_NOOP("Game", "число или \"OK\" в кавычках"));
            *next.text(name) = text;
            break;
        case Kind::Level:
        case Kind::Integer: {
            const int n = value.toInt(&ok);
            if (!ok || n < -32768 || n > 32767)
                return wrongText(QT_TRANSLATE_NOOP("Game", "целое число от -32768 до 32767"));
            if (field.kind == Kind::Level) {
                const Catalog* catalog = catalogOf(current, field.name);
                if (!catalog || n < 0 || n >= catalog->Names.size())
                    return wrong(QCoreApplication::translate("Game", "уровень от 0 до %1")
                                     .arg(catalog ? catalog->Names.size() - 1 : 0));
            }
            *next.integer(name) = qint16(n);
            break;
        }
        case Kind::Flag:
            if (value != u"#TRUE#" && value != u"#FALSE#")
                return wrongText(QT_TRANSLATE_NOOP("Game", "#TRUE# или #FALSE#"));
            *next.integer(name) = value == u"#TRUE#" ? -1 : 0;
            break;
        }
    }
    next.showCatalogLevels();
    return {std::move(next), {}};
}

std::optional<QString> save(const QString& path, const GameState& state) {
    return WholeFile::write(path, write(state));
}

Loaded load(const QString& path, const GameState& current) {
    WholeFile::Bytes file = WholeFile::read(path, MaxFileSize);
    if (!file.bytes)
        return {std::nullopt, file.error};
    return read(*file.bytes, current);
}

} // namespace SavedGame
