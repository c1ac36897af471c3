#include "app/Parametri.h"

#include "app/ClientPosta.h"

using namespace Qt::StringLiterals;

bool LeggiParametri(Invexo_Main& globali, const QString& rigaComando, Impostazioni& impostazioni,
    Dialoghi& dialoghi, const LettoreRegistro& leggiRegistro)
{
    globali.ModoDebug = false;
    globali.ModoShell = false;
    bool resetPosta = false;

    // Two blanks in a row give an empty token; every token, values too, is tried as an option.
    const QStringList parti = rigaComando.split(u' ');
    for (qsizetype i = 0; i < parti.size(); ++i) {
        const QString opzione = parti[i].toUpper();
        const bool haValore = i + 1 < parti.size();
        if (opzione == u"-H"_s) {
            if (haValore)
                globali.IndirizzoServer = parti[i + 1];
        } else if (opzione == u"-C"_s) {
            if (haValore)
                globali.CodiceAzienda = parti[i + 1];
        } else if (opzione == u"-USERID"_s) {
            if (haValore)
                globali.CodiceUtente = parti[i + 1];
        } else if (opzione == u"-DEBUG"_s) {
            globali.ModoDebug = true;
        } else if (opzione == u"-SHELL"_s) {
            globali.ModoShell = true;
        } else if (opzione == u"-RESETMAIL"_s) {
            resetPosta = true;
        } else if (opzione == u"-M"_s) {
            globali.ModoModifica = true;
        }
    }

    QString client = TestoRegistro(
        leggiRegistro(RadiceRegistro::MacchinaLocale, u"SOFTWARE\\Clients\\Mail"_s, QString()));
    if (client.isEmpty())
        client = ScegliClientPosta(resetPosta, impostazioni, dialoghi);
    ImpostaClientPosta(globali, client);

    return !globali.IndirizzoServer.isEmpty() && !globali.CodiceAzienda.isEmpty();
}

QString RigaComandoDaArgomenti(const QStringList& argomenti)
{
    return argomenti.mid(1).join(u' ');
}

QString MessaggioParametriNonValidi()
{
    return u"Parametri non validi.\r\n\r\nSpecificare a linea di comando i seguenti parametri:\r\n"
           u"-c [codice azienda]\r\n-h [indirizzo IP]"_s;
}
