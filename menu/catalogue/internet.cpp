// The "Internet" course menu. Its lessons carry codes of the Windows course (0113 to 0117),
// and the first lesson stages its sample files before it names its program and code.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// The 35 sample files of lesson 01, in copy order; "QV-Anim02.gif" is copied three times.
constexpr const char* const amostras[] = {
    "QV-Anim02.gif",  "QV-Anim03.gif",   "QV-Anim05.gif",    "QV-AnimCD.gif",   "QV-Anim02.gif",
    "QV-AnimSex.gif", "QV-AniMusic.gif", "QV-AniMusix.gif",  "QV-Anim02.gif",   "QV-Art07.jpg",
    "QV-Art09.jpg",   "QV-Backh.gif",    "QV-Barra.gif",     "QV-Brunilvo.gif", "QV-Coupe40.jpg",
    "QV-Desenh1.jpg", "QV-Fita.gif",     "QV-Matiz02.jpg",   "QV-Matiz06A.jpg", "QV-Festaldi.jpg",
    "QV-Pintura.jpg", "QV-Searchg.gif",  "QV-Marvileta.mid", "QV-Happines.mid", "QV-Help.mid",
    "QV-misty.mid",   "QV-Somethin.mid", "QV-VXNet01.htm",   "QV-VXNet02.htm",  "QV-VXNet03.htm",
    "QV-VXNet04.htm", "QV-VXNet05.htm",  "QV-VXNet06.htm",   "QV-VXNet07.htm",  "QV-VXNet08.htm",
};
constexpr Lista listaAmostras{amostras};

constexpr Etapa sóInicia[] = {N, Cd, L};
constexpr Etapa n01[] = {F("", QV_TRAB, listaAmostras), N, Cd, L};

constexpr Item internet[] = {
    {"CNet01", 0, "01 - Introdução - Parte 1", "QVNet01", "0113", n01},
    {"CNet02", 0, "02 - Introdução - Parte 2", "QVNet02", "0117", sóInicia},
    {"CNet03", 0, "03 - Correio (genérico); WebMail", "QVNet03", "0114", sóInicia},
    {"CNet04", 0, "04 - Outlook Express", "QVNet04", "0115", sóInicia},
    {"CNet05", 0, "05 - Outlook ", "QVNet05", "0116", sóInicia},
};

} // namespace

const MenuCurso cursoInternet{"CInternet", "Internet", false, internet};

} // namespace catalogo
