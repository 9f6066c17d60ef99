#include "find/FoundCardsModel.h"

#include "texts/FindTexts.h"

namespace lumidex {

FoundCardsModel::FoundCardsModel(QObject* parent)
    : QAbstractListModel(parent)
{ }

void FoundCardsModel::setCards(QList<FoundCard> cards)
{
    beginResetModel();
    m_cards = std::move(cards);
    endResetModel();
}

int FoundCardsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_cards.size());
}

QVariant FoundCardsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FoundCard& card = m_cards.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return findtext::foundLine(card.shown);
    case PositionRole:
        return card.position;
    default:
        return {};
    }
}

} // namespace lumidex
