// The program in English: every text a window shows translated, no caption
// cut in either language, and the data file the same bytes whatever the
// language it was saved in.
#include "Menus.h"
#include "app/LigaInspetor.h"
#include "display/TraducaoNucleo.h"
#include "formatos/Exemplos.h"
#include "inspector/JanelaMatrizes.h"
#include "mainwindow/AjusteEspectro.h"
#include "mainwindow/DialogoAjuste.h"
#include "mainwindow/JanelaAux.h"
#include "mainwindow/JcampEspectro.h"
#include "widgets/Traducao.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <functional>
#include <map>
#include <optional>

using aux::Modal;
using aux::Tela;

namespace {

const QString Affn = QStringLiteral(HALVORA_ESPECTROS "/affn.dx");

// The language for the life of the object; then the texts as written again.
class EmIdioma {
  public:
    explicit EmIdioma(Idioma idioma) { EXPECT_TRUE(InstalaIdioma(idioma)); }
    ~EmIdioma() { RemoveIdioma(); }
    EmIdioma(const EmIdioma&) = delete;
    EmIdioma& operator=(const EmIdioma&) = delete;
};

// Portuguese shows itself in its letters or in its small words; the words
// a Portuguese caption is made of and English never uses.
bool ParecePortugues(const QString& texto) {
    static const QRegularExpression letras(QStringLiteral("[ãõçâêôàéíúü]"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression palavras(
        QStringLiteral(
            "\\b(de|da|do|das|dos|não|com|sem|para|uma|um|ou|em|no|na|os|as|ao|"
            "Fechar|Abrir|Salvar|Espectro|Janela|Ajuda|Arquivo|Editar|Mostrar|"
            "Cores|Envolvente|Largura|Intensidade|Deslocamento|Deslocamentos|"
            "Constantes|Matriz|Matrizes|Executar|Restaurar|Resultado|Valor|"
            "Ajustar|Iniciar|Cancelar|Sim|Grupos|Figura|Colorido|Tempo|Banda|"
            "Níveis|Prótons|Região|Regiões|Aplicar|Descartar|Guia|Voltar|Crepe|"
            "fixo|largura|escala|linha|base|nenhum|nenhuma|sinal|tabela|grupo|dados)\\b"),
        QRegularExpression::UseUnicodePropertiesOption);
    // The names that stay in their own language: the language menu and
    // Chió's method.
    QString t = texto;
    t.remove(QStringLiteral("&Português")).remove(QStringLiteral("Português"));
    t.remove(QStringLiteral("Chió"));
    return t.contains(letras) || t.contains(palavras);
}

// The core's texts: whole, by pattern with their parts translated in turn,
// a part that looks like a pattern's marker left alone; with no
// translation, every text back exactly as the core wrote it.
// A Brazilian desktop that lists English second stays Portuguese; a
// German one with English as its fallback gets English.
TEST(Idioma, OPrimeiroIdiomaDaListaQueOProgramaFala) {
    const std::pair<QStringList, Idioma> casos[] = {{{"pt-BR", "en-US"}, Idioma::Portugues},
                                                    {{"de-DE", "en-GB"}, Idioma::Ingles},
                                                    {{"fr-FR"}, Idioma::Portugues},
                                                    {{}, Idioma::Portugues}};
    for (const auto& [lista, idioma] : casos)
        EXPECT_EQ(IdiomaDaLista(lista), idioma) << lista.join(',').toStdString();
}

TEST(Idioma, TextosDoNucleo) {
    const std::pair<const char*, const char*> textos[] = {
        {"linha 4: o valor de #N° de prótons deve estar entre 1 e 10",
         "line 4: the value of #N° de prótons must be between 1 and 10"},
        {"Não foi possível gravar /tmp/a%2b.esm: permissão negada.",
         "/tmp/a%2b.esm could not be written: permission denied."},
        {"um texto que o programa não conhece", "um texto que o programa não conhece"}};
    for (const auto& [pt, en] : textos) EXPECT_EQ(TraduzNucleo(pt).toStdString(), pt);
    const EmIdioma ingles(Idioma::Ingles);
    for (const auto& [pt, en] : textos) EXPECT_EQ(TraduzNucleo(pt).toStdString(), en);
}

// Every window a user meets from the menus, open at once in `idioma`: the
// frame with a measured spectrum laid under and the fit's dialog, the
// inspector on its walkthrough, the guide, the about box, a fit's outcome,
// and the checks, which are modal: `confere` runs while they are up.
void EmTodasAsJanelas(Idioma idioma, const std::function<void(const QList<QWidget*>&)>& confere) {
    const EmIdioma em(idioma);
    Tela t;
    LigaInspetor(t.w);
    t.Mostra();
    t.f.Dialogos().EscolheArquivo = [](bool) { return Affn; };
    {
        const Modal sim(QMessageBox::Yes);
        t.f.Acoes().espectroExperimental->trigger();
    }
    EXPECT_TRUE(t.f.Jcamp().TemExperimental());
    for (QAction* a : t.w.menuBar()->actions()) emit a->menu()->aboutToShow();
    t.f.Acoes().ajustar->trigger();
    emit t.f.MatrizesPedidas();
    auto* inspetor = t.w.findChild<JanelaMatrizes*>();
    ASSERT_TRUE(inspetor && t.f.Ajuste().Dialogo());
    inspetor->findChild<QPushButton*>(QStringLiteral("botaoPasseio"))->click();
    t.w.MostraGuia();
    t.w.MostraSobre();
    // One parameter fixed, one moved, and a warning from the fit.
    const EntradaSimulacao in{2, 300, false, {100, 200}, {7}};
    ResultadoAjuste r;
    r.parametros = ParametrosPadrao(in, 1);
    r.parametros[0].Ajustar = false;
    r.parametros[1].Valor += 0.5;
    r.Iteracoes = 12;
    r.Avisos = {"O sinal de J(1,2) não é determinado pelo espectro: com o sinal trocado o "
                "resíduo é o mesmo."};
    DialogoResultadoAjuste resultado(r, ParametrosPadrao(in, 1), UnidadeAjuste{}, &t.w);
    resultado.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(QTest::qWaitFor([&t] { return !t.f.AjusteDoGraficoPendente(); }));
    const guarda::Respondedor registro;
    bool conferido = false;
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget(); })) return;
        QList<QWidget*> janelas;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) janelas << w;
        confere(janelas);
        conferido = true;
        qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
    });
    inspetor->findChild<QPushButton*>(QStringLiteral("botaoVerificacoes"))->click();
    EXPECT_TRUE(conferido);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &t.w) w->close();
}

// Each visible text with where it is, menus and their hidden items too.
std::vector<std::pair<QString, QString>> TextosVisiveis(const QList<QWidget*>& janelas) {
    std::vector<std::pair<QString, QString>> v;
    const auto poe = [&v](const QObject* o, const QString& s) {
        if (!s.isEmpty()) v.emplace_back(o->objectName() + "/" + o->metaObject()->className(), s);
    };
    for (QWidget* janela : janelas) {
        poe(janela, janela->windowTitle());
        QList<QWidget*> todos = janela->findChildren<QWidget*>();
        todos << janela;
        for (const QWidget* w : todos) {
            if (!w->isVisibleTo(janela)) continue;
            poe(w, w->toolTip());
            if (auto* l = qobject_cast<const QLabel*>(w)) poe(w, l->text());
            if (auto* b = qobject_cast<const QAbstractButton*>(w)) poe(w, b->text());
            if (auto* g = qobject_cast<const QGroupBox*>(w)) poe(w, g->title());
            if (auto* mb = qobject_cast<const QMenuBar*>(w))
                for (const auto& [caminho, a] : menus::Itens(mb->actions())) {
                    poe(w, a->text());
                    poe(w, a->toolTip() == menus::Legenda(a) ? QString() : a->toolTip());
                }
            if (auto* lw = qobject_cast<const QListWidget*>(w))
                for (int i = 0; i < lw->count(); ++i) poe(w, lw->item(i)->text());
            if (auto* tv = qobject_cast<const QTableView*>(w)) {
                const QAbstractItemModel& m = *tv->model();
                for (int c = 0; c < m.columnCount(); ++c) {
                    poe(w, m.headerData(c, Qt::Horizontal).toString());
                    for (int r = 0; r < m.rowCount(); ++r) poe(w, m.index(r, c).data().toString());
                }
            }
        }
    }
    return v;
}

// The Portuguese texts the translation gives another text for.
QSet<QString> FontesTraduzidas() {
    QFile f(QStringLiteral(HALVORA_TRADUCOES));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QSet<QString> fontes;
    QXmlStreamReader xml(&f);
    QString fonte;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source"))
            fonte = xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (xml.name() == QLatin1String("translation")) {
            const QString traducao = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (traducao != fonte) fontes.insert(fonte);
        }
    }
    return fontes;
}

// How many pixels a one-line caption lacks to show whole (0 when it fits),
// with the caption; nothing for a widget with no caption. Numbers are the
// boxes' own checks.
std::optional<std::pair<int, std::string>> FaltaNaLegenda(const QWidget* w) {
    static const QRegularExpression letra(QStringLiteral("[A-Za-z]{2}"));
    QString texto, medido; // as written, as drawn
    int largura = 0;
    const QStyle& estilo = *w->style();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        medido = texto = l->text();
        largura = l->contentsRect().width() - 2 * l->margin() - std::max(l->indent(), 0);
        if (l->wordWrap() || l->textFormat() == Qt::RichText) medido.clear();
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        texto = b->text();
        medido = menus::Legenda(texto);
        // A button's text is centred and drawn whole up to its edges; a
        // check box's or a radio button's starts after the mark.
        largura = b->width();
        QStyleOptionButton opcao;
        opcao.initFrom(b);
        if (qobject_cast<const QCheckBox*>(w))
            largura = estilo.subElementRect(QStyle::SE_CheckBoxContents, &opcao, b).width();
        if (qobject_cast<const QRadioButton*>(w))
            largura = estilo.subElementRect(QStyle::SE_RadioButtonContents, &opcao, b).width();
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        medido = texto = g->title();
        largura = g->width();
    } else {
        return std::nullopt;
    }
    if (!medido.contains(letra) || medido.contains(QLatin1Char('\n')))
        return std::pair{0, texto.toStdString()};
    return std::pair{std::max(w->fontMetrics().horizontalAdvance(medido) - largura, 0),
                     texto.toStdString()};
}

// What each caption lacks, window by window (the program's own, by class)
// in the order the window built its widgets, with the caption; built in
// `idioma`, with `tambem` run on the same windows.
using Faltas = std::map<std::string, std::vector<std::pair<int, std::string>>>;
using Janelas = QList<QWidget*>;
Faltas FaltasEm(Idioma idioma, const std::function<void(const Janelas&)>& tambem) {
    Faltas faltas;
    EmTodasAsJanelas(idioma, [&](const Janelas& janelas) {
        tambem(janelas);
        for (const QWidget* janela : janelas) {
            const std::string classe = janela->metaObject()->className();
            if (classe.front() == 'Q') continue;
            for (const QWidget* w : janela->findChildren<QWidget*>())
                if (const auto falta = FaltaNaLegenda(w); falta && w->isVisibleTo(janela))
                    faltas[classe].push_back(*falta);
        }
    });
    return faltas;
}

// No English text left in Portuguese, as the test's own eye sees it or as
// a text the translation changes. The Portuguese windows are drawn for their
// captions, a pixel or two over here and there in the free fonts: no English
// caption lacks more room than the Portuguese one in its place.
TEST(Idioma, EmInglesNadaEmPortuguesNemCortado) {
    const Faltas pt = FaltasEm(Idioma::Portugues, [](const Janelas&) {});
    const Faltas en = FaltasEm(Idioma::Ingles, [](const Janelas& janelas) {
        const auto textos = TextosVisiveis(janelas);
        EXPECT_GE(textos.size(), 250u);
        const QSet<QString> fontes = FontesTraduzidas();
        EXPECT_GE(fontes.size(), 300);
        for (const auto& [onde, texto] : textos)
            EXPECT_FALSE(ParecePortugues(texto) || fontes.contains(texto))
                << onde.toStdString() << ": " << texto.toStdString();
    });
    ASSERT_EQ(en.size(), pt.size());
    EXPECT_GE(en.size(), 6u);
    for (const auto& [janela, legendas] : en) {
        const auto& antes = pt.at(janela);
        ASSERT_EQ(legendas.size(), antes.size()) << janela;
        for (std::size_t i = 0; i < legendas.size(); ++i)
            EXPECT_LE(legendas[i].first, antes[i].first)
                << janela << ": " << legendas[i].second << " (" << antes[i].second << ")";
    }
}

// An example with a title and a measured spectrum's name in the file saves
// in English to the bytes Portuguese writes.
TEST(Idioma, ArquivoSalvoEmInglesIgualAoEmPortugues) {
    QTemporaryDir pasta;
    const auto salvaExemplo = [&](Idioma idioma) {
        const EmIdioma em(idioma);
        Tela t;
        t.f.Arquivo().AbreExemplo(Exemplos().back());
        const QString caminho = pasta.filePath(QString::number(int(idioma)) + ".esm");
        t.f.Dialogos().EscolheArquivo = [caminho](bool) { return caminho; };
        EXPECT_TRUE(t.f.Arquivo().SalvaDados());
        return aux::Le(caminho);
    };
    const QByteArray ingles = salvaExemplo(Idioma::Ingles);
    EXPECT_FALSE(ingles.isEmpty());
    EXPECT_EQ(ingles, salvaExemplo(Idioma::Portugues));
}

TEST(Idioma, EscolhaFicaParaAProximaVez) {
    QTemporaryDir pasta;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pasta.path());
    const auto item = [](const Tela& t, const char* legenda) {
        const QMenu* ajuda = menus::Submenu(t.w.menuBar()->actions(), QStringLiteral("Ajuda"));
        const QMenu* idioma = menus::Submenu(ajuda->actions(), QStringLiteral("Idioma"));
        return menus::Item(idioma->actions(), QString::fromUtf8(legenda));
    };
    for (const auto& [legenda, idioma] :
         {std::pair{"English", Idioma::Ingles}, std::pair{"Português", Idioma::Portugues},
          std::pair{"Do sistema", Idioma::Sistema}}) {
        {
            Tela t;
            const Modal ok(QMessageBox::Ok);
            item(t, legenda)->trigger();
            ASSERT_EQ(ok.vezes(), 1) << legenda;
        }
        EXPECT_EQ(IdiomaGuardado(), idioma) << legenda;
        EXPECT_TRUE(item(Tela(), legenda)->isChecked()) << legenda;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace
