#include "sending/ParametriInvioDaInviare.h"

#include "sending/CDatiInvioDocumentoCliente.h"

using namespace Qt::StringLiterals;

namespace {

ClientePtr ClienteDellaRiga(const RigaElenco& riga)
{
    if (riga.Celle.size() <= ColonnaParametriInvio)
        return {};
    return riga.Celle[ColonnaParametriInvio].TagCome<ClientePtr>();
}

} // namespace

bool CambiaParametriInvioDaInviare(Elenco& daInviare, int indiceRiga, const ArchivioSerie& opzioni,
    const EditoriIndirizzo& editori)
{
    if (!opzioni.InvioDaInviare || indiceRiga < 0 || indiceRiga >= daInviare.Conta())
        return false;
    const RigaElenco& riga = daInviare.Riga(indiceRiga);
    const ClientePtr cliente = ClienteDellaRiga(riga);
    const auto documento = riga.TagCome<DocumentoPtr>();
    if (!cliente)
        return false;

    std::optional<QString> sigla;
    if (opzioni.RubricaLdap) {
        if (!editori.RubricaLdap)
            return false;
        editori.RubricaLdap(cliente, documento);
        // The directory itself holds the change.
        cliente->AggiornaRubrica = false;
        sigla = documento ? documento->Sigla : QString();
    } else {
        if (!editori.EstremiInvio)
            return false;
        cliente->AggiornaRubrica = editori.EstremiInvio(cliente);
    }
    PropagaIndirizzoCliente(daInviare, *cliente, sigla);
    return true;
}

void PropagaIndirizzoCliente(
    Elenco& daInviare, const Cliente& modificato, const std::optional<QString>& sigla)
{
    const QString email = modificato.Email.trimmed();
    const QString fax = modificato.Fax.trimmed();
    for (int i = 0; i < daInviare.Conta(); ++i) {
        RigaElenco& riga = daInviare.Riga(i);
        const ClientePtr copia = ClienteDellaRiga(riga);
        if (!copia || copia->Codice != modificato.Codice)
            continue;
        if (sigla) {
            const auto documento = riga.TagCome<DocumentoPtr>();
            if (!documento || documento->Sigla != *sigla)
                continue;
        }
        CellaElenco& cella = riga.CellaA(ColonnaParametriInvio);
        if (!email.isEmpty()) {
            // A copy that lists several addresses keeps them.
            if (!copia->Email.contains(u';')) {
                copia->Email = modificato.Email;
                cella.Testo = modificato.Email;
                cella.Colore = riga.Colore;
            }
        } else if (!fax.isEmpty()) {
            // The row goes by fax, as its cell now says: an e-mail address left on the copy
            // would send it by e-mail instead.
            copia->Email = modificato.Email;
            copia->Fax = modificato.Fax;
            cella.Testo = modificato.Fax;
            cella.Colore = riga.Colore;
        } else {
            cella.Testo = TipoInvioStampa.toString();
            cella.Colore = QColor(Qt::red);
        }
    }
    daInviare.Cambiato();
}
