#include "InfoPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

InfoPanel::InfoPanel(QWidget* parent, std::initializer_list<Row> rows,
                     const char* descriptionCaptionName, const QString& descriptionCaption)
    : QGroupBox(parent)
{
    setObjectName(u"infoPanel"_qs);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int line = 0;
    for (const Row& row : rows) {
        auto* value = new QLabel(row.initial, this);
        value->setObjectName(QString::fromLatin1(row.valueName));
        value->setStyleSheet(u"font-weight: bold; color: #1d3f72;"_qs);
        if (row.captionName) {
            auto* caption = new QLabel(row.caption, this);
            caption->setObjectName(QString::fromLatin1(row.captionName));
            grid->addWidget(caption, line, 0);
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
        auto* caption = new QLabel(descriptionCaption, this);
        caption->setObjectName(QString::fromLatin1(descriptionCaptionName));
        grid->addWidget(caption, line++, 0, 1, 2);
    }
    txtSpec = new QPlainTextEdit(this);
    txtSpec->setObjectName(u"txtSpec"_qs);
    txtSpec->setReadOnly(true);
    txtSpec->setFixedHeight(txtSpec->fontMetrics().lineSpacing() * 4 + 12);
    grid->addWidget(txtSpec, line, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QLabel* InfoPanel::value(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name));
}
