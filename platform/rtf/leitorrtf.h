#pragma once
// Our RTF reader: a tokenizer on bytes and an interpreter with an explicit stack of group states,
// handing text runs, paragraph ends and pictures to a sink. Standard library only, so that it is
// tested and fuzzed without Qt; the sink that fills a QTextDocument lives in documentortf.h.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vb::rtf {

// ---------------------------------------------------------------------------------------------
// Tokenizer

enum class TipoToken {
    Fim,     // end of the input
    Abre,    // {
    Fecha,   // }
    Palavra, // control word: nome (letters), parâmetro if temParâmetro
    Símbolo, // control symbol: símbolo (the character after the backslash)
    Hex,     // \'hh: byte
    Texto,   // plain bytes (never holds braces, backslashes, CR or LF)
    Binário, // data of \binN: dados
};

struct Token {
    TipoToken tipo = TipoToken::Fim;
    std::string_view dados; // name of the control word, bytes of text or of \bin data
    std::int32_t parâmetro = 0;
    bool temParâmetro = false;
    char símbolo = 0;
    std::uint8_t byte = 0;
};

class Tokenizador {
  public:
    explicit Tokenizador(std::string_view entrada) : entrada_(entrada) {}
    Token próximo();

  private:
    Token palavra();
    std::string_view entrada_;
    std::size_t pos_ = 0;
};

// ---------------------------------------------------------------------------------------------
// What the interpreter hands to its sink

enum class Alinhamento { Esquerda, Direita, Centro, Justificado };

struct Cor {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Cor&) const = default;
};

// Underline kinds, the nearest of each RTF underline among those a text format can draw.
enum class Sublinhado : std::uint8_t {
    Nenhum,
    Simples, // also words only, double and thick
    Tracejado,
    Pontilhado,
    TraçoPonto,
    TraçoPontoPonto,
    Ondulado,
};

enum class Posição : std::uint8_t { Normal, Sobrescrito, Subscrito };

// Character format of a text run, with the font and colours already looked up in their tables.
struct Estilo {
    std::u16string_view família; // empty when the document names no font
    double pontos = 12;
    bool negrito = false;
    bool itálico = false;
    Sublinhado sublinhado = Sublinhado::Nenhum;
    bool riscado = false;
    Posição posição = Posição::Normal;
    bool temCor = false;
    Cor cor;
    bool temFundo = false;
    Cor fundo;
};

// Paragraph format; distances in twips (1440 to the inch).
struct FormatoParágrafo {
    Alinhamento alinhamento = Alinhamento::Esquerda;
    int recuoEsquerdo = 0;
    int recuoDireito = 0;
    int recuoPrimeira = 0;
    int espaçoAntes = 0;
    int espaçoDepois = 0;
    int entreLinhas = 0;   // \slN: 0 = single; > 0 at least, < 0 exactly |N| twips
    bool múltiplo = false; // \slmult1: N / 240 lines
    int nívelTabela = 0;   // \intbl, \itapN: in a cell of a table nested N deep; 0 = outside
    bool operator==(const FormatoParágrafo&) const = default;
};

// Tables nested deeper than this are read as part of the deepest table kept; rows hold at most
// so many cells.
constexpr int níveisMáximosTabela = 8;
constexpr std::size_t célulasMáximas = 63;

// A table row as its definition gives it: the row's left edge (\trleft) and the right edge of
// each cell (\cellx), in twips from the left margin.
struct Linha {
    int esquerda = 0;
    std::vector<int> limites;
};

enum class TipoImagem { Desconhecido, Png, Jpeg, Dib, Wmf, Emf, Ddb };

struct Imagem {
    TipoImagem tipo = TipoImagem::Desconhecido;
    int modoMapa = 0; // N of \wmetafileN
    int picw = 0, pich = 0;
    int picwgoal = 0, pichgoal = 0;
    int escalaX = 100, escalaY = 100; // percent
    std::vector<std::uint8_t> dados;
};

struct Tamanho {
    int largura = 0, altura = 0;
};

// The size a picture is shown at, in pixels (15 twips to the pixel); 0 x 0 when the RTF gives no
// size (then the picture's own size applies).
Tamanho tamanhoEmPixels(const Imagem& imagem);

class Saída {
  public:
    virtual ~Saída() = default;
    virtual void texto(std::u16string_view texto, const Estilo& estilo) = 0;
    // Ends the current paragraph; estilo is the character format in force at its end.
    virtual void parágrafo(const FormatoParágrafo& formato, const Estilo& estilo) = 0;
    virtual void imagem(const Imagem& imagem, const Estilo& estilo) = 0;
    // Tables. What follows (text, pictures, paragraph and cell ends) lies in a cell of a table
    // nested this deep, 0 being outside any table; told whenever it changes.
    virtual void nívelTabela(int nível);
    // Ends the current cell, its last paragraph with it. By default a paragraph end.
    virtual void célula(const FormatoParágrafo& formato, const Estilo& estilo);
    // Ends the current row of the table at the level told.
    virtual void linha(const Linha& linha);
    // Turns bytes of a code page into text. This one knows 1252 and reads any other page as 1252.
    virtual std::u16string decodifica(int páginaCódigo, std::string_view bytes);
};

// Groups nested deeper than this are read as part of the deepest group kept.
constexpr std::size_t profundidadeMáxima = 1000;

// Reads the RTF text into the sink. Never fails: malformed input gives what could be read.
void ler(std::string_view rtf, Saída& saída);

} // namespace vb::rtf
