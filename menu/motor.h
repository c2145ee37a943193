#pragma once
// Runs the steps of one lesson item against the main window's operations.

#include "passos.h"

namespace menu {

class Tela1;

void Executar(const catalogo::Item& item, Tela1& tela);

} // namespace menu
