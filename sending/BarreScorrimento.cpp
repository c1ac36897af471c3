#include "sending/BarreScorrimento.h"

#include "forms/Elenco.h"

#include <QApplication>
#include <QStyle>

// Qt's pixels are device-independent (1/96 inch): the twips per pixel are the same both ways.
int LarghezzaBarraVerticale()
{
    return TwipsPerPixel * QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int AltezzaBarraOrizzontale()
{
    return TwipsPerPixel * QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}
