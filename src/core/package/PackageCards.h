#pragma once

#include "storage/Card.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QString>

namespace lumidex::package {

// A registry card as the package's list shows it: the fields the list filters
// on, nothing else.
struct PackageCard {
    int position = 0;
    QString name;
    QString sex;
    QString eyes;
    QString hair;
    QString availability;
};

// Every card of the registry at `archivePath` in file order, in one visit that
// decodes the listed fields only. Throws ArchiveError.
QList<PackageCard> readPackageCards(const QString& archivePath);

// The whole records of the cards at `positions`, in file order, in one visit.
// Throws ArchiveError.
QList<Card> readChosenCards(const QString& archivePath, const QSet<int>& positions);

// The registry's cards with a check box each. The ticks belong to the cards, so
// a filter that hides a card keeps its tick.
class PackageCardModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setCards(QList<PackageCard> cards);
    const PackageCard& card(int row) const { return m_cards.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Ticks or clears the cards of `rows` at once.
    void setChecked(const QList<int>& rows, bool checked);
    int checkedCount() const { return int(m_checked.size()); }
    // The positions of the ticked cards.
    const QSet<int>& checkedPositions() const { return m_checked; }

signals:
    void checkedCountChanged(int count);

private:
    QList<PackageCard> m_cards;
    QSet<int> m_checked;
};

// The cards whose name, sex, eyes, hair or availability contain the typed text,
// by the search's rules: the text exactly as typed, blanks included, the letters
// A to Z matching either case; a text of blanks only narrows nothing.
class PackageCardFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterText(const QString& text);
    static bool matches(const PackageCard& card, const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_text;
};

} // namespace lumidex::package
