#pragma once
// The three looks of the lesson phase, one column each, and what each sets.

#include <QColor>
#include <array>
#include <optional>

namespace jogador {

enum class FaixaDaAparência {
    DoArquivo, // the settings' band picture
    Caderno,   // "QVFXcaderno.jpg"
    Mantém     // the band picture is left as it is
};

struct Aparência {
    const char* controle;        // the menu item that chooses it
    std::optional<QColor> fundo; // window and Pag background; none: the settings' colour
    bool faixaVisível;           // Faixa shown or hidden
    std::optional<QColor> letra; // Pag text colour; none: the settings' colour
    FaixaDaAparência faixa;      // band picture
    bool carregaLogo;            // the settings' logo loaded and shown (unless "nulo")
    int deslocamento;            // leftward shift of the text column, twips
    bool logoNaBase;             // logo moved back to its base Left
};

enum class Look { Padrão = 0, Caderno = 1, Branco = 2 };

const Aparência& AparênciaDe(Look look);

inline constexpr const char* arquivoCaderno = "QVFXcaderno.jpg";

} // namespace jogador
