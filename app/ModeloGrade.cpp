#include "ModeloGrade.h"

#include "Tabela.h"
#include "Tela.h"

#include <QFont>
#include <array>

ModeloGrade::ModeloGrade(Tabela& tabela, QObject* pai) : QAbstractTableModel(pai), tabela_(tabela) {}

// As contagens ficam guardadas: o modelo só muda entre Liga e Desliga, e a tabela fica parada
// enquanto a grade a mostra (somente leitura).
void ModeloGrade::Liga() {
    beginResetModel();
    ligado_ = tabela_.Aberta();
    registros_ = ligado_ ? tabela_.Registros() : 0;
    campos_ = ligado_ ? tabela_.NumeroCampos() : 0;
    endResetModel();
}

void ModeloGrade::Desliga() {
    beginResetModel();
    ligado_ = false;
    registros_ = 0;
    campos_ = 0;
    endResetModel();
}

int ModeloGrade::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : registros_;
}

int ModeloGrade::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : campos_;
}

QVariant ModeloGrade::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= registros_ || indice.column() >= campos_)
        return {};
    // A dica traz o texto que a coluna estreita corta.
    if (papel == Qt::DisplayRole || papel == Qt::ToolTipRole)
        return ParaTela(tabela_.TextoCampoEm(indice.row() + 1, indice.column()));
    return {};
}

std::vector<int> ModeloGrade::LinhasMaisLargas(const QFontMetrics& fonte) const {
    // Largura de cada byte na fonte, medida uma vez: "MG" é mais largo que "SP", e "1111" que "888".
    std::array<int, 256> larguraByte{};
    for (int byte = 0; byte < 256; ++byte)
        larguraByte[static_cast<std::size_t>(byte)] =
            fonte.horizontalAdvance(ParaTela(std::string(1, static_cast<char>(byte))));
    std::vector<int> linhas(static_cast<std::size_t>(campos_), -1);
    std::vector<long long> larguras(static_cast<std::size_t>(campos_), 0);
    // Uma passada só, registro a registro: a tabela é lida em blocos na ordem.
    for (int linha = 0; linha < registros_; ++linha)
        for (std::size_t coluna = 0; coluna < linhas.size(); ++coluna) {
            long long largura = 0;
            for (const char c : tabela_.TextoCampoEm(linha + 1, static_cast<int>(coluna)))
                largura += larguraByte[static_cast<unsigned char>(c)];
            if (linhas[coluna] < 0 || largura > larguras[coluna]) {
                linhas[coluna] = linha;
                larguras[coluna] = largura;
            }
        }
    return linhas;
}

QVariant ModeloGrade::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao == Qt::Vertical || secao < 0 || secao >= campos_)
        return {};
    if (papel == Qt::DisplayRole)
        return ParaTela(tabela_.NomeCampo(secao));
    if (papel == Qt::FontRole) {
        QFont negrito;
        negrito.setBold(true);
        return negrito;
    }
    return {};
}

Qt::ItemFlags ModeloGrade::flags(const QModelIndex& indice) const {
    if (!indice.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
