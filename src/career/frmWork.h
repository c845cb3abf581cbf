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

#include "rules/Jobs.h"
#include "ui/Form.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

class Picture;
class QLabel;
class QPushButton;

class frmWork : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmWork)

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

protected:
    void retranslateUi() override;

private:
    void job_MouseMove(size_t job);
    void job_Click(size_t job);

    // The jobs' captions, and what a screen reader says of them and of their salaries.
    void showJobs();
    // The current job as the window has it, or "безработный".
    void showWho();
    // The verdict's parts side by side, each as wide as its words need.
    void placeVerdict();

    std::array<QPushButton*, Jobs::Count> jobButtons_{};
    std::array<QLabel*, Jobs::Count> salaries_{};
    // The current job as the rules word it (the state's or the last hire's); empty: none.
    QString who_;
    // The job whose verdict lblWCan shows, and that verdict.
    std::optional<size_t> judged_;
    bool qualifies_ = true;
};
