#pragma once
// Picture export: one complete Grafico drawing recorded as SVG with the
// plot's physical size (500 twips taller than the plot, for the bottom lines
// of the annotation block), and the same drawing as a PNG for the clipboard.

#include "display/EstadoGrafico.h"
#include "estado/EstadoSpin.h"
#include "run/Erro.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The drawing of a copy (CopiandoFigura set for its duration, CopiaBP as
// given) as SVG bytes. Empty when it cannot be recorded.
QByteArray DesenhoSvg(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                      bool pretoEBranco);
QImage DesenhoPng(EstadoGrafico& g, const EstadoSpin& e, const OpcoesGrafico& o, int SW, int SH,
                  bool pretoEBranco);

// Where the picture file lives: CurPic.svg in the user's application data folder.
QString ArqFigura();

// Records the copy into `arquivo` through GravaArquivo (a failed copy never
// leaves a half-written picture where the last one was); the bytes that
// reached the file in `gravado` when given.
std::optional<Erro> GravaFigura(const QString& arquivo, EstadoGrafico& g, const EstadoSpin& e,
                                const OpcoesGrafico& o, int SW, int SH, bool pretoEBranco,
                                QByteArray* gravado = nullptr);
