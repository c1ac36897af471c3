#include "sending/TestiInvio.h"

#include "orbeni/AmbienteOrbeni.h"
#include "sending/CodificaAnsi.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString TogliSpazi(const QString& testo)
{
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo[inizio] == u' ')
        ++inizio;
    while (fine > inizio && testo[fine - 1] == u' ')
        --fine;
    return testo.mid(inizio, fine - inizio);
}

QString PercorsoTestoInvio(const AmbienteOrbeni& ambiente, const QString& tipo)
{
    QString nome;
    if (tipo == u"PRIVACY"_s)
        nome = u"privacy.ini"_s;
    else if (tipo == u"EXPORT"_s)
        nome = u"export.ini"_s;
    else
        return {};
    return ambiente.CartellaConfigurazione(u"Invexo"_s) + u'/' + nome;
}

TestoInvio DecodificaTestoInvio(const QByteArray& contenuto)
{
    const QString testo = DecodificaWindows1252(contenuto);
    return {TogliSpazi(testo.left(LunghezzaOggettoTestoInvio)),
        TogliSpazi(testo.mid(LunghezzaOggettoTestoInvio))};
}

QByteArray CodificaTestoInvio(const TestoInvio& testo)
{
    QByteArray oggetto = CodificaWindows1252(TogliSpazi(testo.Oggetto));
    oggetto.truncate(LunghezzaOggettoTestoInvio);
    oggetto = oggetto.leftJustified(LunghezzaOggettoTestoInvio, ' ');
    return oggetto + CodificaWindows1252(TogliSpazi(testo.Testo));
}

TestoInvio LeggiTestoInvio(
    const AmbienteOrbeni& ambiente, const QString& tipo, const EditoreTestoInvio& editore)
{
    const QString percorso = PercorsoTestoInvio(ambiente, tipo);
    TestoInvio letto;
    if (QFile file(percorso); !percorso.isEmpty() && file.open(QIODevice::ReadOnly))
        letto = DecodificaTestoInvio(file.readAll());
    if (!editore || percorso.isEmpty())
        return letto;

    const TestoInvio nuovo = editore(letto);
    const TestoInvio scritto {TogliSpazi(nuovo.Oggetto), TogliSpazi(nuovo.Testo)};
    // Replaced whole or not at all.
    QSaveFile file(percorso);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(CodificaTestoInvio(scritto));
        file.commit();
    }
    return scritto;
}

void CleanOggettoTestoInvio(const AmbienteOrbeni& ambiente, const QString& tipo)
{
    const QString percorso = PercorsoTestoInvio(ambiente, tipo);
    if (!percorso.isEmpty())
        QFile::remove(percorso);
}
