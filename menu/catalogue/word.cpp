// The "Word Básico" and "Word Avançado" course menus.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa sóInicia[] = {N, Cd, L};

// "Word Básico"
constexpr Etapa b01[] = {N, Cd, C("CIRCULAR1.doc", "CIRCULAR.doc"), L};
constexpr Etapa b02[] = {N, Cd, C("CIRCULAR2.doc", "CIRCULAR.doc"), L};
constexpr Etapa b03[] = {N, Cd, C("convoca.doc"), L};
constexpr Etapa b04[] = {N, Cd, C("misto.doc"), L};
constexpr Etapa b05[] = {N, Cd, C("notícia.doc"), C("declara.doc"), C("vendas.doc"), L};
constexpr Etapa b06[] = {N, Cd, C("edital.doc"), L};
constexpr Etapa b07[] = {N, Cd, C("classif.doc"), C("quebrapg.doc"), L};
constexpr Etapa b08[] = {N, Cd, C("textfim.doc"), C("result.doc"), C("exerc.doc"), L};
constexpr Etapa b09[] = {N, Cd, C("textfim.doc"), L};
constexpr Etapa b10[] = {N, Cd, C("teorcurr.doc"), L};

constexpr Item wordB[] = {
    {"CWOB01", 0, "01 - Digitação Básica, Negrito, Sublinhado, Itálico, Alvo (focalizar), Salvar",
     "QVWOB01", "0201", b01},
    {"CWOB02x", 0,
     "02 - Alinhamentos, Deslocamentos, Fontes, Margens, Cores (fonte e realce), Pincel", "QVWOB02",
     "0202", b02},
    {"CWOB03", 0,
     "03 - Formatar parágrafo, Recuos e Margens, Uso da Régua, Deslocamentos, Numeradores",
     "QVWOB03", "0203", b03},
    {"CWOB04", 0, "04 - Bordas e Sombreamentos", "QVWOB04", "0204", b04},
    {"CWOB05", 0,
     "05 - Copiar/Colar/Mover, Barras de Ferramentas, Tabulações, Caracteres não imprimíveis",
     "QVWOB05", "0205", b05},
    {"CWOB06", 0, "06 - Desfazer/Refazer, Tabulação via régua, Corretor ortográfico", "QVWOB06",
     "0206", b06},
    {"CWOB07", 0,
     "07 - Inserir Quebra de página, Modos de exibição, Definições Globais, Classificar", "QVWOB07",
     "0207", b07},
    {"CWOB08", 0,
     "08 - Símbolos, Prática/Impressão, Numeração de página, Cabeçalho e Rodapé, Figuras",
     "QVWOB08", "0208", b08},
    {"CWOB09", 0, "09 - Localizar/Substituir; Inserir data e hora, Espacejamentos", "QVWOB09",
     "0209", b09},
    {"CWOB10", 0, "10 - Currículos (teoria), Exercício final", "QVWOB10", "0210", b10},
};

// "Word Avançado"
constexpr Etapa a02[] = {N, Cd, C("origdados.doc"), C("prin1.doc"), L};
constexpr Etapa a03[] = {N, Cd, C("trem.doc"), L};
constexpr Etapa a04[] = {N, Cd, C("trem2.doc", "trem.doc"), C("xtremx.doc"), L};
constexpr Etapa a05[] = {N, Cd, C("tremcol.doc"), C("trem.wmf"), L};
constexpr Etapa a07[] = {N, Cd, C("vxlogo.jpg"), L};

constexpr Item wordA[] = {
    {"cwavc01", 0, "01 - Mala Direta - Parte1", "QVWAVC01", "0701", sóInicia},
    {"cwavc02", 0, "02 - Mala Direta - Parte 2", "QVWAVC02", "0702", a02},
    {"cwavc03", 0, "03 - Estilos", "QVWAVC03", "0703", a03},
    {"cwavc04", 0, "04 - Copiar estilo entre documentos; Índices; Texto em colunas", "QVWAVC04",
     "0704", a04},
    {"cwavc05", 0, "05 - Quebra de colunas; Seção; Caixa de texto; Figuras, WordArt", "QVWAVC05",
     "0705", a05},
    {"cwavc06", 0, "06 - Tabelas; AutoFormatação de tabelas", "QVWAVC06", "0706", sóInicia},
    {"cwavc07", 0, "07 - Desenhar tabelas; Formatar tabelas; Marca d'água", "QVWAVC07", "0707",
     a07},
};

} // namespace

const MenuCurso cursoWordB{"CWordB", "Word Básico", false, wordB};
const MenuCurso cursoWordA{"CWordA", "Word Avançado", false, wordA};

} // namespace catalogo
