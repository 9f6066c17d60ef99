#include "gui/shell/TfrmAvvio.h"

#include "common/Formatting.h"
#include "gui/backup/ShowBackup.h"
#include "gui/shell/MakerLinks.h"
#include "gui/shell/ShowAbout.h"
#include "gui/shell/ShowHelp.h"
#include "texts/BackupTexts.h"
#include "texts/MakerContacts.h"
#include "texts/ShellTexts.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

QWidget* makeSeparator(QWidget* parent, const QString& name)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(name);
    bar->setFixedSize(970, 12);
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet(QStringLiteral("background: %1;").arg(style::verticalGradientToWhite(style::steelBlue())));
    return bar;
}

} // namespace

TfrmAvvio::TfrmAvvio(const QString& programDir, QWidget* parent)
    : QWidget(parent)
    , m_programDir(programDir)
{
    // Dates and numbers are formatted alike everywhere from here on.
    applyFormatSettings();

    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(shelltext::startCaption());
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icona-lumidex.svg")));
    resize(style::screenSize);

    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(buildSheet(), 0, 0, Qt::AlignCenter);

    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &QToolButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgSito, &QToolButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
    connect(imgCopia, &QToolButton::clicked, this, &TfrmAvvio::imgCopiaClick);
    for (QToolButton* b : { imgAnagrafica, btnAnagrafica, appAnagrafica })
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::registryRequested);
    for (QToolButton* b : { imgDonne, btnDonne, appDonne })
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::womenBooksRequested);
    for (QToolButton* b : { imgUomini, btnUomini, appUomini })
        connect(b, &QToolButton::clicked, this, &TfrmAvvio::menBooksRequested);
}

QWidget* TfrmAvvio::buildSheet()
{
    auto* sheet = new QFrame(this);
    sheet->setObjectName(QStringLiteral("panSfondo"));
    sheet->setFixedSize(995, 692);
    sheet->setStyleSheet(QStringLiteral("QFrame#panSfondo { background: white; border: 1px solid #CDDFEE; }"
                                        "QToolButton { border: none; background: transparent; }"));

    const auto picture = [sheet](const char* name, const char* resource, QSize size, const QString& tip,
                             const QKeySequence& shortcut = {}) {
        QToolButton* b
            = makePictureButton(sheet, QString::fromLatin1(name), QString::fromLatin1(resource), size, tip, shortcut);
        b->setToolTip(tip);
        return b;
    };

    imgInfo = picture("imgInfo", ":/icons/info.svg", QSize(30, 30), shelltext::infoTip());
    imgIcona
        = makePicture(sheet, QStringLiteral("imgIcona"), QStringLiteral(":/pictures/icona-lumidex.svg"), QSize(69, 74));
    imgTitolo = makePicture(
        sheet, QStringLiteral("imgTitolo"), QStringLiteral(":/pictures/titolo-lumidex.svg"), QSize(763, 65));
    imgGuida = picture(
        "imgGuida", ":/icons/guida-piccola.svg", QSize(29, 28), shelltext::helpTip(), QKeySequence(Qt::Key_F1));
    imgCopia = picture("imgCopia", ":/icons/copia-avvio.svg", QSize(29, 28), backuptext::startMenuTip());
    imgSottotitolo = makePicture(
        sheet, QStringLiteral("imgSottotitolo"), QStringLiteral(":/pictures/sottotitolo.svg"), QSize(961, 22));

    const QSize photo(288, 268);
    imgAnagrafica = picture("imgAnagrafica", ":/pictures/avvio-anagrafica.svg", photo, shelltext::registryTip());
    imgDonne = picture("imgDonne", ":/pictures/avvio-donne.svg", photo, shelltext::womenBooksTip());
    imgUomini = picture("imgUomini", ":/pictures/avvio-uomini.svg", photo, shelltext::menBooksTip());
    linSepara01 = makeSeparator(sheet, QStringLiteral("linSepara01"));
    const QSize strip(308, 30);
    btnAnagrafica
        = picture("btnAnagrafica", ":/icons/pulsante-archivio-anagrafico.svg", strip, shelltext::registryTip());
    btnDonne = picture("btnDonne", ":/icons/pulsante-book-donne.svg", strip, shelltext::womenBooksTip());
    btnUomini = picture("btnUomini", ":/icons/pulsante-book-uomini.svg", strip, shelltext::menBooksTip());
    linSepara02 = makeSeparator(sheet, QStringLiteral("linSepara02"));
    const QSize note(215, 127);
    appAnagrafica = picture("appAnagrafica", ":/pictures/nota-anagrafica.svg", note, shelltext::registryTip());
    appDonne = picture("appDonne", ":/pictures/nota-donne.svg", note, shelltext::womenBooksTip());
    appUomini = picture("appUomini", ":/pictures/nota-uomini.svg", note, shelltext::menBooksTip());
    imgSito = picture("imgSito", ":/pictures/sito.svg", QSize(961, 22), shelltext::siteTip());
    imgCopyright = picture("imgCopyright", ":/icons/copyright.svg", QSize(23, 22), shelltext::creditsTip());
    imgEsci = picture("imgEsci", ":/icons/esci-avvio.svg", QSize(17, 18), shelltext::exitTip());

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(imgIcona);
    top->addWidget(imgTitolo, 0, Qt::AlignVCenter);
    top->addStretch(1);
    top->addWidget(imgCopia, 0, Qt::AlignTop);
    top->addWidget(imgGuida, 0, Qt::AlignTop);

    // Three columns, each one place to go: picture, button strip and note.
    auto* columns = new QGridLayout;
    columns->setHorizontalSpacing(20);
    columns->setVerticalSpacing(0);
    const QList<QList<QWidget*>> places {
        { imgAnagrafica, btnAnagrafica, appAnagrafica },
        { imgDonne, btnDonne, appDonne },
        { imgUomini, btnUomini, appUomini },
    };
    for (int c = 0; c < places.size(); ++c) {
        columns->addWidget(places[c][0], 0, c, Qt::AlignHCenter);
        columns->addWidget(places[c][1], 2, c, Qt::AlignHCenter);
        columns->addWidget(places[c][2], 4, c, Qt::AlignHCenter);
    }
    columns->addWidget(linSepara01, 1, 0, 1, 3, Qt::AlignHCenter);
    columns->addWidget(linSepara02, 3, 0, 1, 3, Qt::AlignHCenter);
    columns->setRowMinimumHeight(1, 22);
    columns->setRowMinimumHeight(3, 22);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgCopyright, 0, Qt::AlignBottom);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci, 0, Qt::AlignBottom);

    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);
    column->addLayout(top);
    column->addWidget(imgSottotitolo, 0, Qt::AlignHCenter);
    column->addSpacing(8);
    column->addLayout(columns);
    column->addStretch(1);
    column->addWidget(imgSito, 0, Qt::AlignHCenter);
    column->addLayout(bottom);
    return sheet;
}

void TfrmAvvio::imgInfoClick()
{
    showInformation(this);
}

void TfrmAvvio::imgCopyrightClick()
{
    showCredits(this);
}

void TfrmAvvio::imgGuidaClick()
{
    showHelp(this, m_programDir, HelpPage::Introduction);
}

void TfrmAvvio::imgSitoClick()
{
    openMakerSite(this);
}

void TfrmAvvio::imgEsciClick()
{
    close();
}

void TfrmAvvio::imgCopiaClick()
{
    showBackupWindow(this, m_programDir);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    offerBackupOnLeaving(this, m_programDir);
    emit closed();
    event->accept();
}

void TfrmAvvio::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::startMenuBlue(), Qt::white);
}

} // namespace lumidex
