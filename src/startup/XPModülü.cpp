#include "XPModülü.h"

#include <QApplication>
#include <QStyle>

void GörselStilleriBaşlat()
{
    // Qt draws its controls in the platform's own style from the start; all that is left is to
    // make sure a style is in place.
    QApplication::style();
}
