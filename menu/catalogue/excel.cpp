// The "Excel Básico" and "Excel Avançado" course menus.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa sóInicia[] = {N, Cd, L};

// "Excel Básico"
constexpr Etapa b03[] = {N, Cd, C("trimes1.xls", "trimes.xls"), L};
constexpr Etapa b04[] = {N, Cd, C("trimes2.xls", "trimes.xls"), L};
constexpr Etapa b05[] = {N, Cd, C("projec.xls"), C("tabuada.xls"), L};
constexpr Etapa b07[] = {N, Cd, C("notames1.xls"), L};
constexpr Etapa b08[] = {N, Cd, C("notames2.xls"), C("notames3.xls"), L};
constexpr Etapa b10[] = {N, Cd, C("notas1a.xls"), L};

constexpr Item excelB[] = {
    {"CEXB01", 0,
     "01 - Elementos da planilha, Navegar pelas células, Largura, Fórmulas, Casas decimais",
     "QVEXB01", "0301", sóInicia},
    {"CEXB02", 0, "02 - Corrigir digitação, Focalizar faixa, Alinhamentos, Copiar células",
     "QVEXB02", "0302", sóInicia},
    {"CEXB03", 0, "03 - Copiar fórmulas, Formatar valores e quantias, Calculos condicionais",
     "QVEXB03", "0303", b03},
    {"CEXB04", 0,
     "04 - Impedir ajuste de índices, Decimais e %, Fixar (linha e coluna), Imprimir, Grade",
     "QVEXB04", "0304", b04},
    {"CEXB05", 0, "05 - Projeções, Preenchimento Automático, Exercício tabuada", "QVEXB05", "0305",
     b05},
    {"CEXB06", 0, "06 - Efeitos de formatação", "QVEXB06", "0306", sóInicia},
    {"CEXB07", 0,
     "07 - Orientação do texto, Formatação de Fontes, Formatação condicional, Cor de fundo",
     "QVEXB07", "0307", b07},
    {"CEXB08", 0, "08 - Bordas, Prática de Impressão", "QVEXB08", "0308", b08},
    {"CEXB09", 0, "09 - Gráficos", "QVEXB09", "0309", sóInicia},
    {"CEXB10", 0, "10 - Planilhas tridimensionais, Classificar, Autoformatação, Proteger planilha",
     "QVEXB10", "0310", b10},
};

// "Excel Avançado"
constexpr Etapa a01[] = {N, Cd, C("Mestre.xls"), L};
constexpr Etapa a02[] = {N, Cd, C("PLFiltro.xls"), L};
constexpr Etapa a03[] = {N, Cd, C("PLFiltro.xls"), L};
constexpr Etapa a04[] = {N, Cd, C("Validar.xls"), L};
constexpr Etapa a05[] = {N, Cd, C("PLTabela.xls"), L};
constexpr Etapa a07[] = {N, Cd, C("Previsão.xls"), L};
constexpr Etapa a09[] = {N, Cd, C("JurosCompostos.xls"), C("Geladeira.xls"), L};
constexpr Etapa a10[] = {N, Cd, C("Duplicatas.xls"), L};
constexpr Etapa a11[] = {N, Cd, C("Opção.xls"), C("Seleção.xls"), L};
constexpr Etapa a12[] = {N, Cd, C("Combinação.xls"), L};
constexpr Etapa a14[] = {N, Cd, C("Pedidos.xls"), L};

constexpr Item excelA[] = {
    {"cexavc01", 0,
     "01 - Nomear células ou faixas; Funções Estatísticas e de Texto; Células comentadas; "
     "Auditoria",
     "QVEXA01", "0801", a01},
    {"cexavc02", 0, "02 - Filtros; Filtros avançados; Formulários", "QVEXA02", "0802", a02},
    {"cexavc03", 0, "03 - Classificação; Subtotais", "QVEXA03", "0803", a03},
    {"cexavc04", 0, "04 - Validação de dados; Proteger planilha", "QVEXA04", "0804", a04},
    {"cexavc05", 0, "05 - Tabela Dinâmica; Personalizar Tabela Dinâmica", "QVEXA05", "0805", a05},
    {"cexavc06", 0, "06 - Linhas de Tendência; Análise Futura; Barra de Erros", "QVEXA06", "0806",
     sóInicia},
    {"cexavc07", 0, "07 - Cenários; Atingir Metas", "QVEXA07", "0807", a07},
    {"cexavc08", 0, "08 - Solver", "QVEXA08", "0808", sóInicia},
    {"cexavc09", 0, "09 - Matemática Financeira - Parte 1", "QVEXA09", "0809", a09},
    {"cexavc10", 0, "10 - Matemática Financeira - Parte 2", "QVEXA10", "0810", a10},
    {"cexavc11", 0, "11 - Formulários Online: Botão de opção; Caixa de Seleção; Formatar controles",
     "QVEXA11", "0811", a11},
    {"cexavc12", 0, "12 - Formulários Online: Caixa de Combinação; Função Índice", "QVEXA12",
     "0812", a12},
    {"cexavc13", 0, "13 - Macros", "QVEXA13", "0813", sóInicia},
    {"cexavc14", 0, "14 - Modelo de planilha complexa; Código de erros; Dicas", "QVEXA14", "0814",
     a14},
};

} // namespace

const MenuCurso cursoExcelB{"CExcelB", "Excel Básico", false, excelB};
const MenuCurso cursoExcelA{"CExcelA", "Excel Avançado", false, excelA};

} // namespace catalogo
