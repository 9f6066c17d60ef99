#pragma once

#include "storage/StorableText.h"

#include <QValidator>
#include <functional>

namespace lumidex {

// What a card field shows is what its card stores. Whatever text reaches the
// field is put at once, where the user sees it, in the form the archive keeps
// (storabletext::storableText): a letter the code page cannot hold becomes its
// plain form, any other such character is left out, and the changes go to the
// listener. Stored texts already have this form and pass unchanged.
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    using Listener = std::function<void(const QList<storabletext::Change>&)>;

    using QValidator::QValidator;
    FieldValidator(Listener listener, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    Listener m_listener;
};

} // namespace lumidex
