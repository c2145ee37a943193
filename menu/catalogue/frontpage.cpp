// The "FrontPage" course menu: web-site exercises whose practice sites are cleared, made
// again and filled from the installation folder under the work folder.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// Site "fp2000" of lesson 04: pictures, then pages, from the installation's "fp2000" folder.
constexpr const char* const fp2000[] = {
    "btnartis.jpg",  "btncad.jpg",       "btncadeven.jpg",   "btncasas.jpg", "btnchat.jpg",
    "btncomit.jpg",  "btneventos.jpg",   "btnguest.jpg",     "btnhist.jpg",  "btnhome.jpg",
    "btnlinks.jpg",  "btnlistcomit.jpg", "btnmusic.jpg",     "btnprog.jpg",  "Cactus.jpg",
    "cavallino.gif", "cb.jpg",           "marcadores.jpg",   "MUNDIALD.gif", "OLDWOOD.jpg",
    "welcome.gif",   "cadevento.html",   "confirmacad.html", "frame.html",   "frmcadastro.html",
    "index.html",    "indice.html",      "page1.html",       "page2.html",   "page3.html",
    "page4.html",    "page5.html",       "page6.html",       "page7.html",   "page8.html",
};
constexpr Lista listaFp2000{fp2000};

// Site "locadora" of lessons 07 and 08: its two pictures come from the installation folder
// itself, its pages from the installation's "locadora" folder.
constexpr const char* const locadoraFiguras[] = {"frota.jpg", "fachada.jpg"};
constexpr Lista listaLocadoraFiguras{locadoraFiguras};
constexpr const char* const locadoraPáginas[] = {
    "esportivos.htm", "index.htm", "indice.htm", "primeira.htm", "promoção.htm",
};
constexpr Lista listaLocadoraPáginas{locadoraPáginas};

constexpr Etapa f01[] = {N, Cd, X("primeira.htm"), X("segunda.htm"), X("terceira.htm"), L};
constexpr Etapa f02[] = {N, Cd, DelDir("c:\\qvcurso\\vxweb\\"), L};
constexpr Etapa f03[] = {N, Cd, DelDir("c:\\qvcurso\\ABCD\\"), L};
constexpr Etapa f04[] = {N,
                         Cd,
                         DelDir("c:\\qvcurso\\Import\\"),
                         DelDir("c:\\qvcurso\\fp2000\\"),
                         MkDir("c:\\qvcurso\\fp2000"),
                         F("\\fp2000\\", QV_TRAB "fp2000\\", listaFp2000),
                         L};
constexpr Etapa f05[] = {N, Cd, C("fundoweb.jpg"), DelDir("c:\\qvcurso\\informação\\"), L};
constexpr Etapa f06[] = {N, Cd, C("fachada.jpg"), C("frota.jpg"), DelDir("c:\\qvcurso\\locadora\\"),
                         L};
// Lessons 07 and 08 stage the same site afresh.
constexpr Etapa locadora[] = {N,
                              Cd,
                              DelDir("c:\\qvcurso\\locadora\\"),
                              MkDir("c:\\qvcurso\\locadora"),
                              MkDir("c:\\qvcurso\\locadora\\images"),
                              MkDir("c:\\qvcurso\\locadora\\_private"),
                              F("", QV_TRAB "locadora\\", listaLocadoraFiguras),
                              F("\\locadora\\", QV_TRAB "locadora\\", listaLocadoraPáginas),
                              L};
constexpr Etapa f09[] = {N,
                         Cd,
                         DelDir("c:\\qvcurso\\Hyperlinks\\"),
                         C("brasil.jpg"),
                         C("SãoPaulo.jpg"),
                         C("Amazonas.jpg"),
                         L};

constexpr Item frontPage[] = {
    {"cfrontpage01", 0, "01 - Introdução/Definições; Criar primeira página; Criar links; Exercício",
     "QVFPG01", "1201", f01},
    {"cfrontpage02", 0,
     "02 - Criar/Alterar site; Incluir Imagens; Hiperlinks; Dicas para criar um bom site",
     "QVFPG02", "1202", f02},
    {"cfrontpage03", 0, "03 - Criar site via Assistente", "QVFPG03", "1203", f03},
    {"cfrontpage04", 0, "04 - Importar site", "QVFPG04", "1204", f04},
    {"cfrontpage05", 0,
     "05 - Criação de páginas; Incluir páginas; Criar vínculos; Barra de Navegação; Aplicar "
     "estilo",
     "QVFPG05", "1205", f05},
    {"cfrontpage06", 0, "06 - Criar páginas com Frames; Criar tabelas", "QVFPG06", "1206", f06},
    {"cfrontpage07", 0,
     "07 - Formulários: Caixa de texto; Menu suspenso; Caixa de texto rolável; Caixa de "
     "Verificação; Botão de opção",
     "QVFPG07", "1207", locadora},
    {"cfrontpage08", 0, "08 - Componentes do FrontPage; Hiperlinks em Imagens", "QVFPG08", "1208",
     locadora},
    {"cfrontpage09", 0,
     "09 - Criar Hiperlinks de ponto de ativação em imagens; Botões animados; Letreiros "
     "digitais; Publicar site",
     "QVFPG09", "1209", f09},
};

} // namespace

const MenuCurso cursoFrontPage{"cfrontpage", "FrontPage", true, frontPage};

} // namespace catalogo
