#pragma once

#include <QList>
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QTextDocument;

namespace lumidex {

// Lays out the help pages, and the chapters beyond them, as a printed manual: a
// title page with the contents, then each chapter from a new sheet, with a
// running footer and page numbers.
class ManualWriter {
public:
    bool write(const QString& pdfPath);

private:
    void buildBody(QTextDocument& document, QPagedPaintDevice& device);
    void keepParagraphsOnOneSheet(QTextDocument& document);
    void paintTitlePage(QPainter& painter, const QTextDocument& body);
    void paintBodyPage(QPainter& painter, QTextDocument& body, int index);
    void paintFooter(QPainter& painter, int pageNumber);

    double m_dotsPerMm = 0;
    double m_formatUnitsPerMm = 0;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    // Where each chapter starts in the body, for the contents on the title page.
    QList<int> m_pageStarts;
};

} // namespace lumidex
