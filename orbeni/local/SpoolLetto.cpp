#include "orbeni/local/SpoolLetto.h"

#include "orbeni/local/Windows1252.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoAllegato;
using TracciatoSpool::CampoDestinatario;

template <typename CampoEnum> QByteArray RecordLetto<CampoEnum>::Grezzo(CampoEnum campo) const
{
    const TracciatoSpool::Campo posizione = TracciatoSpool::Posizione(campo);
    QByteArray valore = m_dati.mid(qsizetype(posizione.Inizio), qsizetype(posizione.Larghezza));
    valore.replace(TracciatoSpool::Nul, QByteArray());
    while (valore.endsWith(TracciatoSpool::Blank))
        valore.chop(1);
    return valore;
}

template <typename CampoEnum> QString RecordLetto<CampoEnum>::Testo(CampoEnum campo) const
{
    return TestoDaWindows1252(Grezzo(campo));
}

template class RecordLetto<CampoDestinatario>;
template class RecordLetto<CampoAllegato>;

namespace {

// Exactly `cifre` decimal digits.
std::optional<int> Numero(const QString& testo, qsizetype cifre)
{
    if (testo.size() != cifre)
        return std::nullopt;
    int valore = 0;
    for (const QChar c : testo) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valore = valore * 10 + (c.unicode() - u'0');
    }
    return valore;
}

// The records of one file, or nothing when its size or a record's end is wrong.
template <typename CampoEnum>
std::optional<QList<RecordLetto<CampoEnum>>> Record(
    const QByteArray& dati, const QString& nomeFile, QString& errore)
{
    constexpr auto lunghezza = qsizetype(TracciatoSpool::Tracciato<CampoEnum>::Lunghezza);
    if (dati.size() % lunghezza != 0) {
        errore = u"Il file "_s + nomeFile + u" ha "_s + QString::number(dati.size())
            + u" byte: non è fatto di record di "_s + QString::number(lunghezza) + u" byte"_s;
        return std::nullopt;
    }
    QList<RecordLetto<CampoEnum>> record;
    record.reserve(dati.size() / lunghezza);
    for (qsizetype inizio = 0; inizio < dati.size(); inizio += lunghezza) {
        if (dati.at(inizio + lunghezza - 1) != TracciatoSpool::FineRecord) {
            errore = u"Il record "_s + QString::number(inizio / lunghezza + 1) + u" del file "_s
                + nomeFile + u" non termina con un a capo"_s;
            return std::nullopt;
        }
        record.append(RecordLetto<CampoEnum>(dati.mid(inizio, lunghezza)));
    }
    return record;
}

// "ddMMyy" and "HHmm"; nothing at all when both are blank.
bool LeggiOraInvio(
    const RecordDestinatarioLetto& r, std::optional<QDateTime>& ora, QString& difetto)
{
    const QString data = r.Testo(CampoDestinatario::DataInvio);
    const QString orario = r.Testo(CampoDestinatario::OraInvio);
    if (data.isEmpty() && orario.isEmpty())
        return true;
    const auto giorno = Numero(data.left(2), 2);
    const auto mese = Numero(data.mid(2, 2), 2);
    const auto anno = Numero(data.mid(4), 2);
    const auto ore = orario.isEmpty() ? std::optional<int>(0) : Numero(orario.left(2), 2);
    const auto minuti = orario.isEmpty() ? std::optional<int>(0) : Numero(orario.mid(2), 2);
    const QDate quando = giorno && mese && anno ? QDate(2000 + *anno, *mese, *giorno) : QDate();
    const QTime alle = ore && minuti ? QTime(*ore, *minuti) : QTime();
    if (!quando.isValid() || !alle.isValid()) {
        difetto = u"data e ora di invio non valide: \""_s + data + u"\" \""_s + orario + u'"';
        return false;
    }
    ora = QDateTime(quando, alle);
    return true;
}

std::optional<DestinatarioSpool> Destinatario(
    const RecordDestinatarioLetto& r, int posizione, QString& difetto)
{
    using C = CampoDestinatario;
    DestinatarioSpool d;
    d.Posizione = posizione;
    d.Record = r;
    d.Progressivo = r.Testo(C::Progressivo);
    d.Tipo = r.Testo(C::Tipo);
    if (!Numero(d.Progressivo, 3)) {
        difetto = u"numero progressivo non valido: \""_s + d.Progressivo + u'"';
        return std::nullopt;
    }
    if (d.Tipo != QStringView(TracciatoSpool::TipoFax)
        && d.Tipo != QStringView(TracciatoSpool::TipoEmail)
        && d.Tipo != QStringView(TracciatoSpool::TipoDaInviare)
        && d.Tipo != QStringView(TracciatoSpool::TipoInviata)) {
        difetto = u"tipo di invio sconosciuto: \""_s + d.Tipo + u'"';
        return std::nullopt;
    }
    const QString tentativi = r.Testo(C::Tentativi);
    const auto numeroTentativi = tentativi.isEmpty() ? std::optional<int>(0) : Numero(tentativi, 1);
    if (!numeroTentativi) {
        difetto = u"numero di tentativi non valido: \""_s + tentativi + u'"';
        return std::nullopt;
    }
    d.Tentativi = *numeroTentativi;
    const QString marcatore = r.Testo(C::Marcatore);
    if (!marcatore.isEmpty() && marcatore != QStringView(TracciatoSpool::MarcatoreRubrica)) {
        difetto = u"marcatore sconosciuto: \""_s + marcatore + u'"';
        return std::nullopt;
    }
    d.AggiornaRubrica = !marcatore.isEmpty();
    if (!LeggiOraInvio(r, d.OraInvio, difetto))
        return std::nullopt;
    d.Nominativo = r.Testo(C::Nominativo).trimmed();
    d.NominativoMittente = r.Testo(C::NominativoMittente).trimmed();
    d.Oggetto = r.Testo(C::Oggetto).trimmed();
    d.Codice = r.Testo(C::Codice);
    d.TestoExtra = r.Testo(C::TestoExtra).trimmed();
    d.Fax = r.Testo(C::Fax).trimmed();
    d.Email = r.Testo(C::EmailCompleta).trimmed();
    if (d.Email.isEmpty())
        d.Email = r.Testo(C::Email).trimmed();
    d.EmailMittente = r.Testo(C::EmailMittente).trimmed();
    return d;
}

bool OperazioneNota(const QString& operazione)
{
    using namespace TracciatoSpool;
    for (const std::u16string_view nota :
        {OperazioneDocumento, OperazioneInformativa, OperazioneInformativaExport,
            OperazioneStatoInformativa, OperazioneFaxDocumento, OperazioneFaxP, OperazioneFaxW})
        if (operazione == QStringView(nota))
            return true;
    return false;
}

std::optional<AllegatoSpool> Allegato(const RecordAllegatoLetto& r, int posizione, QString& difetto)
{
    using C = CampoAllegato;
    AllegatoSpool a;
    a.Posizione = posizione;
    a.Progressivo = r.Testo(C::Progressivo);
    a.Operazione = r.Testo(C::Operazione);
    if (!Numero(a.Progressivo, 3)) {
        difetto = u"numero progressivo non valido: \""_s + a.Progressivo + u'"';
        return std::nullopt;
    }
    if (!OperazioneNota(a.Operazione)) {
        difetto = u"operazione sconosciuta: \""_s + a.Operazione + u'"';
        return std::nullopt;
    }
    a.Serie = r.Testo(C::Serie).trimmed();
    a.StampaPDF = r.Testo(C::StampaPDF).trimmed();
    a.Descrizione = r.Testo(C::Descrizione).trimmed();
    a.RiferimentoFile = r.Testo(C::RiferimentoFile).trimmed();
    if (a.Operazione == QStringView(TracciatoSpool::OperazioneDocumento)
        || a.Operazione == QStringView(TracciatoSpool::OperazioneFaxDocumento)) {
        const auto numero = Numero(r.Testo(C::Numero), 5);
        const auto sottoNumero = Numero(r.Testo(C::SottoNumero), 4);
        const auto anno = Numero(r.Testo(C::Anno), 2);
        if (!numero || !sottoNumero || !anno) {
            difetto = u"numero, sottonumero o anno del documento non validi"_s;
            return std::nullopt;
        }
        a.Numero = *numero;
        a.SottoNumero = *sottoNumero;
        a.Anno = *anno;
    }
    return a;
}

QString Riferimento(int posizione, const QString& nomeFile)
{
    return u"Il record "_s + QString::number(posizione) + u" del file "_s + nomeFile + u" ha "_s;
}

std::optional<QByteArray> LeggiFile(const QString& percorso, bool obbligatorio, QString& errore)
{
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile()) {
        if (!obbligatorio)
            return QByteArray();
        errore = u"File di invio non trovato: "_s + percorso;
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        errore = u"Impossibile leggere il file di invio "_s + percorso;
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

std::optional<SpoolLetto> AnalizzaSpool(const QString& nomePC, const QByteArray& destinatari,
    const QByteArray& allegati, const QByteArray& copertina, QString& errore)
{
    const QString fileDestinatari = QStringView(TracciatoSpool::PrefissoDestinatari) + nomePC;
    const QString fileAllegati = QStringView(TracciatoSpool::PrefissoAllegati) + nomePC;
    const auto recordDestinatari = Record<CampoDestinatario>(destinatari, fileDestinatari, errore);
    const auto recordAllegati
        = recordDestinatari ? Record<CampoAllegato>(allegati, fileAllegati, errore) : std::nullopt;
    if (!recordAllegati)
        return std::nullopt;
    SpoolLetto spool;
    spool.Copertina = copertina;
    QString difetto;
    for (int i = 0; i < recordDestinatari->size(); ++i) {
        auto letto = Destinatario(recordDestinatari->at(i), i + 1, difetto);
        if (!letto) {
            errore = Riferimento(i + 1, fileDestinatari) + difetto;
            return std::nullopt;
        }
        spool.Destinatari.append(std::move(*letto));
    }
    for (int i = 0; i < recordAllegati->size(); ++i) {
        auto letto = Allegato(recordAllegati->at(i), i + 1, difetto);
        if (!letto) {
            errore = Riferimento(i + 1, fileAllegati) + difetto;
            return std::nullopt;
        }
        spool.Allegati.append(std::move(*letto));
    }
    return spool;
}

std::optional<SpoolLetto> LeggiSpool(
    const QString& cartella, const QString& nomePC, QString& errore)
{
    const auto percorso = [&](std::u16string_view prefisso) -> QString {
        return cartella + u'/' + QStringView(prefisso) + nomePC;
    };
    const auto destinatari = LeggiFile(percorso(TracciatoSpool::PrefissoDestinatari), true, errore);
    const auto allegati = destinatari
        ? LeggiFile(percorso(TracciatoSpool::PrefissoAllegati), true, errore)
        : std::nullopt;
    const auto copertina = allegati
        ? LeggiFile(percorso(TracciatoSpool::PrefissoTestoCopertina), false, errore)
        : std::nullopt;
    if (!copertina)
        return std::nullopt;
    return AnalizzaSpool(nomePC, *destinatari, *allegati, *copertina, errore);
}
