#pragma once

#include <QStringList>

// The typed prefix of a combo box, kept between key presses; cleared by any other key and by
// losing the focus.
struct PrefissoCombo final {
    QString Testo;
};

struct EsitoCercaInCombo final {
    // The key was used for the search and must not reach the combo.
    bool Consumato = false;
    // The entry to select; -1 for none (the selection is cleared).
    int Indice = -1;
};

// Key press in a combo box that finds entries by their beginning: digits, ":", ";" and letters
// extend the prefix and select the first entry beginning with it, ignoring case.
[[nodiscard]] EsitoCercaInCombo CercaInCombo(
    const QStringList& voci, int codiceTasto, PrefissoCombo& prefisso);

// Whether a typed character may reach a field: Backspace, Tab, line feed, Enter and the
// printable ASCII codes 32 to 127. Any other key is dropped (with a beep).
[[nodiscard]] bool FiltraTasto(int codiceTasto);
