// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Effects for the rule tests: every message and question is recorded (its title in `titles`,
// its text in `texts`, its icon in `icons`), every question is answered from `answers` and every
// draw comes from `draws`. Asking or drawing with nothing queued fails the test, as does leaving
// something unused.

#include "rules/Effects.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

template <class Rules = Effects> class ScriptedEffects : public Rules {
public:
    ScriptedEffects(std::initializer_list<bool> yes = {}, std::initializer_list<float> rnd = {})
        : answers(yes)
        , draws(rnd) {}
    ~ScriptedEffects() override {
        EXPECT_TRUE(answers.empty()) << "answers left unused";
        EXPECT_TRUE(draws.empty()) << "draws left unused";
    }

    void say(const QString& text, const QString& title, MsgIcon icon) override {
        titles << title;
        texts << text;
        icons.push_back(icon);
    }
    bool ask(const QString& text, const QString& title) override {
        say(text, title, MsgIcon::Question);
        if (answers.empty()) {
            ADD_FAILURE() << "asked with no answer queued: " << qPrintable(text);
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void randomize() override {}
    float rnd() override {
        if (draws.empty()) {
            ADD_FAILURE() << "drew with no draw queued";
            return 0;
        }
        const float value = draws.front();
        draws.pop_front();
        return value;
    }

    QStringList titles, texts;
    std::vector<MsgIcon> icons;
    std::deque<bool> answers;
    std::deque<float> draws;
};
