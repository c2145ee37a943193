// The "Visual Basic Avc" course menu (control array cvba). Lesson 1 stages two pictures;
// lessons 2 to 13 replace the work folder's files by their whole module folder.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa m01[] = {N, Cd, C("vba\\m1\\cd.ico", "cd.ico"),
                         C("vba\\m1\\print.bmp", "print.bmp"), L};
constexpr Etapa m02[] = {N, Cd, V("vba\\m2"), L};
constexpr Etapa m03[] = {N, Cd, V("vba\\m3"), L};
constexpr Etapa m04[] = {N, Cd, V("vba\\m4"), L};
constexpr Etapa m05[] = {N, Cd, V("vba\\m5"), L};
constexpr Etapa m06[] = {N, Cd, V("vba\\m6"), L};
constexpr Etapa m07[] = {N, Cd, V("vba\\m7"), L};
constexpr Etapa m08[] = {N, Cd, V("vba\\m8"), L};
constexpr Etapa m09[] = {N, Cd, V("vba\\m9"), L};
constexpr Etapa m10[] = {N, Cd, V("vba\\m10"), L};
constexpr Etapa m11[] = {N, Cd, V("vba\\m11"), L};
constexpr Etapa m12[] = {N, Cd, V("vba\\m12"), L};
constexpr Etapa m13[] = {N, Cd, V("vba\\m13"), L};

constexpr Item vba[] = {
    {"cvba", 1,
     "01 - Controles; Aplicativos MDI; Formulário MDI; Criar form. em tempo de execução; "
     "Gerenciador de janelas",
     "QVVBA01", "2401", m01},
    {"cvba", 2,
     "02 - Requisição de Sistema; Outros controles e Banco de dados;  Criar consultas SQL; "
     "Variáveis de acesso a dados",
     "QVVBA02", "2402", m02},
    {"cvba", 3,
     "03 - Centralizar Forms; Preparar dados para a Inclusão; Rotina genérica de gravação; "
     "Exclusão de dados",
     "QVVBA03", "2403", m03},
    {"cvba", 4,
     "04 - Centralizar Forms; Relatórios em tela; Trocar caracteres; Capturar controles no "
     "formulário",
     "QVVBA04", "2404", m04},
    {"cvba", 5, "05 - Selecionar conteúdo de Box; Manutenção do Sistema; Formulários; Menus",
     "QVVBA05", "2405", m05},
    {"cvba", 6,
     "06 - MonthView com ADO; MSFlexGrid; Objetos ADO; Conexão via ADO; ODBC; Configuração do "
     "SQL",
     "QVVBA06", "2406", m06},
    {"cvba", 7, "07 - Acesso à API do Windows; API Text Viewer; Arquivos seqüenciais de texto",
     "QVVBA07", "2407", m07},
    {"cvba", 8, "08 - Data Form Wizard; Arquivos INI", "QVVBA08", "2408", m08},
    {"cvba", 9,
     "09 - Criar novo ActiveX Control; Inserir projeto Standard; Registrar projeto para "
     "Sistema; Converter em OCX",
     "QVVBA09", "2409", m09},
    {"cvba", 10,
     "10 - Criar novo ActiveX EXE; Classe; Registrar componente ActiveX EXE; Gerar ActiveX EXE",
     "QVVBA10", "2410", m10},
    {"cvba", 11,
     "11 - Consistência de CGC; Criar ActiveX DLL; Registrar ActiveX DLL; Gerar DLL; "
     "Componentes ActiveX",
     "QVVBA11", "2411", m11},
    {"cvba", 12, "12 - Projeto: Estoque com ActiveX; Inserir código para verificar CGC", "QVVBA12",
     "2412", m12},
    {"cvba", 13, "13 - Aplicações DHTML com VB; Noções de ASP", "QVVBA13", "2413", m13},
};

} // namespace

const MenuCurso cursoVBA{"cvba00", "Visual Basic Avc", true, vba};

} // namespace catalogo
