#pragma once
// Computed spin systems and renderings of the plot for the drawing tests.

#include "display/Figura.h"
#include "display/Geometria.h"
#include "display/Grafico.h"
#include "run/ExecucaoAux.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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
    QImage Png(bool bp = false) { return DesenhoPng(g, e, o, {LarguraLarga, AlturaLarga}, bp); }
    QByteArray Svg(bool bp = false) { return DesenhoSvg(g, e, o, {LarguraLarga, AlturaLarga}, bp); }
};

// A text of a recorded SVG drawn under a transformation (every text of the
// plot), with its size and colour.
struct TextoSvg {
    QString s;
    double tamanho;
    QString cor;
};
inline std::vector<TextoSvg> TextosSvg(const QByteArray& svg) {
    static const QRegularExpression re(QStringLiteral(
        R"re(transform="matrix\([^)]*\)"[^>]*>\s*<text fill="([^"]*)"[^>]*? font-size="([^"]*)"[^>]*>([^<]*)</text>)re"));
    std::vector<TextoSvg> r;
    for (const auto& m : re.globalMatch(QString::fromUtf8(svg)))
        r.push_back({m.captured(3), m.captured(2).toDouble(), m.captured(1)});
    return r;
}

// Every text of a recorded SVG, in order.
inline QStringList Textos(const QByteArray& svg) {
    static const QRegularExpression re(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QStringList r;
    for (const auto& m : re.globalMatch(QString::fromUtf8(svg))) r << m.captured(1);
    return r;
}

// `e` with just these (frequency, intensity) bands, all of proton 1.
inline EstadoSpin Bandas(const std::vector<std::pair<double, double>>& bandas,
                         EstadoSpin e = EstadoSpin()) {
    e.NProt = 1;
    e.NBandas = int(bandas.size());
    e.FreqBanda.recria(e.NBandas);
    e.IntBanda.recria(e.NBandas);
    e.ProtBanda.recria(e.NBandas);
    for (int k = 1; k <= e.NBandas; ++k) {
        std::tie(e.FreqBanda(k), e.IntBanda(k)) = bandas[std::size_t(k - 1)];
        e.ProtBanda(k) = 1;
    }
    return e;
}

// The highest and the lowest band's frequency.
inline std::pair<double, double> Extremos(const EstadoSpin& e) {
    double fmax = -1e9, fmin = 1e9;
    for (int k = 1; k <= e.NBandas; ++k)
        fmax = std::max(fmax, e.FreqBanda(k)), fmin = std::min(fmin, e.FreqBanda(k));
    return {fmax, fmin};
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
