#include "areatrabalho.h"

namespace jogador {

ÁreaDeTrabalho& ÁreaDeTrabalho::real() {
    static ÁreaDeTrabalho desktop;
    return desktop;
}

} // namespace jogador
