// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The information panel of the selling windows: the item under the pointer, its figures and a
// description box. Each window names its own labels; the panel lays them out the same way
// everywhere. The windows that sell by the piece (the flat, the computer parts, the programs)
// share one panel, made by forGoods(), that they fill with offer() and clear().

#include <QGroupBox>
#include <QString>

#include <initializer_list>

class QGridLayout;
class QLabel;
class QPlainTextEdit;

class InfoPanel : public QGroupBox {
    Q_OBJECT
public:
    struct Row {
        const char* captionName; // nullptr: the value stands alone, as a heading
        QString caption;
        const char* valueName;
        QString initial;
    };

    // descriptionCaptionName may be nullptr for a description box without a caption.
    InfoPanel(QWidget* parent, std::initializer_list<Row> rows, const char* descriptionCaptionName,
              const QString& descriptionCaption);
    // A panel of figures only, without a description box.
    InfoPanel(QWidget* parent, std::initializer_list<Row> rows);

    // The item as a heading (lblWhat), its price (lblZen "Цена:" lblM) and a short description
    // (Label2 "Кратко:" over txtSpec), showing nothing at first.
    static InfoPanel* forGoods(QWidget* parent);
    // What the heading of a panel for goods shows while the pointer is on nothing.
    static const QString Nothing;

    // A panel for goods shows the item under the pointer, or nothing (with `text` in its
    // description box, for a window that says something of its own there).
    void offer(const QString& what, const QString& price, const QString& text);
    void clear(const QString& text = {});

    QLabel* value(const char* name) const;
    // The label `name` (a caption, or a value) shows `source`, marked
    // QT_TRANSLATE_NOOP("InfoPanel", ...), in the player's language from now on.
    void says(const char* name, const char* source);
    QPlainTextEdit* txtSpec = nullptr;

private:
    QGridLayout* grid_;
    int line_ = 0;
    QLabel* what_ = nullptr;
    QLabel* price_ = nullptr;
};
