#pragma once

#include <QByteArray>
#include <QStringList>

// The lines of text a PDF shows, read from its uncompressed text operators (the PDFs this
// server makes); empty for other PDFs.
[[nodiscard]] QStringList TestoPdf(const QByteArray& pdf);
// A word-processor document (RTF) with the lines as paragraphs.
[[nodiscard]] QByteArray DocumentoRtf(const QStringList& righe);
