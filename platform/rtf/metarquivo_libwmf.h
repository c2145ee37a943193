#pragma once
// The former metafile drawing through libwmf, kept only for the benchmark against our player.
#include <cstddef>
#include <cstdint>
#include <vector>
namespace vb::rtf {
std::vector<std::uint8_t> metarquivoParaPng(const std::uint8_t* dados, std::size_t tamanho,
                                            int modoMapa, int largura, int altura, int picw,
                                            int pich);
}
