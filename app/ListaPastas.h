#pragma once
// Pasta: lista de pastas à moda clássica: o caminho desde a raiz "/" até a pasta corrente, um nível
// mais recuado que o outro, depois as subpastas dela. Abrir um item (duplo clique, Enter) o torna a
// pasta corrente; digitar o começo de um nome vai até a pasta.
#include <QListWidget>

class ListaPastas : public QListWidget {
    Q_OBJECT
public:
    explicit ListaPastas(QWidget* pai = nullptr);
    // Torna a pasta a corrente; false, sem mudar nada, quando ela não pode ser lida.
    bool DefinePasta(const QString& pasta);
    // Vai para a raiz do volume dado, a não ser que a pasta corrente já esteja nele.
    bool DefineUnidade(const QString& raiz);
    // Relê a pasta corrente (subpastas novas ou apagadas); se ela sumiu, fica na mais próxima acima.
    void Atualiza();
    const QString& Pasta() const { return pasta_; }

signals:
    void PastaMudou();

protected:
    // Enter abre a pasta aqui, antes do atalho da janela ("&Próximo") pegar a tecla.
    bool event(QEvent* evento) override;

private:
    void Abre(QListWidgetItem* item);
    QString pasta_;
};
