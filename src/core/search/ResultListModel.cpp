#include "search/ResultListModel.h"

#include <QBrush>
#include <QColor>

namespace lumidex {

ResultListModel::ResultListModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_font(QStringLiteral("Courier New"), 12)
{
    // Where Courier New is missing, another fixed-pitch face keeps the columns.
    m_font.setStyleHint(QFont::Monospace);
    m_font.setFixedPitch(true);
}

void ResultListModel::setLines(ResultLines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void ResultListModel::setItemSize(const QSize& size)
{
    if (size == m_itemSize)
        return;
    m_itemSize = size;
    if (!m_lines.isEmpty())
        emit dataChanged(index(0), index(int(m_lines.size()) - 1), { Qt::SizeHintRole });
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

} // namespace lumidex
