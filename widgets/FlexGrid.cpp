#include "widgets/FlexGrid.h"

#include "widgets/Px.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

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

// The Symbol face's Greek letters at the Latin letters' code points.
QString ComoSimbolo(QString s) {
    static const char16_t maiusculas[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
    static const char16_t minusculas[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
    for (QChar& ch : s) {
        const char16_t u = ch.unicode();
        if (u >= u'A' && u <= u'Z')
            ch = QChar(maiusculas[u - u'A']);
        else if (u >= u'a' && u <= u'z')
            ch = QChar(minusculas[u - u'a']);
    }
    return s;
}

// The grid draws its own highlight: the view's selection colour would hide it.
class DelegadoSemSelecao : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* opt, const QModelIndex& idx) const override {
        QStyledItemDelegate::initStyleOption(opt, idx);
        opt->state &= ~QStyle::State_Selected;
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
    QFont Fonte(int r, int c) const {
        const EstiloCelula* e = Estilo(r, c);
        QFont f = e && e->fonte ? fontes[e->fonte - 1u]
                  : !Fixa(r, c) && fonteColuna[std::size_t(c)]
                      ? fontes[std::size_t(fonteColuna[std::size_t(c)] - 1)]
                      : fontePadrao;
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
            if (!(e && (e->fonte || (e->tem & TemEstilo))) &&
                (Fixa(r, c) || !fonteColuna[std::size_t(c)]))
                return {};
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
      alturaCabecalho_(AlturaLinhaPadrao) {
    modelo_->setParent(this);
    modelo_->fontePadrao = font();
    modelo_->fundoFixo = palette().color(QPalette::Button);
    modelo_->textoFixo = palette().color(QPalette::ButtonText);
    setModel(modelo_);
    setItemDelegate(new DelegadoSemSelecao(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
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
    verticalHeader()->setDefaultSectionSize(Px(AlturaLinhaPadrao));
    verticalHeader()->viewport()->installEventFilter(this);
    if ((canto_ = findChild<QAbstractButton*>())) canto_->installEventFilter(this);
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

void FlexGrid::aplicaTamanhos() {
    // A model reset gives every section its default size back.
    verticalHeader()->setFixedWidth(Px(larguras_[0]));
    for (int c = 1; c < cols(); ++c) setColumnWidth(c - 1, Px(larguras_[std::size_t(c)]));
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

bool FlexGrid::eventFilter(QObject* obj, QEvent* ev) {
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
