#include "app/Impostazioni.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

QString Chiave(const Impostazione& impostazione)
{
    if (impostazione.sottoSezione.isEmpty())
        return impostazione.chiave;
    return impostazione.sottoSezione + u'/' + impostazione.chiave;
}

} // namespace

Impostazioni::Impostazioni()
    : m_settings(std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, u"Quorvanel s.r.l."_s, u"Invexo"_s))
{
}

Impostazioni::Impostazioni(const QString& percorsoFile)
    : m_settings(std::make_unique<QSettings>(percorsoFile, QSettings::IniFormat))
{
}

Impostazioni::~Impostazioni() = default;

QString Impostazioni::Leggi(const Impostazione& impostazione) const
{
    const QVariant valore = m_settings->value(Chiave(impostazione));
    if (!valore.isValid())
        return impostazione.predefinito;
    // A value typed by hand with commas reads back as a list: keep it as the text it was.
    if (valore.metaType().id() == QMetaType::QStringList)
        return valore.toStringList().join(u',');
    return valore.toString();
}

void Impostazioni::Scrivi(const Impostazione& impostazione, const QString& valore)
{
    m_settings->setValue(Chiave(impostazione), valore);
    m_settings->sync();
}

QString Impostazioni::PercorsoFile() const
{
    return m_settings->fileName();
}

Impostazioni& ImpostazioniPredefinite()
{
    static Impostazioni impostazioni;
    return impostazioni;
}
