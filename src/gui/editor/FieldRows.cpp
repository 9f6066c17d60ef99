#include "gui/editor/FieldRows.h"

#include "ui/WholeValue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumidex {

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
            // A field of a fixed length stands as wide as its caption, a
            // sentence, or its value; a wider field takes at least its value.
            if (!place.sample.isEmpty())
                showWholeValue(*place.edit, place.sample,
                    place.stretch == 0 ? WholeValueFit::Fixed : WholeValueFit::AtLeast,
                    place.stretch == 0 ? caption->sizeHint().width() : 0);
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
