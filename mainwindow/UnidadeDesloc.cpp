#include "mainwindow/UnidadeDesloc.h"

#include "texto/TextoDecimal.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

UnidadeDesloc::UnidadeDesloc(const Caixas& c, QWidget* janela, char SepDec, QObject* pai)
    : QObject(pai), c_(c), janela_(janela), SepDec_(SepDec) {}

void UnidadeDesloc::OfereceMudarParaPpm() {
    if (PPM_ || AvisoPPMDado_) return;
    AvisoPPMDado_ = true;
    const QString texto = tr("Você está alterando o valor da freqüência do instrumento\r\n"
                             "mas a entrada de deslocamentos químicos está focalizada em 'Hz'.\r\n"
                             "Se sua intenção é ver como o espectro muda ao utilizar um\r\n"
                             "instrumento de freqüência diferente, a entrada deve ser\r\n"
                             "selecionada para 'ppm'.\r\n"
                             "\r\n"
                             "Deseja que o programa mude automaticamente para 'ppm'?");
    const auto resposta = QMessageBox::question(janela_, tr("Mudar para ppm?"), texto,
                                                QMessageBox::Yes | QMessageBox::No);
    if (resposta == QMessageBox::No) return;
    Alterna();
    c_.frequencia->setFocus(Qt::OtherFocusReason);
}

void UnidadeDesloc::Alterna() {
    PPM_ = !PPM_;
    c_.cabecalho->setText(PPM_ ? tr("Deslocamentos Químicos (ppm)")
                               : tr("Deslocamentos Químicos (Hz)"));
    // The companion labels were computed at this frequency, whatever the
    // frequency box holds now.
    const std::optional<double> MHz = MHzDosRotulos_;
    for (int i = 1; i <= NProtMax; ++i) {
        QLineEdit* t = c_.desloc[std::size_t(i)];
        QLabel* l = c_.outra[std::size_t(i)];
        const int topo = t->y();
        t->move(t->x(), l->y());
        l->move(l->x(), topo);
        std::string valor = Texto(i);
        const auto v = ConverteNumero(AjSepDecimal(valor, SepDec_), SepDec_);
        const QString texto = t->text();
        t->setText(l->text());
        l->setText(texto);
        // The box shows the other unit rounded; the run gets it whole.
        Exato& x = exatos_[std::size_t(i)];
        x = {};
        if (v && MHz && *MHz > 0)
            x = {t->text(), FormataNumeroG(PPM_ ? *v / *MHz : *v * *MHz, 17, SepDec_)};
    }
    emit Editado();
    emit FocoDevolvido();
}

bool UnidadeDesloc::UsaExato(int i) const {
    const Exato& x = exatos_[std::size_t(i)];
    return !x.valor.empty() && c_.desloc[std::size_t(i)]->text() == x.mostrado;
}

std::string UnidadeDesloc::Texto(int i) const {
    return UsaExato(i) ? exatos_[std::size_t(i)].valor
                       : c_.desloc[std::size_t(i)]->text().toStdString();
}
