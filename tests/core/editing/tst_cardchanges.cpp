// What counts as unsaved work on a card: the rule itself. The editors that ask
// about it before a card gives way are tested in tst_cardeditor.
#include "editing/CardChanges.h"

#include <QImage>
#include <QtTest>

using namespace lumidex;

namespace {

QImage filledPicture(const QSize& size, const QColor& colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class TestCardChanges : public QObject {
    Q_OBJECT

private slots:
    // Texts count as the archive keeps them: trimmed, so blanks at either end
    // are nothing to save, while any other difference is.
    void textsCountAsStored_data()
    {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("changed");
        const QStringList card { QStringLiteral("Anna"), QStringLiteral("F"), QString(),
            QStringLiteral("contratto.pdf") };
        QStringList typed = card;
        typed[2] = QStringLiteral("Italiana");
        QStringList blanks = card;
        blanks[0] = QStringLiteral("  Anna\t ");
        blanks[2] = QStringLiteral("   ");
        QStringList inner = card;
        inner[0] = QStringLiteral("An na");
        QStringList caseOnly = card;
        caseOnly[1] = QStringLiteral("f");
        QStringList attachmentGone = card;
        attachmentGone[3].clear();
        QTest::newRow("same texts") << card << card << false;
        QTest::newRow("a field typed") << card << typed << true;
        QTest::newRow("blanks at either end") << card << blanks << false;
        QTest::newRow("a blank inside") << card << inner << true;
        QTest::newRow("another case") << card << caseOnly << true;
        QTest::newRow("an attachment dropped") << card << attachmentGone << true;
        QTest::newRow("new card untouched") << QStringList(4) << QStringList(4) << false;
        QTest::newRow("new card, blanks only")
            << QStringList(4) << QStringList { QStringLiteral(" "), {}, {}, {} } << false;
        QTest::newRow("nothing remembered yet") << QStringList() << QStringList(4) << false;
        QTest::newRow("nothing remembered, a text") << QStringList() << card << true;
    }
    void textsCountAsStored()
    {
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, shown);
        QFETCH(bool, changed);
        QCOMPARE(cardChanged({ loaded, true, {} }, { shown, true, {} }), changed);
        QCOMPARE(cardChanged({ shown, true, {} }, { loaded, true, {} }), changed);
    }

    // Photos count as pictures: the placeholder is "no photo", whichever
    // picture it shows; a photo of its own is the same when its pixels are.
    void photosCountAsPictures_data()
    {
        QTest::addColumn<bool>("loadedPlaceholder");
        QTest::addColumn<QImage>("loadedPhoto");
        QTest::addColumn<bool>("shownPlaceholder");
        QTest::addColumn<QImage>("shownPhoto");
        QTest::addColumn<bool>("changed");
        const QImage portrait = filledPicture(QSize(30, 40), Qt::blue);
        const QImage samePixels = filledPicture(QSize(30, 40), Qt::blue);
        const QImage otherColour = filledPicture(QSize(30, 40), Qt::green);
        const QImage otherSize = filledPicture(QSize(40, 30), Qt::blue);
        const QImage placeholder = filledPicture(QSize(307, 409), Qt::white);
        const QImage otherPlaceholder = filledPicture(QSize(307, 409), Qt::gray);
        QTest::newRow("same photo") << false << portrait << false << portrait << false;
        QTest::newRow("same picture read again") << false << portrait << false << samePixels << false;
        QTest::newRow("another picture") << false << portrait << false << otherColour << true;
        QTest::newRow("another size") << false << portrait << false << otherSize << true;
        QTest::newRow("photo deleted") << false << portrait << true << placeholder << true;
        QTest::newRow("photo loaded") << true << placeholder << false << portrait << true;
        QTest::newRow("placeholder again") << true << placeholder << true << placeholder << false;
        // An unreadable photo file also shows the placeholder.
        QTest::newRow("placeholders of any picture") << true << placeholder << true << otherPlaceholder << false;
        // A photo the size of the frame is still not the placeholder.
        QTest::newRow("photo that looks like the placeholder") << true << placeholder << false << placeholder << true;
    }
    void photosCountAsPictures()
    {
        QFETCH(bool, loadedPlaceholder);
        QFETCH(QImage, loadedPhoto);
        QFETCH(bool, shownPlaceholder);
        QFETCH(QImage, shownPhoto);
        QFETCH(bool, changed);
        const QStringList texts { QStringLiteral("Ritratto"), QStringLiteral("14/07/2023") };
        QCOMPARE(
            cardChanged({ texts, loadedPlaceholder, loadedPhoto }, { texts, shownPlaceholder, shownPhoto }), changed);
    }

    // Texts and photo are one card: a change in either one is a change.
    void eitherPartMakesTheChange()
    {
        const QImage portrait = filledPicture(QSize(30, 40), Qt::blue);
        const CardState loaded { { QStringLiteral("Anna"), QStringLiteral("F") }, false, portrait };
        CardState shown = loaded;
        QVERIFY(!cardChanged(loaded, shown));
        shown.values[1] = QStringLiteral("M");
        QVERIFY(cardChanged(loaded, shown));
        shown.values[1] = QStringLiteral("F");
        shown.photo = filledPicture(QSize(30, 40), Qt::red);
        QVERIFY(cardChanged(loaded, shown));
    }
};

QTEST_GUILESS_MAIN(TestCardChanges)
#include "tst_cardchanges.moc"
