#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The criteria of a documents search, in the document view and in the to-send view.
struct CriteriRicercaDocumenti final {
    QString categoria; // option index of the view, empty when none is chosen
    QString serie; // series code or the free series text
    int numero = -1; // -1: no number
    int anno = -1; // -1: no year
    QDate dataDa; // null: no lower bound
    QDate dataA; // null: no upper bound
    QString etichetta; // the chosen list label, e.g. "DA INVIARE"
    QStringList codici; // the search codes of ElencoCodiciRicerca
};

// The period and title of the privacy and export lists.
struct PeriodoElenco final {
    QDate dataDa;
    QDate dataA;
    QString etichetta;
};

// The keys of a fax address book lookup; empty initials ask for the whole book.
struct ChiaviRubricaFax final {
    QString primaChiave;
    QString secondaChiave;
    QString inizialiNominativo;
    QString inizialiAzienda;
};
