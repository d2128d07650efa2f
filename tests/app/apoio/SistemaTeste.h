#pragma once
// Um programa de teste completo: pasta de programa temporária com Bases0, diálogos falsos e as três
// janelas criadas como na partida. Cada teste monta o seu.
#include "DialogosFalsos.h"
#include "Programa.h"

#include <QListWidget>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

class SistemaTeste {
public:
    // preparo roda depois de montada a pasta e antes de criar as janelas (Fixa.CFG, Bases1...).
    explicit SistemaTeste(const std::function<void(SistemaTeste&)>& preparo = {});

    // Caminhos na pasta temporária; a pasta do programa é "sistema/", e a do usuário também, a não ser
    // que o preparo dê outra (como num programa instalado).
    QString Caminho(const QString& relativo) const;
    std::string DirSistema() const;
    std::string DirUsuario() const;
    QString pastaUsuario = QStringLiteral("sistema/");
    // Escreve os bytes exatos no arquivo (cria as pastas).
    void Escreve(const QString& relativo, const std::string& bytes) const;
    std::string Le(const QString& relativo) const;
    // Copia um arquivo de tests/dados/janelas para a pasta temporária.
    void CopiaDado(const QString& nome, const QString& relativo) const;

    // Cria as janelas como numa nova partida do programa, com a pasta corrente em "dados/".
    void CriaJanelas();
    TTrad& Trad() { return programa_->Trad; }
    TProc& Proc() { return programa_->Proc; }

    DialogosFalsos dialogos;

private:
    QTemporaryDir pasta_;
    std::unique_ptr<Programa> programa_;
};

// Espera sem prender a linha (por um temporizador repetido) até pronto() e então faz acao(); passado o
// limite, faz acao() assim mesmo. Serve para agir dentro de um exec() modal.
void QuandoPronto(const std::function<bool()>& pronto, const std::function<void()>& acao, int limiteMs = 60000);

// Clica no item de texto dado de uma lista, como o usuário.
void ClicaItem(QListWidget* lista, const QString& texto);
// Digita o texto tecla a tecla; serve também para caracteres fora do ASCII.
void Digita(QWidget* controle, const QString& texto);

// Achar um controle pelo nome ou falhar com o nome na mensagem.
template <typename Controle>
Controle* Acha(QObject* janela, const QString& nome) {
    auto* controle = janela->findChild<Controle*>(nome);
    if (controle == nullptr)
        qFatal("controle %s não encontrado", qPrintable(nome));
    return controle;
}
