#pragma once

// The system's scroll bars in twips, for the layouts that leave room for them.

// The width of a vertical scroll bar.
[[nodiscard]] int LarghezzaBarraVerticale();
// The height of a horizontal scroll bar.
[[nodiscard]] int AltezzaBarraOrizzontale();
