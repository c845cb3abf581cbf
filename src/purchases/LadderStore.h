// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window that sells ladders of goods from the game's catalogs: the flat and the computer
// parts. Each ladder has a buy button; pointing at it offers the next entry in the
// information panel, or disables the button at the top; a click buys the next entry with the
// shared purchase rule, which adds what the ladder brings (rules/Buying.h). The panel is not
// refreshed by the click: the next pointer move does that.

#include "state/GameState.h"
#include "ui/Form.h"

#include <QCoreApplication>

#include <functional>
#include <optional>
#include <vector>

class InfoPanel;
class Picture;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class LadderStore : public Form {
    Q_DECLARE_TR_FUNCTIONS(LadderStore)

public:
    void Form_Load() override;

    QLabel *lblWhat, *lblM;
    QPlainTextEdit* txtSpec;
    QPushButton* cmdBack;

protected:
    // The caption is marked in the window's own class, QT_TR_NOOP; the description is made
    // from the next entry's name as the player reads it.
    struct Goods {
        const char* button;
        const char* caption;
        Catalog GameState::*catalog;
        QString GameState::*field;
        std::function<QString(const QString& next)> describe;
        Picture* picture = nullptr;
    };

    // The title is marked in the window's own class, QT_TR_NOOP.
    LadderStore(Game& game, QStringView name, const char* title);

    // Makes the buy buttons; the window lays them out with the panel and ends its layout with
    // addBackButton().
    void addGoods(std::vector<Goods> goods);
    QPushButton* button(size_t index) const { return buttons_[index]; }
    InfoPanel* panel() const { return panel_; }

    // The one picture of the window that shows; nullptr hides them all.
    void showOnly(Picture* picture);

    // The pointer left the goods: the window shows what it shows while no goods are offered,
    // and shows it again in a new language.
    void lookAway();
    virtual void showNothing() = 0;

    void retranslateUi() override;

private:
    void goods_MouseMove(size_t index);
    void goods_Click(size_t index);

    std::vector<Goods> goods_;
    // The goods the panel offers; nothing while the pointer is on none.
    std::optional<size_t> offered_;
    std::vector<QPushButton*> buttons_;
    InfoPanel* panel_;
};
