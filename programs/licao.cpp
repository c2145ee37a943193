// A lesson program: the lesson player with this program's own lesson (QV_LICAO).

#include "licoes.h"

int main(int argc, char** argv) {
    return jogador::Executar(argc, argv, licoes::QV_LICAO());
}
