#pragma once

#include <QString>

// Cell keys and image-list keys of the document lists.
namespace ChiaviDocumenti {
using namespace Qt::StringLiterals;
inline const QString Check = u"CHECK"_s;
inline const QString Radio1 = u"RADIO1"_s;
inline const QString Radio2 = u"RADIO2"_s;
inline const QString KNominativo = u"KNominativo"_s;
inline const QString KAgente = u"KAgente"_s;
inline const QString KTipo = u"KTipo"_s;
inline const QString KDocumento = u"KDocumento"_s;
inline const QString KData = u"KData"_s;
inline const QString KSel = u"KSel"_s;
inline const QString KSel2 = u"KSel2"_s;
inline const QString DataSort = u"DATA_SORT"_s;
inline const QString KBollo = u"KBollo"_s;
inline const QString KInviato = u"KInviato"_s;
inline const QString KDataInvio = u"KDataInvio"_s;
inline const QString KMittente = u"KMittente"_s;
inline const QString KNote = u"KNote"_s;
inline const QString KModifica = u"KModifica"_s;
inline const QString KCancella = u"KCancella"_s;
inline const QString Stampa = u"STAMPA"_s;
} // namespace ChiaviDocumenti

namespace IconeDocumenti {
using namespace Qt::StringLiterals;
inline const QString Spuntata = u"CHKON"_s;
inline const QString NonSpuntata = u"CHKOFF"_s;
inline const QString Ordinata = u"SORTED"_s;
inline const QString NonOrdinata = u"UNSORTED"_s;
inline const QString Bollo = u"BOLLO"_s;
inline const QString Modifica = u"MODIFICA"_s;
inline const QString Elimina = u"ELIMINA"_s;
} // namespace IconeDocumenti

// Column positions shared by both document lists.
namespace PosizioniDocumenti {
constexpr int Nominativo = 0;
constexpr int Agente = 1;
constexpr int Tipo = 2;
constexpr int Documento = 3;
constexpr int Data = 4;
constexpr int Sel = 5;
constexpr int Sel2 = 6;
constexpr int DataSort = 7;
constexpr int Bollo = 8;
constexpr int Inviato = 9;
constexpr int DataInvio = 10;
constexpr int Mittente = 11;
constexpr int Note = 12;
constexpr int Modifica = 13;
constexpr int Cancella = 14;
} // namespace PosizioniDocumenti
