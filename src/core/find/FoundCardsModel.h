#pragma once

#include "find/FindIndex.h"

#include <QAbstractListModel>

namespace lumidex {

// The cards the find lists, one row each: the texts of its line (name, town
// and mobile; a book entry's title, date and location) on one row, the card's
// position under FoundCardsModel::PositionRole.
class FoundCardsModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int PositionRole = Qt::UserRole + 1;

    explicit FoundCardsModel(QObject* parent = nullptr);

    void setCards(QList<FoundCard> cards);
    void clear() { setCards({}); }
    const QList<FoundCard>& cards() const { return m_cards; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<FoundCard> m_cards;
};

} // namespace lumidex
