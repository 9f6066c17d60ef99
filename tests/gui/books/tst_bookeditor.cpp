#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/calendar/TfrmCalendario.h"
#include "support/EditorFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/TestHelpers.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

// What only the book entry editors have: the book's name on the blue bar, the
// date picked from the calendar or set to today, and a book file and photo names
// of their own per side and per book. What they share with the registry card is
// tested in tst_cardeditor.
class TestBookEditor : public QObject {
    Q_OBJECT

private slots:
    void bookControlsAreInPlace()
    {
        EditorFixture f(ArchiveKind::WomenBook);
        BookEditor* editor = f.bookEditor();
        QVERIFY(named<QLabel>(editor, QStringLiteral("lblFile"))->isHidden());
        QVERIFY(named<QLabel>(editor, "lblNome")->isVisible());
        QCOMPARE(named<QLabel>(editor, "lblNome")->text(), EditorFixture::bookName);
        QCOMPARE(named<QLabel>(editor, "lblNome")->objectName(), QStringLiteral("lblNome"));
        // White on the blue bar.
        const QImage bar = named<QLabel>(editor, "lblNome")->grab().toImage();
        QCOMPARE(bar.pixelColor(2, bar.height() / 2), QColor(0x30, 0x30, 0xDD));
        QCOMPARE(named<QLabel>(editor, "lblNome")->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(named<QLineEdit>(editor, "txtData")->alignment(), Qt::AlignCenter);
        QCOMPARE(named<QLineEdit>(editor, "txtData")->width(), 150);
        QCOMPARE(named<QToolButton>(editor, QStringLiteral("impData"))->size(), QSize(22, 22));

        TfrmBookDonne fresh(f.programDir());
        QCOMPARE(named<QLabel>(&fresh, "lblNome")->text(), QStringLiteral("Nome book fotografico"));
    }

    void statusTextsOfTheDateControls_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        for (ArchiveKind kind : bookKinds()) {
            QTest::addRow("%s impData", kindName(kind)) << kind << "impData"
                                                        << "Inserisci la data corrente.";
            QTest::addRow("%s txtData", kindName(kind))
                << kind << "txtData"
                << "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";
            QTest::addRow("%s cmdSlideshow", kindName(kind)) << kind << "cmdSlideshow"
                                                             << "Esegui lo Slide Show del book fotografico.";
        }
    }
    void statusTextsOfTheDateControls()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, control);
        QFETCH(QString, text);
        EditorFixture f(kind);
        auto* widget = named<QWidget>(f.editor(), control);
        QCOMPARE(widget->statusTip(), text);
        QCOMPARE(f.statusLineAfter(widget->statusTip()), text);
    }

    // Tab walks the twelve fields in record order, and Shift+Tab walks them back,
    // through the date field without opening the calendar.
    void tabWalksTheFieldsInRecordOrder_data() { addKindRows(bookKinds()); }
    void tabWalksTheFieldsInRecordOrder()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        const QList<QLineEdit*>& fields = f.editor()->fields();
        QCOMPARE(fields.size(), 12);
        fields.first()->setFocus();
        for (int i = 1; i < fields.size(); ++i) {
            QTest::keyClick(f.editor()->focusWidget(), Qt::Key_Tab);
            QCOMPARE(f.editor()->focusWidget(), fields.at(i));
        }
        for (int i = fields.size() - 2; i >= 0; --i) {
            QTest::keyClick(f.editor()->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(f.editor()->focusWidget(), fields.at(i));
        }
        QCOMPARE(f.user().dialogsRun(), 0);
    }

    void keysInTheDateField_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opensCalendar");
        QTest::addColumn<bool>("empties");
        QTest::newRow("men backspace") << ArchiveKind::MenBook << int(Qt::Key_Backspace) << false << true;
        QTest::newRow("women delete") << ArchiveKind::WomenBook << int(Qt::Key_Delete) << false << true;
        QTest::newRow("men enter") << ArchiveKind::MenBook << int(Qt::Key_Return) << true << false;
        QTest::newRow("women letter") << ArchiveKind::WomenBook << int(Qt::Key_A) << true << false;
        QTest::newRow("men digit") << ArchiveKind::MenBook << int(Qt::Key_5) << true << false;
        QTest::newRow("women space") << ArchiveKind::WomenBook << int(Qt::Key_Space) << true << false;
        // Moving on with the keyboard must stay possible.
        QTest::newRow("men tab") << ArchiveKind::MenBook << int(Qt::Key_Tab) << false << false;
    }
    void keysInTheDateField()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(int, key);
        QFETCH(bool, opensCalendar);
        QFETCH(bool, empties);
        EditorFixture f(kind);
        BookEditor* editor = f.bookEditor();
        named<QLineEdit>(editor, "txtData")->setText(QStringLiteral("14/07/2023"));
        QString marker;
        QDate shownDate;
        f.user().onDialog([&](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            QVERIFY(calendar);
            QCOMPARE(calendar->parentWidget(), editor);
            marker = named<QLabel>(calendar, "lblMemory")->text();
            shownDate = named<QCalendarWidget>(calendar, "calAppuntamenti")->selectedDate();
            QTest::mouseClick(named<QPushButton>(calendar, "btnAnnulla"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(editor, "txtData"), Qt::Key(key));
        QCOMPARE(f.user().dialogsRun(), opensCalendar ? 1 : 0);
        if (opensCalendar) {
            QCOMPARE(marker,
                kind == ArchiveKind::MenBook ? QStringLiteral("databookuomini") : QStringLiteral("databookdonne"));
            // Always today, whatever the field held.
            QCOMPARE(shownDate, QDate::currentDate());
        }
        QCOMPARE(named<QLineEdit>(editor, "txtData")->text(), empties ? QString() : QStringLiteral("14/07/2023"));
    }

    void theCalendarFillsTheDate()
    {
        EditorFixture f(ArchiveKind::WomenBook);
        f.user().onDialog([](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2021, 2, 3));
            QTest::mouseClick(named<QPushButton>(calendar, "btnImportaData"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(f.bookEditor(), "txtData"), Qt::Key_F);
        QCOMPARE(named<QLineEdit>(f.bookEditor(), "txtData")->text(), QStringLiteral("03/02/2021"));
    }

    void todayButtonSetsTodaysDate()
    {
        EditorFixture f(ArchiveKind::MenBook);
        f.click(QStringLiteral("impData"));
        QCOMPARE(named<QLineEdit>(f.bookEditor(), "txtData")->text(),
            QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(f.user().dialogsRun(), 0);
    }

    void menAndWomenBooksOfTheSameNameStayApart()
    {
        QTemporaryDir dir;
        ScriptedInteraction user;
        const auto menEditor = makeEditor(ArchiveKind::MenBook, dir.path());
        const auto womenEditor = makeEditor(ArchiveKind::WomenBook, dir.path());
        const QList<QPair<BookEditor*, ArchiveKind>> editors {
            { qobject_cast<BookEditor*>(menEditor.get()), ArchiveKind::MenBook },
            { qobject_cast<BookEditor*>(womenEditor.get()), ArchiveKind::WomenBook },
        };
        int i = 0;
        for (const auto& [target, kind] : editors) {
            const QString file = kind == ArchiveKind::MenBook ? QStringLiteral("Moda.men") : QStringLiteral("Moda.wmn");
            target->setBook(dir.filePath(file), QStringLiteral("Moda"));
            target->show();
            const QImage picture = markedImage(QSize(50, 70), i == 0 ? Qt::blue : Qt::red);
            const QString source = dir.filePath(QStringLiteral("scatto%1.jpg").arg(i));
            writeBytes(source, encodeJpeg(picture));
            user.queueOpenFileName(source);
            QTest::mouseClick(named<QToolButton>(target, "btnCaricaFoto"), Qt::LeftButton);
            fillRequiredFields(target, kind);
            named<QLineEdit>(target, QStringLiteral("txtTitolo"))->setText(QStringLiteral("Titolo %1").arg(i));
            QTest::mouseClick(named<QToolButton>(target, "cmdSalva"), Qt::LeftButton);
            QCOMPARE(named<QLabel>(target, "lblPosizione")->text(), QStringLiteral("1"));
            ++i;
        }
        QCOMPARE(storedField(readBytes(dir.filePath(QStringLiteral("Moda.men"))), 0), QByteArray("Titolo 0"));
        QCOMPARE(storedField(readBytes(dir.filePath(QStringLiteral("Moda.wmn"))), 0), QByteArray("Titolo 1"));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Book_Uomini/Moda_Foto_1.jpg"))),
            readBytes(dir.filePath(QStringLiteral("scatto0.jpg"))));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Book_Donne/Moda_Foto_1.jpg"))),
            readBytes(dir.filePath(QStringLiteral("scatto1.jpg"))));
    }

    void booksOfOneSideKeepTheirPhotosApartByName()
    {
        EditorFixture f(ArchiveKind::MenBook);
        f.seed(1);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        f.bookEditor()->setBook(f.filePath(QStringLiteral("Secondo.men")), QStringLiteral("Secondo"));
        f.click(named<QToolButton>(f.editor(), "cmdNuovo"));
        f.fillRequired();
        f.click(named<QToolButton>(f.editor(), "cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QVERIFY(QFileInfo::exists(f.photoPath(1)));
        QVERIFY(QFileInfo::exists(f.filePath(QStringLiteral("Book_Uomini/Secondo_Foto_1.jpg"))));
        QCOMPARE(QFileInfo(f.filePath(QStringLiteral("Secondo.men"))).size(), f.recordSize());
        QCOMPARE(QFileInfo(f.archivePath()).size(), f.recordSize());
    }

    // A showing clears the entry (tst_cardeditor) but never the book.
    void showingTheEditorKeepsTheBook_data() { addKindRows(bookKinds()); }
    void showingTheEditorKeepsTheBook()
    {
        QFETCH(ArchiveKind, kind);
        EditorFixture f(kind);
        f.seed(1);
        f.click(named<QToolButton>(f.editor(), "cmdPrimo"));
        f.editor()->hide();
        f.editor()->show();
        QCOMPARE(f.position(), QString());
        QCOMPARE(named<QLabel>(f.bookEditor(), "lblNome")->text(), EditorFixture::bookName);
        QCOMPARE(named<QLabel>(f.bookEditor(), "lblFile")->text(), f.archivePath());
        QCOMPARE(f.editor()->archivePath(), f.archivePath());
    }
};

QTEST_MAIN(TestBookEditor)
#include "tst_bookeditor.moc"
