// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A straight line between two points given in twips, drawn in its parent's coordinates; the
// help window's marker lines are these.

#include <QWidget>

class LineControl : public QWidget {
    Q_OBJECT
public:
    // Named with named<LineControl>(), as every control.
    explicit LineControl(QWidget* parent);

    void setPoints(int x1, int y1, int x2, int y2);
    void setY2(int y) { setPoints(x1_, y1_, x2_, y); }
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};
