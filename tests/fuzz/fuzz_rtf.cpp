// libFuzzer target: the RTF reader on arbitrary bytes, with a sink that checks what it is handed.

#include "leitorrtf.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class Verificador : public vb::rtf::Saída {
  public:
    explicit Verificador(std::size_t entrada) : entrada_(entrada) {}

    void texto(std::u16string_view t, const vb::rtf::Estilo& e) override {
        // Runs are never empty, and never longer than the input that made them.
        if (t.empty() || t.size() > entrada_ || !(e.pontos >= 1 && e.pontos <= 1638))
            std::abort();
        caracteres_ += t.size();
        if (caracteres_ > entrada_)
            std::abort();
    }
    void parágrafo(const vb::rtf::FormatoParágrafo&, const vb::rtf::Estilo&) override {
        if (++parágrafos_ > entrada_ + 1)
            std::abort();
    }
    void nívelTabela(int nível) override {
        if (nível < 0 || nível > vb::rtf::níveisMáximosTabela)
            std::abort();
    }
    void célula(const vb::rtf::FormatoParágrafo& f, const vb::rtf::Estilo& e) override {
        parágrafo(f, e);
    }
    void linha(const vb::rtf::Linha& l) override {
        if (l.limites.size() > vb::rtf::célulasMáximas || ++linhas_ > entrada_)
            std::abort();
    }
    void imagem(const vb::rtf::Imagem& i, const vb::rtf::Estilo&) override {
        if (i.dados.size() > entrada_)
            std::abort();
        vb::rtf::Tamanho t = vb::rtf::tamanhoEmPixels(i);
        if (t.largura < 0 || t.altura < 0 || t.largura > 16384 || t.altura > 16384)
            std::abort();
    }

  private:
    std::size_t entrada_;
    std::size_t caracteres_ = 0;
    std::size_t parágrafos_ = 0;
    std::size_t linhas_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    Verificador v(tamanho);
    vb::rtf::ler(std::string_view(reinterpret_cast<const char*>(dados), tamanho), v);
    return 0;
}
