// The "JavaScript" course menu: nine lessons that copy their example pages into the work
// folder under their own names before they start.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa j01[] = {N, Cd, C("bem_vindo.htm"), C("bem_vindo2.htm"), L};
constexpr Etapa j02[] = {
    N, Cd, C("bem_vindo3.htm"), C("quem é você.htm"), C("conta.htm"), C("calculadora.htm"), L};
constexpr Etapa j03[] = {N, Cd, C("loop_for.htm"), L};
constexpr Etapa j04[] = {N, Cd, C("adivinha.htm"), C("microadivinha.htm"), L};
constexpr Etapa j05[] = {N, Cd, C("showstars.htm"), C("matriz.htm"), L};
constexpr Etapa j06[] = {N, Cd, L};
constexpr Etapa j07[] = {N, Cd, C("crono.htm"), C("crono2.htm"), L};
constexpr Etapa j08[] = {N,
                         Cd,
                         C("janelas.htm"),
                         C("bem_vindo2.htm"),
                         C("matriz.htm"),
                         C("crono.htm"),
                         C("showstars.htm"),
                         C("frame1.htm"),
                         C("frame2.htm"),
                         C("testeframe2.htm"),
                         L};
constexpr Etapa j09[] = {N,
                         Cd,
                         C("bem_vindo2.htm"),
                         C("status.htm"),
                         C("mouseover1.htm"),
                         C("mouseover2.htm"),
                         C("rolamento.htm"),
                         C("form.htm"),
                         L};

constexpr Item javaScript[] = {
    {"cjavascript01", 0, "01 - Definiçoes; Histórico; Erros de digitação; Exemplos", "QVJSB01",
     "1101", j01},
    {"cjavascript02", 0, "02 - Variáveis; Tipo de variáveis; Função Prompt", "QVJSB02", "1102",
     j02},
    {"cjavascript03", 0, "03 - Estrutura de controle - IF, IF/ELSE;  Loop WHILE;  Loop FOR",
     "QVJSB03", "1103", j03},
    {"cjavascript04", 0,
     "04 - Funções Matemáticas (random, round); Interromper loop: Break, Continue;  Exemplo: "
     "Adivinhar número",
     "QVJSB04", "1104", j04},
    {"cjavascript05", 0,
     "05 - Subrotinas; Tabelas (Arrays); OOP-Objetos, Propriedades, Métodos e Eventos", "QVJSB05",
     "1105", j05},
    {"cjavascript06", 0,
     "06 - Funções de Data/Hora; Uso de Arrays (exemplo com Tabela meses e dias da semana)",
     "QVJSB06", "1106", j06},
    {"cjavascript07", 0, "07 - Funções SetTimeOut/ClearTimeOut; Exercício cronômetro", "QVJSB07",
     "1107", j07},
    {"cjavascript08", 0, "08 - Uso de Frames (criar janelas)", "QVJSB08", "1108", j08},
    {"cjavascript09", 0,
     "09 - Textos na barra de status; MouseOver; Substring; Validação de dados de formulários",
     "QVJSB09", "1109", j09},
};

} // namespace

const MenuCurso cursoJavaScript{"cjavascript", "JavaScript", true, javaScript};

} // namespace catalogo
