#pragma once

// The layout of the send dialog FormEmail in twips: the frames stacked under the title bar,
// the recipients frame as high as its rows allow, the right-hand bar down to the bottom.

// Rows shown before the recipients list scrolls.
[[nodiscard]] int NumeroMaxElementi(int larghezzaSchermoPixel);

inline constexpr int AltezzaRigaEmail = 257;

struct RiquadroTwips final {
    int Sinistra = 0;
    int Alto = 0;
    int Larghezza = 0;
    int Altezza = 0;
    [[nodiscard]] int Basso() const { return Alto + Altezza; }
};

struct MisureFormEmail final {
    int AltezzaPrincipale = 0;
    int LarghezzaLista = 0;
    int LarghezzaEtichetta = 0;
    int Righe = 0;
    int MaxElementi = 17;
    bool Fax = false;
};

struct LayoutFormEmail final {
    RiquadroTwips BarraAlto;
    RiquadroTwips Oggetto;
    RiquadroTwips Destinatari;
    // Inside the recipients frame.
    RiquadroTwips Lista;
    RiquadroTwips Testo;
    // Zero high outside fax mode.
    RiquadroTwips Tentativi;
    RiquadroTwips BarraDestra;
    int Larghezza = 0;
    int Altezza = 0;
};

// ResizeLWEmail.
[[nodiscard]] LayoutFormEmail CalcolaLayoutFormEmail(const MisureFormEmail& misure);

// Where the in-place editor and its check box go, from the cell's place (InserisciFaxEmail).
struct PosizioneEditore final {
    RiquadroTwips Testo;
    int SinistraCheck = 0;
    int AltoCheck = 0;
};
[[nodiscard]] PosizioneEditore PosizionaEditore(int riga, int colonna, int lunghezza,
    int larghezzaCheck, bool coperturaVerticale, int larghezzaBarraVerticale);
