// The "Windows" course menu. Lessons 08 to 10 rebuild the practice tree "c:\00Documentos"
// before they start; lesson 11 leaves a practice file in the root of drive C:.

#include "passos.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace catalogo {
namespace {
using namespace etapas;

#define DOCS "c:\\00Documentos\\"

// Every file of each folder of the practice tree, deepest folders first.
constexpr const char* const arquivosDaÁrvore[] = {
    "escola\\alunos\\*.*",
    "escola\\logo\\*.*",
    "escola\\notas\\*.*",
    "escola\\*.*",
    "pessoais\\bancos\\*.*",
    "pessoais\\cartas\\*.*",
    "pessoais\\impostos\\Ano2001\\*.*",
    "pessoais\\impostos\\Ano2002\\*.*",
    "pessoais\\impostos\\*.*",
    "pessoais\\*.*",
    "*.*",
};
constexpr Lista listaArquivosDaÁrvore{arquivosDaÁrvore};

// What the two layouts copy into the tree, folder by folder, each file under its own name.
constexpr const char* const alunos[] = {"classe1.doc", "classe2.doc"};
constexpr Lista listaAlunos{alunos};
constexpr const char* const logoA[] = {"antigo.bmp", "novo.bmp"};
constexpr Lista listaLogoA{logoA};
constexpr const char* const logoB[] = {"antigo.bmp", "novo.bmp", "bandeira.gif", "círculos.bmp"};
constexpr Lista listaLogoB{logoB};
constexpr const char* const notasA[] = {"Geral.doc", "Provas.xls"};
constexpr Lista listaNotasA{notasA};
constexpr const char* const notasB[] = {"Geral.doc", "Provas.xls", "Trabalhos.xls"};
constexpr Lista listaNotasB{notasB};
constexpr const char* const bancos[] = {"Banco Tarvessa.xls", "Banco Quimbelo.xls"};
constexpr Lista listaBancos{bancos};
constexpr const char* const cartasA[] = {"Carta1.doc", "Carta2.doc"};
constexpr Lista listaCartasA{cartasA};
constexpr const char* const cartasB[] = {"Carta1.doc", "Carta2.doc", "bolhas.bmp"};
constexpr Lista listaCartasB{cartasB};

// One item's steps made of named step lists, in order.
template <std::size_t... Tamanhos> constexpr auto Juntar(const Etapa (&... partes)[Tamanhos]) {
    std::array<Etapa, (Tamanhos + ...)> etapas{};
    auto fim = etapas.begin();
    ((fim = std::copy(std::begin(partes), std::end(partes), fim)), ...);
    return etapas;
}

constexpr Etapa sóInicia[] = {N, Cd, L};
constexpr Etapa w07[] = {
    N, Cd, C("demoppt.ppt"), C("mapa.gif"), C("bandeira.gif"), C("gravata.pot"), L};

// Lessons 08 to 10 name their program and code, then run the rest, start included, with errors
// ignored, so folders that stay or already exist are no failure.
constexpr Etapa nomeEIgnora[] = {N, Cd, Ig};
constexpr Etapa iniciaEFim[] = {L, FimIg};
// The practice tree taken down, files first and folders deepest first, and made again with the
// folders that both layouts hold.
constexpr Etapa refazÁrvore[] = {
    K(DOCS, listaArquivosDaÁrvore),
    RmDir(DOCS "escola\\alunos"),
    RmDir(DOCS "escola\\logo"),
    RmDir(DOCS "escola\\notas"),
    RmDir(DOCS "escola"),
    RmDir(DOCS "pessoais\\bancos"),
    RmDir(DOCS "pessoais\\cartas"),
    RmDir(DOCS "pessoais\\impostos\\Ano2001"),
    RmDir(DOCS "pessoais\\impostos\\Ano2002"),
    RmDir(DOCS "pessoais\\impostos"),
    RmDir(DOCS "pessoais"),
    RmDir("c:\\00Documentos"),
    MkDir("c:\\00Documentos"),
    MkDir(DOCS "escola"),
    MkDir(DOCS "escola\\alunos"),
    MkDir(DOCS "escola\\logo"),
    MkDir(DOCS "escola\\notas"),
    MkDir(DOCS "pessoais"),
    MkDir(DOCS "pessoais\\bancos"),
    MkDir(DOCS "pessoais\\cartas"),
};
// Layout A's files (lessons 08 and 09).
constexpr Etapa arquivosA[] = {
    F("", DOCS "escola\\alunos\\", listaAlunos),
    F("", DOCS "escola\\logo\\", listaLogoA),
    F("", DOCS "escola\\notas\\", listaNotasA),
    F("recebimentos.doc", DOCS "escola\\Recebimentos.doc"),
    F("Trabalhos.xls", DOCS "escola\\notas\\Trabalhos.xls"),
    F("", DOCS "pessoais\\bancos\\", listaBancos),
    F("", DOCS "pessoais\\cartas\\", listaCartasA),
    F("Dívidas.xls", DOCS "pessoais\\Dívidas.xls"),
};
// Layout B (lesson 10) also builds "impostos" and "Ano2002" and puts more files in.
constexpr Etapa pastasEArquivosB[] = {
    MkDir(DOCS "pessoais\\impostos"),
    MkDir(DOCS "pessoais\\impostos\\Ano2002"),
    F("", DOCS "escola\\alunos\\", listaAlunos),
    F("", DOCS "escola\\logo\\", listaLogoB),
    F("", DOCS "escola\\notas\\", listaNotasB),
    F("recebimentos.doc", DOCS "escola\\Recebimentos.doc"),
    F("", DOCS "pessoais\\bancos\\", listaBancos),
    F("", DOCS "pessoais\\cartas\\", listaCartasB),
    F("calc.exe", DOCS "pessoais\\impostos\\Ano2002\\calc.exe"),
    F("Dívidas.xls", DOCS "pessoais\\Dívidas.xls"),
};
// Lesson 09 also puts four files into the work folder.
constexpr Etapa trabalho10[] = {C("calc.exe"), C("bolhas.bmp"), C("círculos.bmp"),
                                C("bandeira.gif")};
constexpr auto w09 = Juntar(nomeEIgnora, refazÁrvore, arquivosA, iniciaEFim);
constexpr auto w10 = Juntar(nomeEIgnora, refazÁrvore, arquivosA, trabalho10, iniciaEFim);
constexpr auto w11 = Juntar(nomeEIgnora, refazÁrvore, pastasEArquivosB, iniciaEFim);
// Lesson 11 stages before it names its program and code.
constexpr Etapa w12[] = {F("AAteste.tvx", "c:\\AAteste.tvx"), C("jogovelha.exe", "Jvelha.exe"), N,
                         Cd, L};

#undef DOCS

// Captions run "01" to "11"; programs and codes skip 08.
constexpr Item windows[] = {
    {"CWin01", 0, "01 - Janelas; Maximizar; Restaurar; Minimizar; Mover; Janela ativa", "QVWin01",
     "0101", sóInicia},
    {"CWin02", 0, "02 - Teclado e digitação", "QVWin02", "0102", sóInicia},
    {"CWin03", 0, "03 - Tipos de Hardeware e Softwares", "QVWin03", "0103", sóInicia},
    {"CWin04", 0, "04 - Programas acessórios: Paint; Calculadora; Bloco de Notas, WordPad",
     "QVWin04", "0104", sóInicia},
    {"CWin05", 0, "05 - Introdutório de Word", "QVWin05", "0105", sóInicia},
    {"CWin06", 0, "06 - Introdutório de Excel", "QVWin06", "0106", sóInicia},
    {"CWin07", 0, "07 - Introdutório de PowerPoint", "QVWin07", "0107", w07},
    {"CWin09", 0, "08 - Windows Explorer - Etapa 1", "QVWin09", "0109", w09},
    {"CWin10", 0, "09 - Windows Explorer - Etapa 2", "QVWin10", "0110", w10},
    {"CWin11", 0, "10 - Windows Explorer - Etapa 3", "QVWin11", "0111", w11},
    {"CWin12", 0, "11 - Lixeira; Localizar; Painel de Controle", "QVWin12", "0112", w12},
};

} // namespace

const MenuCurso cursoWindows{"CWindows", "Windows", false, windows};

} // namespace catalogo
