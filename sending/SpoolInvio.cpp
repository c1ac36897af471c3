#include "sending/SpoolInvio.h"

#include "sending/CodificaAnsi.h"
#include "sending/ImpaginaTesto.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct FileDaScrivere {
    QString Percorso;
    const QByteArray* Contenuto;
};

// The workstation name becomes part of a file name: it must not reach another folder.
bool NomePostazioneValido(const QString& nomePC)
{
    return !nomePC.contains(u'/') && !nomePC.contains(u'\\') && !nomePC.contains(QChar(0));
}

} // namespace

void SpoolInvio::RiservaDestinatari(qsizetype record)
{
    m_destinatari.reserve(record * static_cast<qsizetype>(TracciatoSpool::LunghezzaDestinatario));
    m_allegati.reserve(record * static_cast<qsizetype>(TracciatoSpool::LunghezzaAllegato));
}

void SpoolInvio::AggiungiDestinatario(const RecordDestinatario& record)
{
    m_destinatari.append(record.Dati());
}

void SpoolInvio::AggiungiAllegato(const RecordAllegato& record)
{
    m_allegati.append(record.Dati());
}

void SpoolInvio::ImpostaTestoCopertina(const QString& testo)
{
    QByteArray contenuto;
    for (const QString& riga : RigheTestoCopertina(testo)) {
        contenuto += CodificaWindows1252(riga);
        contenuto += QByteArrayView(TracciatoSpool::FineRigaCopertina);
    }
    m_copertina = std::move(contenuto);
}

std::optional<QStringList> SpoolInvio::Scrivi(
    const QString& cartella, const QString& nomePC, QString& errore) const
{
    if (!NomePostazioneValido(nomePC)) {
        errore = u"Nome della postazione non valido: "_s + nomePC;
        return std::nullopt;
    }
    const QDir dir(cartella);
    std::vector<FileDaScrivere> files {
        {dir.filePath(QStringView(TracciatoSpool::PrefissoDestinatari) + nomePC), &m_destinatari},
        {dir.filePath(QStringView(TracciatoSpool::PrefissoAllegati) + nomePC), &m_allegati},
    };
    if (m_copertina)
        files.push_back({dir.filePath(QStringView(TracciatoSpool::PrefissoTestoCopertina) + nomePC),
            &*m_copertina});

    // Every file is complete under its temporary name before the first one is renamed.
    std::vector<std::unique_ptr<QSaveFile>> aperti;
    for (const FileDaScrivere& file : files) {
        auto salvataggio = std::make_unique<QSaveFile>(file.Percorso);
        if (!salvataggio->open(QIODevice::WriteOnly)
            || salvataggio->write(*file.Contenuto) != file.Contenuto->size()) {
            errore = file.Percorso + u": "_s + salvataggio->errorString();
            return std::nullopt;
        }
        aperti.push_back(std::move(salvataggio));
    }

    QStringList scritti;
    for (std::size_t i = 0; i < aperti.size(); ++i) {
        if (!aperti[i]->commit()) {
            errore = files[i].Percorso + u": "_s + aperti[i]->errorString();
            // The server must not pair this run's files with an older run's.
            for (const QString& percorso : std::as_const(scritti))
                QFile::remove(percorso);
            return std::nullopt;
        }
        scritti.append(files[i].Percorso);
    }
    return scritti;
}
