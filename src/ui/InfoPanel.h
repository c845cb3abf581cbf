#pragma once
// The information panel of the selling windows: the item under the pointer, its figures and a
// description box. Each window names its own labels; the panel lays them out the same way
// everywhere.

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

    QLabel* value(const char* name) const;
    QPlainTextEdit* txtSpec = nullptr;

private:
    QGridLayout* grid_;
    int line_ = 0;
};
