// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The history of the game: money, satiety, mood and the bank balance at the end of each day,
// drawn as a chart over the days, and the days in a table under it. It follows the game while
// it is open: a day that ends meanwhile joins it. A hundred years of play are 36,500 days, so
// the table reads the game's days where they are, row by row as they come into sight.

#include "ui/Form.h"

#include <QCoreApplication>

#include <memory>

class HistoryChart;
class QLabel;
class QPushButton;
class QTableView;

class frmHistory : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHistory)

public:
    static constexpr QStringView Name = u"frmHistory";
    explicit frmHistory(Game& game);
    ~frmHistory() override;

    void Form_Load() override;

    QLabel *lblTitle, *lblCount, *lblLast;
    QWidget* chtDays; // the chart, or what says why there is none
    QTableView* grdDays;
    QPushButton* cmdBack;

protected:
    // The lines about the days and the table's titles, in the new language.
    void retranslateUi() override;

private:
    class DaysModel;

    void dayRecorded();
    void historyReplaced();
    // The chart and the lines about the days, and the table at its last day.
    void showHistory();
    // The lines about the days: how many, and the last.
    void showCount();

    DaysModel* days_;
    std::unique_ptr<HistoryChart> chart_;
};
