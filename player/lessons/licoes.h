#pragma once
// The data of each lesson program: caption, lesson text, page count and figure table.

#include "licao.h"

namespace licoes {

jogador::DadosLição QVAC2DII01();
jogador::DadosLição QVAC2D01();
jogador::DadosLição QVACAD3D01();

// The lesson text compiled into the program (a Qt resource ":/licoes/NAME.rtf").
QByteArray TextoDaLição(const char* programa);

} // namespace licoes
