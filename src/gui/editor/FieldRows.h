#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace lumidex {

// One edit field of a card with its caption above it.
struct FieldPlace {
    QLineEdit* edit;
    QString caption;
    // Share of the row's width; 0 keeps the field just wide enough for `sample`
    // (and its caption), or at the width it already has when there is no sample.
    int stretch;
    // The field's longest value, which it always shows whole.
    QString sample = {};
    // A small button right of the field (a check, the e-mail, today's date).
    QWidget* beside = nullptr;
};

// Lays the fields out row by row under whatever `column` already holds; the rows
// share out the height of the sheet rather than leave a gap above the notes.
void addFieldRows(QVBoxLayout* column, const QList<QList<FieldPlace>>& rows);

} // namespace lumidex
