#include "formatos/SessaoArquivo.h"

std::optional<std::string> DadosDaSessao(const EstadoSpin& e, const CaixasArquivo& c,
                                         const VistaArquivo& v, DadosArquivo& d) {
    d.Titulo = v.Titulo;
    CopiaDoEstado(e, d);
    if (auto erro = CopiaDasCaixas(c.TextoFrequencia, c.TextoLargura, c.SepDec, d)) return erro;
    d.Mistura = v.Mistura;
    d.PPM = v.PPM;
    d.ComTabela = v.ComTabela;
    d.ComEnvolvente = v.ComEnvolvente;
    d.Colorido = v.Colorido;
    d.JanelaFixa = v.JanelaFixa;
    d.NiInic = v.NiInic;
    d.LimLeft = v.LimLeft;
    d.TwPerHz = v.TwPerHz;
    return std::nullopt;
}

void NomeiaEspectro(const VistaArquivo& v, const std::string& destino, DadosArquivo& d) {
    if (v.Espectro.empty()) return;
    d.ArquivoExperimental = NomeDoEspectro(v.Espectro, destino);
    d.ReferenciaPpm = v.ReferenciaPpm;
}

EntradaSimulacao EntradaDoArquivo(const DadosArquivo& d, char SepDec) {
    EntradaSimulacao in;
    in.NProt = d.NProt;
    in.MHz = d.MHz;
    in.IntMin = d.IntMin;
    in.Desloc = d.Desloc;
    in.J = d.J;
    in.SepDec = SepDec;
    return in;
}

VistaArquivo VistaDoArquivo(const DadosArquivo& d, const std::string& arquivoDados) {
    VistaArquivo v{.Titulo = d.Titulo,
                   .Mistura = d.Mistura,
                   .PPM = d.PPM,
                   .ComTabela = d.ComTabela,
                   .ComEnvolvente = d.ComEnvolvente,
                   .Colorido = d.Colorido,
                   .JanelaFixa = d.JanelaFixa,
                   .NiInic = d.NiInic,
                   .LimLeft = d.LimLeft,
                   .TwPerHz = d.TwPerHz};
    if (!d.ArquivoExperimental.empty()) {
        v.Espectro = CaminhoDoEspectro(d.ArquivoExperimental, arquivoDados);
        v.ReferenciaPpm = d.ReferenciaPpm;
    }
    return v;
}
