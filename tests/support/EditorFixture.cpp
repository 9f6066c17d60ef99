#include "support/EditorFixture.h"
#include "support/TestMetaTypes.h"

#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/TestHelpers.h"
#include "support/TestRecords.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStatusTipEvent>

namespace lumidex::test {

namespace {

// What tells the kinds apart in their files and records.
struct KindFacts {
    const char* name;
    const RecordLayout* layout;
    int recordSize;
    int editFields;
    int notesOffset;
    QString photoFolder;
    // Books only: the book file's extension.
    QString extension;
    // The first field of the seeded records, and the first attached file.
    QString recordName;
    QString attachment;
    QString attachmentDescription;
    HelpPage helpPage;
};

const KindFacts& facts(ArchiveKind kind)
{
    static const KindFacts registry { "registry", &layouts::registry, 3847, 26, 2090, QStringLiteral("Anagrafica"), {},
        QStringLiteral("Persona %1"), QStringLiteral("contratto.pdf"), QStringLiteral("Contratto firmato"),
        HelpPage::Registry };
    static const KindFacts men { "men", &layouts::book, 3548, 12, 1791, QStringLiteral("Book_Uomini"),
        QStringLiteral(".men"), QStringLiteral("Foto %1"), QStringLiteral("liberatoria.pdf"),
        QStringLiteral("Liberatoria firmata"), HelpPage::Books };
    static const KindFacts women { "women", &layouts::book, 3548, 12, 1791, QStringLiteral("Book_Donne"),
        QStringLiteral(".wmn"), QStringLiteral("Foto %1"), QStringLiteral("liberatoria.pdf"),
        QStringLiteral("Liberatoria firmata"), HelpPage::Books };
    switch (kind) {
    case ArchiveKind::Registry:
        break;
    case ArchiveKind::MenBook:
        return men;
    case ArchiveKind::WomenBook:
        return women;
    }
    return registry;
}

QString photoFileName(ArchiveKind kind, int position)
{
    if (kind == ArchiveKind::Registry)
        return QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(position);
    return QStringLiteral("%1/%2_Foto_%3.jpg").arg(facts(kind).photoFolder, EditorFixture::bookName).arg(position);
}

int fieldIndex(const RecordLayout& layout, const QString& control)
{
    const QByteArray name = control.mid(3).toLatin1();
    const int index = layout.indexOf(std::string_view(name.constData(), std::size_t(name.size())));
    if (index < 0)
        qFatal("no record field for %s", qPrintable(control));
    return index;
}

} // namespace

const QList<ArchiveKind>& editorKinds()
{
    static const QList<ArchiveKind> all { ArchiveKind::Registry, ArchiveKind::MenBook, ArchiveKind::WomenBook };
    return all;
}

const QList<ArchiveKind>& bookKinds()
{
    static const QList<ArchiveKind> books { ArchiveKind::MenBook, ArchiveKind::WomenBook };
    return books;
}

const char* kindName(ArchiveKind kind)
{
    return facts(kind).name;
}

void addKindRows(const QList<ArchiveKind>& kinds)
{
    QTest::addColumn<ArchiveKind>("kind");
    for (ArchiveKind kind : kinds)
        QTest::newRow(kindName(kind)) << kind;
}

const RecordLayout& recordLayout(ArchiveKind kind)
{
    return *facts(kind).layout;
}

int editFieldCount(ArchiveKind kind)
{
    return facts(kind).editFields;
}

const QList<FieldShape>& recordFields(ArchiveKind kind)
{
    return kind == ArchiveKind::Registry ? registryRecordFields() : bookRecordFields();
}

QStringList fieldControls(ArchiveKind kind)
{
    QStringList controls;
    for (int i = 0; i < editFieldCount(kind); ++i)
        controls << QStringLiteral("txt") + QString::fromLatin1(recordFields(kind).at(i).name);
    return controls;
}

void addKindRows(const char* column, const QStringList& values)
{
    QTest::addColumn<ArchiveKind>("kind");
    QTest::addColumn<QString>(column);
    for (ArchiveKind kind : editorKinds())
        for (const QString& value : values)
            QTest::addRow("%s %s", kindName(kind), qPrintable(value)) << kind << value;
}

std::unique_ptr<CardEditor> makeEditor(ArchiveKind kind, const QString& programDir, const QString& bookName)
{
    if (kind == ArchiveKind::Registry)
        return std::make_unique<TfrmAnagrafica>(programDir);
    std::unique_ptr<BookEditor> book;
    if (kind == ArchiveKind::MenBook)
        book = std::make_unique<TfrmBookUomini>(programDir);
    else
        book = std::make_unique<TfrmBookDonne>(programDir);
    if (!bookName.isEmpty())
        book->setBook(QDir(programDir).filePath(bookName + facts(kind).extension), bookName);
    return book;
}

QList<CardField> requiredFields(ArchiveKind kind)
{
    if (kind == ArchiveKind::Registry)
        return {
            { QStringLiteral("txtNome"), 0, QStringLiteral("Anna Rossi"),
                QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome della persona.") },
            { QStringLiteral("txtSesso"), 51, QStringLiteral("F"),
                QStringLiteral(
                    "Attenzione: per salvare la scheda è necessario indicare il sesso della persona (M o F).") },
            { QStringLiteral("txtCittadinanza"), 64, QStringLiteral("Italiana"),
                QStringLiteral(
                    "Attenzione: per salvare la scheda è necessario indicare la cittadinanza della persona.") },
        };
    return {
        { QStringLiteral("txtTitolo"), 0, QStringLiteral("Ritratto al tramonto"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo della foto.") },
        { QStringLiteral("txtData"), 372, QStringLiteral("14/07/2023"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della foto.") },
        { QStringLiteral("txtLocation"), 383, QStringLiteral("Portofino"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la location della foto.") },
    };
}

void fillRequiredFields(CardEditor* editor, ArchiveKind kind)
{
    for (const CardField& field : requiredFields(kind))
        named<QLineEdit>(editor, field.control)->setText(field.value);
}

const QString EditorFixture::bookName = QStringLiteral("Estate 2024");

EditorFixture::EditorFixture(ArchiveKind kind)
    : m_kind(kind)
    , m_user(std::make_unique<ScriptedInteraction>())
    , m_editor(makeEditor(kind, m_dir.path(), bookName))
{
    if (!m_dir.isValid())
        qFatal("no temporary program folder");
    m_editor->show();
    if (!QTest::qWaitForWindowExposed(m_editor.get()))
        qFatal("the editor did not come up");
    // Focus checks need the editor to be the active window.
    m_editor->activateWindow();
    if (!QTest::qWaitForWindowActive(m_editor.get()))
        qWarning("the editor is not the active window");
}

EditorFixture::~EditorFixture()
{
    closeModalLeftovers();
}

BookEditor* EditorFixture::bookEditor() const
{
    return qobject_cast<BookEditor*>(m_editor.get());
}

QString EditorFixture::archiveFileName() const
{
    if (m_kind == ArchiveKind::Registry)
        return QStringLiteral("Archivio_Anagrafico.pro");
    return bookName + facts(m_kind).extension;
}

QString EditorFixture::photoFolder() const
{
    return filePath(facts(m_kind).photoFolder);
}

QString EditorFixture::photoPath(int position) const
{
    return filePath(photoFileName(m_kind, position));
}

QStringList EditorFixture::otherKindsPhotoPaths(int position) const
{
    QStringList paths;
    for (ArchiveKind other : editorKinds())
        if (other != m_kind)
            paths << filePath(photoFileName(other, position));
    return paths;
}

HelpPage EditorFixture::helpPage() const
{
    return facts(m_kind).helpPage;
}

int EditorFixture::recordSize() const
{
    return facts(m_kind).recordSize;
}

CardField EditorFixture::notesField() const
{
    return { QStringLiteral("txtNote"), facts(m_kind).notesOffset, {}, {} };
}

QStringList EditorFixture::record(int position) const
{
    const KindFacts& kind = facts(m_kind);
    QStringList values = blankRecord(layout());
    for (const CardField& field : requiredFields())
        values[fieldIndex(layout(), field.control)] = field.value;
    values[0] = kind.recordName.arg(position);
    values[kind.editFields - 1] = QStringLiteral("Nota %1").arg(position);
    values[kind.editFields] = kind.attachment;
    values[kind.editFields + 3] = kind.attachmentDescription;
    return values;
}

void EditorFixture::seed(int count) const
{
    for (int position = 1; position <= count; ++position)
        append(record(position));
}

int EditorFixture::append(const QStringList& values) const
{
    return Archive(archivePath(), layout()).append(values);
}

QStringList EditorFixture::stored(int position) const
{
    return Archive(archivePath(), layout()).read(position);
}

QByteArray EditorFixture::storedBytes(int position) const
{
    return readBytes(archivePath()).mid((position - 1) * recordSize(), recordSize());
}

void EditorFixture::writePhoto(int position, const QByteArray& bytes) const
{
    QDir().mkpath(photoFolder());
    writeBytes(photoPath(position), bytes);
}

QByteArray EditorFixture::storeCardsWithPhoto(int count) const
{
    seed(count);
    // At a quality the default encoder would not reproduce.
    const QByteArray photo = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 30);
    writePhoto(1, photo);
    return photo;
}

QLineEdit* EditorFixture::edit(const QString& control) const
{
    return named<QLineEdit>(editor(), control);
}

QLineEdit* EditorFixture::firstField() const
{
    return edit(requiredFields().constFirst().control);
}

QString EditorFixture::position() const
{
    return named<QLabel>(m_editor, QStringLiteral("lblPosizione"))->text();
}

QStringList EditorFixture::shownValues() const
{
    QStringList values;
    for (const QLineEdit* field : m_editor->fields())
        values << field->text();
    for (const QLabel* label : m_editor->attachmentLabels())
        values << label->text();
    return values;
}

void EditorFixture::click(QAbstractButton* button) const
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorFixture::click(const QString& button) const
{
    click(named<QAbstractButton>(editor(), button));
}

ScriptedInteraction::Message EditorFixture::lastMessage() const
{
    if (m_user->messages().isEmpty())
        return { MessageKind::Plain, QStringLiteral("(no message)"), Buttons::Ok };
    return m_user->messages().constLast();
}

QString EditorFixture::statusLineAfter(const QString& statusTip) const
{
    QStatusTipEvent event(statusTip);
    QApplication::sendEvent(m_editor.get(), &event);
    return m_editor->statusLine()->text();
}

} // namespace lumidex::test
