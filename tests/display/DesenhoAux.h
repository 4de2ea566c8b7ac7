#pragma once
// Computed spin systems and renderings of the plot for the drawing tests.

#include "display/Figura.h"
#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/ExecucaoAux.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace aux {

// A computed system and the plot state after "Restaurar", drawn in the wide layout.
struct Cena {
    EstadoSpin e;
    EstadoGrafico g;
    OpcoesGrafico o;
    explicit Cena(const EntradaSimulacao& in) : e(testes::Calcula(in)) { Restaura(g); }
    // The screen plot over the background the widget fills in.
    QImage Tela() {
        QImage im(Px(LarguraLarga), Px(AlturaLarga), QImage::Format_RGB32);
        im.fill(QColor::fromRgb(g.Visualizando ? 0xffffff : g.CorFundo));
        QPainter p(&im);
        Grafico(Superficie{p, true, LarguraLarga, AlturaLarga}, g, e, o);
        return im;
    }
    QImage Png(bool bp = false) { return DesenhoPng(g, e, o, LarguraLarga, AlturaLarga, bp); }
    QByteArray Svg(bool bp = false) { return DesenhoSvg(g, e, o, LarguraLarga, AlturaLarga, bp); }
};

// A state with just these (frequency, intensity) bands, of one proton.
inline EstadoSpin Bandas(std::initializer_list<std::pair<double, double>> bandas) {
    EstadoSpin e;
    e.NProt = 1;
    e.NBandas = int(bandas.size());
    e.FreqBanda.recria(e.NBandas);
    e.IntBanda.recria(e.NBandas);
    int k = 0;
    for (auto [f, i] : bandas) {
        e.FreqBanda(++k) = f;
        e.IntBanda(k) = i;
    }
    return e;
}

// Pixels of exactly colour c inside r (the whole picture when r is null).
inline int Conta(const QImage& im, Cor c, QRect r = {}) {
    r = r.isNull() ? im.rect() : r.intersected(im.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += (im.pixel(x, y) & 0xffffff) == c;
    return n;
}

} // namespace aux
