// The guide as a student meets it: F1 from any window of the program, pages
// whose every link and picture leads somewhere, and the captions it names
// as the program shows them.
#include "Menus.h"
#include "app/LigaInspetor.h"
#include "inspector/JanelaMatrizes.h"
#include "mainwindow/JanelaAux.h"
#include "mainwindow/JanelaGuia.h"
#include "widgets/Traducao.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

// The pages of the language the test runs in.
QString Pasta() {
    return PastaGuia() + QLatin1Char('/');
}

QString Html(const QString& pagina) {
    QFile f(Pasta() + pagina);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Paginas() {
    return QDir(Pasta()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// The plain text of every <span class="classe"> on every page, with its page.
std::vector<std::pair<QString, QString>> Marcados(const QString& classe) {
    const QRegularExpression marca(QStringLiteral(R"(<span class="%1">(.*?)</span>)").arg(classe),
                                   QRegularExpression::DotMatchesEverythingOption);
    std::vector<std::pair<QString, QString>> marcados;
    for (const QString& pagina : Paginas())
        for (auto m = marca.globalMatch(Html(pagina)); m.hasNext();)
            marcados.emplace_back(
                pagina,
                QTextDocumentFragment::fromHtml(m.next().captured(1)).toPlainText().simplified());
    return marcados;
}

// A page as Qt's rich text reads it, which is what the guide's window shows.
struct Pagina {
    QStringList links; // targets as written
    QSet<QString> ancoras;
    QStringList imagens;
};

Pagina Le(const QString& pagina) {
    QTextDocument doc;
    doc.setHtml(Html(pagina));
    Pagina p;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& nome : f.anchorNames()) p.ancoras.insert(nome);
            if (f.isImageFormat()) p.imagens << f.toImageFormat().name();
            if (f.isAnchor() && !f.anchorHref().isEmpty()) p.links << f.anchorHref();
        }
    return p;
}

QUrl Endereco(const QString& pagina) {
    return QUrl(QStringLiteral("qrc") + Pasta() + pagina);
}

// The page of the guide a link of `pagina` opens, or an empty string when it
// leads out of the guide or to nothing.
QString Destino(const QString& pagina, const QString& href) {
    const QUrl url = Endereco(pagina).resolved(QUrl(href));
    if (url.scheme() != QLatin1String("qrc") || !url.path().startsWith(Pasta().mid(1)))
        return QString();
    const QString nome = url.path().mid(Pasta().size() - 1);
    return QFile::exists(Pasta() + nome) ? nome : QString();
}

// Every link and picture leads to something that exists, and the index to
// every section, which each lead back to it.
TEST(Guia, CadaLinkEFiguraLevaAAlgoQueExiste) {
    const QString indice = JanelaGuia::Indice().fileName();
    QSet<QString> doIndice;
    for (const auto& link : Le(indice).links) doIndice.insert(Destino(indice, link));
    const QStringList paginas = Paginas();
    ASSERT_GE(paginas.size(), 8);
    for (const QString& pagina : paginas) {
        SCOPED_TRACE(pagina.toStdString());
        const Pagina p = Le(pagina);
        EXPECT_TRUE(pagina == indice || doIndice.contains(pagina));
        bool volta = pagina == indice;
        for (const QString& href : p.links) {
            SCOPED_TRACE(href.toStdString());
            const QString destino = Destino(pagina, href), ancora = QUrl(href).fragment();
            EXPECT_FALSE(destino.isEmpty()) << "a link out of the guide or to no page";
            EXPECT_TRUE(destino.isEmpty() || ancora.isEmpty() ||
                        Le(destino).ancoras.contains(ancora))
                << "no such anchor";
            volta = volta || destino == indice;
        }
        EXPECT_TRUE(volta);
        for (const QString& imagem : p.imagens) {
            const QImage figura(QLatin1Char(':') + Endereco(pagina).resolved(QUrl(imagem)).path());
            EXPECT_FALSE(figura.isNull()) << imagem.toStdString();
            // The window is a little wider than this: no picture to scroll sideways.
            EXPECT_LE(figura.width(), 760) << imagem.toStdString();
        }
    }
}

struct Programa : aux::Tela {
    Programa() { LigaInspetor(w); }
    // F1 on `janela`: the one guide, shown.
    QTextBrowser& F1(QWidget& janela) {
        janela.show();
        janela.activateWindow();
        // Shortcuts follow QApplication::activeWindow(), which can lag behind the
        // window system's activation.
        EXPECT_TRUE(QTest::qWaitFor([&janela] { return QApplication::activeWindow() == &janela; }));
        QTest::keyClick(&janela, Qt::Key_F1);
        EXPECT_EQ(w.findChildren<JanelaGuia*>().size(), 1);
        EXPECT_TRUE(w.guia() && w.guia()->isVisible() && w.guia()->isWindow());
        return *w.guia()->navegador();
    }
};

// F1 opens the guide, built only when asked for, at its index; its button
// goes back. Closed on a section, the guide comes back there, from
// the matrix window too, and is still one.
TEST(Guia, F1AbreOGuiaOndeFoiFechado) {
    Programa p;
    EXPECT_FALSE(p.w.guia());
    QTextBrowser& navegador = p.F1(p.w);
    EXPECT_EQ(navegador.source(), JanelaGuia::Indice());
    navegador.setSource(Endereco(QStringLiteral("ajuste.html")));
    for (QAbstractButton* b : p.w.guia()->findChildren<QAbstractButton*>())
        if (b->text() == JanelaGuia::tr("◀ Voltar")) b->click();
    EXPECT_EQ(navegador.source(), JanelaGuia::Indice());
    navegador.setSource(Endereco(QStringLiteral("grafico.html")));
    p.w.guia()->close();
    emit p.f.MatrizesPedidas();
    auto* inspetor = p.w.findChild<JanelaMatrizes*>();
    ASSERT_TRUE(inspetor);
    EXPECT_EQ(&p.F1(*inspetor), &navegador);
    EXPECT_EQ(navegador.source().fileName(), "grafico.html");
}

// The captions the guide names and its menu paths ("Arquivo › Imprimir...",
// or their last items) as the program shows them.
TEST(Guia, NomesECaminhosDeMenuSaoOsDoPrograma) {
    Programa p;
    // Built, not shown: showing rebuilds the grids and renames a button.
    const JanelaMatrizes inspetor(p.w.Estado(), ConsultasInspetor{});
    QSet<QString> naTela;
    const auto junta = [&naTela](const QString& s) { naTela.insert(s.simplified()); };
    for (const QWidget* w :
         {static_cast<const QWidget*>(&p.w), static_cast<const QWidget*>(&inspetor)}) {
        for (const auto* b : w->findChildren<QAbstractButton*>()) junta(b->text());
        for (const auto* l : w->findChildren<QLabel*>()) junta(l->text());
        for (const auto* g : w->findChildren<QGroupBox*>()) junta(g->title());
    }
    const TabelaResultadosWidget& tabela = *p.f.tabelaResultados();
    for (int c = 0; c < tabela.cols(); ++c) junta(tabela.textMatrix(0, c));
    const auto nomes = Marcados(QStringLiteral("tela"));
    for (const auto& [pagina, nome] : nomes)
        EXPECT_TRUE(naTela.contains(nome)) << pagina.toStdString() << ": " << nome.toStdString();
    EXPECT_GE(nomes.size(), 30u);

    const auto itens = menus::Itens(p.w.menuBar()->actions());
    const auto doMenu = Marcados(QStringLiteral("menu"));
    for (const auto& [pagina, nome] : doMenu)
        EXPECT_TRUE(std::any_of(itens.begin(), itens.end(),
                                [&nome](const auto& i) { return i.first.endsWith(nome); }))
            << pagina.toStdString() << ": " << nome.toStdString();
    EXPECT_GE(doMenu.size(), 15u);
}

} // namespace
