#pragma once

// The fixed positions of the request arrays.
namespace IndiceRichiesta {
inline constexpr int Azienda = 0;
inline constexpr int Comando = 1;
inline constexpr int Ambito = 2; // "AZ"
inline constexpr int Lingua = 3; // "it"
inline constexpr int TokenPaesi = 4;
inline constexpr int CodicePaese = 13;
inline constexpr int Serie = 22;
inline constexpr int Numero = 23;
inline constexpr int Anno = 24;
inline constexpr int DataDa = 25;
inline constexpr int DataA = 26;
inline constexpr int Etichetta = 27;
inline constexpr int TestoNominativo = 32;
inline constexpr int NominativoIniziale = 33;
inline constexpr int SelettoreElenco = 88;
inline constexpr int ElencoCodici = 90;
inline constexpr int Categoria = 94;
inline constexpr int Utente = 95;
inline constexpr int UtenteRichiesta = 96;
} // namespace IndiceRichiesta
