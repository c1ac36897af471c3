#pragma once

// The byte layout of the send spool files: the workstation writes them, the server's sending
// service reads them. Both sides take offsets, widths and codes from here and nowhere else.
// Standard library only, so that any layer can read the format.
//
// Files live in the local working folder, named by a prefix below followed by the workstation
// name, without extension. Records are fixed-width single-byte Windows-1252 text: each field is
// left-aligned and padded with blanks, cut at its width, NUL where a writer never assigns it, and
// every record ends with a line feed. No header, no separator, no count.

#include <array>
#include <cstddef>
#include <string_view>

namespace TracciatoSpool {

struct Campo final {
    std::size_t Inizio;
    std::size_t Larghezza;
};

inline constexpr std::u16string_view PrefissoDestinatari = u"desmail";
inline constexpr std::u16string_view PrefissoAllegati = u"docmail";
inline constexpr std::u16string_view PrefissoTestoCopertina = u"frontmail";

inline constexpr char Nul = '\0';
inline constexpr char Blank = ' ';
inline constexpr char FineRecord = '\n';

// Recipients ("desmail"): one record per recipient.
enum class CampoDestinatario : std::size_t {
    Nominativo, // recipient name
    NominativoMittente, // sender name
    Oggetto, // subject
    Codice, // customer code
    TestoExtra, // extra text
    Fax, // fax number of fax recipients
    Email, // address of e-mail recipients
    DataInvio, // "ddMMyy"
    OraInvio, // "HHmm"
    Tentativi, // number of attempts, first digit only
    Tipo, // TipoFax, TipoEmail, TipoDaInviare, TipoInviata
    Progressivo, // three digits from "000"
    OpzioneFax, // written by the fax composition; blank otherwise
    EmailMittente, // sender address
    Marcatore, // MarcatoreRubrica, or blank
    Riservato, // ten blanks next to EmailCompleta, else NUL
    EmailCompleta, // the e-mail address again, else NUL
    Fine, // line feed
};

inline constexpr std::size_t LunghezzaDestinatario = 1338;
inline constexpr std::array<Campo, 18> CampiDestinatario {{
    {0, 30},
    {30, 30},
    {60, 40},
    {100, 30},
    {130, 40},
    {170, 20},
    {190, 60},
    {250, 6},
    {256, 4},
    {260, 1},
    {261, 1},
    {262, 3},
    {265, 1},
    {266, 60},
    {326, 1},
    {327, 10},
    {337, 1000},
    {1337, 1},
}};

inline constexpr std::u16string_view TipoFax = u"2";
inline constexpr std::u16string_view TipoEmail = u"3";
inline constexpr std::u16string_view TipoDaInviare = u"4"; // privacy notice set back to be sent
inline constexpr std::u16string_view TipoInviata = u"5"; // privacy notice set as sent
// Store the recipient's address in the customer's master data.
inline constexpr std::u16string_view MarcatoreRubrica = u"M";

// Attachments ("docmail"): what the recipients with the same sequence number receive.
enum class CampoAllegato : std::size_t {
    Progressivo, // three digits from "000"
    Operazione, // one of the operation codes below
    Serie, // document series, or a placeholder
    Numero, // five digits with leading zeros
    SottoNumero, // four digits with leading zeros
    Anno, // last two characters of the year
    StampaPDF, // print form
    Descrizione, // description, or the placeholder text
    RiferimentoFile, // written by the fax composition; blank otherwise
    Fine, // line feed
};

inline constexpr std::size_t LunghezzaAllegato = 114;
inline constexpr std::array<Campo, 10> CampiAllegato {{
    {0, 3},
    {3, 1},
    {4, 2},
    {6, 5},
    {11, 4},
    {15, 2},
    {17, 1},
    {18, 80},
    {98, 15},
    {113, 1},
}};

inline constexpr std::u16string_view OperazioneDocumento = u"Z";
inline constexpr std::u16string_view OperazioneInformativa = u"Y";
inline constexpr std::u16string_view OperazioneInformativaExport = u"U";
inline constexpr std::u16string_view OperazioneStatoInformativa = u"X";
inline constexpr std::u16string_view OperazioneFaxDocumento = u"2";
inline constexpr std::u16string_view OperazioneFaxP = u"p";
inline constexpr std::u16string_view OperazioneFaxW = u"w";

// Placeholders of the company's notices: series field "%C" or "%U", and the description
// placeholder + SuffissoSegnaposto + company code.
inline constexpr std::u16string_view SegnapostoInformativa = u"%C";
inline constexpr std::u16string_view SegnapostoExport = u"%U";
inline constexpr std::u16string_view SuffissoSegnaposto = u"1_";

// The sequence number has three digits, so a run pairs at most this many documents.
inline constexpr int MassimoProgressivi = 1000;

// The cover text ("frontmail"): lines ended by CR LF.
inline constexpr std::string_view FineRigaCopertina = "\r\n";

template <typename CampoEnum> struct Tracciato;

template <> struct Tracciato<CampoDestinatario> {
    static constexpr std::size_t Lunghezza = LunghezzaDestinatario;
    static constexpr const auto& Campi = CampiDestinatario;
};

template <> struct Tracciato<CampoAllegato> {
    static constexpr std::size_t Lunghezza = LunghezzaAllegato;
    static constexpr const auto& Campi = CampiAllegato;
};

template <typename CampoEnum> constexpr Campo Posizione(CampoEnum campo)
{
    return Tracciato<CampoEnum>::Campi[static_cast<std::size_t>(campo)];
}

// Fields follow each other without gaps and fill the record; the last one is the line feed.
template <typename CampoEnum> constexpr bool TracciatoContiguo()
{
    const auto& campi = Tracciato<CampoEnum>::Campi;
    std::size_t inizio = 0;
    for (const Campo& campo : campi) {
        if (campo.Inizio != inizio)
            return false;
        inizio += campo.Larghezza;
    }
    return inizio == Tracciato<CampoEnum>::Lunghezza && campi.back().Larghezza == 1;
}

static_assert(TracciatoContiguo<CampoDestinatario>());
static_assert(TracciatoContiguo<CampoAllegato>());
static_assert(CampiDestinatario.size() == static_cast<std::size_t>(CampoDestinatario::Fine) + 1);
static_assert(CampiAllegato.size() == static_cast<std::size_t>(CampoAllegato::Fine) + 1);

} // namespace TracciatoSpool
