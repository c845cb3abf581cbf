// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture control: shows one named piece of art from assets/ (":/assets/NAME.svg"), scaled
// to the control and kept sharp on high-DPI screens. The name is what the game compares when
// it asks whether two controls show the same picture. Art with words drawn in has a twin in
// each other language (NAME_en.svg), drawn instead while the player reads that language.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace Pictures {
// The art rendered at logical size x device pixel ratio, cached by name, size and ratio.
QPixmap pixmap(const QString& name, QSize logicalSize, qreal devicePixelRatio);
QSize naturalSize(const QString& name);
// The art as a button icon, sharp on ordinary and double-density screens.
QIcon icon(const QString& name, QSize logicalSize);
} // namespace Pictures

class Picture : public QWidget {
    Q_OBJECT
public:
    // Named with named<Picture>(), as every control.
    explicit Picture(const QString& pictureName = {}, QWidget* parent = nullptr);

    const QString& pictureName() const { return pictureName_; }
    void setPicture(const QString& name);
    // "Takes the picture of" another control.
    void copyPicture(const Picture& other) { setPicture(other.pictureName()); }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString pictureName_;
};
