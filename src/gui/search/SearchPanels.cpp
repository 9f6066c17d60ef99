// The two panels of the search window: the criteria, and the results.
#include "gui/search/SearchWindow.h"
#include "kinds/ArchiveProfile.h"
#include "search/ResultListModel.h"
#include "search/SearchForm.h"
#include "storage/RecordLayout.h"
#include "texts/SearchTexts.h"
#include "ui/FocusFrame.h"
#include "ui/TextButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace lumidex {

namespace {

// The look of the two panels, set on each panel and not on the window, so that
// what the window opens over itself (the print dialog, a progress window, a
// message) keeps its own.
const QString searchStyle = QStringLiteral(R"(
#panAvvio, #panContainer { background: white; border: 1px solid #C0C8D0; border-radius: 8px; }
#shpIstruzioni { background: #F0F8FF; border: 1px solid #87CEEB; border-radius: 6px; }
#panAvvio QLabel, #panContainer QLabel { background: transparent; border: none; }
#lblRigo01, #lblRigo02, #lblRigo04, #lblRigo05, #lblRigo06 { font: 9pt "Verdana"; color: #1F3F66; }
QLabel[caption="true"] { font: bold 10pt "Verdana"; color: #1F3F66; }
QLineEdit, QLineEdit:focus { font: bold 12pt "Verdana"; background: white; border: 1px solid #7F9DB9;
    padding: 1px 3px; }
QPushButton { font: 10pt "Verdana"; }
#lblAttendere, #lblTrovate { font: bold 10pt "Verdana"; color: #008B8B; }
#lblRigo03 { font: bold 10pt "Verdana"; color: #DC143C; }
)");

constexpr QSize searchButtonSize { 120, 30 };
// The column of pictures beside the criteria.
constexpr int pictureColumnWidth = 150;

// An SVG drawn at `box` with its proportions kept, on a transparent ground so
// that it sits on any panel.
QPixmap svgPixmap(const QString& resource, const QSize& box, qreal ratio)
{
    QSvgRenderer renderer(resource);
    const QSize size = renderer.defaultSize().scaled(box, Qt::KeepAspectRatio);
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, const QString& resource, const QSize& box)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    const QPixmap pixmap = svgPixmap(resource, box, parent->devicePixelRatioF());
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.deviceIndependentSize().toSize());
    return label;
}

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QPushButton* pushButton(QWidget* parent, const QString& name, const QString& text)
{
    QPushButton* button = makeTextButton(parent, name, text);
    button->setFixedSize(searchButtonSize);
    return button;
}

} // namespace

QWidget* SearchWindow::buildCriteriaPanel()
{
    panAvvio = new QFrame(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setStyleSheet(searchStyle);
    panAvvio->setFixedSize(panelSize);

    auto* instructions = new QFrame(panAvvio);
    instructions->setObjectName(QStringLiteral("shpIstruzioni"));
    imgInfo = pictureLabel(instructions, QStringLiteral("imgInfo"), QStringLiteral(":/icons/info.svg"), QSize(30, 30));
    lblRigo04 = textLabel(instructions, QStringLiteral("lblRigo04"), searchtext::criteriaLine1());
    lblRigo05 = textLabel(instructions, QStringLiteral("lblRigo05"), searchtext::criteriaLine2());
    lblRigo06 = textLabel(instructions, QStringLiteral("lblRigo06"), searchtext::criteriaLine3());
    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    lines->addWidget(lblRigo04);
    lines->addWidget(lblRigo05);
    lines->addWidget(lblRigo06);
    auto* instructionsLayout = new QHBoxLayout(instructions);
    instructionsLayout->setContentsMargins(10, 8, 10, 8);
    instructionsLayout->setSpacing(12);
    instructionsLayout->addWidget(imgInfo, 0, Qt::AlignTop);
    instructionsLayout->addLayout(lines, 1);

    // Two columns, filled along the order Enter walks: left, right, left...
    // The grid's spacing leaves room for the focus frames around the fields.
    auto* fields = new QWidget(panAvvio);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(FocusFrame::reach, FocusFrame::reach, FocusFrame::reach, FocusFrame::reach);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(4);
    QWidget* previous = nullptr;
    for (qsizetype i = 0; i < m_form.criteria.size(); ++i) {
        const SearchCriterion& criterion = m_form.criteria.at(i);
        auto* caption = new QLabel(criterion.caption, fields);
        // Numbered like the field's focus frame.
        caption->setObjectName(QStringLiteral("lblCampo") + criterion.focusFrame.right(2));
        caption->setProperty("caption", true);
        auto* field = new QLineEdit(fields);
        field->setObjectName(criterion.control);
        // The record field holds no more than this; a longer text could match nothing.
        field->setMaxLength(m_form.layout->capacity(criterion.field));
        field->setMinimumHeight(30);
        caption->setBuddy(field);
        new FocusFrame(field, criterion.focusFrame);
        const int row = int(i / 2) * 2;
        const int column = int(i % 2);
        grid->addWidget(caption, row, column);
        grid->addWidget(field, row + 1, column);
        grid->setRowMinimumHeight(row + 1, 30);
        if (previous)
            setTabOrder(previous, field);
        previous = field;
        m_criteria.append(field);
    }
    for (int row = 2; row < grid->rowCount(); row += 2)
        grid->setRowMinimumHeight(row, 28);

    imgTrova01 = pictureLabel(
        panAvvio, QStringLiteral("imgTrova01"), QStringLiteral(":/pictures/trova-colonna.svg"), QSize(36, 330));
    imgTrova02 = pictureLabel(
        panAvvio, QStringLiteral("imgTrova02"), QStringLiteral(":/icons/trova.svg"), QSize(pictureColumnWidth, 78));
    imgTrova03
        = pictureLabel(panAvvio, QStringLiteral("imgTrova03"), m_profile.figurePicture, QSize(pictureColumnWidth, 230));
    auto* figures = new QVBoxLayout;
    figures->setSpacing(12);
    figures->addWidget(imgTrova02, 0, Qt::AlignHCenter);
    figures->addWidget(imgTrova03, 0, Qt::AlignHCenter);
    figures->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(16);
    middle->addWidget(fields, 1, Qt::AlignTop);
    middle->addWidget(imgTrova01, 0, Qt::AlignTop);
    middle->addLayout(figures);

    lblAttendere = new QLabel(searchtext::waiting(), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    // Its place is kept while hidden, so the panel does not shift when it shows.
    QSizePolicy keepPlace = lblAttendere->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblAttendere->setSizePolicy(keepPlace);
    lblAttendere->hide();

    btnAnnulla = pushButton(panAvvio, QStringLiteral("btnAnnulla"), searchtext::closeButton());
    btnCerca = pushButton(panAvvio, QStringLiteral("btnCerca"), searchtext::searchButton());
    setTabOrder(previous, btnCerca);
    setTabOrder(btnCerca, btnAnnulla);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(lblAttendere, 1);
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnCerca);

    auto* column = new QVBoxLayout(panAvvio);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(12);
    column->addWidget(instructions);
    column->addLayout(middle, 1);
    column->addLayout(buttons);
    return panAvvio;
}

QWidget* SearchWindow::buildResultsPanel()
{
    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setStyleSheet(searchStyle);
    panContainer->setFixedSize(panelSize);

    imgLogo = pictureLabel(
        panContainer, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/trova-risultati.svg"), QSize(805, 64));
    lblRigo01 = textLabel(panContainer, QStringLiteral("lblRigo01"), searchtext::resultsLine1());
    lblRigo02 = textLabel(panContainer, QStringLiteral("lblRigo02"), searchtext::resultsLine2());

    imgLente
        = pictureLabel(panContainer, QStringLiteral("imgLente"), QStringLiteral(":/icons/trova.svg"), QSize(30, 32));
    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFixedWidth(340);
    txtTrova->setMinimumHeight(30);
    new FocusFrame(txtTrova, QStringLiteral("effTrova"));
    btnTrova = pushButton(panContainer, QStringLiteral("btnTrova"), searchtext::findButton());
    auto* findRow = new QHBoxLayout;
    findRow->setSpacing(8);
    findRow->addWidget(imgLente);
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch(1);

    lstRecords = new QListView(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(m_lines);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same size: a hundred thousand lines lay out at once.
    lstRecords->setUniformItemSizes(true);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    lblRigo03 = new QLabel(searchtext::resultsLine3(), panContainer);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    lblTrovate = new QLabel(panContainer);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));

    btnChiudi = pushButton(panContainer, QStringLiteral("btnChiudi"), searchtext::closeButton());
    btnStampa = pushButton(panContainer, QStringLiteral("btnStampa"), searchtext::printButton());
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addWidget(lblTrovate, 1);
    bottom->addWidget(btnChiudi);
    bottom->addWidget(btnStampa);

    auto* column = new QVBoxLayout(panContainer);
    column->setContentsMargins(12, 10, 12, 12);
    column->setSpacing(6);
    column->addWidget(imgLogo, 0, Qt::AlignHCenter);
    column->addWidget(lblRigo01);
    column->addWidget(lblRigo02);
    column->addLayout(findRow);
    column->addWidget(lstRecords, 1);
    column->addWidget(lblRigo03);
    column->addLayout(bottom);
    return panContainer;
}

} // namespace lumidex
