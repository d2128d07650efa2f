#pragma once
// Janelas de posições fixas numa fonte maior que a do desenho (tela de mais pontos por polegada,
// "texto grande" do sistema): tudo cresce na mesma proporção, até o texto mais apertado caber.
class QWidget;

// Multiplica a posição e o tamanho de cada controle de janela pelo fator que a maior falta de espaço
// pede (medida pelas dicas de tamanho dos rótulos e botões), e o tamanho fixo da janela também.
// Com a fonte do desenho, nada muda. Devolve o fator aplicado.
double AjustaAoConteudo(QWidget* janela);
