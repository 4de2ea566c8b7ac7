#pragma once

#include "display/EstadoGrafico.h"

#include <QColor>

inline QColor ParaQColor(Cor c) {
    return QColor(int(c >> 16) & 0xff, int(c >> 8) & 0xff, int(c) & 0xff);
}
