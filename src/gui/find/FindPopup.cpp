#include "gui/find/FindPopup.h"

#include "find/FoundCardsModel.h"
#include "texts/FindTexts.h"

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace lumidex {

namespace {

// Rows shown at once; more scroll.
constexpr int visibleRows = 10;
constexpr int popupWidth = 440;

} // namespace

FindPopup::FindPopup(QWidget* host)
    : QFrame(host)
    , m_count(new QLabel(this))
    , m_list(new QListView(this))
    , m_model(new FoundCardsModel(this))
{
    setObjectName(QStringLiteral("panTrovaAlVolo"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_count->setObjectName(QStringLiteral("lblTrovaAlVolo"));
    m_count->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("lstTrovaAlVolo"));
    m_list->setModel(m_model);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 3, 4, 4);
    column->setSpacing(3);
    column->addWidget(m_count);
    column->addWidget(m_list);

    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { emit rowClicked(index.row()); });
    hide();
}

void FindPopup::showCount(const QString& text)
{
    m_count->setText(text);
}

void FindPopup::showPreparing()
{
    m_model->clear();
    m_list->hide();
    showCount(findtext::preparing());
}

void FindPopup::showFailure(const QString& why)
{
    m_model->clear();
    m_list->hide();
    showCount(why);
}

void FindPopup::showFound(const FindResult& found)
{
    m_model->setCards(found.best);
    m_list->setVisible(!found.best.isEmpty());
    m_list->scrollToTop();
    showCount(findtext::count(found.count));
}

int FindPopup::rowCount() const
{
    return m_model->rowCount();
}

int FindPopup::currentRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FindPopup::setCurrentRow(int row)
{
    const QModelIndex index = m_model->index(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}

int FindPopup::positionAt(int row) const
{
    return m_model->index(row).data(FoundCardsModel::PositionRole).toInt();
}

void FindPopup::showUnder(const QWidget& field)
{
    QWidget* host = parentWidget();
    const int width = qMin(popupWidth, host->width());
    // The list as tall as its rows, up to visibleRows; more scroll.
    const int rows = qMin(rowCount(), visibleRows);
    if (rows > 0)
        m_list->setFixedHeight(rows * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth());
    const QSize size(width,
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : layout()->totalSizeHint().height());
    // Under the field, its right edge on the field's, kept within the host.
    const QPoint fieldBottomRight = field.mapTo(host, QPoint(field.width(), field.height()));
    const int x = qBound(0, fieldBottomRight.x() - size.width(), host->width() - size.width());
    const int y = qMin(fieldBottomRight.y() + 1, host->height() - size.height());
    setGeometry(QRect(QPoint(x, y), size));
    show();
    raise();
}

} // namespace lumidex
