// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The runner must catch what a player could not do and what a scenario forgot to check; these
// scenarios are meant to fail, and each must fail for its own reason, at its own line.

#include "app/GameWindows.h"
#include "fixture/frmFixture.h"
#include "runner/Scenario.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::vector<CaseResult> run(const char* text) {
    static const WindowCatalog windows = [] {
        WindowCatalog catalog = gameWindows();
        addFixtureWindows(catalog);
        return catalog;
    }();
    return runScenarioText(QString::fromUtf8(text), u"test.scn"_s, windows);
}

struct Expected {
    const char* scenario;
    int line;
    const char* message; // a part of the failure message
};

} // namespace

TEST(ScenarioRunner, FailsWhereThePlayerOrTheScriptWentWrong) {
    const Expected cases[] = {
        {"case a\nstart\nclick frmMain.Exit\n", 3, "no answer queued"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nexpect lblMoney 170\n", 5,
         "unchecked message \"Вы действительно хотите выйти?\""},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nclick frmMain.Exit\n", 5,
         "unchecked message"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\n", 4, "unchecked message"},
        {"case a\nstart\nrnd 0.5\n", 3, "random draw(s) were never used"},
        {"case a\nstart\nanswer yes\n", 3, "answer(s) were never used"},
        {"case a\nstart\nfile x.txt\n", 3, "file name(s) were never used"},
        {"case a\nstart\nopen frmFixture\nclick frmFixture.cmdDraw\n", 4,
         "drew a random number with none queued"},
        {"case a\nstart\nopen frmFixture\nclick frmFixture.cmdDisabled\n", 4, "is disabled"},
        {"case a\nstart\nopen frmFixture\nclick frmFixture.cmdHidden\n", 4, "is hidden"},
        // The first click disables the button; the player cannot click it again.
        {"case a\nstart\nopen frmFixture\nclick frmFixture.cmdOnce 2\n", 4, "is disabled"},
        {"case a\nstart\nopen frmFixture\nclick frmMain.NewGame\n", 4,
         "frmMain is covered by frmFixture"},
        {"case a\nstart\nopen frmFixture\ntick frmFixture.tmrFast\n", 4, "is stopped"},
        {"case a\nstart\nclick frmMain.AboutPr\nclick frmMain.Exit\n", 4,
         "frmMain is covered by frmFirst"},
        {"case a\nstart\nanswer yes\nclick frmMain.NewGame\nmessage * *\nclick frmMain.Exit\n", 6,
         "window frmMain is hidden"},
        {"case a\nstart\nexpect lblMoney 171\n", 3, "expected \"171\", found \"170\""},
        {"case a\nstart\nexpect frmMain.lblMoney 1\n", 3, "found \"170\""},
        {"case a\nstart\nexpect frmShop.cmdCar enabled true\n", 3, "frmShop is not open"},
        {"case a\nstart\nexpect lblNothing 1\n", 3, "no game field"},
        {"case a\nstart\nmessage \"x\" \"y\"\n", 3, "no message was shown"},
        {"case a\nclick frmMain.Exit\n", 2, "has not started"},
        {"case a\nstart\nstart\n", 3, "start must be the first action"},
        {"case a\nstart 31.02.02\n", 2, "bad date"},
        {"case a\nstart\nanswer yes\nclick frmMain.Exit\nmessage * *\nclick frmMain.Exit\n", 6,
         "has ended"},
        {"case a\nstart\nwindows frmMain frmFirst\n", 3, "found \"frmMain\""},
        {"case a\nstart\nopen frmFixture\nexpect frmFixture.imgOther picture imgPic\n", 4,
         "places/shop (not places/bank)"},
        {"case a\nstart\nset CarKind x\n", 3, "16-bit integer"},
        {"case a\nstart\nrnd 1\n", 3, "in [0, 1)"},
        // message TEXT TITLE [ICON] [BUTTONS]: the icon comes first, each at most once.
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nmessage * * yesno\n", 5,
         "yesno is not an icon"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nmessage * * yesno question\n", 5,
         "yesno is not an icon"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nmessage * * question question\n", 5,
         "question is not buttons"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nmessage * * question yesno ok\n", 5,
         "wrong number of words"},
        {"case a\nstart\nanswer no\nclick frmMain.Exit\nmessage * * info yesno\n", 5,
         "\"Вы действительно хотите выйти?\" titled \"Подтвердите\", question yesno"},
        {"case a\nstart\nmessage * * ok\n", 3, "ok is not an icon"},
        {"case a\nstart\nmessage * * question maybe\n", 3, "maybe is not buttons"},
    };
    for (const Expected& expected : cases) {
        const auto results = run(expected.scenario);
        ASSERT_EQ(results.size(), 1u) << expected.scenario;
        const CaseResult& result = results.front();
        EXPECT_FALSE(result.passed) << expected.scenario;
        EXPECT_EQ(result.line, expected.line) << expected.scenario << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(QString::fromUtf8(expected.message)))
            << expected.scenario << "\nfound: " << result.message.toStdString();
    }
}

TEST(ScenarioRunner, AFileThatCannotBeParsedFailsEveryCase) {
    auto results = run("start\ncase a\nstart\ncase b\nstart\n");
    ASSERT_EQ(results.size(), 2u);
    for (const auto& r : results) {
        EXPECT_FALSE(r.passed);
        EXPECT_EQ(r.line, 1);
    }
    results = run("case a\nstart\nfrobnicate x\n");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].message.contains(u"unknown verb frobnicate"));
    results = run("case a\nstart\nexpect lblMoney \"170\n");
    EXPECT_TRUE(results[0].message.contains(u"unclosed quote"));
    results = run("# only a comment\n");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].passed);
}

TEST(ScenarioRunner, ACommentIsNotReadAsWords) {
    // Whatever follows the '#' is free text: quotes and backslashes in it mean nothing.
    const char* comments[] = {
        "# the \"Exit\" item asks first\n",
        "# an unclosed \" quote\n",
        "   #\"indented, glued to the mark\n",
        "# a stray backslash \\q and a \"quoted \\x\" word\n",
        "#\n",
    };
    for (const char* comment : comments) {
        const std::string text = std::string(comment) + "case a\n" + comment + "start\n" + comment +
                                 "expect lblMoney 170\n";
        const auto results = run(text.c_str());
        ASSERT_EQ(results.size(), 1u) << comment;
        EXPECT_TRUE(results[0].passed) << comment << results[0].message.toStdString();
    }
    // A '#' later in a line is an ordinary character.
    const auto results = run("case a\nstart\nexpect lblMoney #170\n");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].passed);
    EXPECT_TRUE(results[0].message.contains(u"expected \"#170\""));
}

TEST(ScenarioRunner, EachCaseStartsFromNothing) {
    const auto results = run("case one\nstart\nset lblMoney 5\nset HasBrowser -1\n"
                             "case two\nstart\nexpect lblMoney 170\nexpect HasBrowser 0\n"
                             "# quoted texts and escapes\n"
                             "expect lblSpHelp \" Добро пожаловать в игру \\\"Тимбурия\\\". "
                             "Программистом игры является Зарницын.\"\n");
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].passed) << results[0].message.toStdString();
    EXPECT_TRUE(results[1].passed) << results[1].message.toStdString();
}

TEST(ScenarioRunner, BeforeTheNextLineTheWorkOfTheEventLoopIsDone) {
    const auto results =
        run("case a\nstart\nopen frmFixture\n"
            // What a handler left for later has happened.
            "click frmFixture.cmdLater\nexpect frmFixture.lblLog \"now later\"\n"
            "click frmFixture.cmdLater 2\n"
            "expect frmFixture.lblLog \"now later now later now later\"\n"
            // A window closed, by its frame or by its own handler, is gone.
            "close frmFixture\nopen frmFixture\nexpect frmFixture.lblAlive 1\n"
            "click frmFixture.cmdLeave\nopen frmFixture\nexpect frmFixture.lblAlive 1\n"
            "click frmFixture.cmdLeave\nopen frmFixture\nclick frmFixture.cmdLeave\n"
            "open frmFixture\nexpect frmFixture.lblAlive 1\n"
            // ... or by a timer, which ticks outside any event.
            "tick frmFixture.tmrLeave\nwindows frmMain\nopen frmFixture\n"
            "expect frmFixture.lblAlive 1\nwait 60000\nwindows frmMain\nopen frmFixture\n"
            "expect frmFixture.lblAlive 1\n");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].passed) << results[0].line << ": " << results[0].message.toStdString();
}
