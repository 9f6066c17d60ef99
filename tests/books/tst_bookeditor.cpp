#include "books/TfrmBookDonne.h"
#include "books/TfrmBookUomini.h"
#include "common/Formatting.h"
#include "output/calendar/TfrmCalendario.h"
#include "shell/help/HelpPages.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <fcntl.h>

using namespace lumidex;
using namespace lumidex::test;

namespace {

constexpr int recordSize = 3548;

QStringList entry(const QString& title, const QString& location = QStringLiteral("Milano"))
{
    QStringList values;
    for (int i = 0; i < layouts::book.fieldCount(); ++i)
        values << QString();
    values[0] = title;
    values[2] = QStringLiteral("01/06/2024");
    values[3] = location;
    values[12] = QStringLiteral("liberatoria.pdf");
    values[15] = QStringLiteral("Liberatoria firmata");
    return values;
}

// A text field as stored: one length byte, then the Windows-1252 bytes.
QByteArray storedField(const QByteArray& record, int offset)
{
    const int length = quint8(record.at(offset));
    return record.mid(offset + 1, length);
}

} // namespace

class TestBookEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedInteraction> user;
    std::unique_ptr<BookEditor> editor;

    void open(bool men, const QString& book = QStringLiteral("Estate"))
    {
        if (men)
            editor = std::make_unique<TfrmBookUomini>(dir->path());
        else
            editor = std::make_unique<TfrmBookDonne>(dir->path());
        openBook(editor.get(), book);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    void openBook(BookEditor* target, const QString& book) const
    {
        target->lblFile->setText(bookPath(target, book));
        target->lblNome->setText(book);
    }
    QString bookPath(BookEditor* target, const QString& book) const
    {
        return dir->filePath(book + target->side().extension);
    }
    QString photoPath(const QString& folder, const QString& book, int position) const
    {
        return dir->filePath(QStringLiteral("%1/%2_Foto_%3.jpg").arg(folder, book).arg(position));
    }
    QLineEdit* edit(const char* name) const { return named<QLineEdit>(editor.get(), QString::fromLatin1(name)); }
    QString position() const { return editor->lblPosizione->text(); }
    void click(QToolButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void seed(int count, const QString& book = QStringLiteral("Estate"))
    {
        const Archive archive(bookPath(editor.get(), book), layouts::book);
        for (int i = 1; i <= count; ++i)
            archive.append(entry(QStringLiteral("Foto %1").arg(i)));
    }
    void fillRequired(const QString& title = QStringLiteral("Ritratto al tramonto"))
    {
        edit("txtTitolo")->setText(title);
        edit("txtData")->setText(QStringLiteral("14/07/2023"));
        edit("txtLocation")->setText(QStringLiteral("Portofino"));
    }
    ScriptedInteraction::Message lastMessage() const { return user->messages().constLast(); }

    static void addSides()
    {
        QTest::addColumn<bool>("men");
        QTest::newRow("men") << true;
        QTest::newRow("women") << false;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        user = std::make_unique<ScriptedInteraction>();
    }

    void cleanup()
    {
        closeModalLeftovers();
        editor.reset();
        user.reset();
        dir.reset();
    }

    void eachSideIsItsOwnWindow_data() { addSides(); }
    void eachSideIsItsOwnWindow()
    {
        QFETCH(bool, men);
        open(men);
        QCOMPARE(editor->objectName(), men ? QStringLiteral("frmBookUomini") : QStringLiteral("frmBookDonne"));
        QCOMPARE(QString::fromLatin1(editor->metaObject()->className()),
            men ? QStringLiteral("lumidex::TfrmBookUomini") : QStringLiteral("lumidex::TfrmBookDonne"));
        QCOMPARE(editor->windowTitle(),
            men ? QStringLiteral(" Lumidex - Book fotografico uomini")
                : QStringLiteral(" Lumidex - Book fotografico donne"));
        QCOMPARE(named<QLabel>(editor.get(), QStringLiteral("panInfo"))->text(),
            QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // The placeholder is the side's portrait, not the registry's.
        const QImage placeholder = named<QLabel>(editor.get(), QStringLiteral("imgBianco"))->pixmap().toImage();
        QCOMPARE(placeholder.size(), QSize(307, 409));
        TfrmBookUomini otherMen(dir->path());
        TfrmBookDonne otherWomen(dir->path());
        const QImage menPortrait = otherMen.imgBianco->pixmap().toImage();
        const QImage womenPortrait = otherWomen.imgBianco->pixmap().toImage();
        QVERIFY(menPortrait != womenPortrait);
        QCOMPARE(placeholder, men ? menPortrait : womenPortrait);
    }

    void fieldsHaveTheCapacityOfTheirRecordField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        for (int i = 0; i < layouts::bookEditFields; ++i) {
            const auto field = layouts::book.field(i);
            const QString name = QStringLiteral("txt") + QString::fromLatin1(field.name.data(), field.name.size());
            QTest::newRow(qPrintable(name)) << name << field.capacity;
        }
    }
    void fieldsHaveTheCapacityOfTheirRecordField()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        open(true);
        auto* field = named<QLineEdit>(editor.get(), name);
        QCOMPARE(field->maxLength(), maxLength);
        QCOMPARE(field->isReadOnly(), name == QLatin1String("txtData"));
        if (name != QLatin1String("txtData")) {
            field->setFocus();
            QTest::keyClicks(field, QString(maxLength + 5, QLatin1Char('x')));
            QCOMPARE(field->text().size(), maxLength);
        }
    }

    void bookControlsAreInPlace()
    {
        open(false);
        for (const char* name :
            { "lblFile", "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03", "imgBianco" })
            QVERIFY2(named<QLabel>(editor.get(), QString::fromLatin1(name))->isHidden(), name);
        QVERIFY(editor->lblNome->isVisible());
        QCOMPARE(editor->lblNome->text(), QStringLiteral("Estate"));
        QCOMPARE(editor->lblNome->objectName(), QStringLiteral("lblNome"));
        // White on the blue bar.
        const QImage bar = editor->lblNome->grab().toImage();
        QCOMPARE(bar.pixelColor(2, bar.height() / 2), QColor(0x30, 0x30, 0xDD));
        QCOMPARE(editor->lblNome->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(editor->txtData->alignment(), Qt::AlignCenter);
        QCOMPARE(editor->txtData->width(), 150);
        QCOMPARE(named<QToolButton>(editor.get(), QStringLiteral("impData"))->size(), QSize(22, 22));

        TfrmBookDonne fresh(dir->path());
        QCOMPARE(fresh.lblNome->text(), QStringLiteral("Nome book fotografico"));
    }

    void statusTextsOfTheDateControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("impData") << "impData"
                                 << "Inserisci la data corrente.";
        QTest::newRow("txtData") << "txtData"
                                 << "Fai clic su questo campo e premi un tasto qualsiasi per importare una data "
                                    "dal calendario.";
        QTest::newRow("cmdSlideshow") << "cmdSlideshow"
                                      << "Esegui lo Slide Show del book fotografico.";
    }
    void statusTextsOfTheDateControls()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        open(true);
        auto* widget = named<QWidget>(editor.get(), control);
        QVERIFY(widget->statusTip().startsWith(text));
        QStatusTipEvent over(widget->statusTip());
        QApplication::sendEvent(editor.get(), &over);
        QVERIFY(editor->statusLine()->text().startsWith(text));
    }

    void enterWalksTheFieldsAndTheDateOpensTheCalendar_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("title") << "txtTitolo"
                               << "txtDescrizione";
        QTest::newRow("description") << "txtDescrizione"
                                     << "txtData";
        QTest::newRow("location") << "txtLocation"
                                  << "txtFotografo";
        QTest::newRow("make-up") << "txtTrucco"
                                 << "txtGiudizio";
        QTest::newRow("judgement") << "txtGiudizio"
                                   << "txtNote";
        QTest::newRow("notes") << "txtNote"
                               << "txtTitolo";
    }
    void enterWalksTheFieldsAndTheDateOpensTheCalendar()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        open(true);
        editor->activateWindow();
        named<QLineEdit>(editor.get(), from)->setFocus();
        QTest::keyClick(named<QLineEdit>(editor.get(), from), Qt::Key_Return);
        QCOMPARE(editor->focusWidget(), named<QLineEdit>(editor.get(), to));
        QCOMPARE(user->dialogsRun(), 0);
    }

    // Tab walks the twelve fields in record order, and Shift+Tab walks them back,
    // through the date field without opening the calendar.
    void tabWalksTheFieldsInRecordOrder_data() { addSides(); }
    void tabWalksTheFieldsInRecordOrder()
    {
        QFETCH(bool, men);
        open(men);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        const QList<QLineEdit*>& fields = editor->fields();
        QCOMPARE(fields.size(), 12);
        fields.first()->setFocus();
        for (int i = 1; i < fields.size(); ++i) {
            QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
            QCOMPARE(editor->focusWidget(), fields.at(i));
        }
        for (int i = fields.size() - 2; i >= 0; --i) {
            QTest::keyClick(editor->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(editor->focusWidget(), fields.at(i));
        }
        QCOMPARE(user->dialogsRun(), 0);
    }

    void keysInTheDateField_data()
    {
        QTest::addColumn<bool>("men");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opensCalendar");
        QTest::addColumn<bool>("empties");
        QTest::newRow("men backspace") << true << int(Qt::Key_Backspace) << false << true;
        QTest::newRow("women delete") << false << int(Qt::Key_Delete) << false << true;
        QTest::newRow("men enter") << true << int(Qt::Key_Return) << true << false;
        QTest::newRow("women letter") << false << int(Qt::Key_A) << true << false;
        QTest::newRow("men digit") << true << int(Qt::Key_5) << true << false;
        QTest::newRow("women space") << false << int(Qt::Key_Space) << true << false;
        // Moving on with the keyboard must stay possible.
        QTest::newRow("men tab") << true << int(Qt::Key_Tab) << false << false;
    }
    void keysInTheDateField()
    {
        QFETCH(bool, men);
        QFETCH(int, key);
        QFETCH(bool, opensCalendar);
        QFETCH(bool, empties);
        open(men);
        editor->txtData->setText(QStringLiteral("14/07/2023"));
        QString marker;
        QDate shownDate;
        user->onDialog([&](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            QVERIFY(calendar);
            QCOMPARE(calendar->parentWidget(), editor.get());
            marker = calendar->lblMemory->text();
            shownDate = calendar->calAppuntamenti->selectedDate();
            QTest::mouseClick(calendar->btnAnnulla, Qt::LeftButton);
        });
        QTest::keyClick(editor->txtData, Qt::Key(key));
        QCOMPARE(user->dialogsRun(), opensCalendar ? 1 : 0);
        if (opensCalendar) {
            QCOMPARE(marker, men ? QStringLiteral("databookuomini") : QStringLiteral("databookdonne"));
            // Always today, whatever the field held.
            QCOMPARE(shownDate, QDate::currentDate());
        }
        QCOMPARE(editor->txtData->text(), empties ? QString() : QStringLiteral("14/07/2023"));
    }

    void theCalendarFillsTheDate()
    {
        open(false);
        user->onDialog([](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            calendar->calAppuntamenti->setSelectedDate(QDate(2021, 2, 3));
            QTest::mouseClick(calendar->btnImportaData, Qt::LeftButton);
        });
        QTest::keyClick(editor->txtData, Qt::Key_F);
        QCOMPARE(editor->txtData->text(), QStringLiteral("03/02/2021"));
    }

    void todayButtonSetsTodaysDate()
    {
        open(true);
        click(named<QToolButton>(editor.get(), QStringLiteral("impData")));
        QCOMPARE(editor->txtData->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(user->dialogsRun(), 0);
    }

    void savedEntryIsStoredInTheSidesFiles_data() { addSides(); }
    void savedEntryIsStoredInTheSidesFiles()
    {
        QFETCH(bool, men);
        open(men, QStringLiteral("Estate 2024"));
        fillRequired(QStringLiteral("  Perù all'alba  "));
        edit("txtNote")->setText(QString(250, QLatin1Char('n')));
        click(editor->cmdSalva);

        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(position(), QStringLiteral("1"));

        const QString file = dir->filePath(men ? QStringLiteral("Estate 2024.men") : QStringLiteral("Estate 2024.wmn"));
        const QByteArray record = readBytes(file);
        QCOMPARE(record.size(), recordSize);
        QCOMPARE(storedField(record, 0), QByteArray("Per\xF9 all'alba"));
        QCOMPARE(storedField(record, 372), QByteArray("14/07/2023"));
        QCOMPARE(storedField(record, 383), QByteArray("Portofino"));
        QCOMPARE(storedField(record, 1791), QByteArray(250, 'n'));

        const QString folder = men ? QStringLiteral("Book_Uomini") : QStringLiteral("Book_Donne");
        const QString other = men ? QStringLiteral("Book_Donne") : QStringLiteral("Book_Uomini");
        QCOMPARE(QImage(photoPath(folder, QStringLiteral("Estate 2024"), 1)).size(), QSize(307, 409));
        QVERIFY(!QFileInfo::exists(photoPath(other, QStringLiteral("Estate 2024"), 1)));

        // The text comes back trimmed.
        click(editor->cmdNuovo);
        click(editor->cmdPrimo);
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Perù all'alba"));
    }

    void menAndWomenBooksOfTheSameNameStayApart()
    {
        TfrmBookUomini menEditor(dir->path());
        TfrmBookDonne womenEditor(dir->path());
        int i = 0;
        for (BookEditor* target : { static_cast<BookEditor*>(&menEditor), static_cast<BookEditor*>(&womenEditor) }) {
            openBook(target, QStringLiteral("Moda"));
            target->show();
            const QImage picture = markedImage(QSize(50, 70), i == 0 ? Qt::blue : Qt::red);
            const QString source = dir->filePath(QStringLiteral("scatto%1.jpg").arg(i));
            writeBytes(source, encodeJpeg(picture));
            user->queueOpenFileName(source);
            QTest::mouseClick(target->btnCaricaFoto, Qt::LeftButton);
            named<QLineEdit>(target, QStringLiteral("txtTitolo"))->setText(QStringLiteral("Titolo %1").arg(i));
            named<QLineEdit>(target, QStringLiteral("txtData"))->setText(QStringLiteral("01/01/2024"));
            named<QLineEdit>(target, QStringLiteral("txtLocation"))->setText(QStringLiteral("Roma"));
            QTest::mouseClick(target->cmdSalva, Qt::LeftButton);
            QCOMPARE(target->lblPosizione->text(), QStringLiteral("1"));
            ++i;
        }
        QCOMPARE(storedField(readBytes(dir->filePath(QStringLiteral("Moda.men"))), 0), QByteArray("Titolo 0"));
        QCOMPARE(storedField(readBytes(dir->filePath(QStringLiteral("Moda.wmn"))), 0), QByteArray("Titolo 1"));
        QCOMPARE(readBytes(photoPath(QStringLiteral("Book_Uomini"), QStringLiteral("Moda"), 1)),
            readBytes(dir->filePath(QStringLiteral("scatto0.jpg"))));
        QCOMPARE(readBytes(photoPath(QStringLiteral("Book_Donne"), QStringLiteral("Moda"), 1)),
            readBytes(dir->filePath(QStringLiteral("scatto1.jpg"))));
    }

    void booksOfOneSideKeepTheirPhotosApartByName()
    {
        open(true, QStringLiteral("Primo"));
        seed(1, QStringLiteral("Primo"));
        click(editor->cmdPrimo);
        click(editor->cmdSalva);
        openBook(editor.get(), QStringLiteral("Secondo"));
        click(editor->cmdNuovo);
        fillRequired();
        click(editor->cmdSalva);
        QVERIFY(QFileInfo::exists(photoPath(QStringLiteral("Book_Uomini"), QStringLiteral("Primo"), 1)));
        QVERIFY(QFileInfo::exists(photoPath(QStringLiteral("Book_Uomini"), QStringLiteral("Secondo"), 1)));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Secondo.men"))).size(), recordSize);
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Primo.men"))).size(), recordSize);
    }

    void requiredFieldsAreCheckedInOrder_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("message");
        const QString title
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo della foto.");
        const QString date
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della foto.");
        const QString location
            = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la location della foto.");
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "txtTitolo" << title;
        QTest::newRow("blank title") << "  "
                                     << "01/01/2024"
                                     << "Roma"
                                     << "txtTitolo" << title;
        QTest::newRow("no date") << "Titolo"
                                 << ""
                                 << ""
                                 << "txtData" << date;
        QTest::newRow("no location") << "Titolo"
                                     << "01/01/2024"
                                     << " "
                                     << "txtLocation" << location;
    }
    void requiredFieldsAreCheckedInOrder()
    {
        QFETCH(QString, title);
        QFETCH(QString, date);
        QFETCH(QString, location);
        QFETCH(QString, focused);
        QFETCH(QString, message);
        open(false);
        editor->activateWindow();
        edit("txtTitolo")->setText(title);
        edit("txtData")->setText(date);
        edit("txtLocation")->setText(location);
        click(editor->cmdSalva);
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, message);
        QCOMPARE(editor->focusWidget(), named<QLineEdit>(editor.get(), focused));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("Estate.wmn"))));
    }

    void emptyBookNavigation_data()
    {
        QTest::addColumn<bool>("men");
        QTest::addColumn<QString>("button");
        for (const char* button : { "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo" }) {
            QTest::addRow("men %s", button) << true << button;
            QTest::addRow("women %s", button) << false << button;
        }
    }
    void emptyBookNavigation()
    {
        QFETCH(bool, men);
        QFETCH(QString, button);
        open(men);
        click(named<QToolButton>(editor.get(), button));
        QCOMPARE(user->messages().size(), 1);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
        QCOMPARE(lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(position(), QString());
        // A book file that went missing comes back empty.
        const QString file = dir->filePath(men ? QStringLiteral("Estate.men") : QStringLiteral("Estate.wmn"));
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(QFileInfo(file).size(), 0);
    }

    void navigationStopsAtTheEndsOfAFullBook()
    {
        open(true);
        seed(3);
        click(editor->cmdIndietro);
        QCOMPARE(position(), QStringLiteral("1"));
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Foto 1"));
        QCOMPARE(edit("txtData")->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(editor->attachmentLabels().at(0)->text(), QStringLiteral("liberatoria.pdf"));
        QCOMPARE(editor->attachmentLabels().at(3)->text(), QStringLiteral("Liberatoria firmata"));
        click(editor->cmdIndietro);
        QCOMPARE(position(), QStringLiteral("1"));
        click(editor->cmdUltimo);
        QCOMPARE(position(), QStringLiteral("3"));
        click(editor->cmdAvanti);
        QCOMPARE(position(), QStringLiteral("3"));
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Foto 3"));
        click(editor->cmdIndietro);
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Foto 2"));
        click(editor->cmdNuovo);
        click(editor->cmdAvanti);
        QCOMPARE(position(), QStringLiteral("1"));
        QVERIFY(user->messages().isEmpty());
    }

    void savingAStoredEntryRewritesItInPlace()
    {
        open(false);
        seed(3);
        click(editor->cmdUltimo);
        edit("txtGiudizio")->setText(QStringLiteral("Ottima"));
        click(editor->cmdSalva);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(position(), QStringLiteral("3"));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Estate.wmn"))).size(), 3 * recordSize);
        QCOMPARE(storedField(readBytes(dir->filePath(QStringLiteral("Estate.wmn"))).mid(2 * recordSize), 1540),
            QByteArray("Ottima"));
        QVERIFY(QFileInfo::exists(photoPath(QStringLiteral("Book_Donne"), QStringLiteral("Estate"), 3)));
    }

    void duplicateKeepsTheTextsAndAppendsOnSave()
    {
        open(true);
        seed(2);
        QDir(dir->path()).mkpath(QStringLiteral("Book_Uomini"));
        writeBytes(photoPath(QStringLiteral("Book_Uomini"), QStringLiteral("Estate"), 2),
            encodeJpeg(markedImage(QSize(60, 80), Qt::red)));
        click(editor->cmdDuplica);
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio."));

        click(editor->cmdUltimo);
        QVERIFY(!editor->photo().showsPlaceholder());
        click(editor->cmdDuplica);
        QCOMPARE(lastMessage().kind, MessageKind::Information);
        QCOMPARE(lastMessage().text,
            QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                           "Al termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtTitolo")->text(), QStringLiteral("Foto 2"));
        QCOMPARE(edit("txtData")->text(), QStringLiteral("01/06/2024"));
        QCOMPARE(editor->attachmentLabels().at(0)->text(), QString());
        QVERIFY(editor->photo().showsPlaceholder());

        click(editor->cmdSalva);
        QCOMPARE(position(), QStringLiteral("3"));
        const QStringList stored = Archive(dir->filePath(QStringLiteral("Estate.men")), layouts::book).read(3);
        QCOMPARE(stored.at(0), QStringLiteral("Foto 2"));
        QCOMPARE(stored.at(12), QString());
    }

    void showingTheEditorClearsTheEntryButKeepsTheBook()
    {
        open(false);
        seed(1);
        click(editor->cmdPrimo);
        editor->hide();
        editor->show();
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtTitolo")->text(), QString());
        QCOMPARE(editor->lblNome->text(), QStringLiteral("Estate"));
        QCOMPARE(editor->archivePath(), dir->filePath(QStringLiteral("Estate.wmn")));
    }

    void archiveFailureShowsTheAccessMessage()
    {
        open(true);
        // A folder where the book file should be fails to open, even for root.
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Estate.men")));
        fillRequired();
        for (QToolButton* button : { editor->cmdPrimo, editor->cmdSalva }) {
            user->clear();
            click(button);
            QCOMPARE(user->messages().size(), 1);
            QCOMPARE(lastMessage().kind, MessageKind::Error);
            QCOMPARE(lastMessage().buttons, Buttons::OkCancel);
            QCOMPARE(lastMessage().text,
                QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi "
                               "di possedere i privilegi di scrittura nella cartella di installazione del "
                               "programma."));
        }
        QCOMPARE(position(), QString());
    }

    void aBookInUseByAnotherInstanceIsLeftAlone()
    {
        open(true);
        seed(1);
        // Another program instance on the same folder is working on the book.
        Archive::setDefaultLockTimeout(200);
        QFile book(dir->filePath(QStringLiteral("Estate.men")));
        QVERIFY(book.open(QIODevice::ReadWrite));
        struct flock region = {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        QCOMPARE(::fcntl(book.handle(), F_OFD_SETLK, &region), 0);
        fillRequired();
        click(editor->cmdSalva);
        QCOMPARE(lastMessage().kind, MessageKind::Error);
        QCOMPARE(lastMessage().text.left(61),
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio."));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Estate.men"))).size(), recordSize);
        QCOMPARE(position(), QString());

        book.close();
        Archive::setDefaultLockTimeout(Archive::lockTimeoutMs);
        click(editor->cmdSalva);
        QCOMPARE(lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(position(), QStringLiteral("2"));
    }

    void entryPhotoIsKeptByteForByteAndUnreadableOnesAreLeftAlone()
    {
        open(false);
        seed(2);
        QDir(dir->path()).mkpath(QStringLiteral("Book_Donne"));
        const QString first = photoPath(QStringLiteral("Book_Donne"), QStringLiteral("Estate"), 1);
        const QString second = photoPath(QStringLiteral("Book_Donne"), QStringLiteral("Estate"), 2);
        const QByteArray original = encodeJpeg(markedImage(QSize(90, 120), Qt::blue), 35);
        const QByteArray damaged("\xFF\xD8 not really a picture", 24);
        writeBytes(first, original);
        writeBytes(second, damaged);

        click(editor->cmdPrimo);
        for (int i = 0; i < 3; ++i)
            click(editor->cmdSalva);
        QCOMPARE(readBytes(first), original);

        click(editor->cmdAvanti);
        QVERIFY(editor->photo().showsPlaceholder());
        click(editor->cmdSalva);
        QCOMPARE(readBytes(second), damaged);
    }

    void photoThatCannotBeWrittenIsReportedAfterTheSave()
    {
        open(true);
        writeBytes(dir->filePath(QStringLiteral("Book_Uomini")), "not a folder");
        fillRequired();
        click(editor->cmdSalva);
        QCOMPARE(user->messages().size(), 2);
        QCOMPARE(user->messages().at(0).text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(lastMessage().kind, MessageKind::Warning);
        QCOMPARE(lastMessage().text,
            QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare "
                           "la foto.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella di "
                           "installazione del programma."));
        QCOMPARE(QFileInfo(dir->filePath(QStringLiteral("Estate.men"))).size(), recordSize);
    }

    void helpButtonShowsTheHelpWindow()
    {
        open(false);
        QString title;
        user->onDialog([&](QDialog& dialog) { title = named<QLabel>(&dialog, QStringLiteral("lblTitolo"))->text(); });
        click(editor->cmdGuida);
        QCOMPARE(user->dialogClasses(), QStringList { QStringLiteral("lumidex::TfrmGuida") });
        QCOMPARE(title, help::title(HelpPage::Books));
    }
};

QTEST_MAIN(TestBookEditor)
#include "tst_bookeditor.moc"
