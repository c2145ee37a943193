// The "HTML" course menu (control array cHTML00). Every lesson refreshes its practice pages
// and samples in the work folder with every failure passed over, then starts with errors seen.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// The practice pages that lessons 04 and 05 delete; lesson 05 only from "page05.html" on.
constexpr const char* const páginas[] = {
    "page01.html", "page02.html", "page03.html", "page04.html", "page05.html", "page06.html",
    "page07.html", "page08.html", "page09.html", "page10.html", "page05.htm",  "page06.htm",
    "page07.htm",  "page08.htm",  "page09.htm",  "page10.htm",
};
constexpr Lista listaPáginas{páginas};
constexpr Lista páginasDe05 = listaPáginas.subspan(4);

// The samples that lessons 04 and 05 delete before staging them again.
constexpr const char* const amostras[] = {
    "animusix.gif",  "art07.jpg",
    "art09.jpg",     "melodia.mid",
    "barra.gif",     "botão.html",
    "botão.htm",     "calculadora.html",
    "Central.html",  "Central.htm",
    "coupe40.jpg",   "Cross.jpg",
    "desenh1.jpg",   "exemplo.html",
    "exemplo.htm",   "fita.gif",
    "frames.html",   "frames.htm",
    "happines.mid",  "help.mid",
    "Java.jpg",      "matiz02.jpg",
    "matiz06a.jpg",  "mindview.gif",
    "Pagina01.html", "Pagina01.htm",
    "Pagina02.html", "Pagina02.htm",
    "PExemplo.jpg",  "paisagem.jpg",
    "pintura.jpg",   "searchg.gif",
    "somethin.mid",  "visualizacao_formasp.asp",
    "wackylnd.mid",  "xvxnet01.html",
    "xvxnet02.html", "xvxnet03.html",
    "xvxnet04.html", "xvxnet05.html",
    "xvxnet06.html", "xvxnet07.html",
    "xvxnet08.html", "xvxnet01.htm",
    "xvxnet02.htm",  "xvxnet03.htm",
    "xvxnet04.htm",  "xvxnet05.htm",
    "xvxnet06.htm",  "xvxnet07.htm",
    "xvxnet08.htm",
};
constexpr Lista listaAmostras{amostras};

// Lesson 04's direct copies, split around "Page02.html", which it stages as "Page021.html".
constexpr const char* const d4Antes[] = {
    "art07.jpg",        "art09.jpg",    "melodia.mid", "barra.gif",   "botão.html",
    "calculadora.html", "Central.html", "Central.htm", "coupe40.jpg", "Cross.jpg",
    "desenh1.jpg",      "exemplo.html", "exemplo.htm", "fita.gif",    "frames.htm",
    "frames.html",      "happines.mid", "help.mid",    "Java.jpg",    "matiz02.jpg",
    "matiz06a.jpg",     "mindview.gif", "Page01.html",
};
constexpr Lista listaD4Antes{d4Antes};
constexpr const char* const d4Depois[] = {
    "Page03.html",
    "Pagina01.html",
    "Pagina01.htm",
    "Pagina02.html",
    "Pagina02.htm",
    "PExemplo.jpg",
    "paisagem.jpg",
    "pintura.jpg",
    "searchg.gif",
    "somethin.mid",
    "visualizacao_formasp.asp",
    "wackylnd.mid",
    "xvxnet01.html",
    "xvxnet02.html",
    "xvxnet03.html",
    "xvxnet04.html",
    "xvxnet05.html",
    "xvxnet06.html",
    "xvxnet07.html",
    "xvxnet08.html",
    "xvxnet01.htm",
    "xvxnet02.htm",
    "xvxnet03.htm",
    "xvxnet04.htm",
    "xvxnet05.htm",
    "xvxnet06.htm",
    "xvxnet07.htm",
    "xvxnet08.htm",
    "Page04.html",
    "pré-page05.html",
    "pré-page06.html",
    "pré-page07.html",
    "pré-page08.html",
    "pré-page09.html",
    "pré-page10.html",
    "Backh.gif",
    "Backblu.gif",
    "Animsex.gif",
    "Animusic.gif",
    "Animcd.gif",
    "Anim03.gif",
    "Estrela.gif",
    "Anim05.gif",
    "Anim02.gif",
};
constexpr Lista listaD4Depois{d4Depois};

// Lesson 05's direct copies: the samples and the finished pages.
constexpr const char* const d5[] = {
    "art07.jpg",        "art09.jpg",     "melodia.mid",
    "barra.gif",        "botão.html",    "botão.htm",
    "calculadora.html", "Central.html",  "Central.htm",
    "coupe40.jpg",      "Cross.jpg",     "desenh1.jpg",
    "exemplo.html",     "exemplo.htm",   "fita.gif",
    "frames.htm",       "frames.html",   "happines.mid",
    "help.mid",         "Java.jpg",      "matiz02.jpg",
    "matiz06a.jpg",     "mindview.gif",  "Pagina01.html",
    "Pagina01.htm",     "Pagina02.html", "Pagina02.htm",
    "PExemplo.jpg",     "paisagem.jpg",  "pintura.jpg",
    "searchg.gif",      "somethin.mid",  "visualizacao_formasp.asp",
    "wackylnd.mid",     "xvxnet01.html", "xvxnet02.html",
    "xvxnet03.html",    "xvxnet04.html", "xvxnet05.html",
    "xvxnet06.html",    "xvxnet07.html", "xvxnet08.html",
    "xvxnet01.htm",     "xvxnet02.htm",  "xvxnet03.htm",
    "xvxnet04.htm",     "xvxnet05.htm",  "xvxnet06.htm",
    "xvxnet07.htm",     "xvxnet08.htm",  "Page05.html",
    "Page06.html",      "Page07.html",   "Page09.html",
    "Page10.html",
};
constexpr Lista listaD5{d5};

constexpr Etapa h01[] = {N, Cd, Ig, K(QV_TRAB "page01.html"), FimIg, L};
constexpr Etapa h02[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB "page02.html"),
                         K(QV_TRAB "page03.html"),
                         C("backh.gif"),
                         F("backblu.gif", QV_TRAB "backblu.gif"),
                         F("animusic.gif", QV_TRAB "animusic.gif"),
                         F("animsex.gif", QV_TRAB "animsex.gif"),
                         F("pré-page02.html", QV_TRAB "pré-page02.html"),
                         F("pré-page03.html", QV_TRAB "pré-page03.html"),
                         FimIg,
                         L};
constexpr Etapa h03[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB "page04.html"),
                         C("animcd.gif"),
                         F("anim03.gif", QV_TRAB "anim03.gif"),
                         F("estrela.gif", QV_TRAB "estrela.gif"),
                         F("Page01.html", QV_TRAB "Page01.html"),
                         F("Page02.html", QV_TRAB "Page02.html"),
                         F("pré-page04.html", QV_TRAB "pré-page04.html"),
                         FimIg,
                         L};
constexpr Etapa h04[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB, listaPáginas),
                         K(QV_TRAB, listaAmostras),
                         C("animusix.gif"),
                         F("", QV_TRAB, listaD4Antes),
                         F("Page02.html", QV_TRAB "Page021.html"),
                         F("", QV_TRAB, listaD4Depois),
                         FimIg,
                         L};
constexpr Etapa h05[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB, páginasDe05),
                         K(QV_TRAB, listaAmostras),
                         C("animusix.gif"),
                         F("", QV_TRAB, listaD5),
                         FimIg,
                         L};

constexpr Item html[] = {
    {"cHTML00", 1,
     "01 - Word Wide Web; Elementos básicos X Tags; Estrutura básica; Atributos; Cabeçalhos",
     "QVHTML01", "2201", h01},
    {"cHTML00", 2,
     "02 - Alinhamento; Atributos combinados; Separadores; Lista em HTML, Imagem de fundo",
     "QVHTML02", "2202", h02},
    {"cHTML00", 3, "03 - Links; Inserir Imagens; Especificar imagem como link; Tabelas", "QVHTML03",
     "2203", h03},
    {"cHTML00", 4,
     "04 - Frames; Formulários com o form;Progr. CGI; Noções básicas de ASP; JavaScript",
     "QVHTML04", "2204", h04},
    {"cHTML00", 5, "05 - Exercício", "QVHTML05", "2205", h05},
};

} // namespace

const MenuCurso cursoHTML{"CHTML", "HTML", true, html};

} // namespace catalogo
