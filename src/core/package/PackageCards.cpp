#include "package/PackageCards.h"

#include "common/Text.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <algorithm>

namespace lumidex::package {

namespace {

QString listLine(const PackageCard& card)
{
    QStringList details;
    for (const QString& detail : { card.sex, card.eyes, card.hair, card.availability }) {
        if (!detail.isEmpty())
            details << detail;
    }
    const QString name = card.name.isEmpty() ? QStringLiteral("(senza nome)") : card.name;
    return details.isEmpty() ? name : name + QStringLiteral("  —  ") + details.join(QStringLiteral(", "));
}

} // namespace

QList<PackageCard> readPackageCards(const QString& archivePath)
{
    QList<PackageCard> cards;
    Archive(archivePath, layouts::registry).visit([&cards](int position, const RecordView& record) {
        cards.append(
            { position, record.text(layouts::registry.indexOf("Nome")), record.text(layouts::registry.indexOf("Sesso")),
                record.text(layouts::registry.indexOf("Occhi")), record.text(layouts::registry.indexOf("Capelli")),
                record.text(layouts::registry.indexOf("Disponibilita")) });
        return true;
    });
    return cards;
}

QList<Card> readChosenCards(const QString& archivePath, const QSet<int>& positions)
{
    QList<Card> cards;
    if (positions.isEmpty())
        return cards;
    const int last = *std::max_element(positions.begin(), positions.end());
    Archive(archivePath, layouts::registry).visit([&](int position, const RecordView& record) {
        if (positions.contains(position))
            cards.append({ position, record.texts() });
        return position < last;
    });
    return cards;
}

void PackageCardModel::setCards(QList<PackageCard> cards)
{
    beginResetModel();
    m_cards = std::move(cards);
    m_checked.clear();
    endResetModel();
    emit checkedCountChanged(0);
}

int PackageCardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_cards.size());
}

QVariant PackageCardModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PackageCard& card = m_cards.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return listLine(card);
    case Qt::CheckStateRole:
        return m_checked.contains(card.position) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool PackageCardModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setChecked({ index.row() }, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags PackageCardModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void PackageCardModel::setChecked(const QList<int>& rows, bool checked)
{
    const qsizetype before = m_checked.size();
    int first = int(m_cards.size());
    int last = -1;
    for (int row : rows) {
        if (row < 0 || row >= m_cards.size())
            continue;
        const int position = m_cards.at(row).position;
        if (checked == m_checked.contains(position))
            continue;
        if (checked)
            m_checked.insert(position);
        else
            m_checked.remove(position);
        first = std::min(first, row);
        last = std::max(last, row);
    }
    if (last < 0)
        return;
    emit dataChanged(index(first), index(last), { Qt::CheckStateRole });
    if (m_checked.size() != before)
        emit checkedCountChanged(int(m_checked.size()));
}

void PackageCardFilter::setFilterText(const QString& text)
{
    m_text = text;
    invalidateFilter();
}

bool PackageCardFilter::matches(const PackageCard& card, const QString& text)
{
    if (text::trimmed(text).isEmpty())
        return true;
    for (const QString* field : { &card.name, &card.sex, &card.eyes, &card.hair, &card.availability }) {
        if (text::containsAsciiCaseInsensitive(*field, text))
            return true;
    }
    return false;
}

bool PackageCardFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* cards = static_cast<const PackageCardModel*>(sourceModel());
    return matches(cards->card(sourceRow), m_text);
}

} // namespace lumidex::package
