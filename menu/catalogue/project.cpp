// The "Project" course menu: eight lessons around one practice project, whose schedule
// "Mudança comercial.mpp" each of lessons 06 to 08 writes from its own source.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa p01[] = {N, Cd, C("construção original.mpp", "construção.mpp"), L};
constexpr Etapa p02[] = {N, Cd, C("construção original.mpp", "construção.mpp"), L};
constexpr Etapa p03[] = {N, Cd, C("construção.mpp"), L};
constexpr Etapa p04[] = {N, Cd, C("glossário.doc"), L};
constexpr Etapa p05[] = {N,
                         Cd,
                         C("QV-Premissas.doc"),
                         C("QV-LevantInstal.doc"),
                         C("QV-Imóveis.doc"),
                         C("QV-Preliminar.doc"),
                         C("QV-Etapas.doc"),
                         C("QV-Tarefas de Resumo.doc"),
                         C("QV-Tarefas01.doc"),
                         C("QV-Tarefas02.doc"),
                         C("QV-Tarefas03.doc"),
                         C("QV-Tarefas.xls"),
                         L};
constexpr Etapa p06[] = {N,
                         Cd,
                         C("QV-MC_Tarefas.mpp", "Mudança comercial.mpp"),
                         C("QV-Tarefas01.doc"),
                         C("QV-Tarefas02.doc"),
                         C("QV-Tarefas03.doc"),
                         L};
constexpr Etapa p07[] = {N,
                         Cd,
                         C("QV-MC_Tarefas_Resumo.mpp", "Mudança comercial.mpp"),
                         C("QV-MC_Vínculos.mpp"),
                         C("QV-Etapas.doc"),
                         C("QV-Interdependência01.doc"),
                         C("QV-Interdependência02.doc"),
                         C("QV-Interdependência03.doc"),
                         L};
// The destination keeps its trailing blank, as the lesson writes it.
constexpr Etapa p08[] = {N, Cd, C("QV-MC_Vínculos.mpp", "Mudança comercial.mpp "), L};

constexpr Item project[] = {
    {"cprj01", 0, "01 - Tela inicial; Partes da tela; Modos de exibição; Modo gráfico de Gantt",
     "QVPRJ01", "1801", p01},
    {"cprj02", 0,
     "02 - Modo Calendário; Modo Diagrama de rede; Modo Gantt de controle; Linha de base",
     "QVPRJ02", "1802", p02},
    {"cprj03", 0, "03 - Modo de Tarefas e Recursos; Gráfico de recursos; Planilha de recursos",
     "QVPRJ03", "1803", p03},
    {"cprj04", 0, "04 - Introdução à Teoria do Gerenciamento de Projetos", "QVPRJ04", "1804", p04},
    {"cprj05", 0, "05 - Preparar o Projeto Mudança do Escritório Comercial ", "QVPRJ05", "1805",
     p05},
    {"cprj06", 0, "06 - Continuação (I)  do projeto Mudança do Escritório Comercial", "QVPRJ06",
     "1806", p06},
    {"cprj07", 0, "07 - Continuação (II) do projeto Mudança do Escritório Comercial", "QVPRJ07",
     "1807", p07},
    {"cprj08", 0, "08 - Análise PERT x CPM; Caminho crítico; Diagrama de rede", "QVPRJ08", "1808",
     p08},
};

} // namespace

const MenuCurso cursoProject{"CProject", "Project", true, project};

} // namespace catalogo
