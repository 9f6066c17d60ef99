// The progress of long work as the user meets it: nothing for work shorter than
// half a second, then a window over the work's owner, in Italian, with
// "Annulla", which stops the work at its next step.
#include "ui/ProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace lumidex;

class TestProgressWindow : public QObject {
    Q_OBJECT

private slots:
    void shortWorkShowsNothing()
    {
        QWidget owner;
        owner.show();
        ProgressWindow progress(&owner, QStringLiteral("Copia del file in corso..."), 10);
        for (int step = 1; step <= 10; ++step)
            QVERIFY(progress.advance(step));
        QVERIFY(!owner.findChild<QProgressDialog*>()->isVisible());
    }

    void longWorkShowsItselfAndCanBeStopped()
    {
        QWidget owner;
        owner.show();
        // More steps than the window counts in: a copy of several gigabytes.
        constexpr qint64 bytes = qint64(6) << 30;
        ProgressWindow progress(&owner, QStringLiteral("Copia del file in corso..."), bytes);
        QProgressDialog* window = owner.findChild<QProgressDialog*>();
        QVERIFY(window);
        QTest::qWait(600);
        QVERIFY(progress.advance(bytes / 2));
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->findChild<QLabel*>()->text(), QStringLiteral("Copia del file in corso..."));
        QCOMPARE(window->value(), window->maximum() / 2);
        QPushButton* annulla = window->findChild<QPushButton*>();
        QCOMPARE(annulla->text(), QStringLiteral("Annulla"));

        progress.setLabel(QStringLiteral("Stampa in corso... pagina 2 di 3"));
        QCOMPARE(window->findChild<QLabel*>()->text(), QStringLiteral("Stampa in corso... pagina 2 di 3"));
        QTest::mouseClick(annulla, Qt::LeftButton);
        QVERIFY(progress.cancelled());
        QVERIFY(!progress.advance(bytes));
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
