#include "contacts/ClientLdap.h"

const QStringList* VoceLdap::Attributo(const QString& nome) const
{
    const auto trovato = Attributi.constFind(nome.toLower());
    return trovato == Attributi.constEnd() ? nullptr : &trovato.value();
}

QString VoceLdap::PrimoValore(const QString& nome) const
{
    const QStringList* valori = Attributo(nome);
    return valori && !valori->isEmpty() ? valori->first() : QString();
}
