// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlayPanel.h"

#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Kit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

PlayPanel::PlayPanel(FormCore& form, QWidget* parent)
    : QWidget(parent)
    , form_(form) {
    setObjectName(u"playPanel"_s);
    QObject::connect(&form.game(), &Game::pauseChanged, this, &PlayPanel::follow);
    follow();
}

PlayPanel::PlayPanel(FormCore& form, QWidget* parent, std::initializer_list<QWidget*> row)
    : PlayPanel(form, parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : row) {
        control->setParent(this);
        layout->addWidget(control);
    }
}

void PlayPanel::coverWhilePaused(QWidget* field) {
    field_ = field;
    // Over the field and over whatever moves on it, so it stands on the field's parent.
    cover_ = heading("lblPause", {}, field->parentWidget());
    translatable(cover_, "text", "PlayPanel", QT_TRANSLATE_NOOP("PlayPanel", "Пауза"));
    cover_->setAlignment(Qt::AlignCenter);
    // What stays usable on a paused field (the lake's "Поехать домой") is clicked through it.
    cover_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Both fields are dark, whatever the theme.
    QPalette light = cover_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    cover_->setPalette(light);
    QFont big = cover_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    cover_->setFont(big);
    // The field may be laid out anew (the arcade's grows with its window).
    field->installEventFilter(this);
    placeCover();
    follow();
}

bool PlayPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeCover();
    return QWidget::eventFilter(watched, event);
}

void PlayPanel::placeCover() {
    if (!cover_ || !field_)
        return;
    const QWidget* over = cover_->parentWidget();
    cover_->setGeometry(QRect(field_->mapTo(over, QPoint(0, 0)), field_->size()));
}

void PlayPanel::follow() {
    const bool paused = form_.game().paused();
    if (cover_) {
        cover_->setVisible(paused);
        if (paused)
            cover_->raise();
    }
    if (paused == held_)
        return;
    held_ = paused;
    if (paused) {
        QWidget* focused = window()->focusWidget();
        focusTaken_ = focused && isAncestorOf(focused) ? focused : nullptr;
    }
    setEnabled(!paused);
    if (!paused && focusTaken_ && focusTaken_->isEnabled() && focusTaken_->isVisible())
        focusTaken_->setFocus(Qt::OtherFocusReason);
}
