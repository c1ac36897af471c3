#include "sending/LayoutFormEmail.h"

#include <algorithm>

namespace {

constexpr int Margine = 120;
constexpr int Spazio = 60;
constexpr int AltezzaBarraAlto = 375;
constexpr int AltezzaOggetto = 1080;
constexpr int AltezzaTesto = 2600;
constexpr int AltezzaTentativi = 780;
constexpr int LarghezzaBarraDestra = 1500;

} // namespace

int NumeroMaxElementi(int larghezzaSchermoPixel)
{
    return larghezzaSchermoPixel >= 1024 ? 17 : 10;
}

LayoutFormEmail CalcolaLayoutFormEmail(const MisureFormEmail& misure)
{
    LayoutFormEmail layout;
    const int larghezzaRiquadri = misure.LarghezzaEtichetta + misure.LarghezzaLista + 100;
    layout.BarraAlto = {0, 0, 0, AltezzaBarraAlto};
    layout.Oggetto = {Margine, AltezzaBarraAlto + Spazio, larghezzaRiquadri, AltezzaOggetto};

    const int altoDestinatari = layout.Oggetto.Basso() + Spazio;
    const int sotto = AltezzaTesto + Spazio + (misure.Fax ? AltezzaTentativi + Spazio : 0);
    int altezza = misure.Righe * AltezzaRigaEmail + 50;
    if (misure.Righe > misure.MaxElementi)
        altezza = std::min(altezza, misure.MaxElementi * AltezzaRigaEmail + 30);
    // The room the dialog has at the main window's height, above the frames under the list.
    altezza = std::min(altezza, misure.AltezzaPrincipale - altoDestinatari - sotto - 600);
    altezza = std::max(altezza, AltezzaRigaEmail + 50);
    layout.Destinatari = {Margine, altoDestinatari, larghezzaRiquadri, altezza};
    layout.Lista = {misure.LarghezzaEtichetta + 50, 30, misure.LarghezzaLista, altezza - 30};

    layout.Testo = {Margine, layout.Destinatari.Basso() + Spazio, larghezzaRiquadri, AltezzaTesto};
    layout.Tentativi = {Margine, layout.Testo.Basso() + Spazio, larghezzaRiquadri,
        misure.Fax ? AltezzaTentativi : 0};
    const RiquadroTwips& ultimo = misure.Fax ? layout.Tentativi : layout.Testo;
    layout.Altezza = ultimo.Basso() + 1000;

    const int sinistraBarra = Margine + larghezzaRiquadri + Margine;
    layout.BarraDestra = {
        sinistraBarra, AltezzaBarraAlto, LarghezzaBarraDestra, layout.Altezza - AltezzaBarraAlto};
    layout.Larghezza = sinistraBarra + LarghezzaBarraDestra;
    layout.BarraAlto.Larghezza = layout.Larghezza;
    return layout;
}

PosizioneEditore PosizionaEditore(int riga, int colonna, int lunghezza, int larghezzaCheck,
    bool coperturaVerticale, int larghezzaBarraVerticale)
{
    PosizioneEditore posizione;
    posizione.Testo = {colonna, riga, lunghezza - larghezzaCheck, AltezzaRigaEmail};
    int distanza = 50;
    if (coperturaVerticale) {
        posizione.Testo.Larghezza -= larghezzaBarraVerticale;
        distanza = 30;
    }
    posizione.SinistraCheck = posizione.Testo.Sinistra + posizione.Testo.Larghezza + distanza;
    posizione.AltoCheck = riga;
    return posizione;
}
