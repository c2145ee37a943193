// The "VisualBasic" course menu: project files staged into the work folder, earlier results
// deleted, the flag icons of lesson 07, and three lessons that ask for the Access version.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// The flag icons of lesson 07, copied from the "flags" folder of the installation into the
// work folder's "flags" folder under the same names.
constexpr const char* const bandeiras[] = {
    "CTRCAN.ico",   "CTRFRAN.ico",  "CTRGERM.ico",  "CTRITALY.ico", "CTRJAPAN.ico", "CTRMEX.ico",
    "CTRSKOR.ico",  "CTRSPAIN.ico", "CTRUK.ico",    "CTRUSA.ico",   "FLGASTRL.ico", "FLGAUSTA.ico",
    "FLGBELG.ico",  "FLGBRAZL.ico", "FLGCAN.ico",   "FLGDEN.ico",   "FLGFIN.ico",   "FLGFRAN.ico",
    "FLGGERM.ico",  "FLGIREL.ico",  "FLGITALY.ico", "FLGJAPAN.ico", "FLGMEX.ico",   "FLGNETH.ico",
    "FLGNORW.ico",  "FLGNZ.ico",    "FLGPORT.ico",  "FLGRSA.ico",   "FLGRUS.ico",   "FLGSKOR.ico",
    "FLGSPAIN.ico", "FLGSWED.ico",  "FLGSWITZ.ico", "FLGTURK.ico",  "FLGUK.ico",    "FLGUSA01.ico",
    "FLGUSA02.ico",
};
constexpr Lista listaBandeiras{bandeiras};

constexpr Etapa v01[] = {N, Cd, C("destaque.vbp"), C("destaque.vbw"), C("destaque.frm"), L};
constexpr Etapa v02[] = {N,
                         Cd,
                         C("tamanhos.vbp"),
                         C("tamanhos.vbw"),
                         C("tamanhos.frm"),
                         C("tamanhos.frx"),
                         K(QV_TRAB "MudaTamanhos.*"),
                         K(QV_TRAB "Muda Tamanhos.*"),
                         L};
constexpr Etapa v03[] = {N, Cd, C("mudacor.vbp"), C("mudacor.vbw"), C("mudacor.frm"), L};
constexpr Etapa v04[] = {N, Cd, C("escala.vbp"), C("escala.vbw"), C("escala.frm"), L};
constexpr Etapa v05[] = {N,
                         Cd,
                         C("qvpaleta.vbp"),
                         C("qvpaleta.vbw"),
                         C("qvpaleta.frm"),
                         C("qvpaleta.txt"),
                         K(QV_TRAB "paleta.*"),
                         L};
// Lesson 06 writes its code only after the kill.
constexpr Etapa v06[] = {N,
                         C("qvmenus.vbp"),
                         C("qvmenus.vbw"),
                         C("qvmenus.frm"),
                         C("qvmenus.txt"),
                         K(QV_TRAB "menus.*"),
                         Cd,
                         L};
// The flags folder is rebuilt with every failure passed over; the lesson starts in any case.
constexpr Etapa v07[] = {N,
                         Cd,
                         C("QVPastas.vbp"),
                         C("QVPastas.vbw"),
                         C("QVPastas.frm"),
                         C("QVPastas.txt"),
                         Ig,
                         DelDir("c:\\qvcurso\\flags\\"),
                         MkDir("c:\\qvcurso\\flags"),
                         F("\\flags\\", QV_TRAB "flags\\", listaBandeiras),
                         FimIg,
                         L};
constexpr Etapa v08[] = {N,
                         Cd,
                         C("QVamigos.bas"),
                         C("QVamigos.frm"),
                         C("QVamigos.txt"),
                         C("QVamigos.vbp"),
                         C("QVamigos.vbw"),
                         C("QVamigos.dat"),
                         K(QV_TRAB "amigos.*"),
                         L};
constexpr Etapa v09[] = {
    N, Cd, K(QV_TRAB "estoque1.*"), K(QV_TRAB "estoque2.*"), K(QV_TRAB "cadpro.mdb"), A};
constexpr Etapa v10[] = {N,
                         Cd,
                         K(QV_TRAB "estoque3.*"),
                         K(QV_TRAB "cadpro.mdb"),
                         K(QV_TRAB "exerclientes.*"),
                         K(QV_TRAB "clientes.mdb"),
                         C("qvestoque3.frm"),
                         C("qvestoque3.vbp"),
                         C("qvestoque3.vbw"),
                         C("qvestoque3.txt"),
                         C("qvexerclientes.frm"),
                         C("qvexerclientes.vbp"),
                         C("qvexerclientes.vbw"),
                         A};
constexpr Etapa v11[] = {N,
                         Cd,
                         K(QV_TRAB "estoque4.*"),
                         K(QV_TRAB "cadpro2.mdb"),
                         C("qvestoque3.frm"),
                         C("qvestoque3.vbp"),
                         C("qvestoque3.vbw"),
                         C("qvestoque3.txt"),
                         C("QVEstoque4.frm"),
                         C("qvestoque4.vbp"),
                         C("qvestoque4.vbw"),
                         C("qvestoque4.txt"),
                         C("qvpesq.frm"),
                         A};
constexpr Etapa v12[] = {N,
                         Cd,
                         K(QV_TRAB "bibliote.*"),
                         K(QV_TRAB "qvbibliote.*"),
                         C("bibliote.mdb"),
                         F("\\qvbibliote.exe", QV_TRAB "qvbibliote.exe"),
                         F("\\qvbibliote.txt", QV_TRAB "qvbibliote.txt"),
                         L};
constexpr Etapa v13[] = {N,
                         Cd,
                         K(QV_TRAB "biblioteca1.*"),
                         C("bibliote.mdb"),
                         F("\\biblioteca1.exe", QV_TRAB "biblioteca1.exe"),
                         F("\\biblioteca1.txt", QV_TRAB "biblioteca1.txt"),
                         F("\\biblioteca1.frm", QV_TRAB "biblioteca1.frm"),
                         F("\\biblioteca1.vbp", QV_TRAB "biblioteca1.vbp"),
                         F("\\biblioteca1.vbw", QV_TRAB "biblioteca1.vbw"),
                         L};
constexpr Etapa v14[] = {N,
                         Cd,
                         K(QV_TRAB "biblioteca2.*"),
                         C("bibliote.mdb"),
                         F("\\biblioteca2.exe", QV_TRAB "biblioteca2.exe"),
                         F("\\biblioteca2.txt", QV_TRAB "biblioteca2.txt"),
                         F("\\biblioteca2.frm", QV_TRAB "biblioteca2.frm"),
                         F("\\biblioteca2.vbp", QV_TRAB "biblioteca2.vbp"),
                         F("\\biblioteca2.vbw", QV_TRAB "biblioteca2.vbw"),
                         L};
constexpr Etapa v15[] = {N,
                         Cd,
                         K(QV_TRAB "biblioteca3.*"),
                         C("bibliote.mdb"),
                         F("\\biblioteca3.exe", QV_TRAB "biblioteca3.exe"),
                         F("\\biblioteca3.txt", QV_TRAB "biblioteca3.txt"),
                         F("\\biblioteca3.frm", QV_TRAB "biblioteca3.frm"),
                         F("\\biblioteca3.vbp", QV_TRAB "biblioteca3.vbp"),
                         F("\\biblioteca3.vbw", QV_TRAB "biblioteca3.vbw"),
                         L};
constexpr Etapa v16[] = {N,
                         Cd,
                         K(QV_TRAB "biblioteca4.*"),
                         C("bibliote.mdb"),
                         F("\\biblioteca4.exe", QV_TRAB "biblioteca4.exe"),
                         F("\\biblioteca4.txt", QV_TRAB "biblioteca4.txt"),
                         F("\\biblioteca4.frm", QV_TRAB "biblioteca4.frm"),
                         F("\\biblioteca4.vbp", QV_TRAB "biblioteca4.vbp"),
                         F("\\biblioteca4.vbw", QV_TRAB "biblioteca4.vbw"),
                         L};
constexpr Etapa v17[] = {N,
                         Cd,
                         C("relogio.wmf"),
                         F("\\nolimite.exe", QV_TRAB "nolimite.exe"),
                         F("\\nolimite.txt", QV_TRAB "nolimite.txt"),
                         F("\\nolimite.frm", QV_TRAB "nolimite.frm"),
                         F("\\nolimite.vbp", QV_TRAB "nolimite.vbp"),
                         F("\\nolimite.vbw", QV_TRAB "nolimite.vbw"),
                         L};
// Lesson 18 keeps the student's finished project text and replaces the rest by the
// installation's second version under the first one's names.
constexpr Etapa v18[] = {N,
                         Cd,
                         K(QV_TRAB "nolimite.exe"),
                         C("relogio.wmf"),
                         F("\\nolimite2.frm", QV_TRAB "nolimite.frm"),
                         F("\\nolimite2.vbp", QV_TRAB "nolimite.vbp"),
                         F("\\nolimite2.vbw", QV_TRAB "nolimite.vbw"),
                         L};

constexpr Item visualBasic[] = {
    {"cvb01", 0, "01 - Projeto Muda destaque de texto", "QVvb601", "1601", v01},
    {"cvb02", 0, "02 - Projeto Muda tamanho", "QVvb602", "1602", v02},
    {"cvb03", 0, "03 - Projeto Muda a cor", "QVvb603", "1603", v03},
    {"cvb04", 0, "04 - Projeto Escala Celcius/Fahrenheit", "QVvb604", "1604", v04},
    {"cvb05", 0, "05 - Projeto Paleta de cores", "QVvb605", "1605", v05},
    {"cvb06", 0, "06 - Projeto Menus", "QVvb606", "1606", v06},
    {"cvb07", 0, "07 - Projeto Pastas e Figuras", "QVvb607", "1607", v07},
    {"cvb08", 0, "08 - Projeto Acesso a arquivos Random", "QVvb608", "1608", v08},
    {"cvb09", 0, "09 - Projeto Lê arquivo Excel; Lê Banco de Dados Access com comandos de SQL",
     "QVvb609", "1609", v09},
    {"cvb10", 0, "10 - Projeto Lê Banco de Dados Access com Data Control escondido", "QVvb610",
     "1610", v10},
    {"cvb11", 0, "11 - Projeto Pesquisa em Banco de Dados Access", "QVvb611", "1611", v11},
    {"cvb12", 0, "12 - Projeto Consulta Banco de Dados Access com DB Grid", "QVvb612", "1612", v12},
    {"cvb13", 0, "13 - Revisão - Projeto acesso a Banco de Dados com Filtro e Classificação",
     "QVvb613", "1613", v13},
    {"cvb14", 0, "14 - Revisão - Consulta a Banco de Dados com posicionadores", "QVvb614", "1614",
     v14},
    {"cvb15", 0, "15 - Projeto Pesquisa Sequencial e Pesquisa via Índices", "QVvb615", "1615", v15},
    {"cvb16", 0, "16 - Consulta a Banco de Dados via Índice", "QVvb616", "1616", v16},
    {"cvb17", 0, "17 - Jogo - Cronômetro Mental  (NoLimite)", "QVvb617", "1617", v17},
    {"cvb18", 0, "18 - Gerar executável; Criar Setup", "QVvb618", "1618", v18},
};

} // namespace

const MenuCurso cursoVB{"cVisualBasic", "VisualBasic", true, visualBasic};

} // namespace catalogo
