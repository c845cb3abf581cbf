#pragma once
// The history of the game: money, satiety, mood and the bank balance at the end of each day,
// drawn as a chart over the days, and the days in a table under it. It follows the game while
// it is open: a day that ends meanwhile joins it.

#include "ui/Form.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QValueAxis;

class frmHistory : public Form {
public:
    static constexpr QStringView Name = u"frmHistory";
    explicit frmHistory(Game& game);

    void Form_Load() override;

    QLabel *lblTitle, *lblCount, *lblLast;
    QChartView* chtDays;
    QTableWidget* grdDays;
    QPushButton* cmdBack;

private:
    void showHistory();

    QChart* chart_;
    QLineSeries *money_, *bank_, *satiety_, *mood_;
    QValueAxis *days_, *dollars_, *points_;
};
