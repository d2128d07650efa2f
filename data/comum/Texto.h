#pragma once
// Funções de texto comuns a todo o sistema. Textos são bytes Latin-1.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Remove nas duas pontas todo caractere de código 32 ou menor.
std::string Apara(std::string_view texto);
// O mesmo, sem copiar: o pedaço do texto entre os brancos das pontas.
std::string_view SemBrancos(std::string_view texto);

// A regra dos arquivos de entrada do usuário para inteiros (o motor tem a sua, em Valor.h). Conversão
// estrita para inteiro de 32 bits: brancos à esquerda, sinal opcional, dígitos decimais;
// ou "$", "x", "X", "0x", "0X" seguidos de dígitos hexadecimais (até $7FFFFFFF, sem sinal).
// Nada pode vir depois. Devolve vazio quando não converte.
std::optional<std::int32_t> TentaInteiro(std::string_view texto);

// A mesma conversão; a falha levanta Falha com MensagemInteiroInvalido.
std::int32_t StrToInt(std::string_view texto);

// Um valor ruim como as mensagens o citam: entre aspas simples, só os primeiros 60 caracteres e "…"
// quando passa disso (uma linha de 1 GB não vira uma mensagem de 1 GB).
std::string Citacao(std::string_view valor);

// "'<texto>' não é um número inteiro válido.", o texto citado por Citacao.
std::string MensagemInteiroInvalido(std::string_view texto);

// O teste de inteiro: só importa se a conversão estrita dá certo.
bool EhInteiro(std::string_view texto);

// Inteiro escrito com "." entre os milhares ("24.392", "-1.234.567"): um a três dígitos e grupos de
// três, sinal opcional, brancos à esquerda. Devolve o sinal e os dígitos juntos; vazio quando o
// texto não é assim.
std::optional<std::string> SemSeparadorDeMilhar(std::string_view texto);

// Teste de número decimal com o separador decimal do usuário (brancos, sinal, dígitos com no máximo
// um separador, expoente opcional, brancos).
bool EhDecimal(std::string_view texto, char separadorDecimal);

// Data de calendário escrita aaaa-mm-dd ou dd/mm/aaaa como o número aaaammdd ("20130101"); vazio
// quando o texto não é exatamente uma data que existe.
std::optional<std::string> DataComoNumero(std::string_view texto);

// Forma decimal simples de um inteiro: "-" quando negativo, sem zeros à esquerda nem separadores.
std::string TextoInteiro(std::int64_t valor);

// Formato geral de número: até 15 algarismos significativos (empate arredonda para longe do zero),
// sem zeros finais, separador do usuário só quando sobra fração, expoente abaixo de 0,0001 e a
// partir de 10^15.
std::string FormatoGeral(double valor, char separadorDecimal);

// Motivo em português de um código de erro do sistema (errno), para as mensagens de arquivo.
std::string MotivoDoErro(int erro);

// Mensagem de falha como a caixa geral de erro a mostra: com "." no fim quando o último caractere tem
// código maior que o do ponto (uma letra, um dígito).
std::string MensagemComPonto(const std::string& mensagem);
