#include "orbeni/local/AmbienteLocale.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

// A name from outside becomes one harmless path component.
QString Componente(const QString& nome)
{
    QString pulito = nome;
    pulito.replace(u'/', u'_').replace(u'\\', u'_').replace(QChar(0), u'_');
    if (pulito == u"."_s || pulito == u".."_s)
        pulito = u"_"_s;
    return pulito;
}

} // namespace

AmbienteLocale::AmbienteLocale(const QString& cartellaBase)
    : m_base(QDir::cleanPath(QDir(cartellaBase).absolutePath()))
{
}

QString AmbienteLocale::Cartella(const QString& relativo) const
{
    const QString percorso = relativo.isEmpty() ? m_base : m_base + u'/' + relativo;
    QDir().mkpath(percorso);
    return percorso;
}

QString AmbienteLocale::NomeComputer() const
{
    return QSysInfo::machineHostName();
}

QString AmbienteLocale::CartellaLavoro() const
{
    return Cartella(u"lavoro"_s);
}

QString AmbienteLocale::CartellaConfigurazione(const QString& nome) const
{
    return Cartella(nome.isEmpty() ? u"config"_s : u"config/"_s + Componente(nome));
}

QString AmbienteLocale::CartellaPostazione(const QString& nomePC) const
{
    return Cartella(nomePC.isEmpty() ? u"postazioni"_s : u"postazioni/"_s + Componente(nomePC));
}

QString AmbienteLocale::CartellaProgrammi(const QString& nome) const
{
    return Cartella(nome.isEmpty() ? u"programmi"_s : u"programmi/"_s + Componente(nome));
}

void AmbienteLocale::RegistraFinestra(quintptr, bool)
{
}

std::shared_ptr<Sessione> AmbienteLocale::ApriSessione()
{
    return std::make_shared<Sessione>();
}

void AmbienteLocale::ChiudiSessione(Sessione& sessione)
{
    sessione.Chiudi();
}

ContestoAzienda AmbienteLocale::ApriAzienda(
    const QString& azienda, bool modoShell, const QString&, const QString&)
{
    return ContestoAzienda {azienda, modoShell};
}

void AmbienteLocale::CopiaLoghi() const
{
    const QString cartella = CartellaConfigurazione(u"Logo"_s);
    for (const QString& nome : {u"logo01.gif"_s, u"logoQuorvanel.gif"_s}) {
        const QString risorsa = u":/logo/"_s + nome;
        const QString destinazione = cartella + u'/' + nome;
        if (QFile::exists(risorsa) && !QFile::exists(destinazione)
            && QFile::copy(risorsa, destinazione))
            QFile::setPermissions(destinazione,
                QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}
