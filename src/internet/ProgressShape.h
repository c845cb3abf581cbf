// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress bars of the download and of a hacking run: a groove the full width of the bar
// (3000 twips) and a filled part whose width in twips the game sets and reads back, as it
// does with any control it sizes.

#include <QWidget>

class ProgressShape : public QWidget {
    Q_OBJECT
public:
    static constexpr int FullWidth = 3000; // twips

    // Named with named<ProgressShape>(), as every control.
    explicit ProgressShape(QWidget* parent);

    int filled() const;
    void setFilled(int twips);
    // Filled to `percent` of the full width.
    void setPercent(int percent) { setFilled(percent * (FullWidth / 100)); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
