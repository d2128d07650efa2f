// Mantém a biblioteca de apoio dos testes de janela mesmo antes de ter arquivos próprios.
