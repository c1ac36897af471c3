// The registry of a workstation without one: an INI file standing for HKEY_LOCAL_MACHINE,
// whose values are turned into the registry's type and bytes and decoded like real ones.
#include "app/Registry.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct ValoreGrezzo {
    quint32 tipo = 0;
    QByteArray dati;
};

QString PercorsoRegistroIni()
{
    const QString daAmbiente = qEnvironmentVariable("INVEXO_REGISTRY_INI");
    if (!daAmbiente.isEmpty())
        return daAmbiente;
    return QStandardPaths::locate(
        QStandardPaths::GenericConfigLocation, u"Quorvanel s.r.l./HKEY_LOCAL_MACHINE.ini"_s);
}

QByteArray TestoInAnsi(const QString& testo)
{
    QStringEncoder codifica("windows-1252", QStringConverter::Flag::Default);
    if (!codifica.isValid())
        return testo.toLatin1();
    return codifica.encode(testo);
}

// "01,01,00,00" (blanks allowed); nothing when a byte is not two hex digits.
std::optional<QByteArray> ByteEsadecimali(QStringView testo)
{
    QByteArray byte;
    const QString pulito = testo.toString().remove(u' ').remove(u'\t');
    if (pulito.isEmpty())
        return byte;
    for (const QString& parte : pulito.split(u',')) {
        bool ok = false;
        const uint valore = parte.toUInt(&ok, 16);
        if (!ok || parte.size() > 2)
            return std::nullopt;
        byte.append(static_cast<char>(valore));
    }
    return byte;
}

std::optional<ValoreGrezzo> InterpretaValore(const QString& testo)
{
    if (testo.startsWith(u"sz:"_s, Qt::CaseInsensitive))
        return ValoreGrezzo {TipoRegistroTesto, TestoInAnsi(testo.mid(3)) + '\0'};
    if (testo.startsWith(u"dword:"_s, Qt::CaseInsensitive)) {
        bool ok = false;
        const QString cifre = testo.mid(6).trimmed();
        const uint numero = cifre.toUInt(&ok, 16);
        if (!ok || cifre.size() > 8)
            return std::nullopt;
        QByteArray dati(4, '\0');
        for (int i = 0; i < 4; ++i)
            dati[i] = static_cast<char>((numero >> (8 * i)) & 0xFF);
        return ValoreGrezzo {TipoRegistroDoppiaParola, dati};
    }
    if (testo.startsWith(u"hex:"_s, Qt::CaseInsensitive)) {
        const auto dati = ByteEsadecimali(QStringView(testo).mid(4));
        return dati ? std::optional(ValoreGrezzo {3, *dati}) : std::nullopt;
    }
    if (testo.startsWith(u"hex("_s, Qt::CaseInsensitive)) {
        const qsizetype chiusa = testo.indexOf(u"):"_s);
        bool ok = false;
        const uint tipo = chiusa > 4 ? testo.mid(4, chiusa - 4).toUInt(&ok, 16) : 0;
        const auto dati = ByteEsadecimali(QStringView(testo).mid(chiusa + 2));
        return ok && dati ? std::optional(ValoreGrezzo {tipo, *dati}) : std::nullopt;
    }
    return ValoreGrezzo {TipoRegistroTesto, TestoInAnsi(testo) + '\0'};
}

QString NomeSezione(QString sezione)
{
    sezione = sezione.trimmed();
    const QString radice = u"HKEY_LOCAL_MACHINE\\"_s;
    if (sezione.startsWith(radice, Qt::CaseInsensitive))
        sezione = sezione.mid(radice.size());
    while (sezione.endsWith(u'\\'))
        sezione.chop(1);
    return sezione;
}

QString NomeValore(QString nome)
{
    nome = nome.trimmed();
    if (nome.size() >= 2 && nome.startsWith(u'"') && nome.endsWith(u'"'))
        nome = nome.mid(1, nome.size() - 2);
    return nome == u"@"_s ? QString() : nome;
}

// The value of the section and name, read line by line; nothing when either is missing.
std::optional<ValoreGrezzo> CercaValore(
    const QString& percorso, const QString& sottoChiave, const QString& nomeValore)
{
    QFile file(percorso);
    if (percorso.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    const QString sezioneCercata = NomeSezione(sottoChiave);
    const QString nomeCercato = NomeValore(nomeValore);
    bool nellaSezione = false;
    while (!file.atEnd()) {
        const QString riga = QString::fromUtf8(file.readLine()).remove(u'\n').remove(u'\r');
        const QString pulita = riga.trimmed();
        if (pulita.isEmpty() || pulita.startsWith(u';') || pulita.startsWith(u'#'))
            continue;
        if (pulita.startsWith(u'[') && pulita.endsWith(u']')) {
            nellaSezione = NomeSezione(pulita.mid(1, pulita.size() - 2))
                               .compare(sezioneCercata, Qt::CaseInsensitive)
                == 0;
            continue;
        }
        const qsizetype uguale = riga.indexOf(u'=');
        if (!nellaSezione || uguale < 0)
            continue;
        if (NomeValore(riga.left(uguale)).compare(nomeCercato, Qt::CaseInsensitive) == 0)
            return InterpretaValore(riga.mid(uguale + 1).trimmed());
    }
    return std::nullopt;
}

} // namespace

ValoreRegistro LeggiRegistro(
    RadiceRegistro radice, const QString& sottoChiave, const QString& nomeValore)
{
    if (radice != RadiceRegistro::MacchinaLocale)
        return {};
    const auto valore = CercaValore(PercorsoRegistroIni(), sottoChiave, nomeValore);
    if (!valore)
        return {};
    return DecodificaValoreRegistro(valore->tipo, valore->dati);
}
