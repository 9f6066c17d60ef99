#include "ManualWriter.h"

#include "help/HelpPages.h"
#include "help/ManualChapters.h"
#include "texts/MakerContacts.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <cmath>

namespace lumidex {
namespace {

constexpr double marginTopMm = 25;
constexpr double marginBottomMm = 28;
constexpr double marginSideMm = 22;
constexpr int resolutionDpi = 300;

const QColor crimson(0xDC, 0x14, 0x3C);
const QColor steelBlue(0x46, 0x82, 0xB4);
const QColor footerGrey(0x60, 0x60, 0x60);

QString manualTitle()
{
    return QStringLiteral("Guida all'utilizzo del software");
}

// Ligatures would put single glyphs such as "fi" into the PDF, and a reader
// that searches or copies the manual's text would then no longer find the
// words as the help window shows them.
void withoutLigatures(QFont& font)
{
    font.setStyleStrategy(QFont::PreferNoShaping);
}

QFont sansFont(double pointSize, bool bold = false)
{
    QFont font;
    font.setFamilies({ QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    withoutLigatures(font);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont serifFont(double pointSize)
{
    QFont font;
    font.setFamilies(
        { QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman") });
    font.setStyleHint(QFont::Serif);
    withoutLigatures(font);
    font.setPointSizeF(pointSize);
    return font;
}

// The manual's chapters: every help page, then what the program offers beyond them.
QList<help::ManualChapter> chapters()
{
    QList<help::ManualChapter> all;
    for (const HelpPage page : help::allPages())
        all.append({ help::title(page), help::paragraphs(page) });
    return all + help::manualChapters();
}

} // namespace

bool ManualWriter::write(const QString& pdfPath)
{
    QPdfWriter writer(pdfPath);
    writer.setResolution(resolutionDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("Lumidex - ") + manualTitle());
    writer.setCreator(QStringLiteral("Lumidex"));
    m_dotsPerMm = writer.resolution() / 25.4;
    m_pageWidth = writer.width();
    m_pageHeight = writer.height();
    // Lengths in text formats are in screen pixels, which the layout scales to
    // the device by the screen's logical resolution.
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_formatUnitsPerMm = (screen ? qRound(screen->logicalDotsPerInchY()) : 100) / 25.4;

    QTextDocument body;
    buildBody(body, writer);

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paintTitlePage(painter, body);
    for (int index = 0; index < body.pageCount(); ++index) {
        writer.newPage();
        paintBodyPage(painter, body, index);
        paintFooter(painter, index + 2);
    }
    return painter.end();
}

void ManualWriter::buildBody(QTextDocument& document, QPagedPaintDevice& device)
{
    // Laying out on the PDF device itself keeps point sizes true on paper.
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(m_pageWidth, m_pageHeight));
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setTopMargin(marginTopMm * m_formatUnitsPerMm);
    frame.setBottomMargin(marginBottomMm * m_formatUnitsPerMm);
    frame.setLeftMargin(marginSideMm * m_formatUnitsPerMm);
    frame.setRightMargin(marginSideMm * m_formatUnitsPerMm);
    document.rootFrame()->setFrameFormat(frame);

    QTextCharFormat headingText;
    headingText.setFont(sansFont(17, true));
    headingText.setForeground(crimson);
    QTextCharFormat paragraphText;
    paragraphText.setFont(serifFont(11.5));
    paragraphText.setForeground(Qt::black);

    QTextBlockFormat paragraph;
    paragraph.setAlignment(Qt::AlignJustify);
    paragraph.setBottomMargin(3.5 * m_formatUnitsPerMm);
    paragraph.setLineHeight(125, QTextBlockFormat::ProportionalHeight);

    m_pageStarts.clear();
    QTextCursor cursor(&document);
    for (const help::ManualChapter& chapter : chapters()) {
        QTextBlockFormat heading;
        heading.setBottomMargin(7 * m_formatUnitsPerMm);
        if (m_pageStarts.isEmpty()) {
            cursor.setBlockFormat(heading);
            cursor.setBlockCharFormat(headingText);
        } else {
            heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(heading, headingText);
        }
        m_pageStarts.append(cursor.position());
        cursor.insertText(chapter.title, headingText);
        for (const QString& text : chapter.paragraphs) {
            cursor.insertBlock(paragraph, paragraphText);
            cursor.insertText(text, paragraphText);
        }
    }
    keepParagraphsOnOneSheet(document);
}

void ManualWriter::keepParagraphsOnOneSheet(QTextDocument& document)
{
    // A paragraph cut by a page break would be read with the running footer in
    // its middle; one that does not fit at the foot of a sheet starts the next.
    // Moving a paragraph only moves the ones after it, so one pass suffices.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        document.documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() < 2)
            continue;
        const double top = layout->position().y() + layout->lineAt(0).y();
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        const double bottom = layout->position().y() + last.y() + last.height();
        if (std::floor(top / m_pageHeight) == std::floor((bottom - 1) / m_pageHeight))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

void ManualWriter::paintTitlePage(QPainter& painter, const QTextDocument& body)
{
    const double left = marginSideMm * m_dotsPerMm;
    const double width = m_pageWidth - 2 * left;

    painter.setPen(steelBlue);
    painter.setFont(sansFont(44, true));
    painter.drawText(
        QRectF(left, 70 * m_dotsPerMm, width, 25 * m_dotsPerMm), Qt::AlignCenter, QStringLiteral("Lumidex"));
    painter.setPen(Qt::black);
    painter.setFont(sansFont(20));
    painter.drawText(QRectF(left, 97 * m_dotsPerMm, width, 14 * m_dotsPerMm), Qt::AlignCenter, manualTitle());
    painter.setPen(QPen(crimson, 0.6 * m_dotsPerMm));
    painter.drawLine(QPointF(left + width / 4, 116 * m_dotsPerMm), QPointF(left + 3 * width / 4, 116 * m_dotsPerMm));

    painter.setPen(Qt::black);
    painter.setFont(sansFont(14, true));
    const double contentsLeft = left + 12 * m_dotsPerMm;
    const double contentsRight = left + width - 12 * m_dotsPerMm;
    painter.drawText(QPointF(contentsLeft, 145 * m_dotsPerMm), QStringLiteral("Indice"));

    painter.setFont(serifFont(12));
    const QList<help::ManualChapter> all = chapters();
    double baseline = 158 * m_dotsPerMm;
    for (int i = 0; i < all.size(); ++i) {
        const QRectF start = body.documentLayout()->blockBoundingRect(body.findBlock(m_pageStarts.at(i)));
        const QString number = QString::number(int(std::floor(start.top() / m_pageHeight)) + 2);
        const QString& title = all.at(i).title;
        const double titleEnd = contentsLeft + painter.fontMetrics().horizontalAdvance(title);
        const double numberStart = contentsRight - painter.fontMetrics().horizontalAdvance(number);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(contentsLeft, baseline), title);
        painter.drawText(QPointF(numberStart, baseline), number);
        painter.setPen(QPen(footerGrey, 0.3 * m_dotsPerMm, Qt::DotLine));
        painter.drawLine(
            QPointF(titleEnd + 2 * m_dotsPerMm, baseline), QPointF(numberStart - 2 * m_dotsPerMm, baseline));
        baseline += 9 * m_dotsPerMm;
    }

    painter.setPen(footerGrey);
    painter.setFont(sansFont(10));
    const QString contacts = QString::fromUtf16(maker::webAddress) + QStringLiteral("  \u00B7  ")
        + QString::fromUtf16(maker::emailAddress);
    painter.drawText(QRectF(left, m_pageHeight - 40 * m_dotsPerMm, width, 10 * m_dotsPerMm), Qt::AlignCenter, contacts);
}

void ManualWriter::paintBodyPage(QPainter& painter, QTextDocument& body, int index)
{
    const QRectF sheet(0, index * m_pageHeight, m_pageWidth, m_pageHeight);
    painter.save();
    painter.translate(0, -sheet.top());
    painter.setClipRect(sheet);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = sheet;
    context.palette.setColor(QPalette::Text, Qt::black);
    body.documentLayout()->draw(&painter, context);
    painter.restore();
}

void ManualWriter::paintFooter(QPainter& painter, int pageNumber)
{
    const double left = marginSideMm * m_dotsPerMm;
    const double right = m_pageWidth - left;
    const double rule = m_pageHeight - 18 * m_dotsPerMm;
    painter.setPen(QPen(footerGrey, 0.25 * m_dotsPerMm));
    painter.drawLine(QPointF(left, rule), QPointF(right, rule));
    painter.setFont(sansFont(9));
    const QRectF line(left, rule + 1.5 * m_dotsPerMm, right - left, 6 * m_dotsPerMm);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Lumidex - ") + manualTitle());
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(pageNumber));
}

} // namespace lumidex
