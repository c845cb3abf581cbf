// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The jobs: ten buttons from loader to computer president. Pointing at a job describes it and
// gives the verdict on the player; clicking it hires the player when the verdict allows, and
// otherwise lists what the job asks for. Being hired as president leads to the end screen.
//
// The verdict reads as one line over the picture: "Вы", the verdict word (nothing, or "не"),
// "можете работать на этой работе". Its two fixed parts are made when the window loads, at
// their places on the window.

#include "ui/Form.h"

#include <optional>

class Picture;
class QLabel;
class QPushButton;

class frmWork : public Form {
public:
    static constexpr QStringView Name = u"frmWork";
    explicit frmWork(Game& game);

    void Form_Load() override;

    Picture* imgOffice;
    QLabel *Label10, *Label11, *Label14, *lblWWho, *lbladdSpec, *lblWCan;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label13;
    QPushButton *cmdWGruschik, *cmdWTaxi, *cmdWGardener, *cmdWBegProg, *cmdWProg, *cmdWProva,
        *cmdWebmaster, *cmdWHakker, *cmdWAdministrator, *cmdWPresident, *cmdBack;
    // Made by Form_Load.
    QLabel *lbladdYou = nullptr, *lbladdOnthisW = nullptr;

private:
    void job_MouseMove(size_t job);
    void job_Click(size_t job);

    // The job whose verdict lblWCan shows.
    std::optional<size_t> judged_;
};
