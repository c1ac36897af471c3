#pragma once

#include "orbeni/Risultati.h"

#include <QList>
#include <QString>

#include <array>

// The right-hand bar as data: each view sets which frames show with which captions and the
// window only applies the state.
struct BottoneDestro final {
    bool Visibile = false;
    QString Didascalia;
    QString Icona;
};

struct StatoBarraDestra final {
    StatoBarraDestra();

    static constexpr int Rewind = 0;
    static constexpr int Aggiungi = 1;
    static constexpr int Invia = 2;
    static constexpr int Fax = 3;
    static constexpr int Stampa = 4;
    static constexpr int Preferenze = 5;
    static constexpr int Rimuovi = 6;

    std::array<BottoneDestro, 7> Bottoni;
    bool EliminaVisibile = false;
    QString DidascaliaElimina;
    QString IconaElimina;
};

void MostraBottoniDestra(
    StatoBarraDestra& barra, const ArchivioSerie& archivio, const QString& etichetta);
void MostraBottoniDestraDaInviare(StatoBarraDestra& barra, const ArchivioSerie& archivio);
void TogliBottoniDestra(StatoBarraDestra& barra, const ArchivioSerie& archivio);
void RipristinaBottoniDestra(StatoBarraDestra& barra, const ArchivioSerie& archivio);

// Top of each frame of the bar, in twips from the bar's top; -1 for a hidden frame.
// Index 7 is the "Elimina" frame, which comes right under frame 0.
struct PosizioniBarra final {
    std::array<int, 7> Frame {};
    int Elimina = -1;
};
[[nodiscard]] PosizioniBarra DisponiBottoniDestra(
    const StatoBarraDestra& barra, int altezzaFrameTwips, bool schermoStretto);
