#include "widgets/FlexGrid.h"

#include "texto/Cp1252.h"
#include "widgets/Px.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

constexpr int AlturaLinhaPadrao = 240;   // twips
constexpr int LarguraColunaPadrao = 960; // twips
constexpr Qt::Alignment AlinhamentoPadrao = Qt::AlignLeft | Qt::AlignVCenter;

// A cell's own settings; the flags say which are set.
struct EstiloCelula {
    QRgb fundo = 0;
    QRgb texto = 0;
    std::uint16_t fonte = 0; // index + 1 in the grid's font table
    std::uint16_t alinhamento = 0;
    std::uint8_t estilo = 0;
    std::uint8_t tem = 0;
};
enum : std::uint8_t { TemFundo = 1, TemTexto = 2, TemEstilo = 4, TemAlinhamento = 8 };

// Cells are separated by NUL in the row's text; trailing empty cells are
// not stored.
struct Linha {
    std::string texto;
    std::vector<EstiloCelula> estilos;
};

std::string_view Segmento(const std::string& s, int c) {
    std::size_t ini = 0;
    for (int k = 0; k < c; ++k) {
        const std::size_t p = s.find('\0', ini);
        if (p == std::string::npos) return {};
        ini = p + 1;
    }
    const std::size_t fim = std::min(s.find('\0', ini), s.size());
    return std::string_view(s).substr(ini, fim - ini);
}

void DefineSegmento(std::string& s, int c, std::string_view t) {
    std::size_t ini = 0;
    for (int k = 0; k < c; ++k) {
        const std::size_t p = s.find('\0', ini);
        if (p == std::string::npos) {
            if (t.empty()) return;
            s.append(std::size_t(c - k), '\0');
            s.append(t);
            return;
        }
        ini = p + 1;
    }
    const std::size_t fim = std::min(s.find('\0', ini), s.size());
    s.replace(ini, fim - ini, t);
    // Only separators left at the end: the row has no text after them.
    while (!s.empty() && s.back() == '\0') s.pop_back();
}

// The Symbol face's Greek letter at a Latin letter's code point.
char32_t LetraSimbolo(char32_t u) {
    static const char16_t maiusculas[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
    static const char16_t minusculas[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
    if (u >= U'A' && u <= U'Z') return maiusculas[u - U'A'];
    if (u >= U'a' && u <= U'z') return minusculas[u - U'a'];
    return u;
}

QString ComoSimbolo(QString s) {
    for (QChar& ch : s) ch = QChar(char16_t(LetraSimbolo(ch.unicode())));
    return s;
}

// A text's width in one font as the sum of its characters' advances, each
// character measured once: a results table holds 168 000 texts a column,
// too many to lay out one by one. For the digits, signs and letters of the
// grids the sum is the laid-out width; the widest text is measured whole
// as well.
class Medidor {
  public:
    explicit Medidor(const QFont& f) : metricas_(f) {
        for (char16_t u = 0; u < 128; ++u) {
            ascii_[u] = metricas_.horizontalAdvance(QChar(u));
            simbolo_[u] = metricas_.horizontalAdvance(QChar(char16_t(LetraSimbolo(u))));
        }
    }

    // The cell of a row's text that starts at i, up to the NUL that ends it
    // or the end of the text; i is left there.
    qreal Celula(std::string_view t, std::size_t& i, bool simbolo) {
        const std::array<qreal, 128>& ascii = simbolo ? simbolo_ : ascii_;
        qreal w = 0;
        while (i < t.size() && t[i] != '\0') {
            const auto b = static_cast<unsigned char>(t[i]);
            if (b < 0x80) {
                w += ascii[b];
                ++i;
            } else {
                w += Avanco(ProximoCaractere(t, i));
            }
        }
        return w;
    }

  private:
    qreal Avanco(char32_t u) {
        const auto it = outros_.find(u);
        if (it != outros_.end()) return it->second;
        const qreal a = metricas_.horizontalAdvance(QString::fromUcs4(&u, 1));
        outros_.emplace(u, a);
        return a;
    }

    QFontMetricsF metricas_;
    std::array<qreal, 128> ascii_, simbolo_; // simbolo_: as the Symbol face shows them
    std::unordered_map<char32_t, qreal> outros_;
};

// The grid's highlights are cell colours: a selection or focus of the
// view's own would hide them, or pass for one of them.
class DelegadoSemSelecao : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* opt, const QModelIndex& idx) const override {
        QStyledItemDelegate::initStyleOption(opt, idx);
        opt->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
};

} // namespace

class FlexGridModelo : public QAbstractTableModel {
  public:
    int linhas = 2, colunas = 2;
    std::vector<Linha> dados = std::vector<Linha>(2);
    std::vector<std::optional<Qt::Alignment>> alinhColuna =
        std::vector<std::optional<Qt::Alignment>>(2);
    std::vector<int> fonteColuna = std::vector<int>(2); // index + 1, 0 for none
    std::vector<char> simboloColuna = std::vector<char>(2);
    std::vector<QFont> fontes;
    QFont fontePadrao;
    QColor fundoPadrao = Qt::white, textoPadrao = Qt::black;
    QColor fundoFixo, textoFixo;
    int lote = 0;

    int rowCount(const QModelIndex& pai = {}) const override {
        return pai.isValid() ? 0 : std::max(linhas - 1, 0);
    }
    int columnCount(const QModelIndex& pai = {}) const override {
        return pai.isValid() ? 0 : std::max(colunas - 1, 0);
    }
    QVariant data(const QModelIndex& i, int papel) const override {
        return i.isValid() ? Dado(i.row() + 1, i.column() + 1, papel) : QVariant();
    }
    QVariant headerData(int s, Qt::Orientation o, int papel) const override {
        return o == Qt::Horizontal ? Dado(0, s + 1, papel) : Dado(s + 1, 0, papel);
    }

    bool Valida(int r, int c) const { return r >= 0 && r < linhas && c >= 0 && c < colunas; }
    const EstiloCelula* Estilo(int r, int c) const {
        const auto& e = dados[std::size_t(r)].estilos;
        return std::size_t(c) < e.size() ? &e[std::size_t(c)] : nullptr;
    }
    EstiloCelula& EstiloMut(int r, int c) {
        auto& e = dados[std::size_t(r)].estilos;
        if (e.size() <= std::size_t(c)) e.resize(std::size_t(colunas));
        return e[std::size_t(c)];
    }
    QString Texto(int r, int c) const {
        const std::string_view t = Segmento(dados[std::size_t(r)].texto, c);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    }
    bool Fixa(int r, int c) const { return r == 0 || c == 0; }
    bool FontePropria(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        return e && (e->fonte || (e->tem & TemEstilo));
    }
    // The font of column c's data cells that have none of their own.
    QFont FonteColuna(int c) const {
        const int i = fonteColuna[std::size_t(c)];
        return i ? fontes[std::size_t(i - 1)] : fontePadrao;
    }
    QFont Fonte(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        QFont f = e && e->fonte ? fontes[e->fonte - 1u] : Fixa(r, c) ? fontePadrao : FonteColuna(c);
        if (e && (e->tem & TemEstilo)) {
            f.setBold(e->estilo & FlexGrid::Negrito);
            f.setItalic(e->estilo & FlexGrid::Italico);
            f.setUnderline(e->estilo & FlexGrid::Sublinhado);
            f.setStrikeOut(e->estilo & FlexGrid::Riscado);
        }
        return f;
    }
    Qt::Alignment Alinhamento(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        if (e && (e->tem & TemAlinhamento)) return Qt::Alignment(e->alinhamento);
        return alinhColuna[std::size_t(c)].value_or(AlinhamentoPadrao);
    }
    QColor Fundo(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        if (e && (e->tem & TemFundo)) return QColor::fromRgb(e->fundo);
        return Fixa(r, c) ? fundoFixo : fundoPadrao;
    }
    QColor CorTexto(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        if (e && (e->tem & TemTexto)) return QColor::fromRgb(e->texto);
        return Fixa(r, c) ? textoFixo : textoPadrao;
    }

    QVariant Dado(int r, int c, int papel) const {
        if (!Valida(r, c)) return {};
        const EstiloCelula* e = Estilo(r, c);
        switch (papel) {
        case Qt::DisplayRole:
            return !Fixa(r, c) && simboloColuna[std::size_t(c)] ? ComoSimbolo(Texto(r, c))
                                                                : Texto(r, c);
        case FlexGrid::TextoRole:
            return Texto(r, c);
        case Qt::FontRole:
            if (!FontePropria(r, c) && (Fixa(r, c) || !fonteColuna[std::size_t(c)])) return {};
            return Fonte(r, c);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Alinhamento(r, c));
        case Qt::BackgroundRole:
            if (e && (e->tem & TemFundo)) return QColor::fromRgb(e->fundo);
            return {};
        case Qt::ForegroundRole:
            if (e && (e->tem & TemTexto)) return QColor::fromRgb(e->texto);
            return {};
        default:
            return {};
        }
    }

    int IndiceFonte(const QFont& f) {
        const auto it = std::find(fontes.begin(), fontes.end(), f);
        if (it != fontes.end()) return int(it - fontes.begin()) + 1;
        fontes.push_back(f);
        return int(fontes.size());
    }

    void Mudou(int r, int c) {
        if (lote) return;
        if (r == 0 && c == 0) return; // the corner repaints itself
        if (r == 0)
            emit headerDataChanged(Qt::Horizontal, c - 1, c - 1);
        else if (c == 0)
            emit headerDataChanged(Qt::Vertical, r - 1, r - 1);
        else
            emit dataChanged(index(r - 1, c - 1), index(r - 1, c - 1));
    }
    void Estrutura(const std::function<void()>& f) {
        const bool externo = lote == 0;
        if (externo) beginResetModel();
        ++lote;
        f();
        --lote;
        if (externo) endResetModel();
    }
};

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent), modelo_(new FlexGridModelo), larguras_(2, LarguraColunaPadrao),
      ajustes_(2), alturaCabecalho_(AlturaLinhaPadrao) {
    modelo_->setParent(this);
    modelo_->fontePadrao = font();
    modelo_->fundoFixo = palette().color(QPalette::Button);
    modelo_->textoFixo = palette().color(QPalette::ButtonText);
    setModel(modelo_);
    setItemDelegate(new DelegadoSemSelecao(this));
    // Nothing is ever selected, so the view paints no selection behind the
    // cells either; the current cell still follows clicks and keys.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setMinimumSectionSize(1);
        h->setHighlightSections(false);
        h->setSectionsClickable(false);
        h->setTextElideMode(Qt::ElideNone);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultSectionSize(Px(AlturaLinhaPadrao));
    verticalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->setMouseTracking(true);
    if ((canto_ = findChild<QAbstractButton*>())) {
        canto_->installEventFilter(this);
        canto_->setMouseTracking(true);
    }
    connect(modelo_, &QAbstractItemModel::modelReset, this, &FlexGrid::aplicaTamanhos);
    aplicaTamanhos();
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::rows() const {
    return modelo_->linhas;
}
int FlexGrid::cols() const {
    return modelo_->colunas;
}

void FlexGrid::setRows(int n) {
    n = std::max(n, 1);
    if (n == modelo_->linhas) return;
    modelo_->Estrutura([&] {
        modelo_->linhas = n;
        modelo_->dados.resize(std::size_t(n));
    });
}

void FlexGrid::setCols(int n) {
    n = std::max(n, 1);
    if (n == modelo_->colunas) return;
    modelo_->Estrutura([&] {
        FlexGridModelo& m = *modelo_;
        if (n < m.colunas)
            for (Linha& l : m.dados) {
                // Cut at the separator that ends cell n - 1.
                std::size_t pos = 0;
                bool corta = true;
                for (int k = 0; k < n && corta; ++k) {
                    const std::size_t p = l.texto.find('\0', k == 0 ? 0 : pos + 1);
                    if (p == std::string::npos)
                        corta = false;
                    else
                        pos = p;
                }
                if (corta) l.texto.resize(pos);
                if (l.estilos.size() > std::size_t(n)) l.estilos.resize(std::size_t(n));
            }
        m.colunas = n;
        m.alinhColuna.resize(std::size_t(n));
        m.fonteColuna.resize(std::size_t(n));
        m.simboloColuna.resize(std::size_t(n));
        larguras_.resize(std::size_t(n), LarguraColunaPadrao);
        ajustes_.resize(std::size_t(n));
    });
}

void FlexGrid::bulkUpdate(const std::function<void()>& f) {
    modelo_->Estrutura(f);
}

void FlexGrid::setTextMatrix(int r, int c, const QString& s) {
    setTextMatrix(r, c, std::string_view(s.toUtf8().toStdString()));
}

void FlexGrid::setTextMatrix(int r, int c, std::string_view utf8) {
    if (!modelo_->Valida(r, c)) return;
    DefineSegmento(modelo_->dados[std::size_t(r)].texto, c, utf8);
    modelo_->Mudou(r, c);
    if (r == 0 && c == 0 && canto_) canto_->update();
}

void FlexGrid::setRowTexts(int r, std::span<const std::string> utf8) {
    if (!modelo_->Valida(r, 0)) return;
    std::string& t = modelo_->dados[std::size_t(r)].texto;
    t.clear();
    const std::size_t n = std::min(utf8.size(), std::size_t(modelo_->colunas));
    std::size_t tam = n;
    for (std::size_t c = 0; c < n; ++c) tam += utf8[c].size();
    t.reserve(tam);
    for (std::size_t c = 0; c < n; ++c) {
        if (c > 0) t += '\0';
        t += utf8[c];
    }
    while (!t.empty() && t.back() == '\0') t.pop_back();
    if (!modelo_->lote) {
        if (modelo_->colunas > 1)
            emit modelo_->dataChanged(modelo_->index(r - 1, 0),
                                      modelo_->index(r - 1, modelo_->colunas - 2));
        modelo_->Mudou(r, 0);
    }
}

QString FlexGrid::textMatrix(int r, int c) const {
    return modelo_->Valida(r, c) ? modelo_->Texto(r, c) : QString();
}

// Sets one of a cell's two colours and marks it as set.
static void MudaCor(FlexGridModelo& m, int r, int c, const QColor& cor, QRgb EstiloCelula::*campo,
                    std::uint8_t marca) {
    if (!m.Valida(r, c)) return;
    EstiloCelula& e = m.EstiloMut(r, c);
    e.*campo = cor.rgb();
    e.tem |= marca;
    m.Mudou(r, c);
}

QStringList FlexGrid::rowTexts(int r) const {
    QStringList l;
    if (!modelo_->Valida(r, 0)) return l;
    l.reserve(cols());
    const std::string& t = modelo_->dados[std::size_t(r)].texto;
    std::size_t ini = 0;
    for (int c = 0; c < cols(); ++c) {
        if (ini > t.size()) {
            l.append(QString());
            continue;
        }
        const std::size_t fim = std::min(t.find('\0', ini), t.size());
        l.append(QString::fromUtf8(t.data() + ini, qsizetype(fim - ini)));
        ini = fim + 1;
    }
    return l;
}

void FlexGrid::setCellBackColor(int r, int c, const QColor& cor) {
    MudaCor(*modelo_, r, c, cor, &EstiloCelula::fundo, TemFundo);
}

void FlexGrid::setCellForeColor(int r, int c, const QColor& cor) {
    MudaCor(*modelo_, r, c, cor, &EstiloCelula::texto, TemTexto);
}

void FlexGrid::setCellFont(int r, int c, const QFont& f) {
    if (!modelo_->Valida(r, c)) return;
    const int i = modelo_->IndiceFonte(f);
    modelo_->EstiloMut(r, c).fonte = std::uint16_t(i);
    modelo_->Mudou(r, c);
}

void FlexGrid::setCellTextStyle(int r, int c, int estilo) {
    if (!modelo_->Valida(r, c)) return;
    EstiloCelula& e = modelo_->EstiloMut(r, c);
    e.estilo = std::uint8_t(estilo & 15);
    e.tem |= TemEstilo;
    modelo_->Mudou(r, c);
}

void FlexGrid::setCellFontBold(int r, int c, bool negrito) {
    const int e = cellTextStyle(r, c);
    setCellTextStyle(r, c, negrito ? e | Negrito : e & ~Negrito);
}

void FlexGrid::setCellAlignment(int r, int c, Qt::Alignment a) {
    if (!modelo_->Valida(r, c)) return;
    EstiloCelula& e = modelo_->EstiloMut(r, c);
    e.alinhamento = std::uint16_t(a.toInt());
    e.tem |= TemAlinhamento;
    modelo_->Mudou(r, c);
}

QColor FlexGrid::cellBackColor(int r, int c) const {
    return modelo_->Valida(r, c) ? modelo_->Fundo(r, c) : QColor();
}
QColor FlexGrid::cellForeColor(int r, int c) const {
    return modelo_->Valida(r, c) ? modelo_->CorTexto(r, c) : QColor();
}
QFont FlexGrid::cellFont(int r, int c) const {
    return modelo_->Valida(r, c) ? modelo_->Fonte(r, c) : font();
}
int FlexGrid::cellTextStyle(int r, int c) const {
    const QFont f = cellFont(r, c);
    return (f.bold() ? Negrito : 0) | (f.italic() ? Italico : 0) |
           (f.underline() ? Sublinhado : 0) | (f.strikeOut() ? Riscado : 0);
}
Qt::Alignment FlexGrid::cellAlignment(int r, int c) const {
    return modelo_->Valida(r, c) ? modelo_->Alinhamento(r, c) : AlinhamentoPadrao;
}

void FlexGrid::setColWidth(int c, int twips) {
    if (c < 0 || c >= cols()) return;
    larguras_[std::size_t(c)] = std::max(twips, 0);
    aplicaTamanhos();
}

void FlexGrid::setColWidths(int c0, int c1, int twips) {
    c0 = std::max(c0, 0);
    c1 = std::min(c1, cols() - 1);
    if (c0 > c1) return;
    std::fill(larguras_.begin() + c0, larguras_.begin() + c1 + 1, std::max(twips, 0));
    aplicaTamanhos();
}

int FlexGrid::colWidth(int c) const {
    return c >= 0 && c < cols() ? larguras_[std::size_t(c)] : 0;
}

void FlexGrid::setColAlignment(int c, Qt::Alignment a) {
    if (c < 0 || c >= cols()) return;
    modelo_->alinhColuna[std::size_t(c)] = a;
    if (!modelo_->lote) {
        emit modelo_->headerDataChanged(Qt::Vertical, 0, std::max(rows() - 2, 0));
        viewport()->update();
    }
}

void FlexGrid::setColFont(int c, const QFont& f) {
    if (c < 0 || c >= cols()) return;
    modelo_->fonteColuna[std::size_t(c)] = modelo_->IndiceFonte(f);
    viewport()->update();
}

void FlexGrid::setColSymbol(int c, bool simbolo) {
    if (c < 0 || c >= cols()) return;
    modelo_->simboloColuna[std::size_t(c)] = simbolo;
    viewport()->update();
}

void FlexGrid::setRowHeight(int r, int twips) {
    if (r < 0 || r >= rows()) return;
    if (r == 0) {
        alturaCabecalho_ = twips;
    } else {
        std::erase_if(alturasLinhas_, [r](const auto& p) { return p.first == r; });
        alturasLinhas_.emplace_back(r, twips);
    }
    aplicaTamanhos();
}

void FlexGrid::fitColsToText(int c0, int c1) {
    c0 = std::max(c0, 0);
    c1 = std::min(c1, cols() - 1);
    if (c0 > c1) return;
    const FlexGridModelo& m = *modelo_;
    // The font a cell is drawn in: its own or its column's, when the model
    // gives one, else the view's or its header's; the corner, which the grid
    // paints itself, in the grid's.
    const auto fonteDesenhada = [&](int r, int c) -> QFont {
        if (r == 0 && c == 0) return m.Fonte(0, 0);
        const QVariant f = m.Dado(r, c, Qt::FontRole);
        if (f.isValid()) return f.value<QFont>();
        return r == 0 ? horizontalHeader()->font() : c == 0 ? verticalHeader()->font() : font();
    };
    // One measurer per font of the cells with none of their own: -1 for the
    // row headers', otherwise the index of the column's font (0 for none).
    std::map<int, Medidor> medidores;
    const auto n = std::size_t(c1 - c0 + 1);
    std::vector<Medidor*> medidor(n);
    for (int c = c0; c <= c1; ++c) {
        const int fonte = c == 0 ? -1 : m.fonteColuna[std::size_t(c)];
        auto it = medidores.find(fonte);
        if (it == medidores.end())
            it = medidores
                     .try_emplace(fonte, fonte < 0    ? verticalHeader()->font()
                                         : fonte == 0 ? font()
                                                      : m.FonteColuna(c))
                     .first;
        medidor[std::size_t(c - c0)] = &it->second;
    }

    // The widest text of each column's rows and its row, read in one pass
    // over each row's text.
    std::vector<qreal> maior(n, -1);
    std::vector<int> linha(n, 0);
    for (int r = 1; r < rows(); ++r) {
        const std::string_view t = m.dados[std::size_t(r)].texto;
        std::size_t i = 0;
        for (int c = 0; c <= c1 && i < t.size(); ++c, ++i) {
            if (c < c0) {
                i = std::min(t.find('\0', i), t.size());
                continue;
            }
            const std::size_t k = std::size_t(c - c0);
            qreal w;
            if (m.FontePropria(r, c)) {
                i = std::min(t.find('\0', i), t.size());
                w = QFontMetricsF(fonteDesenhada(r, c))
                        .horizontalAdvance(m.Dado(r, c, Qt::DisplayRole).toString());
            } else {
                w = medidor[k]->Celula(t, i, c > 0 && m.simboloColuna[std::size_t(c)]);
            }
            if (w > maior[k]) {
                maior[k] = w;
                linha[k] = r;
            }
        }
    }

    // A data cell's text keeps a margin on either side and the grid line
    // on the right; a header's, the style's margins.
    const int margemTexto = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int grade = showGrid() ? 1 : 0;
    for (int c = c0; c <= c1; ++c) {
        int px = 0;
        if (const QString cabecalho = m.Texto(0, c); !cabecalho.isEmpty())
            px = larguraCabecalho(c == 0 ? verticalHeader() : horizontalHeader(), cabecalho,
                                  fonteDesenhada(0, c));
        const std::size_t k = std::size_t(c - c0);
        if (const int r = linha[k]; r > 0) {
            const QString texto = m.Dado(r, c, Qt::DisplayRole).toString();
            if (c == 0) {
                px = std::max(px, larguraCabecalho(verticalHeader(), texto, fonteDesenhada(r, 0)));
            } else {
                const qreal w = std::max(
                    maior[k], QFontMetricsF(fonteDesenhada(r, c)).horizontalAdvance(texto));
                px = std::max(px, int(std::ceil(w)) + 2 * margemTexto + grade);
            }
        }
        ajustes_[std::size_t(c)] = px;
    }
    aplicaTamanhos();
}

int FlexGrid::larguraCabecalho(QHeaderView* h, const QString& texto, const QFont& f) const {
    QStyleOptionHeader opt;
    opt.initFrom(h);
    opt.orientation = h->orientation();
    opt.fontMetrics = QFontMetrics(f);
    opt.text = texto;
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), h).width();
}

void FlexGrid::aplicaTamanhos() {
    // A model reset gives every section its default size back.
    verticalHeader()->setFixedWidth(std::max(Px(larguras_[0]), ajustes_[0]));
    for (int c = 1; c < cols(); ++c)
        setColumnWidth(c - 1, std::max(Px(larguras_[std::size_t(c)]), ajustes_[std::size_t(c)]));
    horizontalHeader()->setFixedHeight(Px(alturaCabecalho_));
    std::erase_if(alturasLinhas_, [this](const auto& p) { return p.first >= rows(); });
    for (const auto& [r, tw] : alturasLinhas_) QTableView::setRowHeight(r - 1, Px(tw));
    if (canto_) canto_->update();
}

void FlexGrid::clear() {
    modelo_->Estrutura([&] {
        for (Linha& l : modelo_->dados) {
            l.texto = std::string();
            l.estilos = std::vector<EstiloCelula>();
        }
    });
}

void FlexGrid::setTopRow(int r) {
    if (r >= 1 && r < rows()) scrollTo(modelo_->index(r - 1, 0), PositionAtTop);
}

int FlexGrid::topRow() const {
    return rowAt(0) + 1;
}

void FlexGrid::selectRow(int r) {
    if (r < 1 || r >= rows() || cols() < 2) return;
    const int c = std::max(currentIndex().column(), 0);
    setCurrentIndex(modelo_->index(r - 1, c));
}

int FlexGrid::selectedRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void FlexGrid::mousePressEvent(QMouseEvent* ev) {
    QTableView::mousePressEvent(ev);
    const QModelIndex i = indexAt(ev->position().toPoint());
    if (i.isValid()) emit mousePressedOnRow(i.row() + 1, ev->button());
}

bool FlexGrid::arrastaColunaCabecalho(QWidget* w, QEvent* ev) {
    const QEvent::Type tipo = ev->type();
    if (tipo == QEvent::Leave && inicioArraste_ < 0) w->unsetCursor();
    if (tipo != QEvent::MouseMove && tipo != QEvent::MouseButtonPress &&
        tipo != QEvent::MouseButtonRelease)
        return false;
    const auto* me = static_cast<QMouseEvent*>(ev);
    const int xGlobal = int(me->globalPosition().x());
    // As close to the edge as the header sections' own edges answer.
    const int folga = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const bool naBorda = me->position().x() >= w->width() - std::max(folga, 2);
    if (tipo == QEvent::MouseMove) {
        if (inicioArraste_ >= 0) {
            verticalHeader()->setFixedWidth(
                std::max(larguraInicioArraste_ + xGlobal - inicioArraste_, 1));
            updateGeometries();
            return true;
        }
        if (naBorda)
            w->setCursor(Qt::SplitHCursor);
        else
            w->unsetCursor();
        return false;
    }
    if (tipo == QEvent::MouseButtonPress) {
        if (me->button() != Qt::LeftButton || !naBorda) return false;
        inicioArraste_ = xGlobal;
        larguraInicioArraste_ = verticalHeader()->width();
        return true;
    }
    if (inicioArraste_ < 0) return false;
    inicioArraste_ = -1;
    return true;
}

bool FlexGrid::eventFilter(QObject* obj, QEvent* ev) {
    if ((obj == canto_ || obj == verticalHeader()->viewport()) &&
        arrastaColunaCabecalho(static_cast<QWidget*>(obj), ev))
        return true;
    if (obj == verticalHeader()->viewport() && ev->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(ev);
        const int s = verticalHeader()->logicalIndexAt(me->position().toPoint());
        if (s >= 0) {
            selectRow(s + 1);
            emit mousePressedOnRow(s + 1, me->button());
        }
        return true;
    }
    if (obj == canto_ && ev->type() == QEvent::Paint) {
        pintaCanto(canto_);
        return true;
    }
    return QTableView::eventFilter(obj, ev);
}

void FlexGrid::pintaCanto(QWidget* canto) {
    QPainter p(canto);
    QStyleOptionHeader opt;
    opt.initFrom(canto);
    // The button is disabled (no select-all); its text must not look so.
    opt.palette = palette();
    opt.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
    opt.rect = canto->rect();
    opt.position = QStyleOptionHeader::OnlyOneSection;
    opt.orientation = Qt::Horizontal;
    opt.text = textMatrix(0, 0);
    opt.textAlignment = cellAlignment(0, 0);
    p.setFont(cellFont(0, 0));
    opt.fontMetrics = p.fontMetrics();
    style()->drawControl(QStyle::CE_Header, &opt, &p, canto);
}
