#pragma once
// Arquivo: os arquivos da pasta que casam com a máscara, sem olhar maiúsculas e minúsculas.
#include <QListWidget>

class ListaArquivos : public QListWidget {
    Q_OBJECT
public:
    explicit ListaArquivos(QWidget* pai = nullptr);
    void DefinePasta(const QString& pasta);
    void DefineMascara(const QString& mascara);
    // Relê a pasta (arquivos novos ou apagados), com o arquivo escolhido ainda marcado.
    void Atualiza();
    const QString& Pasta() const { return pasta_; }
    // Marca o arquivo do nome dado, sem avisar escolha; sem ele na lista, nada fica marcado.
    void Marca(const QString& nome);
    // Nome do arquivo selecionado; vazio quando nada está selecionado.
    QString Selecionado() const;

signals:
    // O usuário escolheu um arquivo (clique ou teclado); relistar a pasta não avisa.
    void Escolhido();

private:
    void AvisaEscolha();
    void Relista();
    QString pasta_;
    QString mascara_ = QStringLiteral("*.*");
};
