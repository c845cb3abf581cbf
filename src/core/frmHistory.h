#pragma once
// The history of the game: money, satiety, mood and the bank balance at the end of each day,
// drawn as a chart over the days, and the days in a table under it. It follows the game while
// it is open: a day that ends meanwhile joins it.

#include "ui/Form.h"

#include <memory>

class HistoryChart;
class QLabel;
class QPushButton;
class QTableWidget;

class frmHistory : public Form {
public:
    static constexpr QStringView Name = u"frmHistory";
    explicit frmHistory(Game& game);
    ~frmHistory() override;

    void Form_Load() override;

    QLabel *lblTitle, *lblCount, *lblLast;
    QWidget* chtDays; // the chart, or what says why there is none
    QTableWidget* grdDays;
    QPushButton* cmdBack;

private:
    void showHistory();

    std::unique_ptr<HistoryChart> chart_;
};
