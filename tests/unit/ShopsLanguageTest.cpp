// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A place that is open while the player changes the language speaks the new one at once: not
// only its fixed captions but what it drew itself (the current job and the verdict on a job,
// what the panel offers, a course's attendance, the programs installed), and it goes on
// working in it. A translator that brackets every text it is asked for stands in for the
// English, so that what is checked is the window, not the translation of the day.

#include "ScriptedGame.h"
#include "career/frmStudy.h"
#include "career/frmWork.h"
#include "purchases/frmFlat.h"
#include "purchases/frmPrograms.h"
#include "purchases/frmShop.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every text "translated" into itself in brackets.
class Bracketing : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return u"["_s + QString::fromUtf8(source) + u"]"_s;
    }
};

class ShopsLanguage : public ScriptedGame<> {
protected:
    ~ShopsLanguage() override { speakRussian(); }

    void speakBracketed() {
        QCoreApplication::installTranslator(&bracketing_);
        settle();
    }
    void speakRussian() {
        QCoreApplication::removeTranslator(&bracketing_);
        settle();
    }
    static void settle() { ScriptedPlatform::deliverPostedEvents(); }

    static void hover(QWidget* control) {
        const QPointF at(control->width() / 2.0, control->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &move);
        settle();
    }

private:
    Bracketing bracketing_;
};

} // namespace

TEST_F(ShopsLanguage, TheJobsWindowSaysTheJobTheVerdictAndTheSalariesAgain) {
    auto* work = game.open<frmWork>();
    ASSERT_TRUE(work);
    hover(work->cmdWTaxi);
    speakBracketed();
    EXPECT_EQ(work->lblWWho->text(), u"[безработный]");
    EXPECT_EQ(work->cmdWTaxi->text(), u"[Таксист]");
    EXPECT_EQ(work->lbladdSpec->text(), u"[Здесь вы должны просто напросто перевозить людей.]");
    EXPECT_EQ(work->lblWCan->text(), u"[не]");
    EXPECT_EQ(work->lbladdYou->text(), u"[Вы]");
    // The verdict's parts make room for longer words, one after the other on one line.
    EXPECT_GE(work->lblWCan->x(), work->lbladdYou->geometry().right());
    EXPECT_GE(work->lbladdOnthisW->x(), work->lblWCan->geometry().right());
    EXPECT_EQ(work->Label2->accessibleName(), u"[Таксист]: " + work->Label2->text());

    speakRussian();
    EXPECT_EQ(work->lblWWho->text(), u"безработный");
    EXPECT_EQ(work->lbladdSpec->text(), u"Здесь вы должны просто напросто перевозить людей.");
    EXPECT_EQ(work->lblWCan->text(), u"не");
    EXPECT_EQ(work->Label2->accessibleName(), u"Таксист: " + work->Label2->text());
    EXPECT_EQ(work->cmdWTaxi->accessibleDescription(), u"Зарплата: " + work->Label2->text());
}

TEST_F(ShopsLanguage, ACourseStartsAndStopsWhateverItsButtonSays) {
    game.state.lblMoney = u"100"_s;
    auto* study = game.open<frmStudy>();
    ASSERT_TRUE(study);
    speakBracketed();
    EXPECT_EQ(study->cmdSchool->text(), u"[Ходить в вечернюю школу]");
    study->cmdSchool->click();
    EXPECT_EQ(game.state.lblSSchool, u"Веч.школа");
    EXPECT_EQ(study->cmdSchool->text(), u"[Закончить ходить в школу]");
    speakRussian();
    EXPECT_EQ(study->cmdSchool->text(), u"Закончить ходить в школу");
    study->cmdSchool->click();
    EXPECT_EQ(game.state.lblSSchool, u"Не учусь");
}

TEST_F(ShopsLanguage, TheProgramsWindowSaysWhatIsInstalledAndWhatThePanelOffersAgain) {
    game.state.lblMoney = u"100"_s;
    // Enough of a computer for Norton Commander.
    for (Catalog GameState::*part : {&GameState::Comp, &GameState::Mon, &GameState::Vin,
                                     &GameState::CD, &GameState::RAM, &GameState::Video})
        (game.state.*part).Level = 1;
    auto* programs = game.open<frmPrograms>();
    ASSERT_TRUE(programs);
    auto* pascal = programs->findChild<QPushButton*>(u"cmdPascal"_s);
    auto* nc = programs->findChild<QPushButton*>(u"cmdNC"_s);
    ASSERT_TRUE(pascal && nc);
    hover(pascal);
    speakBracketed();
    EXPECT_EQ(programs->lblWhat->text(), u"[Pascal]");
    EXPECT_EQ(pascal->text(), u"[Паскаль]");
    EXPECT_EQ(programs->Frame1->title(), u"[Система]");
    EXPECT_EQ(programs->lblSystem->text(), u"[не установлена]");
    EXPECT_EQ(programs->lblGraph->text(), u"[не установлен]");
    nc->click();
    EXPECT_EQ(programs->lblSystem->text(), u"[NC]");
    speakRussian();
    EXPECT_EQ(programs->lblWhat->text(), u"Pascal");
    EXPECT_EQ(programs->lblSystem->text(), u"NC");
    EXPECT_EQ(programs->lblGraph->text(), u"не установлен");
}

TEST_F(ShopsLanguage, TheFlatAndTheShopSayWhatTheyOfferAgain) {
    auto* flat = game.open<frmFlat>();
    ASSERT_TRUE(flat);
    speakBracketed();
    EXPECT_EQ(flat->txtSpec->toPlainText(), u"[Покупайте и обустраивайте вашу квартиру]");
    hover(flat->cmdBuyMebel);
    EXPECT_EQ(flat->lblWhat->text(), u"[Подержанная]");
    EXPECT_EQ(flat->txtSpec->toPlainText(), u"[[Подержанная] мебель. Купить.]");
    speakRussian();
    EXPECT_EQ(flat->txtSpec->toPlainText(), u"Подержанная мебель. Купить.");
    game.unload(flat);
    settle();

    auto* shop = game.open<frmShop>();
    ASSERT_TRUE(shop);
    hover(shop->cmdCar);
    const QString car = shop->lblCar->text();
    speakBracketed();
    EXPECT_EQ(shop->lblCar->text(), u"[" + car + u"]");
    speakRussian();
    EXPECT_EQ(shop->lblCar->text(), car);
}
