#include "internet/OnlineKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace OnlineKit {

QHBoxLayout* hoursRow(QLabel* caption, QLabel* hours, QPushButton* disconnect) {
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(hours);
    row->addStretch(1);
    row->addWidget(disconnect);
    return row;
}

void hour(GameState& state, QLabel* hours, Online::Site site) {
    QString count = hours->text();
    Online::hour(state, count, site);
    hours->setText(count);
}

void keepPlaceWhenHidden(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
}

} // namespace OnlineKit
