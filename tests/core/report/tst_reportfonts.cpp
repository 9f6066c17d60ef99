#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QtTest>

// The layouts name Arial and Courier New. Where those faces are missing, the
// system must stand in with faces of the same widths (Liberation Sans and Mono),
// or the printed boxes and the summary's columns no longer line up.
class TestReportFonts : public QObject {
    Q_OBJECT

private slots:
    void faceResolvesToOneWithItsMetrics_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("advance");
        // Advance widths in thousandths of the em, as the faces define them.
        QTest::newRow("Arial M") << "Arial"
                                 << "M" << 833.0;
        QTest::newRow("Arial i") << "Arial"
                                 << "i" << 222.0;
        QTest::newRow("Arial W") << "Arial"
                                 << "W" << 944.0;
        QTest::newRow("Arial 0") << "Arial"
                                 << "0" << 556.0;
        QTest::newRow("Arial LUOGO DI NASCITA") << "Arial"
                                                << "LUOGO DI NASCITA" << 9502.0;
        QTest::newRow("Courier New M") << "Courier New"
                                       << "M" << 600.0;
        QTest::newRow("Courier New i") << "Courier New"
                                       << "i" << 600.0;
        QTest::newRow("Courier New line") << "Courier New"
                                          << "Rossi Anna  Sesso: F" << 12000.0;
    }

    void faceResolvesToOneWithItsMetrics()
    {
        QFETCH(QString, family);
        QFETCH(QString, text);
        QFETCH(qreal, advance);
        QFont font(family);
        font.setPixelSize(1000);
        font.setStyleStrategy(QFont::PreferNoShaping);
        const QString resolved = QFontInfo(font).family();
        QVERIFY2(!resolved.contains(QLatin1String("DejaVu")), qPrintable(resolved));
        QVERIFY2(qAbs(QFontMetricsF(font).horizontalAdvance(text) - advance) <= 1.0 * text.size(),
            qPrintable(QStringLiteral("%1 resolves to %2: %3")
                           .arg(family, resolved)
                           .arg(QFontMetricsF(font).horizontalAdvance(text))));
    }
};

QTEST_MAIN(TestReportFonts)
#include "tst_reportfonts.moc"
