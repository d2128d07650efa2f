#pragma once
// Unidade: o seletor de volumes montados, no lugar das letras de unidade.
#include <QComboBox>

class SeletorUnidade : public QComboBox {
    Q_OBJECT
public:
    explicit SeletorUnidade(QWidget* pai = nullptr);
    // Relê os volumes montados, sem os técnicos; a lista fica só com a raiz "/" quando o sistema não
    // os dá.
    void ReleVolumes();
    // Seleciona o volume que contém o caminho.
    void DefineUnidade(const QString& caminho);
    QString Unidade() const;
};

// Montagem do sistema (proc, sys, cgroup, run e afins), onde ninguém guarda uma base: fica fora da
// lista.
bool VolumeTecnico(const QString& raiz, const QByteArray& tipo);
