// The "PageMaker" course menu: ten lessons that stage publications, templates, texts and
// pictures into the work folder before they start.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa m01[] = {N, Cd, C("Publicação.p65"), L};
constexpr Etapa m02[] = {N, Cd, C("Editor.doc"), L};
constexpr Etapa m03[] = {N, Cd, C("livro.p65"), L};
constexpr Etapa m04[] = {N, Cd, C("capa.p65"), C("Contrcap.doc"), C("Estrada.tif"), L};
// Lessons 05, 06 and 10 each start the book from their own saved state.
constexpr Etapa m05[] = {N, Cd, C("livroM3.p65", "livro.p65"), L};
constexpr Etapa m06[] = {N, Cd, C("livroM5.p65", "livro.p65"), C("Texto1.txt"), L};
constexpr Etapa m07[] = {N, Cd, C("rosto.pcx"), C("Folha.eps"), L};
constexpr Etapa m08[] = {N,
                         Cd,
                         C("Diploma.p65"),
                         C("Modelo.t65"),
                         C("Win95.doc"),
                         C("Modelo2.t65"),
                         C("Pm65.doc"),
                         C("Pm65.p65"),
                         L};
constexpr Etapa m09[] = {N, Cd, C("Colunas.doc"), C("Teclogo.wmf"), L};
constexpr Etapa m10[] = {N,
                         Cd,
                         C("Rosto.pcx"),
                         C("Win95.p65"),
                         C("Capa do aluno.p65"),
                         C("Colunas.p65"),
                         C("Logoalun.wmf"),
                         C("LivroM6.p65", "Livro.p65"),
                         L};

constexpr Item pageMaker[] = {
    {"cpagemaker01", 0,
     "01 - Introdução; Conceito de Objeto; Trabalhar com Objetos; Programas vetoriais; Formatar "
     "texto (I)",
     "QVPgMk01", "1301", m01},
    {"cpagemaker02", 0,
     "02 - Kerning; Páginas mestres; Linha guia; Numeração de páginas; Importar textos", "QVPgMk02",
     "1302", m02},
    {"cpagemaker03", 0,
     "03 - Formatar texto (II); Atribuitos letras/parágrafos; Revisor ortográfico; Página de "
     "Rosto; Arredondar cantos",
     "QVPgMk03", "1303", m03},
    {"cpagemaker04", 0,
     "04 - Montar capa de livro; Paleta de controle; Incluir imagens; Inclinar/rotacionar; Ponto "
     "de referência; Molduras",
     "QVPgMk04", "1304", m04},
    {"cpagemaker05", 0, "05 - Estilos; Marcações e Numerações; Índices e Sumários", "QVPgMk05",
     "1305", m05},
    {"cpagemaker06", 0,
     "06 - Mais sobre Índices e Sumários; Gabarito; Linha de base; Importar texto ASCII",
     "QVPgMk06", "1306", m06},
    {"cpagemaker07", 0,
     "07 - Teoria das cores; Tabela de cores padronizadas; Marca d'água; Efeito sombra; Quadros",
     "QVPgMk07", "1307", m07},
    {"cpagemaker08", 0, "08 - Polígonos; Definir nova cor; Exercício", "QVPgMk08", "1308", m08},
    {"cpagemaker09", 0,
     "09 - Texto em colunas; Fluxo automático; Cor em reverso; Figuras; Texto em volta de "
     "figura; Títulos",
     "QVPgMk09", "1309", m09},
    {"cpagemaker10", 0,
     "10 - Balancear colunas; Realçar subtítulo; Colar foto; Exercício desafio; Impressão",
     "QVPgMk10", "1310", m10},
};

} // namespace

const MenuCurso cursoPageMaker{"cpagemaker", "PageMaker", true, pageMaker};

} // namespace catalogo
