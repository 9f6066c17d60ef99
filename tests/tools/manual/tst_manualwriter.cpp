#include "help/HelpPages.h"
#include "support/HelpTexts.h"
#include "support/RequiredTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace lumidex;

class TestManualWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writesManual();
    void readsAsTheHelpPages();
    void coversWhatTheHelpPagesDoNot_data();
    void coversWhatTheHelpPagesDoNot();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestManualWriter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = QDir(m_dir.path()).filePath(QStringLiteral("Lumidex/Guida.pdf"));

    QProcess writer;
    writer.start(QStringLiteral(LUMIDEX_MANUAL_WRITER), { m_path });
    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 0);
}

void TestManualWriter::writesManual()
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // A title page, then every help page from a sheet of its own.
    const QString objects = QString::fromLatin1(pdf);
    QRegularExpressionMatchIterator page
        = QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")).globalMatch(objects);
    qsizetype pages = 0;
    for (; page.hasNext(); page.next())
        ++pages;
    QVERIFY2(pages >= 1 + test::helptexts::allPages().size(), qPrintable(QString::number(pages)));
    // Every sheet is A4 portrait: 595 x 842 points.
    QRegularExpressionMatchIterator box
        = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"))
              .globalMatch(objects);
    qsizetype boxes = 0;
    while (box.hasNext()) {
        const QRegularExpressionMatch match = box.next();
        QCOMPARE(qRound(match.captured(1).toDouble()), 595);
        QCOMPARE(qRound(match.captured(2).toDouble()), 842);
        ++boxes;
    }
    QCOMPARE(boxes, pages);
}

// The manual read back as a PDF reader extracts it: every title and paragraph is
// there in the help window's own words, and no paragraph is cut by a page break.
void TestManualWriter::readsAsTheHelpPages()
{
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    LUMIDEX_REQUIRE_TOOL(!reader.isEmpty(), QStringLiteral("pdftotext (Debian: poppler-utils)"));
    QProcess extract;
    extract.start(reader, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), m_path, QStringLiteral("-") });
    QVERIFY(extract.waitForFinished(60000));
    QCOMPARE(extract.exitCode(), 0);
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());

    // Ligature glyphs would make "fotografico" unreadable as such.
    for (char16_t ligature = 0xFB00; ligature <= 0xFB06; ++ligature)
        QVERIFY2(!text.contains(QChar(ligature)), qPrintable(QString::number(ligature, 16)));

    QStringList sheets;
    for (const QString& sheet : text.split(QLatin1Char('\f')))
        sheets << sheet.simplified();
    // The pages follow one another after the title page, each paragraph whole on
    // one sheet; the introduction repeats other pages' paragraphs, so each one is
    // looked for from where the previous one was found.
    qsizetype sheet = 1;
    const auto findFrom = [&](const QString& words) {
        for (qsizetype s = sheet; s < sheets.size(); ++s) {
            if (sheets.at(s).contains(words))
                return s;
        }
        return qsizetype(-1);
    };
    for (const HelpPage page : test::helptexts::allPages()) {
        sheet = findFrom(test::helptexts::title(page));
        QVERIFY2(sheet > 0, qPrintable(test::helptexts::title(page)));
        for (const QString& paragraph : test::helptexts::paragraphs(page)) {
            sheet = findFrom(paragraph.simplified());
            QVERIFY2(sheet > 0, qPrintable(paragraph));
        }
    }
}

void TestManualWriter::coversWhatTheHelpPagesDoNot_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("comp card and contact sheet")
        << "Comp card e provino del book."
        << QStringList { "Ctrl+Maiusc+P", "A5 o A4 orizzontale", "Lumidex_Agenzia.txt", "venti per pagina" };
    QTest::newRow("shooting data") << "Dati di scatto letti dalla foto."
                                   << QStringList { "\"Carica foto\"", "(EXIF)", "\"Fotocamera\"", "\"Data scatto\"" };
    QTest::newRow("keyboard") << "Scorciatoie da tastiera."
                              << QStringList { "Ctrl+N", "Ctrl+D", "Ctrl+S", "Ctrl+F", "Ctrl+P", "F1", "Alt+Inizio",
                                     "PagSu", "PagGiù", "Alt+Fine", "Ctrl+E", "Esc" };
    QTest::newRow("care of the data") << "Lavori lunghi e cura dei dati."
                                      << QStringList { "\"Annulla\"", "Ş diventa S", "il disco è pieno", "mai a metà",
                                             "non permette di bloccare gli archivi", "copiare l'intera cartella" };
    QTest::newRow("backups") << "Copie di sicurezza."
                             << QStringList { "disco esterno", "Prima_del_ripristino_", "sha256sum -c SHA256SUMS",
                                    "ogni settimana", "\"Ripristina da una copia…\"", "Lumidex_<data>_<ora>.zip" };
}

// The manual also tells what no help window explains: each chapter has its own
// sheets after the help pages and a line in the contents of the title page.
void TestManualWriter::coversWhatTheHelpPagesDoNot()
{
    QFETCH(QString, title);
    QFETCH(QStringList, words);
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    LUMIDEX_REQUIRE_TOOL(!reader.isEmpty(), QStringLiteral("pdftotext (Debian: poppler-utils)"));
    QProcess extract;
    extract.start(reader, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), m_path, QStringLiteral("-") });
    QVERIFY(extract.waitForFinished(60000));
    QCOMPARE(extract.exitCode(), 0);
    QStringList sheets;
    for (const QString& sheet : QString::fromUtf8(extract.readAllStandardOutput()).split(QLatin1Char('\f')))
        sheets << sheet.simplified();

    QVERIFY2(sheets.first().contains(title), qPrintable(sheets.first()));
    qsizetype from = -1;
    for (qsizetype s = 1; s < sheets.size() && from < 0; ++s) {
        if (sheets.at(s).startsWith(title))
            from = s;
    }
    QVERIFY2(from > 0, qPrintable(title));
    // The chapter runs until the next one starts: its words are on its own sheets.
    const QStringList titles { "Comp card e provino del book.", "Dati di scatto letti dalla foto.",
        "Scorciatoie da tastiera.", "Lavori lunghi e cura dei dati.", "Copie di sicurezza." };
    const auto startsAChapter = [&](const QString& sheet) {
        return std::any_of(titles.begin(), titles.end(), [&](const QString& t) { return sheet.startsWith(t); });
    };
    QString chapter = sheets.at(from);
    for (qsizetype s = from + 1; s < sheets.size() && !startsAChapter(sheets.at(s)); ++s)
        chapter += QLatin1Char(' ') + sheets.at(s);
    for (const QString& word : words)
        QVERIFY2(chapter.contains(word), qPrintable(word));
}

QTEST_GUILESS_MAIN(TestManualWriter)
#include "tst_manualwriter.moc"
