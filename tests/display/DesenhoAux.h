#pragma once
// Computed spin systems and renderings of the plot for the drawing tests.

#include "display/EstadoGrafico.h"
#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/Simulacao.h"
#include "run/ValoresIniciais.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace aux {

inline EntradaSimulacao Sistema(int N) {
    return EntradaInicial(N);
}

inline EstadoSpin Calcula(const EntradaSimulacao& in) {
    EstadoSpin e, trabalho;
    ObservadorSimulacao nada;
    const auto erro = Simula(in, e, trabalho, nada);
    EXPECT_FALSE(erro) << *erro;
    return e;
}

inline QColor Qc(Cor c) {
    return QColor(int((c >> 16) & 255), int((c >> 8) & 255), int(c & 255));
}

// The screen plot of the wide layout: the background the widget fills in,
// then the drawing.
inline QImage Tela(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o,
                   std::optional<int>* rolagem = nullptr) {
    QImage im(Px(LarguraLarga), Px(AlturaLarga), QImage::Format_RGB32);
    im.fill(Qc(g.Visualizando ? Rgb(255, 255, 255) : g.CorFundo));
    QPainter p(&im);
    const auto r = Grafico(Superficie{p, true, LarguraLarga, AlturaLarga}, g, e, o);
    if (rolagem) *rolagem = r;
    return im;
}

// Pixels of exactly colour c inside r.
inline int Conta(const QImage& im, QRect r, Cor c) {
    r = r.intersected(im.rect());
    const QRgb alvo = qRgb(int((c >> 16) & 255), int((c >> 8) & 255), int(c & 255));
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((im.pixel(x, y) & 0xffffff) == (alvo & 0xffffff)) ++n;
    return n;
}
inline int Conta(const QImage& im, Cor c) {
    return Conta(im, im.rect(), c);
}

// Pixels inside r that are mostly blue: the antialiased peak labels.
inline int Azulados(const QImage& im, QRect r) {
    r = r.intersected(im.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = im.pixel(x, y);
            if (qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60) ++n;
        }
    return n;
}

// Pixels whose red, green and blue differ: anything not black, white or grey.
inline int Coloridos(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb p = im.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++n;
        }
    return n;
}

} // namespace aux
