#include "gui/editor/FieldRows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumidex {

namespace {

// Wide enough for the sample text in the field's own font, and for its caption.
int widthFor(QLineEdit* edit, const QString& sample, const QLabel* caption)
{
    edit->ensurePolished();
    // Frame, padding and the edit's inner margins on both sides, with a little air.
    constexpr int chrome = 2 * (1 + 3 + 2) + 6;
    const int text = edit->fontMetrics().horizontalAdvance(sample) + chrome;
    return qMax(text, caption->sizeHint().width());
}

} // namespace

void addFieldRows(QVBoxLayout* column, const QList<QList<FieldPlace>>& rows)
{
    QWidget* area = column->parentWidget();
    for (const auto& places : rows) {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        for (const FieldPlace& place : places) {
            auto* cell = new QVBoxLayout;
            cell->setSpacing(1);
            auto* caption = new QLabel(place.caption, area);
            caption->setProperty("role", QStringLiteral("caption"));
            caption->setBuddy(place.edit);
            cell->addWidget(caption);
            if (place.stretch == 0 && !place.sample.isEmpty())
                place.edit->setFixedWidth(widthFor(place.edit, place.sample, caption));
            if (place.beside) {
                auto* line = new QHBoxLayout;
                line->setSpacing(3);
                line->addWidget(place.edit, place.stretch == 0 ? 0 : 1);
                line->addWidget(place.beside);
                if (place.stretch == 0)
                    line->addStretch(1);
                cell->addLayout(line);
            } else {
                cell->addWidget(place.edit);
            }
            row->addLayout(cell, place.stretch);
        }
        column->addStretch(1);
        column->addLayout(row);
    }
    column->addStretch(1);
}

} // namespace lumidex
