#pragma once

#include <QValidator>

namespace lumidex {

// What a card field shows is what its card stores. Text that arrives all at once
// (pasted, dropped, composed) is put in the form the archive keeps at once, where
// the user sees it: a character the archive's code page cannot hold becomes "?".
// (Typed characters are judged as keys before they arrive; stored texts already
// have this form and pass unchanged.)
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

} // namespace lumidex
