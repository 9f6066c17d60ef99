#pragma once

#include "find/FindFields.h"
#include "find/FindQuery.h"
#include "gui/find/FindField.h"

#include <QObject>

class QLineEdit;

namespace lumidex {

class FindKeeper;
class FindPopup;

// The find field at work: it keeps the archive's index fresh, lists what
// answers at every key, and takes the keys that move in the list, choose from
// it and close it.
class FindAsYouType : public QObject {
    Q_OBJECT
public:
    FindAsYouType(QWidget& host, const FindFields& fields, FindFieldHooks hooks);

    QLineEdit* field() const { return m_field; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Something the user did: the archive is looked at before the list.
    void lookAgainAndList();
    // The list of what is typed, from the index as it is.
    void list();
    void closeList();
    void choose(int row);
    bool fieldKeyPress(int key);

    QWidget& m_host;
    FindFields m_fields;
    FindFieldHooks m_hooks;
    QLineEdit* m_field;
    FindPopup* m_popup;
    FindKeeper* m_keeper;
    FindQuery m_query;
};

} // namespace lumidex
