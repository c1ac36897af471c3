#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// A small valid PDF made by hand: one A4 page per entry, each page its lines of text, the first
// in bold. Text is written in WinAnsi; characters it cannot hold become "?".
[[nodiscard]] QByteArray PdfTesto(const QList<QStringList>& pagine);
