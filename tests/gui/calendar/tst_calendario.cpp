#include "gui/books/TfrmBookDonne.h"
#include "gui/books/TfrmBookUomini.h"
#include "gui/calendar/TfrmCalendario.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedTestCase.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::test;

class TestCalendario : public ScriptedTestCase {
    Q_OBJECT

private:
    std::unique_ptr<TfrmBookUomini> men;
    std::unique_ptr<TfrmBookDonne> women;

    BookEditor* editor(bool forMen) const
    {
        return forMen ? static_cast<BookEditor*>(men.get()) : static_cast<BookEditor*>(women.get());
    }

    void setUp() override
    {
        men = std::make_unique<TfrmBookUomini>(dir->path());
        women = std::make_unique<TfrmBookDonne>(dir->path());
        men->show();
        women->show();
    }
    void tearDown() override
    {
        men.reset();
        women.reset();
    }

private slots:
    void opensOnTodayInItalian()
    {
        TfrmCalendario calendar(ArchiveKind::MenBook, men.get());
        QCOMPARE(calendar.windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(calendar.size(), QSize(253, 294));
        QVERIFY(!(calendar.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(named<QLabel>(&calendar, "lblCampo001")->text(), QStringLiteral("Importare una data:"));
        QCOMPARE(named<QPushButton>(&calendar, "btnImportaData")->text(), QStringLiteral("Importa"));
        QCOMPARE(named<QPushButton>(&calendar, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        QCOMPARE(named<QPushButton>(&calendar, "btnImportaData")->size(), QSize(96, 28));
        QCOMPARE(named<QPushButton>(&calendar, "btnAnnulla")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(named<QLabel>(&calendar, "lblMemory")->isHidden());
        QCOMPARE(named<QLabel>(&calendar, "lblMemory")->text(), QStringLiteral("databookuomini"));
        QCOMPARE(named<QCalendarWidget>(&calendar, "calAppuntamenti")->objectName(), QStringLiteral("calAppuntamenti"));
        QCOMPARE(named<QCalendarWidget>(&calendar, "calAppuntamenti")->selectedDate(), QDate::currentDate());
        QCOMPARE(named<QCalendarWidget>(&calendar, "calAppuntamenti")->locale().language(), QLocale::Italian);
    }

    void importWritesOnlyIntoTheEditorThatOpenedIt_data()
    {
        QTest::addColumn<bool>("fromMen");
        QTest::newRow("men's editor") << true;
        QTest::newRow("women's editor") << false;
    }
    void importWritesOnlyIntoTheEditorThatOpenedIt()
    {
        QFETCH(bool, fromMen);
        named<QLineEdit>(editor(!fromMen), "txtData")->setText(QStringLiteral("31/12/1999"));
        user->onDialog([](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2024, 3, 5));
            QTest::mouseClick(named<QPushButton>(calendar, "btnImportaData"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(editor(fromMen), "txtData"), Qt::Key_Space);
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(named<QLineEdit>(editor(fromMen), "txtData")->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(named<QLineEdit>(editor(!fromMen), "txtData")->text(), QStringLiteral("31/12/1999"));
    }

    void importHandsTheDateBackWithoutTouchingAnyEditor()
    {
        // The calendar only exposes the date; its opener decides where it goes.
        TfrmCalendario calendar(ArchiveKind::WomenBook, men.get());
        QTest::mouseClick(named<QPushButton>(&calendar, "btnImportaData"), Qt::LeftButton);
        QCOMPARE(calendar.importedDate(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(calendar.result(), int(QDialog::Accepted));
        QCOMPARE(named<QLineEdit>(women, "txtData")->text(), QString());
        QCOMPARE(named<QLineEdit>(men, "txtData")->text(), QString());
    }

    // The date goes to the editor that opened the calendar, whatever words its
    // memory label is given on the way.
    void theMemoryLabelDecidesNothing_data()
    {
        QTest::addColumn<QString>("written");
        QTest::newRow("empty") << "";
        QTest::newRow("other case") << "DataBookUomini";
        QTest::newRow("the other side") << "databookdonne";
        QTest::newRow("search words") << "bookuomini";
    }
    void theMemoryLabelDecidesNothing()
    {
        QFETCH(QString, written);
        user->onDialog([written](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            QCOMPARE(named<QLabel>(calendar, "lblMemory")->text(), QStringLiteral("databookuomini"));
            named<QLabel>(calendar, "lblMemory")->setText(written);
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2024, 3, 5));
            QTest::mouseClick(named<QPushButton>(calendar, "btnImportaData"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(men, "txtData"), Qt::Key_Space);
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(named<QLineEdit>(men, "txtData")->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(named<QLineEdit>(women, "txtData")->text(), QString());
    }

    void importWithoutPickingWritesToday()
    {
        user->onDialog([](QDialog& dialog) {
            QTest::mouseClick(
                named<QPushButton>(qobject_cast<TfrmCalendario*>(&dialog), "btnImportaData"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(men, "txtData"), Qt::Key_Return);
        QCOMPARE(named<QLineEdit>(men, "txtData")->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    }

    void enterOnADayImportsIt()
    {
        user->onDialog([](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2022, 11, 30));
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setFocus();
            QWidget* days = named<QCalendarWidget>(calendar, "calAppuntamenti")->findChild<QAbstractItemView*>();
            QTest::keyClick(days, Qt::Key_Return);
        });
        QTest::keyClick(named<QLineEdit>(women, "txtData"), Qt::Key_Return);
        QCOMPARE(named<QLineEdit>(women, "txtData")->text(), QStringLiteral("30/11/2022"));
        QCOMPARE(named<QLineEdit>(men, "txtData")->text(), QString());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("filled") << "14/07/2023";
        QTest::newRow("empty") << "";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, date);
        named<QLineEdit>(women, "txtData")->setText(date);
        user->onDialog([](QDialog& dialog) {
            auto* calendar = qobject_cast<TfrmCalendario*>(&dialog);
            named<QCalendarWidget>(calendar, "calAppuntamenti")->setSelectedDate(QDate(2020, 1, 1));
            QTest::mouseClick(named<QPushButton>(calendar, "btnAnnulla"), Qt::LeftButton);
        });
        QTest::keyClick(named<QLineEdit>(women, "txtData"), Qt::Key_X);
        QCOMPARE(user->dialogsRun(), 1);
        QCOMPARE(named<QLineEdit>(women, "txtData")->text(), date);
    }
};

QTEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
