#include "app/NomePC.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype LunghezzaNomePC = 5;

} // namespace

void LeggiNomePC(Invexo_Main& globali, const AmbienteOrbeni& ambiente, Impostazioni& impostazioni,
    Dialoghi& dialoghi)
{
    globali.NomePC = impostazioni.Leggi(ChiaviImpostazioni::NomeComputer);
    if (!globali.NomePC.isEmpty())
        return;

    QString nome = ambiente.NomeComputer();
    if (nome.size() > LunghezzaNomePC) {
        // Cancelling answers an empty name, so the question simply comes back.
        do {
            nome = dialoghi.Input(u"Inserisci il nome di questo pc"_s + u'\r'
                    + u"(deve essere di 5 caratteri ed unico)"_s,
                u"Nome PC"_s, QString());
        } while (nome.size() != LunghezzaNomePC);
    }
    globali.NomePC = nome;
    impostazioni.Scrivi(ChiaviImpostazioni::NomeComputer, nome);
}
