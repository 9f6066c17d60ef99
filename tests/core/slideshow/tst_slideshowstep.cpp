#include "slideshow/SlideshowStep.h"
#include "support/TestMetaTypes.h"

#include <QTest>

using namespace lumidex;
using Kind = SlideshowStep::Kind;

class TestSlideshowStep : public QObject {
    Q_OBJECT

private slots:
    void step_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("cards");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("nextCard");

        QTest::newRow("empty archive, before a cycle") << 0 << 0 << Kind::EmptyArchive << 0 << 0;
        QTest::newRow("empty archive, a card shown before") << 2 << 0 << Kind::EmptyArchive << 0 << 0;
        QTest::newRow("one card: shows it") << 0 << 1 << Kind::ShowCard << 1 << 1;
        QTest::newRow("one card: held, then over") << 1 << 1 << Kind::StartOver << 0 << 1;
        QTest::newRow("three cards: first") << 0 << 3 << Kind::ShowCard << 1 << 2;
        QTest::newRow("three cards: second") << 1 << 3 << Kind::ShowCard << 2 << 3;
        QTest::newRow("three cards: last, then the first comes next but one") << 2 << 3 << Kind::ShowCard << 3 << 1;
        QTest::newRow("three cards: last held") << 3 << 3 << Kind::StartOver << 0 << 1;
        QTest::newRow("position past the end") << 5 << 3 << Kind::Nothing << 0 << 0;
    }

    void step()
    {
        QFETCH(int, shown);
        QFETCH(int, cards);
        QFETCH(Kind, kind);
        QFETCH(int, position);
        QFETCH(int, nextCard);
        const SlideshowStep step = decideSlideshowStep(shown, cards);
        QCOMPARE(step.kind, kind);
        QCOMPARE(step.position, position);
        QCOMPARE(cardAfter(step, cards), nextCard);
    }

    // Three cards: 1, 2, 3, 3 held, 1, ... from a window that shows nothing yet.
    void cycleOverThreeCards()
    {
        int shown = 0;
        QList<int> seen;
        for (int tick = 0; tick < 9; ++tick) {
            const SlideshowStep step = decideSlideshowStep(shown, 3);
            if (step.kind == Kind::ShowCard) {
                shown = step.position;
                seen << shown;
            } else {
                QCOMPARE(step.kind, Kind::StartOver);
                shown = 0;
                seen << -1;
            }
        }
        QCOMPARE(seen, (QList<int> { 1, 2, 3, -1, 1, 2, 3, -1, 1 }));
    }
};

QTEST_GUILESS_MAIN(TestSlideshowStep)
#include "tst_slideshowstep.moc"
