#include "ui/InfoPanel.h"

#include "ui/Kit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

InfoPanel::InfoPanel(QWidget* parent, std::initializer_list<Row> rows,
                     const char* descriptionCaptionName, const QString& descriptionCaption)
    : QGroupBox(parent) {
    setObjectName(u"infoPanel"_s);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int line = 0;
    for (const Row& row : rows) {
        auto* value = named<QLabel>(row.valueName, row.initial, this);
        markAsFigure(value);
        if (row.captionName) {
            grid->addWidget(named<QLabel>(row.captionName, row.caption, this), line, 0);
            grid->addWidget(value, line, 1);
        } else {
            QFont heading = value->font();
            heading.setPointSize(heading.pointSize() + 2);
            value->setFont(heading);
            grid->addWidget(value, line, 0, 1, 2);
        }
        ++line;
    }
    if (descriptionCaptionName) {
        grid->addWidget(named<QLabel>(descriptionCaptionName, descriptionCaption, this), line++, 0,
                        1, 2);
    }
    txtSpec = named<QPlainTextEdit>("txtSpec", this);
    txtSpec->setReadOnly(true);
    txtSpec->setFixedHeight(txtSpec->fontMetrics().lineSpacing() * 4 + 12);
    grid->addWidget(txtSpec, line, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QLabel* InfoPanel::value(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}
