#pragma once
// The lesson items of the course menus as data: every item is a row of its course's table,
// with its control name, Index (control arrays only), caption, program, code and its steps in
// order. One engine (motor.h) runs the steps.

#include <cstdint>
#include <span>

namespace catalogo {

// A named list of file names that a step repeats over (site lists, icon lists, ...).
using Lista = std::span<const char* const>;

enum class Passo : std::uint8_t {
    Nome,          // Nomeprog = the item's program
    Código,        // Codprog = the item's code
    Apaga,         // K: Kill(a) (a full path, wildcards allowed), errors always ignored
    Copia,         // C: ArqOrigem = a, ArqDestino = b (or a when b is null), FazCópia
    CópiaDireta,   // F: FileCopy(Pastaprog + a, b)
    LimpaPasta,    // D: DelDir(a), a ending in "\"
    CriaPasta,     // D: MkDir(a)
    RemovePasta,   // D: RmDir(a)
    ApagaNaPasta,  // X: DelCópia(a)
    Diálogo,       // A: show the Access-version dialog
    Inicia,        // L: vaichamar
    CopiaMódulo,   // V: empty the work folder and copy the module folder a ("vba\m2")
    IgnoraErros,   // opens a span run with errors ignored
    FimIgnoraErros // closes it
};

// With a list, the step runs once per name n of the list with a + n (and b + n) as its paths.
struct Etapa {
    Passo passo;
    const char* a = nullptr;
    const char* b = nullptr;
    const Lista* lista = nullptr;
};

struct Item {
    const char* controle; // control name ("CWin01", or the array's name "cAutoCad")
    int índice;           // Index within a control array; 0 for a single control
    const char* legenda;  // caption, exactly as shown
    const char* programa; // lesson program name, without extension
    const char* código;   // four-digit lesson code
    std::span<const Etapa> etapas;
};

struct MenuCurso {
    const char* controle; // course menu control ("CWindows")
    const char* legenda;  // its caption ("Windows")
    bool profissionais;   // under "Profissionais" (else "Office")
    std::span<const Item> itens;
};

// Builders for the tables, so that a row reads as its steps do.
namespace etapas {
inline constexpr Etapa N{Passo::Nome};
inline constexpr Etapa Cd{Passo::Código};
inline constexpr Etapa L{Passo::Inicia};
inline constexpr Etapa A{Passo::Diálogo};
inline constexpr Etapa Ig{Passo::IgnoraErros};
inline constexpr Etapa FimIg{Passo::FimIgnoraErros};
constexpr Etapa K(const char* caminho) { return {Passo::Apaga, caminho}; }
constexpr Etapa K(const char* prefixo, const Lista& l) {
    return {Passo::Apaga, prefixo, nullptr, &l};
}
constexpr Etapa C(const char* nome) { return {Passo::Copia, nome}; }
constexpr Etapa C(const char* origem, const char* destino) {
    return {Passo::Copia, origem, destino};
}
constexpr Etapa F(const char* origem, const char* destino) {
    return {Passo::CópiaDireta, origem, destino};
}
constexpr Etapa F(const char* prefixoOrigem, const char* prefixoDestino, const Lista& l) {
    return {Passo::CópiaDireta, prefixoOrigem, prefixoDestino, &l};
}
constexpr Etapa DelDir(const char* pasta) { return {Passo::LimpaPasta, pasta}; }
constexpr Etapa MkDir(const char* pasta) { return {Passo::CriaPasta, pasta}; }
constexpr Etapa RmDir(const char* pasta) { return {Passo::RemovePasta, pasta}; }
constexpr Etapa X(const char* nome) { return {Passo::ApagaNaPasta, nome}; }
constexpr Etapa V(const char* pastaMódulo) { return {Passo::CopiaMódulo, pastaMódulo}; }
} // namespace etapas

// "c:\qvcurso\" in front of a name, as the items write the work folder's files.
#define QV_TRAB "c:\\qvcurso\\"

// The course menus in menu order, with their items (catalogo.cpp).
std::span<const MenuCurso* const> Cursos();

// Per-course tables, one source file each.
extern const MenuCurso cursoWindows, cursoInternet, cursoWordB, cursoExcelB, cursoAccessB,
    cursoPowerPoint, cursoIntegração, cursoWordA, cursoExcelA, cursoAccessA, cursoCorelB,
    cursoCorelA, cursoPageMaker, cursoJavaScript, cursoFrontPage, cursoProject, cursoVB,
    cursoVBA, cursoAutoCad2D, cursoAutoCad2DII, cursoAutoCad3D, cursoHTML, cursoFlash;

} // namespace catalogo
