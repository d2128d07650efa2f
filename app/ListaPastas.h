#pragma once
// Pasta: lista de pastas à moda clássica: o caminho da raiz do volume até a pasta corrente, depois as
// subpastas dela. Abrir um item (duplo clique, Enter) o torna a pasta corrente.
#include <QListWidget>

class ListaPastas : public QListWidget {
    Q_OBJECT
public:
    explicit ListaPastas(QWidget* pai = nullptr);
    // Torna a pasta a corrente; false, sem mudar nada, quando ela não pode ser lida.
    bool DefinePasta(const QString& pasta);
    // Vai para a raiz do volume dado, a não ser que a pasta corrente já esteja nele.
    bool DefineUnidade(const QString& raiz);
    const QString& Pasta() const { return pasta_; }

signals:
    void PastaMudou();

private:
    void Abre(QListWidgetItem* item);
    QString pasta_;
};
