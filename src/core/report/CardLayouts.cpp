#include "report/CardLayouts.h"

namespace lumidex::report {

namespace {

// The printable area of both cards: A4 less 10 mm all round.
constexpr qreal cardMargin = 10;
constexpr qreal barHeight = 4.8;

// The caption of a few boxes sits higher on its bar, and their values higher in
// their boxes.
enum class Inset { Normal, Tight };

struct LabelledBox {
    qreal barTop;
    qreal left;
    qreal width;
    const char* caption;
    const char* valueName;
    Inset inset = Inset::Normal;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A caption bar with the value box under it: the element both cards are built of.
void addLabelledBox(ReportLayout& layout, const LabelledBox& box, const QString& captionName)
{
    const QString valueName = QString::fromLatin1(box.valueName);
    const QString stem = valueName.mid(3);
    const bool tight = box.inset == Inset::Tight;

    layout.objects << rectangle(
        QStringLiteral("shpBarra") + stem, QRectF(box.left, box.barTop, box.width, barHeight), royalBlue, royalBlue);
    layout.objects << textBox(captionName, QRectF(box.left + 1, box.barTop + (tight ? 0.6 : 1.0), box.width - 2, 3.6),
        QString::fromUtf8(box.caption), reportFont(QStringLiteral("Arial"), 8, true), Qt::white,
        Qt::AlignLeft | Qt::AlignVCenter);

    const qreal boxTop = box.barTop + 5;
    layout.objects << rectangle(QStringLiteral("shpValore") + stem, QRectF(box.left, boxTop, box.width, 6));
    layout.objects << textBox(valueName, QRectF(box.left + 1, boxTop + (tight ? 1.0 : 1.4), box.width - 2, 4),
        QString(), reportFont(QStringLiteral("Arial"), 8), Qt::black, box.alignment | Qt::AlignVCenter);
}

void addLabelledBoxes(ReportLayout& layout, std::initializer_list<LabelledBox> boxes)
{
    for (const LabelledBox& box : boxes) {
        const QString valueName = QString::fromLatin1(box.valueName);
        // Only the notes' caption is ever addressed by name.
        const QString captionName = valueName.compare(QLatin1String("txtNote"), Qt::CaseInsensitive) == 0
            ? QStringLiteral("titRaccomandazioni")
            : QStringLiteral("tit") + valueName.mid(3);
        addLabelledBox(layout, box, captionName);
    }
}

ReportObject titleBar(qreal top)
{
    return rectangle(QStringLiteral("shpTitolo"), QRectF(1, top, 188, 8), royalBlue, royalBlue);
}

ReportObject titleText(const QString& name, qreal top, const QString& designText)
{
    return textBox(
        name, QRectF(2, top, 186, 6), designText, reportFont(QStringLiteral("Arial"), 12), Qt::white, Qt::AlignCenter);
}

} // namespace

ReportLayout registryCardLayout()
{
    ReportLayout layout;
    layout.name = QStringLiteral("Scheda anagrafica");
    layout.page = a4Page(QPageLayout::Portrait, cardMargin);
    layout.objects << titleBar(1) << titleText(QStringLiteral("txtNome"), 2.2, QStringLiteral("Nome"));
    layout.objects << pictureBox(QStringLiteral("imgLogo"), QRectF(1, 11, 188, 140));

    const Qt::Alignment centred = Qt::AlignHCenter;
    const Inset tight = Inset::Tight;
    const Inset normal = Inset::Normal;
    addLabelledBoxes(layout,
        {
            { 153, 1, 58, "LUOGO DI NASCITA", "txtLuogoNasc" },
            { 153, 61, 32, "DATA DI NASCITA", "txtDataNasc", normal, centred },
            { 153, 95, 16, "SESSO", "txtSesso", normal, centred },
            { 153, 113, 76, "INDIRIZZO DI RESIDENZA", "txtIndirizzo" },
            { 167, 1, 48, "E-MAIL", "txtEmail" },
            { 167, 51, 42, "CODICE FISCALE", "txtCodFisc" },
            { 167, 95, 39, "PARTITA IVA", "txtPartitaIva" },
            { 167, 136, 53, "IBAN", "txtIban" },
            { 181, 1, 92, "TITOLO DI STUDIO", "txtStudio" },
            { 181, 95, 94, "LINGUE CONOSCIUTE", "txtlingue" },
            { 195, 1, 92, "ESTREMI DOCUMENTO DI RICONOSCIMENTO", "txtEstremi", tight },
            { 195, 95, 45, "TEL. FISSO", "txtTel" },
            { 195, 142, 47, "CELLULARE", "txtCellulare" },
            { 209, 1, 45, "ALTEZZA", "txtAltezza" },
            { 209, 48, 45, "PESO", "txtPeso" },
            { 209, 95, 45, "VITA", "txtVita" },
            { 209, 142, 47, "FIANCHI", "txtFianchi" },
            { 223, 1, 45, "OCCHI", "txtOcchi" },
            { 223, 48, 45, "CAPELLI", "txtCapelli" },
            { 223, 95, 45, "TAGLIA", "txtTaglia" },
            { 223, 142, 47, "SCARPE", "txtScarpe" },
            { 237, 1, 139, "ESPERIENZE LAVORATIVE", "txtEsperienze" },
            { 237, 142, 47, "CITTADINANZA", "txtCittadinanza" },
            { 251, 1, 188, "DISPONIBILITA'", "txtDisponibilita" },
            { 265, 1, 188, "NOTE", "txtNote", tight },
        });
    return layout;
}

ReportLayout bookCardLayout()
{
    ReportLayout layout;
    layout.name = QStringLiteral("Scheda book fotografico");
    layout.page = a4Page(QPageLayout::Portrait, cardMargin);
    const QFont header = reportFont(QStringLiteral("Arial"), 7);
    layout.objects << textBox(QStringLiteral("txtNome"), QRectF(1, 0.5, 151, 4),
        QStringLiteral("NOME BOOK FOTOGRAFICO"), header, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    layout.objects << textBox(QStringLiteral("txtData"), QRectF(153, 0.5, 36, 4),
        QStringLiteral("Data scatto: GG/MM/AAAA"), header, Qt::black, Qt::AlignRight | Qt::AlignVCenter);
    layout.objects << titleBar(5) << titleText(QStringLiteral("txtTitolo"), 6.2, QStringLiteral("TITOLO FOTO"));
    layout.objects << pictureBox(QStringLiteral("imgLogo"), QRectF(1, 16, 188, 177));

    const Inset tight = Inset::Tight;
    addLabelledBoxes(layout,
        {
            { 195, 1, 188, "DESCRIZIONE", "txtDescrizione", tight },
            { 209, 1, 93, "LOCATION", "txtLocation" },
            { 209, 96, 93, "FOTOGRAFO", "txtFotografo" },
            { 223, 1, 93, "FOTOCAMERA", "txtFotocamera" },
            { 223, 96, 93, "FOTORITOCCO", "txtFotoritocco" },
            { 237, 1, 93, "ABITI", "txtAbiti" },
            { 237, 96, 93, "ACCESSORI", "txtAccessori" },
            { 251, 1, 93, "TRUCCO", "txtTrucco" },
            { 251, 96, 93, "GIUDIZIO", "txtGiudizio" },
            { 265, 1, 188, "NOTE", "txtNote", tight },
        });
    return layout;
}

} // namespace lumidex::report
