#pragma once

#include "search/ResultLines.h"

#include <QAbstractListModel>
#include <QFont>
#include <QSize>

namespace lumidex {

// The result lines of a search, as the list shows them: each in a fixed-pitch
// face so the columns line up, black, one row per line. The lines are given
// sorted and in one go, so a list of a hundred thousand lines fills at once.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ResultListModel(QObject* parent = nullptr);

    void setLines(ResultLines lines);
    void clear() { setLines({}); }
    const ResultLines& lines() const { return m_lines; }
    const QFont& font() const { return m_font; }
    // The length of the longest line, in characters.
    int longestLine() const { return m_lines.longest(); }
    // The size of every row, wide enough for the list to scroll sideways.
    void setItemSize(const QSize& size);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ResultLines m_lines;
    QFont m_font;
    QSize m_itemSize;
};

} // namespace lumidex
