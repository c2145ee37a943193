#include "passos.h"

namespace catalogo {

std::span<const MenuCurso* const> Cursos() {
    // Menu order: the ten courses of "Office", then the thirteen of "Profissionais".
    static constexpr const MenuCurso* todos[] = {
        &cursoWindows,    &cursoInternet,   &cursoWordB,     &cursoExcelB,     &cursoAccessB,
        &cursoPowerPoint, &cursoIntegração, &cursoWordA,     &cursoExcelA,     &cursoAccessA,
        &cursoCorelB,     &cursoCorelA,     &cursoPageMaker, &cursoJavaScript, &cursoFrontPage,
        &cursoProject,    &cursoVB,         &cursoVBA,       &cursoAutoCad2D,  &cursoAutoCad2DII,
        &cursoAutoCad3D,  &cursoHTML,       &cursoFlash,
    };
    return todos;
}

} // namespace catalogo
