#include "checks/PartitaIva.h"

#include <QHash>

namespace lumidex {

namespace {

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

const QHash<QString, QString>& offices()
{
    // Codes 103 to 119 were never assigned; 120 and 121 are later codes of
    // the second offices of Bologna and Napoli.
    static const QHash<QString, QString> table {
        { QStringLiteral("001"), QStringLiteral("Torino") },
        { QStringLiteral("002"), QStringLiteral("Vercelli") },
        { QStringLiteral("003"), QStringLiteral("Novara") },
        { QStringLiteral("004"), QStringLiteral("Cuneo") },
        { QStringLiteral("005"), QStringLiteral("Asti") },
        { QStringLiteral("006"), QStringLiteral("Alessandria") },
        { QStringLiteral("007"), QStringLiteral("Aosta") },
        { QStringLiteral("008"), QStringLiteral("Imperia") },
        { QStringLiteral("009"), QStringLiteral("Savona") },
        { QStringLiteral("010"), QStringLiteral("Genova 1") },
        { QStringLiteral("011"), QStringLiteral("La Spezia") },
        { QStringLiteral("012"), QStringLiteral("Varese") },
        { QStringLiteral("013"), QStringLiteral("Como") },
        { QStringLiteral("014"), QStringLiteral("Sondrio") },
        { QStringLiteral("015"), QStringLiteral("Milano 1") },
        { QStringLiteral("016"), QStringLiteral("Bergamo") },
        { QStringLiteral("017"), QStringLiteral("Brescia 1") },
        { QStringLiteral("018"), QStringLiteral("Pavia") },
        { QStringLiteral("019"), QStringLiteral("Cremona") },
        { QStringLiteral("020"), QStringLiteral("Mantova") },
        { QStringLiteral("021"), QStringLiteral("Bolzano") },
        { QStringLiteral("022"), QStringLiteral("Trento") },
        { QStringLiteral("023"), QStringLiteral("Verona") },
        { QStringLiteral("024"), QStringLiteral("Vicenza") },
        { QStringLiteral("025"), QStringLiteral("Belluno") },
        { QStringLiteral("026"), QStringLiteral("Treviso") },
        { QStringLiteral("027"), QStringLiteral("Venezia") },
        { QStringLiteral("028"), QStringLiteral("Padova") },
        { QStringLiteral("029"), QStringLiteral("Rovigo") },
        { QStringLiteral("030"), QStringLiteral("Udine") },
        { QStringLiteral("031"), QStringLiteral("Gorizia") },
        { QStringLiteral("032"), QStringLiteral("Trieste") },
        { QStringLiteral("033"), QStringLiteral("Piacenza") },
        { QStringLiteral("034"), QStringLiteral("Parma") },
        { QStringLiteral("035"), QStringLiteral("Reggio Emilia") },
        { QStringLiteral("036"), QStringLiteral("Modena") },
        { QStringLiteral("037"), QStringLiteral("Bologna 1") },
        { QStringLiteral("038"), QStringLiteral("Ferrara") },
        { QStringLiteral("039"), QStringLiteral("Ravenna") },
        { QStringLiteral("040"), QStringLiteral("Forlì") },
        { QStringLiteral("041"), QStringLiteral("Pesaro") },
        { QStringLiteral("042"), QStringLiteral("Ancona") },
        { QStringLiteral("043"), QStringLiteral("Macerata") },
        { QStringLiteral("044"), QStringLiteral("Ascoli Piceno") },
        { QStringLiteral("045"), QStringLiteral("Massa Carrara") },
        { QStringLiteral("046"), QStringLiteral("Lucca") },
        { QStringLiteral("047"), QStringLiteral("Pistoia") },
        { QStringLiteral("048"), QStringLiteral("Firenze 1") },
        { QStringLiteral("049"), QStringLiteral("Livorno") },
        { QStringLiteral("050"), QStringLiteral("Pisa") },
        { QStringLiteral("051"), QStringLiteral("Arezzo") },
        { QStringLiteral("052"), QStringLiteral("Siena") },
        { QStringLiteral("053"), QStringLiteral("Grosseto") },
        { QStringLiteral("054"), QStringLiteral("Perugia") },
        { QStringLiteral("055"), QStringLiteral("Terni") },
        { QStringLiteral("056"), QStringLiteral("Viterbo") },
        { QStringLiteral("057"), QStringLiteral("Rieti") },
        { QStringLiteral("058"), QStringLiteral("Roma 1") },
        { QStringLiteral("059"), QStringLiteral("Latina") },
        { QStringLiteral("060"), QStringLiteral("Frosinone") },
        { QStringLiteral("061"), QStringLiteral("Caserta") },
        { QStringLiteral("062"), QStringLiteral("Benevento") },
        { QStringLiteral("063"), QStringLiteral("Napoli 1") },
        { QStringLiteral("064"), QStringLiteral("Avellino") },
        { QStringLiteral("065"), QStringLiteral("Salerno") },
        { QStringLiteral("066"), QStringLiteral("Aquila") },
        { QStringLiteral("067"), QStringLiteral("Teramo") },
        { QStringLiteral("068"), QStringLiteral("Pescara") },
        { QStringLiteral("069"), QStringLiteral("Chieti") },
        { QStringLiteral("070"), QStringLiteral("Campobasso") },
        { QStringLiteral("071"), QStringLiteral("Foggia") },
        { QStringLiteral("072"), QStringLiteral("Bari") },
        { QStringLiteral("073"), QStringLiteral("Taranto") },
        { QStringLiteral("074"), QStringLiteral("Brindisi") },
        { QStringLiteral("075"), QStringLiteral("Lecce") },
        { QStringLiteral("076"), QStringLiteral("Potenza") },
        { QStringLiteral("077"), QStringLiteral("Matera") },
        { QStringLiteral("078"), QStringLiteral("Cosenza") },
        { QStringLiteral("079"), QStringLiteral("Catanzaro") },
        { QStringLiteral("080"), QStringLiteral("Reggio Calabria") },
        { QStringLiteral("081"), QStringLiteral("Trapani") },
        { QStringLiteral("082"), QStringLiteral("Palermo") },
        { QStringLiteral("083"), QStringLiteral("Messina") },
        { QStringLiteral("084"), QStringLiteral("Agrigento") },
        { QStringLiteral("085"), QStringLiteral("Caltanissetta") },
        { QStringLiteral("086"), QStringLiteral("Enna") },
        { QStringLiteral("087"), QStringLiteral("Catania") },
        { QStringLiteral("088"), QStringLiteral("Ragusa") },
        { QStringLiteral("089"), QStringLiteral("Siracusa") },
        { QStringLiteral("090"), QStringLiteral("Sassari") },
        { QStringLiteral("091"), QStringLiteral("Nuoro") },
        { QStringLiteral("092"), QStringLiteral("Cagliari") },
        { QStringLiteral("093"), QStringLiteral("Pordenone") },
        { QStringLiteral("094"), QStringLiteral("Isernia") },
        { QStringLiteral("095"), QStringLiteral("Oristano") },
        { QStringLiteral("096"), QStringLiteral("Monza (Milano 2)") },
        { QStringLiteral("097"), QStringLiteral("Prato (Firenze 2)") },
        { QStringLiteral("098"), QStringLiteral("Brescia 2") },
        { QStringLiteral("099"), QStringLiteral("Chiavari (Genova 2)") },
        { QStringLiteral("100"), QStringLiteral("Roma 2") },
        { QStringLiteral("101"), QStringLiteral("Bologna 2") },
        { QStringLiteral("102"), QStringLiteral("Napoli 2") },
        { QStringLiteral("120"), QStringLiteral("Bologna 2") },
        { QStringLiteral("121"), QStringLiteral("Napoli 2") },
    };
    return table;
}

} // namespace

bool PartitaIvaValida(QStringView numero)
{
    if (numero.size() != PartitaIvaLength)
        return false;
    for (QChar c : numero) {
        if (!isDecimalDigit(c))
            return false;
    }
    int sum = 0;
    for (int i = 0; i < PartitaIvaLength - 1; ++i) {
        const int digit = numero[i].unicode() - u'0';
        if (i % 2 == 0) {
            sum += digit;
        } else {
            const int doubled = 2 * digit;
            sum += doubled / 10 + doubled % 10;
        }
    }
    const int check = (10 - sum % 10) % 10;
    return numero[PartitaIvaLength - 1].unicode() - u'0' == check;
}

QString UfficioIva(QStringView codice)
{
    return offices().value(codice.toString());
}

} // namespace lumidex
