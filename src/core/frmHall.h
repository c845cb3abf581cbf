// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hall of fame: the ten best lives that ended on this computer, as hall.json in the game's
// data folder keeps them, read when the window opens. The life that has just ended, when it
// made the hall, is marked. The window only reads: a hall file it cannot read is said, and left
// where it is.

#include "state/Hall.h"
#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QPushButton;
class QTableWidget;

class frmHall : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHall)

public:
    static constexpr QStringView Name = u"frmHall";
    explicit frmHall(Game& game);

    void Form_Load() override;
    // Marks the row of the life that began at `life` (the session's ended life), if the hall
    // has one; any other mark goes.
    void markLife(const QString& life);

    QLabel *lblTitle, *lblOrder, *lblEmpty, *lblNote;
    QTableWidget* tblHall;
    QPushButton* cmdBack;

protected:
    // The table and the note, made again in the new language.
    void retranslateUi() override;

private:
    void showTitles();
    void showRows();

    Hall::Rows rows_;
    QString error_;
};
