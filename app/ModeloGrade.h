#pragma once
// O modelo da grade Resultado: a tabela final só para leitura, campos na ordem da tabela, nomes dos
// campos como títulos (em negrito), o texto inteiro de cada célula na dica. Desligado, não mostra nada.
#include <QAbstractTableModel>
#include <QFontMetrics>
#include <vector>

class Tabela;

class ModeloGrade : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloGrade(Tabela& tabela, QObject* pai = nullptr);

    void Liga();
    void Desliga();
    bool Ligado() const { return ligado_; }
    // Para cada coluna, a linha cujo texto é o mais largo na fonte dada, em todos os registros; -1 sem
    // registros. A largura soma a de cada caractere (sem os pares de kerning): serve para achar a linha.
    std::vector<int> LinhasMaisLargas(const QFontMetrics& fonte) const;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

private:
    Tabela& tabela_;
    bool ligado_ = false;
    int registros_ = 0;
    int campos_ = 0;
};
