// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The whole state of a running game.
//
// One half is the main window's indicator texts, named after the labels that show them
// (lblMoney, lblHungry, ...); the main window shows these texts as they stand, so there is no
// second copy anywhere. The other half is the game-wide integers, flags and the fifteen item
// catalogs. Every window reads and writes this record directly; the main window refreshes
// itself after each event, so a change shows at once.
//
// The name tables at the bottom let the save codec and the scenario runner reach a field by
// its name without a list of their own.

#include "state/Chronicle.h"
#include "state/NumberText.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <span>

// What a field shows while the player has none of its kind yet: no program, no system, no job,
// no part of a computer.
inline constexpr QStringView NotYet = u"Пока нет";
// Whether `field` says the player has none.
inline bool hasNone(QStringView field) {
    return field == NotYet;
}

// A ladder of goods: the entry the player owns is Names[Level]; buying moves Level up by one
// and costs Prices[Level + 1]. Entry 0 stands for owning nothing yet.
struct Catalog {
    QStringList Names;
    QList<int> Prices;
    qint16 Level = 0;

    bool atTop() const { return Level >= Names.size() - 1; }
    QString current() const { return Names.value(Level); }
};

// The word-valued indicators move only along these ladders, lowest rung first.
namespace Ladders {
extern const QStringList Status;
extern const QStringList Education;
extern const QStringList English;
extern const QStringList Clothes;
extern const QStringList Program;
extern const QStringList Graph;

// A requirement of "at least rung" fails exactly when the text is a lower rung of the ladder;
// a text that is not on the ladder at all does not fail it.
bool below(const QStringList& ladder, const QString& text, const QString& rung);
} // namespace Ladders

struct GameState {
    // Indicator texts of the main window.
    QString lblMoney, lblHungry, lblHappyness, lblStatus, lblEduncation, lblEnglish;
    QString lblSWork, lblMyWork, lblWorkEarn, lblClothes;
    QString lblCar, lblRoom, lblMebel, lblKitchen, lblBath;
    QString lblComp, lblRAM, lblVinchester, lblCDROM, lblVideoKarta, lblSoundKarta;
    QString lblMonitor, lblPrinter, lblSkaner, lblModem;
    QString lblSystem, lblProgram, lblGraph, lblAntvirus, lblVichod;
    QString lblSSchool, lblSCost, lblEEnglish, lblECost, lblCComputer, lblCCost;
    QString lblObras, lblEng, lblCom, lblVir;
    QString lblDay, lblMonth, lblYear, lblHours;
    QString lblSpHelp;

    // The numbers the rules compute with, read from and written to the texts above (the texts
    // stay the record: the main window shows them and the saved game writes them).
    double money() const { return Val(lblMoney); }
    void addMoney(double dollars) { AddTo(lblMoney, dollars); }
    void setMoney(double dollars) { lblMoney = Num(dollars); }
    double satiety() const { return Val(lblHungry); }
    void addSatiety(double points) { AddTo(lblHungry, points); }
    void setSatiety(double points) { lblHungry = Num(points); }
    double mood() const { return Val(lblHappyness); }
    void addMood(double points) { AddTo(lblHappyness, points); }
    void setMood(double points) { lblHappyness = Num(points); }
    // The day's salary: the number at the start of its text.
    double salary() const { return LeadingVal(lblWorkEarn); }
    void setSalary(double dollars) { lblWorkEarn = Num(dollars); }
    // Whether a course (school, English, computers) is being paid for.
    bool inSchool() const { return Val(lblSCost) != 0; }
    bool learningEnglish() const { return Val(lblECost) != 0; }
    bool learningComputers() const { return Val(lblCCost) != 0; }
    // The virus counter: the days an unprotected computer has run.
    double virusDays() const { return Val(lblVir); }
    void addVirusDay() { AddTo(lblVir, 1); }

    // Game-wide integers and flags (flags hold 0 or -1).
    qint16 BankAccount = 0;
    qint16 BankDays = 0;
    qint16 JokesBaseLoaded = 0;
    qint16 HasBrowser = 0, HasDialer = 0, HasDownloader = 0;
    qint16 HasRod = 0, HasTackle = 0;
    qint16 BaitPacks = 0, FishTotal = 0;

    // The milestones of this life. Kept with the history, not in the saved game's line.
    Chronicle::Life story;

    // The main window's own flag: when not 0, closing the main window asks nothing. It is not
    // part of a saved game.
    qint16 SkipExitConfirm = 0;

    // The item catalogs; Car.Level is the car the player drives (CarKind).
    Catalog Car, Vin, CD, Comp, Sound, Video, Mon, Prn, Scan, Modem, RAM;
    Catalog Flat, Mebel, Kitchen, Bath;

    // The texts the main window shows before any game has started: the new-game texts, but
    // "Пока нет" for the car, "00" for the date and "1" for the hour.
    void setDesignTexts();

    // A new game: the new-game texts, today's date, an empty bank account, fresh catalogs, no
    // fishing gear and an empty chronicle. The hour goes on from where it was.
    void beginNewGame(QDate today);

    // Builds every catalog afresh at level 0 and sets its field to Names[0], in the order the
    // new game builds them.
    void buildCatalogs();

    // Writes each catalog's field from its level (after a load).
    void showCatalogLevels();

    // Name access for the saving code and the scenario runner.
    QString* text(QStringView name);
    qint16* integer(QStringView name);
    const QString* text(QStringView name) const { return const_cast<GameState*>(this)->text(name); }
    const qint16* integer(QStringView name) const {
        return const_cast<GameState*>(this)->integer(name);
    }

private:
    // What a new game writes to the indicators, before the catalogs are built.
    void setNewGameTexts();
};

// The fifteen catalogs with the indicator field that shows each one.
struct CatalogInfo {
    const char* stem;      // "Car", "Vin", ...
    const char* levelName; // "CarKind", "VinLevel", ...
    Catalog GameState::*catalog;
    QString GameState::*field;
};
std::span<const CatalogInfo> catalogTable();

struct TextFieldInfo {
    const char* name;
    QString GameState::*member;
};
std::span<const TextFieldInfo> textFieldTable();
