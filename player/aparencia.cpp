#include "aparencia.h"

namespace jogador {

namespace {

const std::array<Aparência, 3>& Tabela() {
    static const std::array<Aparência, 3> tabela{{
        {"opçãopadrão", std::nullopt, true, std::nullopt, FaixaDaAparência::DoArquivo, true, 0,
         true},
        {"opçãocaderno", QColor(143, 112, 95), true, QColor(255, 255, 255),
         FaixaDaAparência::Caderno, false, 0, true},
        {"opçãobranco", QColor(255, 255, 255), false, QColor(0, 0, 0), FaixaDaAparência::Mantém,
         false, 160, false},
    }};
    return tabela;
}

} // namespace

const Aparência& AparênciaDe(Look look) {
    return Tabela()[static_cast<int>(look)];
}

} // namespace jogador
