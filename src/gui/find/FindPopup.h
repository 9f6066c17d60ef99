#pragma once

#include "find/FindIndex.h"

#include <QFrame>

class QLabel;
class QListView;

namespace lumidex {

class FoundCardsModel;

// The list under the find field: how many cards answer (or that the index is
// being made, or why it cannot be), and the best of them, a row each. It
// never takes the focus, which stays in the field the user types in.
class FindPopup : public QFrame {
    Q_OBJECT
public:
    explicit FindPopup(QWidget* host);

    void showPreparing();
    void showFailure(const QString& why);
    void showFound(const FindResult& found);

    int rowCount() const;
    // The row chosen with Up and Down, or -1.
    int currentRow() const;
    void setCurrentRow(int row);
    // The position of the card of `row`.
    int positionAt(int row) const;

    // Shows the list under `field`, within the host.
    void showUnder(const QWidget& field);

signals:
    void rowClicked(int row);

private:
    void showCount(const QString& text);

    QLabel* m_count;
    QListView* m_list;
    FoundCardsModel* m_model;
};

} // namespace lumidex
