#include "mainwindow/JanelaSobre.h"

#include "gerado/Versao.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

JanelaSobre::JanelaSobre(QWidget* parent) : QDialog(parent) {
    const QString titulo = QStringLiteral("Halvora");
    setWindowTitle(tr("Sobre o Programa ") + titulo);

    auto* icone = new QLabel(this);
    // The program's icon once it is installed.
    const QIcon programa = QApplication::windowIcon();
    icone->setPixmap(
        (programa.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation) : programa)
            .pixmap(48, 48));
    auto* lblTitle = new QLabel(titulo, this);
    QFont fonte(QStringLiteral("Times New Roman"));
    fonte.setPointSize(24);
    fonte.setBold(true);
    lblTitle->setFont(fonte);
    auto* lblVersion = new QLabel(tr("Versão ") + QLatin1String(VersaoHalvora), this);
    auto* descricao =
        new QLabel(tr("Este programa serve para prever a aparência de um espectro de "
                      "Ressonância Magnética Nuclear de próton (hidrogênio) correspondendo a um "
                      "determinado conjunto de valores de deslocamento químico e de constantes "
                      "de acoplamento."),
                   this);
    auto* aviso = new QLabel(tr("Programa demonstrativo de finalidade didática, seu uso é livre de "
                                "qualquer restrição. Escrito pela equipe do Halvora."),
                             this);
    for (QLabel* l : {descricao, aviso}) l->setWordWrap(true);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grade = new QGridLayout(this);
    grade->addWidget(icone, 0, 0, 3, 1, Qt::AlignTop);
    grade->addWidget(lblTitle, 0, 1);
    grade->addWidget(lblVersion, 1, 1);
    grade->addWidget(descricao, 2, 1);
    grade->addWidget(aviso, 3, 1);
    grade->addWidget(cmdOK, 4, 1, Qt::AlignRight);
    setMinimumWidth(460);
}
