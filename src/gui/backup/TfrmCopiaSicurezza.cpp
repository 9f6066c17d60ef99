#include "gui/backup/TfrmCopiaSicurezza.h"

#include "gui/backup/BackupWork.h"
#include "texts/BackupTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TextButton.h"
#include "ui/TextLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>

namespace lumidex {

namespace {

QPushButton* makeBackupButton(QWidget* parent, const QString& name, const QString& text)
{
    QPushButton* button = makeTextButton(parent, name, text);
    button->setAutoDefault(false);
    button->setMinimumHeight(30);
    return button;
}

// The room for a path on the panel, in pixels.
constexpr int pathWidth = 520;

// The combo box's rows, in order, with what each means.
constexpr backup::Reminder reminderRows[]
    = { backup::Reminder::Never, backup::Reminder::Daily, backup::Reminder::Weekly, backup::Reminder::Monthly };

} // namespace

TfrmCopiaSicurezza::TfrmCopiaSicurezza(const QString& programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_programDir(programDir)
    , panSfondo(new QFrame(this))
    , lblUltima(makeTextLabel(panSfondo, QStringLiteral("lblUltima"), {}))
    , txtCartella(new QLineEdit(panSfondo))
    , cmdScegli(makeBackupButton(panSfondo, QStringLiteral("cmdScegli"), backuptext::chooseFolder()))
    , chkIncludi(new QCheckBox(backuptext::includeOutputs(), panSfondo))
    , cmbPromemoria(new QComboBox(panSfondo))
    , spnConserva(new QSpinBox(panSfondo))
    , cmdEsegui(makeBackupButton(panSfondo, QStringLiteral("cmdEsegui"), backuptext::makeBackup()))
    , cmdRipristina(makeBackupButton(panSfondo, QStringLiteral("cmdRipristina"), backuptext::restore()))
    , cmdRipristinaAltrove(
          makeBackupButton(panSfondo, QStringLiteral("cmdRipristinaAltrove"), backuptext::restoreElsewhere()))
    , cmdChiudi(makeBackupButton(this, QStringLiteral("cmdChiudi"), backuptext::close()))
{
    setUpFixedWindow(this, QStringLiteral("frmCopiaSicurezza"), backuptext::caption(), QSize(600, 470));
    centreOnOwner(this);
    setModal(true);

    lblUltima->setWordWrap(true);
    lblUltima->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtCartella->setObjectName(QStringLiteral("txtCartella"));
    txtCartella->setReadOnly(true);
    txtCartella->setPlaceholderText(backuptext::noFolder());
    txtCartella->setToolTip(backuptext::folderHint());
    cmdScegli->setToolTip(backuptext::chooseFolderTip());
    chkIncludi->setObjectName(QStringLiteral("chkIncludi"));
    chkIncludi->setCursor(Qt::PointingHandCursor);
    chkIncludi->setToolTip(backuptext::includeOutputsTip());
    cmbPromemoria->setObjectName(QStringLiteral("cmbPromemoria"));
    cmbPromemoria->addItems({ backuptext::reminderNever(), backuptext::reminderDaily(), backuptext::reminderWeekly(),
        backuptext::reminderMonthly() });
    spnConserva->setObjectName(QStringLiteral("spnConserva"));
    spnConserva->setRange(0, backup::mostKept);
    // 0 keeps them all.
    spnConserva->setSpecialValueText(backuptext::keepAll());
    spnConserva->setToolTip(backuptext::keepTip());
    cmdRipristinaAltrove->setToolTip(backuptext::restoreElsewhereTip());
    cmdEsegui->setDefault(true);
    layOut();

    m_settings = backup::readSettings(programDir).value_or(backup::Settings());
    showSettings();

    connect(cmdScegli, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdScegliClick);
    connect(chkIncludi, &QCheckBox::clicked, this, &TfrmCopiaSicurezza::chkIncludiClick);
    connect(cmbPromemoria, &QComboBox::activated, this, &TfrmCopiaSicurezza::cmbPromemoriaChange);
    connect(spnConserva, &QSpinBox::valueChanged, this, &TfrmCopiaSicurezza::spnConservaChange);
    connect(cmdEsegui, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdEseguiClick);
    connect(cmdRipristina, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdRipristinaClick);
    connect(cmdRipristinaAltrove, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdRipristinaAltroveClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &TfrmCopiaSicurezza::cmdChiudiClick);
}

void TfrmCopiaSicurezza::layOut()
{
    panSfondo->setObjectName(QStringLiteral("panSfondo"));
    panSfondo->setStyleSheet(QStringLiteral(R"(
QFrame#panSfondo { background: white; border: none; }
QFrame#shpBarra { border: none; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 white); }
QLabel, QCheckBox, QLineEdit, QComboBox, QSpinBox, QPushButton { font: 9pt "Verdana"; color: #1F3F66; }
QLabel#lblTitolo { font: bold 14pt "Verdana"; }
QLabel#lblUltima { font: bold 9pt "Verdana"; }
QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; }
)")
                                 .arg(style::steelBlue().name()));

    auto* title = makeTextLabel(panSfondo, QStringLiteral("lblTitolo"), backuptext::title());
    auto* explanation = makeTextLabel(panSfondo, QStringLiteral("lblSpiegazione"), backuptext::explanation());
    explanation->setWordWrap(true);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(title);
    heading->addWidget(explanation);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(makePicture(panSfondo, QStringLiteral("imgIcona"), QStringLiteral(":/icons/copia-sicurezza.svg"),
                       QSize(56, 56)),
        0, Qt::AlignTop);
    top->addLayout(heading, 1);
    auto* bar = new QFrame(panSfondo);
    bar->setObjectName(QStringLiteral("shpBarra"));
    bar->setFixedHeight(6);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtCartella, 1);
    folderRow->addWidget(cmdScegli);
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(10);
    choices->setVerticalSpacing(8);
    choices->addWidget(
        makeTextLabel(panSfondo, QStringLiteral("lblPromemoria"), backuptext::reminderLabel(), cmbPromemoria), 0, 0);
    choices->addWidget(cmbPromemoria, 0, 1);
    choices->addWidget(
        makeTextLabel(panSfondo, QStringLiteral("lblConserva"), backuptext::keepLabel(), spnConserva), 1, 0);
    choices->addWidget(spnConserva, 1, 1);
    choices->setColumnStretch(2, 1);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->setSpacing(10);
    restoreRow->addWidget(cmdRipristina, 1);
    restoreRow->addWidget(cmdRipristinaAltrove, 1);

    auto* panel = new QVBoxLayout(panSfondo);
    panel->setContentsMargins(14, 12, 14, 12);
    panel->setSpacing(8);
    panel->addLayout(top);
    panel->addWidget(bar);
    panel->addWidget(lblUltima);
    panel->addSpacing(4);
    panel->addWidget(makeTextLabel(panSfondo, QStringLiteral("lblCartella"), backuptext::folderLabel(), txtCartella));
    panel->addLayout(folderRow);
    panel->addWidget(chkIncludi);
    panel->addLayout(choices);
    panel->addStretch(1);
    panel->addWidget(cmdEsegui);
    panel->addLayout(restoreRow);

    cmdChiudi->setFixedWidth(160);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdChiudi);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(18, 18, 18, 14);
    window->setSpacing(12);
    window->addWidget(panSfondo, 1);
    window->addLayout(buttons);
}

void TfrmCopiaSicurezza::showSettings()
{
    // A long path is shortened in its middle to the panel's width; the whole
    // one is in the tooltip.
    const QString file = QDir::toNativeSeparators(m_settings.lastBackupFile);
    lblUltima->ensurePolished();
    const QString shortened = QFontMetrics(lblUltima->font()).elidedText(file, Qt::ElideMiddle, pathWidth);
    lblUltima->setText(m_settings.lastBackup.isValid() ? backuptext::lastBackup(m_settings.lastBackup, shortened)
                                                       : backuptext::noBackupYet());
    lblUltima->setToolTip(m_settings.lastBackup.isValid() ? file : QString());
    txtCartella->setText(QDir::toNativeSeparators(m_settings.targetFolder));
    chkIncludi->setChecked(m_settings.includeOutputs);
    for (int row = 0; row < int(std::size(reminderRows)); ++row)
        if (reminderRows[row] == m_settings.reminder)
            cmbPromemoria->setCurrentIndex(row);
    const QSignalBlocker quiet(spnConserva);
    spnConserva->setValue(m_settings.keep);
}

void TfrmCopiaSicurezza::keepSettings()
{
    QString reason;
    if (backup::writeSettings(m_programDir, m_settings, &reason) || m_settingsFailureTold)
        return;
    m_settingsFailureTold = true;
    interaction().message(this, MessageKind::Warning, backuptext::settingsNotSaved(reason), Buttons::OkCancel);
}

void TfrmCopiaSicurezza::cmdScegliClick()
{
    const QString folder
        = interaction().folderName(this, { backuptext::chooseFolderTitle(), {}, {}, {}, m_settings.targetFolder });
    if (folder.isEmpty())
        return;
    m_settings.targetFolder = QDir::cleanPath(folder);
    txtCartella->setText(QDir::toNativeSeparators(m_settings.targetFolder));
    keepSettings();
}

void TfrmCopiaSicurezza::chkIncludiClick()
{
    m_settings.includeOutputs = chkIncludi->isChecked();
    keepSettings();
}

void TfrmCopiaSicurezza::cmbPromemoriaChange()
{
    const int row = cmbPromemoria->currentIndex();
    if (row < 0 || row >= int(std::size(reminderRows)))
        return;
    m_settings.reminder = reminderRows[row];
    keepSettings();
}

void TfrmCopiaSicurezza::spnConservaChange()
{
    m_settings.keep = spnConserva->value();
    keepSettings();
}

void TfrmCopiaSicurezza::cmdEseguiClick()
{
    if (!runBackup(this, m_programDir, m_settings))
        return;
    // The date and place of this backup, as the backup noted them.
    const backup::Settings noted = backup::readSettings(m_programDir).value_or(m_settings);
    m_settings.lastBackup = noted.lastBackup;
    m_settings.lastBackupFile = noted.lastBackupFile;
    showSettings();
}

void TfrmCopiaSicurezza::cmdRipristinaClick()
{
    if (runRestore(this, m_programDir, RestoreTarget::ProgramFolder))
        showSettings();
}

void TfrmCopiaSicurezza::cmdRipristinaAltroveClick()
{
    runRestore(this, m_programDir, RestoreTarget::OtherFolder);
}

void TfrmCopiaSicurezza::cmdChiudiClick()
{
    reject();
}

void TfrmCopiaSicurezza::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, style::screenBlue(), Qt::white);
}

} // namespace lumidex
