#include "gui/package/TfrmPacchetto.h"

#include "storage/Layouts.h"
#include "texts/PackageTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TextButton.h"
#include "ui/TextLabel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

QList<QCheckBox*> makeFieldBoxes(QWidget* parent)
{
    QList<QCheckBox*> boxes;
    const package::FieldChoice defaults;
    for (const package::OfferedField& offered : package::offeredFields()) {
        auto* box = new QCheckBox(offered.caption, parent);
        box->setObjectName(
            QStringLiteral("chk") + QString::fromStdString(std::string(layouts::registry.field(offered.field).name)));
        box->setChecked(defaults.includes(offered.field));
        box->setCursor(Qt::PointingHandCursor);
        boxes << box;
    }
    return boxes;
}

QPushButton* makePackageButton(QWidget* parent, const QString& name, const QString& text, int width = 145)
{
    QPushButton* button = makeTextButton(parent, name, text);
    button->setFixedSize(width, 28);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmPacchetto::TfrmPacchetto(QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , panSfondo(new QFrame(this))
    , txtFiltro(new QLineEdit(panSfondo))
    , lstSchede(new QListView(panSfondo))
    , cmdSelezionaTutte(
          makePackageButton(panSfondo, QStringLiteral("cmdSelezionaTutte"), packagetext::selectAll(), 130))
    , cmdDeselezionaTutte(
          makePackageButton(panSfondo, QStringLiteral("cmdDeselezionaTutte"), packagetext::selectNone(), 130))
    , lblScelte(makeTextLabel(panSfondo, QStringLiteral("lblScelte"), packagetext::chosenCount(0, 0)))
    , txtCliente(new QLineEdit(panSfondo))
    , txtNota(new QPlainTextEdit(panSfondo))
    , chkCampi(makeFieldBoxes(panSfondo))
    , chkFoto(new QCheckBox(packagetext::picturesChoice(), panSfondo))
    , cmdCreaPdf(makePackageButton(this, QStringLiteral("cmdCreaPdf"), packagetext::makePdf()))
    , cmdCreaWeb(makePackageButton(this, QStringLiteral("cmdCreaWeb"), packagetext::makeWeb()))
    , cmdChiudi(makePackageButton(this, QStringLiteral("cmdChiudi"), packagetext::close()))
{
    setUpFixedWindow(this, QStringLiteral("frmPacchetto"), packagetext::caption(), QSize(900, 600));
    centreOnOwner(this);
    setModal(true);

    m_filter.setSourceModel(&m_cards);
    lstSchede->setObjectName(QStringLiteral("lstSchede"));
    lstSchede->setModel(&m_filter);
    lstSchede->setUniformItemSizes(true);
    lstSchede->setSelectionMode(QAbstractItemView::SingleSelection);
    txtFiltro->setObjectName(QStringLiteral("txtFiltro"));
    txtFiltro->setPlaceholderText(packagetext::filterHint());
    txtFiltro->setClearButtonEnabled(true);
    txtCliente->setObjectName(QStringLiteral("txtCliente"));
    txtCliente->setMaxLength(100);
    txtNota->setObjectName(QStringLiteral("txtNota"));
    txtNota->setTabChangesFocus(true);
    txtNota->setFixedHeight(64);
    chkFoto->setObjectName(QStringLiteral("chkFoto"));
    chkFoto->setChecked(true);
    chkFoto->setCursor(Qt::PointingHandCursor);
    cmdCreaWeb->setDefault(true);
    layOut();

    connect(txtFiltro, &QLineEdit::textChanged, this, &TfrmPacchetto::txtFiltroChange);
    connect(cmdSelezionaTutte, &QPushButton::clicked, this, &TfrmPacchetto::cmdSelezionaTutteClick);
    connect(cmdDeselezionaTutte, &QPushButton::clicked, this, &TfrmPacchetto::cmdDeselezionaTutteClick);
    connect(cmdCreaPdf, &QPushButton::clicked, this, &TfrmPacchetto::cmdCreaPdfClick);
    connect(cmdCreaWeb, &QPushButton::clicked, this, &TfrmPacchetto::cmdCreaWebClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmPacchetto::cmdChiudiClick);
    connect(&m_cards, &package::PackageCardModel::checkedCountChanged, this, &TfrmPacchetto::showChosenCount);
    connect(&m_filter, &QAbstractItemModel::rowsInserted, this, &TfrmPacchetto::showChosenCount);
    connect(&m_filter, &QAbstractItemModel::rowsRemoved, this, &TfrmPacchetto::showChosenCount);
    connect(&m_filter, &QAbstractItemModel::modelReset, this, &TfrmPacchetto::showChosenCount);
}

void TfrmPacchetto::layOut()
{
    panSfondo->setObjectName(QStringLiteral("panSfondo"));
    panSfondo->setStyleSheet(QStringLiteral(R"(
QFrame#panSfondo { background: white; border: none; }
QFrame#shpBarra { border: none; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 white); }
QLabel, QCheckBox, QLineEdit, QPlainTextEdit, QListView { font: 9pt "Verdana"; color: #1F3F66; }
QLabel#lblTitolo { font: bold 14pt "Verdana"; }
QLabel#lblScelte, QLabel#lblDati, QLabel#lblPersonali { font: bold 9pt "Verdana"; }
QLineEdit, QPlainTextEdit { background: #F0F8FF; border: 1px solid #87CEEB; }
QLineEdit:focus, QPlainTextEdit:focus { background: #FFFF00; }
QListView { border: 1px solid #87CEEB; }
)")
                                 .arg(style::steelBlue().name()));

    auto* title = makeTextLabel(panSfondo, QStringLiteral("lblTitolo"), packagetext::title());
    auto* explanation = makeTextLabel(panSfondo, QStringLiteral("lblSpiegazione"), packagetext::explanation());
    explanation->setWordWrap(true);
    auto* bar = new QFrame(panSfondo);
    bar->setObjectName(QStringLiteral("shpBarra"));
    bar->setFixedHeight(6);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(title);
    heading->addWidget(explanation);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(
        makePicture(panSfondo, QStringLiteral("imgIcona"), QStringLiteral(":/icons/pacchetto.svg"), QSize(56, 58)), 0,
        Qt::AlignTop);
    top->addLayout(heading, 1);

    // The cards on the left.
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(makeTextLabel(panSfondo, QStringLiteral("lblFiltro"), packagetext::filterLabel(), txtFiltro));
    filterRow->addWidget(txtFiltro, 1);
    auto* tickRow = new QHBoxLayout;
    tickRow->addWidget(cmdSelezionaTutte);
    tickRow->addWidget(cmdDeselezionaTutte);
    tickRow->addStretch(1);
    auto* cardsColumn = new QVBoxLayout;
    cardsColumn->setSpacing(6);
    cardsColumn->addLayout(filterRow);
    cardsColumn->addWidget(lstSchede, 1);
    cardsColumn->addLayout(tickRow);
    cardsColumn->addWidget(lblScelte);

    // The client and what to include on the right.
    auto* choiceColumn = new QVBoxLayout;
    choiceColumn->setSpacing(5);
    choiceColumn->addWidget(
        makeTextLabel(panSfondo, QStringLiteral("lblCliente"), packagetext::clientLabel(), txtCliente));
    choiceColumn->addWidget(txtCliente);
    choiceColumn->addWidget(makeTextLabel(panSfondo, QStringLiteral("lblNota"), packagetext::noteLabel(), txtNota));
    choiceColumn->addWidget(txtNota);
    choiceColumn->addSpacing(4);
    const auto addBoxes = [&](const QString& name, const QString& caption, bool personal) {
        choiceColumn->addWidget(makeTextLabel(panSfondo, name, caption));
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(2);
        int at = 0;
        for (qsizetype i = 0; i < chkCampi.size(); ++i) {
            if (package::offeredFields().at(i).personal != personal)
                continue;
            grid->addWidget(chkCampi.at(i), at / 3, at % 3);
            ++at;
        }
        if (!personal)
            grid->addWidget(chkFoto, at / 3, at % 3);
        choiceColumn->addLayout(grid);
    };
    addBoxes(QStringLiteral("lblDati"), packagetext::fieldsLabel(), false);
    choiceColumn->addSpacing(4);
    addBoxes(QStringLiteral("lblPersonali"), packagetext::personalLabel(), true);
    choiceColumn->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addLayout(cardsColumn, 5);
    columns->addLayout(choiceColumn, 6);

    auto* panel = new QVBoxLayout(panSfondo);
    panel->setContentsMargins(14, 12, 14, 12);
    panel->setSpacing(10);
    panel->addLayout(top);
    panel->addWidget(bar);
    panel->addLayout(columns, 1);

    for (QPushButton* button : { cmdChiudi, cmdCreaPdf, cmdCreaWeb })
        button->setStyleSheet(QStringLiteral("font: 9pt \"Verdana\";"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(cmdChiudi);
    buttons->addStretch(1);
    buttons->addWidget(cmdCreaPdf);
    buttons->addWidget(cmdCreaWeb);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(18, 18, 18, 14);
    window->setSpacing(12);
    window->addWidget(panSfondo, 1);
    window->addLayout(buttons);
}

void TfrmPacchetto::setRegistry(const QString& programDir, QList<package::PackageCard> cards)
{
    m_programDir = programDir;
    m_cards.setCards(std::move(cards));
    showChosenCount();
}

QCheckBox* TfrmPacchetto::fieldBox(int field) const
{
    for (qsizetype i = 0; i < chkCampi.size(); ++i) {
        if (package::offeredFields().at(i).field == field)
            return chkCampi.at(i);
    }
    return nullptr;
}

package::FieldChoice TfrmPacchetto::fieldChoice() const
{
    package::FieldChoice choice;
    for (qsizetype i = 0; i < chkCampi.size(); ++i)
        choice.include(package::offeredFields().at(i).field, chkCampi.at(i)->isChecked());
    choice.setPictures(chkFoto->isChecked());
    return choice;
}

void TfrmPacchetto::txtFiltroChange()
{
    m_filter.setFilterText(txtFiltro->text());
    showChosenCount();
}

void TfrmPacchetto::tickShown(bool checked)
{
    QList<int> rows;
    rows.reserve(m_filter.rowCount());
    for (int row = 0; row < m_filter.rowCount(); ++row)
        rows << m_filter.mapToSource(m_filter.index(row, 0)).row();
    m_cards.setChecked(rows, checked);
}

void TfrmPacchetto::cmdSelezionaTutteClick()
{
    tickShown(true);
}

void TfrmPacchetto::cmdDeselezionaTutteClick()
{
    tickShown(false);
}

void TfrmPacchetto::showChosenCount()
{
    lblScelte->setText(packagetext::chosenCount(m_cards.checkedCount(), m_cards.rowCount()));
}

void TfrmPacchetto::cmdChiudiClick()
{
    reject();
}

void TfrmPacchetto::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::screenBlue(), Qt::white);
}

} // namespace lumidex
