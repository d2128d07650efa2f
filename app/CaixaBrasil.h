#pragma once
// O que as caixas do Brasil em "Serviços" têm em comum: campos de arquivo com "...", anos da tabela,
// o quadro de avisos, o botão Fechar e o trabalho que grava com cursor de espera e caixa de erro.
#include "Ajustes.h"
#include "Aviso.h"
#include "ConferenciaBrasil.h"
#include "Dialogos.h"

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class CaixaBrasil : public QDialog {
public:
    // ajuda: o tópico que F1 abre.
    CaixaBrasil(const QString& nome, const QString& titulo, const std::string& ajuda, const Ajustes& ajustes,
                Dialogos& dialogos, QWidget* pai);

protected:
    // Uma linha com o texto e um "..." que escolhe um arquivo para ele.
    QLineEdit* Arquivo(const QString& rotulo, const QString& nome, const QString& valor);
    QLineEdit* Texto(const QString& rotulo, const QString& nome, const QString& valor);
    // O nome do resultado, como no passo 3 e no comando em lote: até 8 caracteres, sem pasta.
    QLineEdit* NomeResultado(const QString& rotulo, const QString& valor);
    QSpinBox* Ano(const QString& rotulo, const QString& nome, int ultimo, int valor);
    // Os botões de ação, por nome e texto (o primeiro é o de Enter), o quadro de avisos e o Fechar.
    struct Acao {
        QString nome;
        QString texto;
        std::function<void()> faz;
    };
    void Acoes(std::initializer_list<Acao> acoes);
    // Um campo vazio é dito numa caixa e recebe o foco.
    bool Preenchidos(std::initializer_list<std::pair<QLineEdit*, QString>> campos);
    // Roda o trabalho com cursor de espera; a falha vai para a caixa geral de erro; o texto que ele
    // devolve vai para o quadro de avisos.
    void Trabalha(const std::function<std::string()>& trabalho);
    void Recusa(const std::string& texto);

    static std::string Caminho(const QString& caminho);
    // Os problemas da conferência e os avisos da leitura da base, um por linha, para o quadro.
    static std::string LinhasDaBase(const Conferencia& conferencia, const std::vector<Aviso>& leitura);

    const Ajustes& ajustes_;
    Dialogos& dialogos_;

private:
    QFormLayout* formulario_;
    QPlainTextEdit* avisos_ = nullptr;
};
