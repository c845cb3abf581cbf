// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The jokes site: three pages of jokes that lift the mood by the online hour, and the jokes
// database to download. The site throws the player off when the cash runs out, but never
// while the database is coming down.

#include "rules/Online.h"
#include "ui/Form.h"

#include <QCoreApplication>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Picture;
class ProgressShape;
class Timer;

class frmInterAnek : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmInterAnek)

public:
    static constexpr QStringView Name = u"frmInterAnek";
    explicit frmInterAnek(Game& game);

    void Form_Load() override;

    QLabel *Label1, *lblSiteCounter, *Label3, *lblPercent, *Label2, *lblcm;
    std::array<QPlainTextEdit*, 3> an;
    QPushButton *Command1, *Command2, *Command3, *cmdDownload, *cmdGoout;
    Picture* imgLizon;
    ProgressShape* shpProgress;
    Timer *tmrcm, *tmrDownload;

protected:
    // A download under way holds the player online, frame or no frame.
    bool Form_QueryUnload() override;
    void retranslateUi() override;

private:
    void an_MouseDown();
    void Command1_Click() { showPage(0); }
    void Command2_Click() { showPage(1); }
    void Command3_Click() { showPage(2); }
    void showPage(size_t index);
    void cmdDownload_Click();
    void tmrDownload_Timer();
    void tmrcm_Timer();
    void cmdGoout_Click();

    // Draws the visit: the hours online, the download's button, label and bar, and whether
    // the player may disconnect. (Hides QWidget::show, which the game never calls on a place:
    // the platform shows windows as dialogs.)
    void show();
    // The joke pages, and the site's counter of today's visitors.
    void showPages();
    void showVisitors();

    Online::JokesVisit visit_;
    // Made up as the site opens; the digits stand in until then.
    QString visitors_ = QStringLiteral(" 0000");
};
