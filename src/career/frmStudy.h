// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The study window: attendance of the evening school, the English courses and the computer
// courses. Each button's caption is its course's attendance; pointing at a button shows the
// course and its daily price.

#include "ui/Form.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QLabel;
class QPushButton;
class Picture;

class frmStudy : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmStudy)

public:
    static constexpr QStringView Name = u"frmStudy";
    explicit frmStudy(Game& game);

    void Form_Load() override;

    Picture* imgStudy;
    QPushButton *cmdSchool, *cmdEnglish, *cmdComp, *cmdBack;
    QLabel *Label2, *lblWhat, *lblZen, *lblCost;

protected:
    void retranslateUi() override;

private:
    void course_Click(size_t course);
    void course_MouseMove(size_t course);
    void Form_MouseMove();

    QPushButton* buttons_[3];
    // What each button says, as the rules word it: the window's model of the attendance.
    QString captions_[3];
    // The course the panel shows.
    std::optional<size_t> pointedAt_;
};
