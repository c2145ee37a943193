// The "PowerPoint" and "Integração" course menus.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa sóInicia[] = {N, Cd, L};

// "PowerPoint"
constexpr Etapa p01[] = {N, Cd, C("exemplo.ppt"), L};
constexpr Etapa p03[] = {N, Cd, C("textoco1.ppt", "textocor.ppt"), C("nuvens.gif"), L};
constexpr Etapa p05[] = {N, Cd, C("globo.wmf"), L};
constexpr Etapa p10[] = {N, Cd, C("cursos.ppt"), L};
constexpr Etapa p12[] = {N, Cd, C("tropical.pot"), C("mapa.gif"), L};
constexpr Etapa p13[] = {N, Cd, C("relogio.wmf"), L};

constexpr Item powerPoint[] = {
    {"CPPT01", 0, "01 - Exibir apresentação pronta; Componentes do slide; Criar apresentação",
     "QVPPT01", "0501", p01},
    {"CPPT02", 0, "02 - Caixa de texto; Formatações; Barra de ferramentas", "QVPPT02", "0502",
     sóInicia},
    {"Cppt03", 0,
     "03 - Efeitos de animação; Cores; Símbolos; Preencimentos: gradiente, textura, padrões",
     "QVPPT03", "0503", p03},
    {"CPPT04", 0, "04 - WordArt", "QVPPT04", "0504", sóInicia},
    {"CPPT05", 0, "05 - Gráficos - criar", "QVPPT05", "0505", p05},
    {"CPPT06", 0, "06 - Gráficos - rotacionar; Objetos de gráficos", "QVPPT06", "0506", sóInicia},
    {"CPPT07", 0, "07 - CipArt; Retocar figuras; Marca d'água; Linhas e setas", "QVPPT07", "0507",
     sóInicia},
    {"CPPT08", 0, "08 - Sombras; Ordenar objetos; Calendário; Organograma", "QVPPT08", "0508",
     sóInicia},
    {"CPPT09", 0, "09 - Aplicar estrutura (fundo); Transição de slides", "QVPPT09", "0509",
     sóInicia},
    {"CPPT10", 0,
     "10 - Apresentação em Quiosques; Classificar slides; Eliminar slides; Sugestões de modelos",
     "QVPPT10", "0510", p10},
    {"CPPT11", 0, "11 - Assistente de AutoConteúdo; Slide Mestre", "QVPPT11", "0511", sóInicia},
    {"CPPT12", 0, "12 - Apresentações interativas", "QVPPT12", "0512", p12},
    {"CPPT13", 0, "13 - Formatar saída; Montar cartaz; Imprimir", "QVPPT13", "0513", p13},
};

// "Integração": no lesson stages anything.
constexpr Item integração[] = {
    {"cintg01", 0, "01 - Uso da área de transferência em um ou  mais aplicativos", "QVINTG01",
     "0601", sóInicia},
    {"cintg02", 0, "02 - Colar especial com vínculo - exemplo com Word e gráfico do Excel",
     "QVINTG02", "0602", sóInicia},
    {"cintg03", 0,
     "03 - Captura de textos e imagens da Internet ou da própria tela do micro (imagem total ou "
     "parcial)",
     "QVINTG03", "0603", sóInicia},
    {"cintg04", 0,
     "04 - Gerenciamento de Espaço em disco; Compactadores de arquivos; Sistemas operacionais; "
     "DOS",
     "QVINTG04", "0604", sóInicia},
};

} // namespace

const MenuCurso cursoPowerPoint{"CPowerPointB", "PowerPoint", false, powerPoint};
const MenuCurso cursoIntegração{"CIntegração", "Integração", false, integração};

} // namespace catalogo
