// The two Access course menus: "Access Básico" and "Access Avançado". Most lessons ask for the
// Access version, whose dialog stages the sample databases and starts the lesson itself.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa inicia[] = {N, Cd, L};
constexpr Etapa diálogo[] = {N, Cd, A};

// "Access Básico" (CAccessB)
constexpr Item accessB[] = {
    {"CACB01", 0, "01 - Criar Banco de Dados; Chave primária", "QVACB01", "0401", inicia},
    {"CACB02", 0, "02 - Introduzir dados em Tabelas", "QVACB02", "0402", diálogo},
    {"CACB03", 0, "03 - Navegar pelas Tabelas; Alterar dados nas Tabelas", "QVACB03", "0403",
     diálogo},
    {"CACB04", 0, "04 - Incluir/eliminar registros; Classificar; Filtrar", "QVACB04", "0404",
     diálogo},
    {"CACB05", 0, "05 - Filtrar por Formulário; Localizar registro, Substituições automáticas",
     "QVACB05", "0405", diálogo},
    {"CACB06", 0, "06 - Consultas: definir, executar, alterar", "QVACB06", "0406", diálogo},
    {"cacb07", 0, "07 - Consultas com valores entre limites; Criar consulta a partir de outra",
     "QVACB07", "0407", diálogo},
    {"CACB08", 0,
     "08 - AutoFormulários Colunar/Tabular; Incluir registro via Formulário; Assistente de "
     "Formulário",
     "QVACB08", "0408", diálogo},
    {"cacb09", 0,
     "09 - Formulário via consulta ainda inexistente; Botões da barra de ferramentas; Alterar "
     "formulário",
     "QVACB09", "0409", diálogo},
    {"CACB10", 0, "10 - Relatórios; AutoRelatório  tabular", "QVACB10", "0410", diálogo},
};

// "Access Avançado" (CAccessA)
constexpr Etapa aa11[] = {N, Cd, C("casa.jpg"), C("espiral.jpg"), C("geo.jpg"), C("fruta.jpg"), L};

constexpr Item accessA[] = {
    {"cacavc01", 0,
     "01 - Objetos de Banco de Dados; Incluir, alterar, excluir registros em Banco de Dados",
     "QVACA01", "0901", diálogo},
    {"cacavc02", 0, "02 - Criar Tablelas; Chave primária", "QVACA02", "0902", diálogo},
    {"cacavc03", 0, "03 - Relacionar tabelas; Criar Consultas", "QVACA03", "0903", diálogo},
    {"cacavc04", 0, "04 - Consulta com condição; Condições múltiplas; Consulta parametrizada",
     "QVACA04", "0904", diálogo},
    {"cacavc05", 0, "05 - Formulários: Tabular/Colunar; AutoFormulário", "QVACA05", "0905",
     diálogo},
    {"cacavc06", 0,
     "06 - Alterar formulários; Personalizar formulários; Propriedades de formulários", "QVACA06",
     "0906", diálogo},
    {"cacavc07", 0, "07 - Formulário com SubFormulário; Help", "QVACA07", "0907", diálogo},
    {"cacavc08", 0, "08 - Relatórios; Criar via Assistentes", "QVACA08", "0908", diálogo},
    {"cacavc09", 0, "09 - Mala Direta", "QVACA09", "0909", diálogo},
    {"cacavc10", 0,
     "10 - Classificar Tabelas; Filtros; Filtrar com Formulário; Localizar/Substituir", "QVACA10",
     "0910", diálogo},
    {"cacavc11", 0, "11 - Criar Banco de Dados com figuras", "QVACA11", "0911", aa11},
    {"cacavc12", 0, "12 - Revisão: Criar/relacionar Tabelas", "QVACA12", "0912", inicia},
    {"cacavc13", 0,
     "13 - Revisão: Consultas condicionais; condições múltiplas; Consultas parametrizadas; "
     "Formulários",
     "QVACA13", "0913", diálogo},
    {"cacavc14", 0, "14 - SubFormulários; AutoRelatórios; Etiquetas", "QVACA14", "0914", diálogo},
    {"cacavc15", 0, "15 - Consulta Atualização", "QVACA15", "0915", diálogo},
    {"cacavc16", 0, "16 - Validação dos dados de entrada; formulário com Caixa de Combinação",
     "QVACA16", "0916", diálogo},
    {"cacavc17", 0, "17 - Botões de comandos; Macros", "QVACA17", "0917", diálogo},
    {"cacavc18", 0, "18 - Módulos; Programação Visual Basic", "QVACA18", "0918", diálogo},
};

} // namespace

const MenuCurso cursoAccessB{"CAccessB", "Access Básico", false, accessB};
const MenuCurso cursoAccessA{"CAccessA", "Access Avançado", false, accessA};

} // namespace catalogo
