#pragma once

#include <QValidator>
#include <functional>

namespace lumidex {

// What a card field shows is what its card stores. Text that arrives all at once
// (pasted, dropped, composed) is put in the form the archive keeps at once, where
// the user sees it: a character the archive's code page cannot hold becomes "?".
// A field with a key filter drops, from such text, every character its filter
// would refuse as a key. (Typed characters are judged as keys before they arrive.)
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    using CharFilter = std::function<bool(QChar)>;

    explicit FieldValidator(QObject* parent, CharFilter accepts = {});

    State validate(QString& input, int& pos) const override;

private:
    CharFilter m_accepts;
};

} // namespace lumidex
