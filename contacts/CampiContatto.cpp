#include "contacts/CampiContatto.h"

#include "contacts/LDAP_ContattiCliente.h"
#include "sending/IndirizziInvio.h"

using namespace Qt::StringLiterals;

namespace {

const QString attributoFunzione = u"departmentnumber"_s;

// The first value of the attribute into the field; a missing attribute leaves the field.
void DaAttributo(const VoceLdap& voce, const QString& attributo, QString& campo)
{
    if (const QStringList* valori = voce.Attributo(attributo); valori && !valori->isEmpty())
        campo = valori->first();
}

} // namespace

const QStringList& ListaLingue()
{
    static const QStringList lingue {
        u"it Italiano"_s, u"en Inglese"_s, u"de Tedesco"_s, u"fr Francese"_s, u"es Spagnolo"_s};
    return lingue;
}

const QStringList& ListaFunzioniAziendali()
{
    return FunzioniPrivacy();
}

int IndiceLingua(const QString& codice)
{
    const QStringList& lingue = ListaLingue();
    for (int i = 0; i < lingue.size(); ++i)
        if (lingue.at(i).section(u' ', 0, 0) == codice)
            return i;
    return -1;
}

std::optional<QString> FunzioneFissa(const QString& sigla)
{
    const QString codice = sigla.toUpper();
    if (codice == u"FATT."_s || codice == u"NT.CRED."_s)
        return u"Invio fatture"_s;
    if (codice == u"CONF."_s)
        return u"Invio conferme"_s;
    if (codice == u"CONFC."_s)
        return u"Invio conferme di campionario"_s;
    if (codice == u"BOLLA"_s)
        return u"Invio bolle"_s;
    return std::nullopt;
}

IntestazioneContatto IntestazioneContattoPer(bool esistente)
{
    return esistente ? IntestazioneContatto {u"Modifica contatto"_s, QColor(251, 233, 233)}
                     : IntestazioneContatto {u"Nuovo contatto"_s, QColor(239, 249, 230)};
}

CampiContatto MostraContatto(const VoceLdap* voce, const Cliente& cliente, const QString& sigla)
{
    CampiContatto campi;
    campi.txtLingua = u"it"_s;
    campi.lblDescrizioneLingua = u"Italiano"_s;
    campi.IndiceLingua = 0;
    if (voce)
        if (const QStringList* funzioni = voce->Attributo(attributoFunzione))
            for (const QString& funzione : *funzioni)
                campi.FunzioniLette = campi.FunzioniLette.isEmpty()
                    ? funzione.trimmed()
                    : QString(campi.FunzioniLette + u'|' + funzione).trimmed();

    const QString codice = sigla.toUpper();
    if (const auto fissa = FunzioneFissa(codice)) {
        campi.txtFunzioneAziendale = *fissa;
        campi.FunzioneModificabile = false;
    } else if (codice == u"PRIVACY"_s) {
        campi.FunzioneModificabile = true;
        campi.txtFunzioneAziendale = ListaFunzioniAziendali().first();
        if (voce) {
            const QStringList& elenco = ListaFunzioniAziendali();
            for (int i = 0; i < elenco.size(); ++i)
                if (HaValoreAttributo(voce, attributoFunzione, elenco.at(i))) {
                    campi.IndiceFunzione = i;
                    campi.txtFunzioneAziendale = elenco.at(i);
                    break;
                }
        }
    }

    if (!voce) {
        campi.txtSocieta = cliente.Nominativo;
        return campi;
    }
    DaAttributo(*voce, u"title"_s, campi.txtTitolo);
    DaAttributo(*voce, u"givenName"_s, campi.txtNome);
    DaAttributo(*voce, u"sn"_s, campi.txtCognome);
    DaAttributo(*voce, attributoFunzione, campi.txtFunzioneAziendale);
    DaAttributo(*voce, u"description"_s, campi.txtAnnotazioni);
    DaAttributo(*voce, u"facsimileTelephoneNumber"_s, campi.txtFax);
    DaAttributo(*voce, u"telephoneNumber"_s, campi.txtTelefonoUfficio);
    DaAttributo(*voce, u"homePhone"_s, campi.txtTelefonoCasa);
    DaAttributo(*voce, u"mobile"_s, campi.txtCellulare);
    DaAttributo(*voce, u"o"_s, campi.txtSocieta);
    if (const QStringList* lingue = voce->Attributo(u"preferredLanguage"_s);
        lingue && !lingue->isEmpty()) {
        const QString lingua = lingue->first().toLower();
        campi.IndiceLingua = IndiceLingua(lingua);
        if (campi.IndiceLingua < 0)
            campi.IndiceLingua = 0;
        campi.txtLingua = ListaLingue().at(campi.IndiceLingua).section(u' ', 0, 0);
        campi.lblDescrizioneLingua = ListaLingue().at(campi.IndiceLingua).section(u' ', 1);
    }
    // Notes stored as the surname of a contact without a name are not a surname.
    if (campi.txtNome.isEmpty() && !campi.txtAnnotazioni.isEmpty()
        && campi.txtCognome == campi.txtAnnotazioni)
        campi.txtCognome.clear();
    const QString email = voce->PrimoValore(u"mail"_s);
    campi.txtEmail = email.indexOf(u'@') >= 1 ? email : QString();
    campi.Uid = voce->PrimoValore(u"uid"_s);
    return campi;
}

std::optional<QString> ValidaDatiContatto(const CampiContatto& campi)
{
    if (campi.txtNome.isEmpty() && campi.txtCognome.isEmpty() && campi.txtAnnotazioni.isEmpty()
        && campi.txtSocieta.isEmpty())
        return u"Affinchè il contatto sia ritenuto valido è\r\n"
               u"necessario inserire almeno uno dei campi\r\n"
               u"Nome, Cognome, Annotazioni, Ragione sociale."_s;
    if (campi.txtFunzioneAziendale.isEmpty())
        return u"Affinchè il contatto sia ritenuto valido è\r\n"
               u"necessario specificare la funzione aziendale."_s;
    if (!campi.txtEmail.isEmpty() && !IndirizzoEmailValido(campi.txtEmail))
        return u"Indirizzo Email del contatto non valido."_s;
    if (!campi.txtFax.isEmpty() && !NumeroFaxValido(campi.txtFax))
        return u"Numero FAX del contatto non valido."_s;
    if (!campi.txtCellulare.isEmpty() && !NumeroFaxValido(campi.txtCellulare))
        return u"Numero cellulare del contatto non valido."_s;
    if (!campi.txtTelefonoCasa.isEmpty() && !NumeroFaxValido(campi.txtTelefonoCasa))
        return u"Numero telefono abitazione del contatto non valido."_s;
    if (!campi.txtTelefonoUfficio.isEmpty() && !NumeroFaxValido(campi.txtTelefonoUfficio))
        return u"Numero telefono ufficio del contatto non valido."_s;
    return std::nullopt;
}

CContattoRubrica CreaContatto(const CampiContatto& campi, const Cliente& cliente,
    const QString& sigla, const QString& codiceDirectory)
{
    CContattoRubrica contatto;
    contatto.titolo = campi.txtTitolo;
    contatto.lingua = campi.txtLingua.trimmed();
    contatto.nome = campi.txtNome.trimmed();
    contatto.cognome = campi.txtCognome.trimmed();
    contatto.funzioneAziendale = campi.txtFunzioneAziendale.trimmed();
    contatto.listaFunzioniAziendali = campi.FunzioniLette.trimmed();
    if (!contatto.listaFunzioniAziendali.contains(contatto.funzioneAziendale))
        contatto.listaFunzioniAziendali = contatto.listaFunzioniAziendali.trimmed().isEmpty()
            ? contatto.funzioneAziendale
            : contatto.listaFunzioniAziendali + u'|' + contatto.funzioneAziendale;
    contatto.annotazioni = campi.txtAnnotazioni.trimmed();
    if (!contatto.annotazioni.isEmpty() && contatto.nome.isEmpty())
        contatto.cognome = contatto.annotazioni;
    contatto.numeroFax = campi.txtFax.trimmed();
    contatto.numeroTelCasa = campi.txtTelefonoCasa.trimmed();
    contatto.numeroTelUff = campi.txtTelefonoUfficio.trimmed();
    contatto.numeroCell = campi.txtCellulare.trimmed();
    contatto.email = campi.txtEmail.trimmed();
    contatto.societa = campi.txtSocieta.trimmed();
    contatto.mailingList = campi.txtMailingList.trimmed();
    contatto.employeeType = u"CL"_s;
    if (sigla.toUpper() == u"PRIVACY"_s) {
        const QString tipo = cliente.TipoAnagrafica.trimmed().toUpper();
        if (tipo == u"CLIENTE"_s)
            contatto.employeeType = u"CL"_s;
        else if (tipo == u"FORNITORI"_s || tipo == u"FORNITORE"_s)
            contatto.employeeType = u"FO"_s;
    }
    contatto.codiceAnagrafico = cliente.Codice;
    contatto.orbeniCode = codiceDirectory + u'|' + cliente.Codice;
    contatto.uid = campi.Uid.trimmed();
    return contatto;
}

void ScriviIndirizziConfermati(
    Cliente& cliente, const CampiContatto& campi, bool faxViaEmail, const QString& dominioPosta)
{
    cliente.Email = campi.txtEmail.trimmed();
    cliente.Fax = campi.txtFax.trimmed();
    if (faxViaEmail && cliente.Email.trimmed().isEmpty() && !campi.txtFax.trimmed().isEmpty()) {
        cliente.Fax.clear();
        cliente.Email = IndirizzoFaxGateway(campi.txtFax.trimmed(), dominioPosta);
    }
}
