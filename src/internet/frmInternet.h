// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The provider: connects the player to the Internet once, for a fee, and from then on lets
// them out onto the two sites. A site takes the provider's place while the player is online
// and gives it back on disconnecting.

#include "ui/Form.h"

#include <QCoreApplication>

#include <array>

class QLabel;
class QPushButton;
class LineControl;
class Picture;

class frmInternet : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmInternet)

public:
    static constexpr QStringView Name = u"frmInternet";
    explicit frmInternet(Game& game);

    void Form_Load() override;

    // A new game starts offline: the provider goes, and so does a site open in its place,
    // with its hourly charge.
    static void closeOnline(Game& game);

    Picture* imgProvider;
    QLabel *Label1, *Label2;
    QPushButton *cmdPodkl, *cmdWalk, *cmdAnek, *Command5, *cmdBack;
    LineControl *Line1, *Line2, *Line3;

protected:
    void retranslateUi() override;

private:
    void cmdPodkl_Click();
    void cmdWalk_Click();
    void cmdAnek_Click();
    void Command5_Click();

    void showConnected();
    // The connect button's text: an offer, or the word that the player is connected.
    void showConnection();
    // The two sites' buttons and the lines leading to them.
    std::array<QWidget*, 5> siteMap() const;

    bool connected_ = false;
};
