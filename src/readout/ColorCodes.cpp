#include "readout/ColorCodes.h"

QString NumberText(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}
