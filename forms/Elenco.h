#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <any>
#include <functional>
#include <memory>
#include <optional>

// One cell of a row at a column position after the first: text, icon key, tool tip, tag.
struct CellaElenco final {
    QString Chiave;
    QString Testo;
    QString Icona;
    QString ToolTip;
    std::any Tag;
    QColor Colore;
    bool Grassetto = false;

    template <typename T> [[nodiscard]] T TagCome() const
    {
        const T* valore = std::any_cast<T>(&Tag);
        return valore ? *valore : T {};
    }
};

struct RigaElenco final {
    QString Chiave;
    QString Testo;
    QString Icona;
    std::any Tag;
    bool Spuntata = false;
    QColor Colore;
    bool Grassetto = false;
    // Cells by column position; position 0 is the row text, so Celle[0] is unused.
    QList<CellaElenco> Celle;

    [[nodiscard]] CellaElenco* Cella(const QString& chiave);
    [[nodiscard]] const CellaElenco* Cella(const QString& chiave) const;
    [[nodiscard]] CellaElenco& CellaA(int colonna);
    [[nodiscard]] QString TestoColonna(int colonna) const;

    template <typename T> [[nodiscard]] T TagCome() const
    {
        const T* valore = std::any_cast<T>(&Tag);
        return valore ? *valore : T {};
    }
};

struct ColonnaElenco final {
    QString Chiave;
    QString Intestazione;
    int LarghezzaTwips = 0;
    Qt::Alignment Allineamento = Qt::AlignLeft;
    // The picture beside the header text (the sort marks "SORTED" / "UNSORTED").
    QString IconaIntestazione;
};

// Every list of the program: columns, rows with keyed cells, and the sort state.
// Logic reads and writes it; ElencoView shows it.
class Elenco final {
public:
    Elenco() = default;
    // A copy holds the same columns and rows but is shown by no view.
    Elenco(const Elenco& altro);
    Elenco& operator=(const Elenco& altro);
    ~Elenco();

    QList<ColonnaElenco> Colonne;

    void AggiungiColonna(const QString& chiave, const QString& intestazione, int larghezzaTwips,
        Qt::Alignment allineamento = Qt::AlignLeft);
    [[nodiscard]] int IndiceColonna(const QString& chiave) const;

    // Adds a row; false when its key is already taken (an empty key is never taken).
    bool Aggiungi(RigaElenco riga);
    // Makes room for that many more rows, so that a large batch grows the list only once.
    void Riserva(int righe);
    void Rimuovi(int indice);
    void Svuota();
    [[nodiscard]] int Conta() const { return static_cast<int>(m_righe.size()); }
    [[nodiscard]] RigaElenco& Riga(int indice) { return m_righe[indice]; }
    [[nodiscard]] const RigaElenco& Riga(int indice) const { return m_righe[indice]; }
    [[nodiscard]] std::optional<int> IndiceRiga(const QString& chiave) const;
    [[nodiscard]] const QList<RigaElenco>& Righe() const { return m_righe; }

    // Sorting by the text of one column, as a report list does.
    [[nodiscard]] bool Ordinato() const { return m_ordinato; }
    [[nodiscard]] int ColonnaOrdinamento() const { return m_colonnaOrdinamento; }
    [[nodiscard]] bool Discendente() const { return m_discendente; }
    void Ordina(int colonna, bool discendente);
    // Sorts by the column, flipping the order when the list is already sorted by it.
    void OrdinaOInverti(int colonna);

    // Tells the views that rows or cells changed; call it once after a batch of changes.
    void Cambiato() const;
    // The view that shows the list registers here; the list does not own it. The view hears of
    // every batch of changes and of the list's end, whichever of the two goes first.
    void ImpostaOsservatore(std::function<void()> cambiato, std::function<void()> distrutto = {})
    {
        m_osservatore = std::move(cambiato);
        m_distrutto = std::move(distrutto);
    }

private:
    void RicostruisciIndice();

    QList<RigaElenco> m_righe;
    QHash<QString, int> m_indice;
    bool m_ordinato = false;
    int m_colonnaOrdinamento = 0;
    bool m_discendente = false;
    std::function<void()> m_osservatore;
    std::function<void()> m_distrutto;
};

constexpr int TwipsPerPixel = 15;
