#pragma once

#include <QString>

// The document-type labels the program reacts to, as the server sends them.
namespace Etichette {
using namespace Qt::StringLiterals;
inline const QString FattureEmesse = u"FATTURE EMESSE"_s;
inline const QString NoteDiCreditoEmesse = u"NOTE DI CREDITO EMESSE"_s;
inline const QString Conferme = u"CONFERME"_s;
inline const QString BolleDiVendita = u"BOLLE DI VENDITA"_s;
inline const QString PackingList = u"PACKING LIST"_s;
inline const QString BolleLavorazioneCct = u"BOLLE LAVORAZIONE CCT"_s;
inline const QString TuttiIDocumenti = u"TUTTI I DOCUMENTI"_s;
inline const QString DaVisionare = u"DA VISIONARE"_s;
inline const QString DaInviare = u"DA INVIARE"_s;
inline const QString CredemtelInvio = u"CREDEMTEL - INVIO DOCUMENTI"_s;
inline const QString CredemtelInviati = u"CREDEMTEL - DOCUMENTI INVIATI"_s;
inline const QString ExportEstrazione = u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI"_s;
inline const QString ExportEstrazioneRemota = u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI REMOTE"_s;
inline const QString ExportInformative = u"EXPORT MANAGER - INFORMATIVE DA INVIARE"_s;
inline const QString PrivacyDaInviare = u"INFORMATIVE LEGGE PRIVACY DA INVIARE"_s;
inline const QString PrivacyInviate = u"INFORMATIVE LEGGE PRIVACY INVIATE"_s;
inline const QString Esenzione = u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s;
// The customer/supplier lists label is known in two spellings; both open the same view.
inline const QString ElenchiCliFor = u"INVIO TELEMATICO ELENCHI CLIENTI/FORNITORI"_s;
inline const QString ElenchiCliForUnito = u"INVIO TELEMATICO ELENCHICLIENTI/FORNITORI"_s;

[[nodiscard]] inline bool EElenchiCliFor(const QString& etichetta)
{
    return etichetta == ElenchiCliFor || etichetta == ElenchiCliForUnito;
}
[[nodiscard]] inline bool ECredemtel(const QString& etichetta)
{
    return etichetta == CredemtelInvio || etichetta == CredemtelInviati;
}
[[nodiscard]] inline bool EPrivacy(const QString& etichetta)
{
    return etichetta == PrivacyDaInviare || etichetta == PrivacyInviate;
}
} // namespace Etichette
