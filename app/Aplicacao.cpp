#include "Aplicacao.h"

#include "ErroGeral.h"

Aplicacao::Aplicacao(int& argc, char** argv, Dialogos& dialogos) : QApplication(argc, argv), dialogos_(dialogos) {}

bool Aplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& falha) {
        MostraErroGeral(dialogos_, activeWindow(), falha);
    }
    return false;
}
