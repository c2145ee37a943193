#include "leitorrtf.h"

#include "paginas_codigo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>

namespace vb::rtf {

namespace {

bool éLetra(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool éDígito(char c) {
    return c >= '0' && c <= '9';
}
bool éEspecial(char c) {
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n';
}

int valorHex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Tokenizer

Token Tokenizador::próximo() {
    while (pos_ < entrada_.size()) {
        char c = entrada_[pos_];
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        Token t;
        if (c == '{' || c == '}') {
            ++pos_;
            t.tipo = c == '{' ? TipoToken::Abre : TipoToken::Fecha;
            return t;
        }
        if (c == '\\')
            return palavra();
        std::size_t início = pos_;
        while (pos_ < entrada_.size() && !éEspecial(entrada_[pos_]))
            ++pos_;
        t.tipo = TipoToken::Texto;
        t.dados = entrada_.substr(início, pos_ - início);
        return t;
    }
    return Token{};
}

Token Tokenizador::palavra() {
    ++pos_; // the backslash
    Token t;
    t.tipo = TipoToken::Símbolo;
    if (pos_ >= entrada_.size())
        return t; // a backslash at the very end: a symbol that means nothing
    char c = entrada_[pos_];
    if (!éLetra(c)) {
        ++pos_;
        if (c == '\'' && pos_ + 1 < entrada_.size()) {
            int alto = valorHex(entrada_[pos_]), baixo = valorHex(entrada_[pos_ + 1]);
            if (alto >= 0 && baixo >= 0) {
                pos_ += 2;
                t.tipo = TipoToken::Hex;
                t.byte = std::uint8_t(alto * 16 + baixo);
                return t;
            }
        }
        // A backslash before a line end is a paragraph end; bad hex is left as it stands.
        t.símbolo = c == '\r' ? '\n' : c;
        return t;
    }
    std::size_t início = pos_;
    while (pos_ < entrada_.size() && éLetra(entrada_[pos_]))
        ++pos_;
    t.tipo = TipoToken::Palavra;
    t.dados = entrada_.substr(início, pos_ - início);
    bool negativo = false;
    if (pos_ + 1 < entrada_.size() && entrada_[pos_] == '-' && éDígito(entrada_[pos_ + 1])) {
        negativo = true;
        ++pos_;
    }
    if (pos_ < entrada_.size() && éDígito(entrada_[pos_])) {
        constexpr std::int64_t máximo = std::numeric_limits<std::int32_t>::max();
        std::int64_t valor = 0;
        while (pos_ < entrada_.size() && éDígito(entrada_[pos_])) {
            if (valor <= máximo)
                valor = valor * 10 + (entrada_[pos_] - '0');
            ++pos_;
        }
        valor = std::min(valor, máximo);
        t.parâmetro = std::int32_t(negativo ? -valor : valor);
        t.temParâmetro = true;
    }
    if (pos_ < entrada_.size() && entrada_[pos_] == ' ')
        ++pos_;
    if (t.dados == "bin") {
        std::size_t n = t.parâmetro > 0 ? std::size_t(t.parâmetro) : 0;
        n = std::min(n, entrada_.size() - pos_);
        t.tipo = TipoToken::Binário;
        t.dados = entrada_.substr(pos_, n);
        pos_ += n;
    }
    return t;
}

// ---------------------------------------------------------------------------------------------
// Text decoding

std::u16string Saída::decodifica(int, std::string_view bytes) {
    return decodifica1252(bytes);
}

void Saída::nívelTabela(int) {}

void Saída::célula(const FormatoParágrafo& formato, const Estilo& estilo) {
    parágrafo(formato, estilo);
}

void Saída::linha(const Linha&) {}

Tamanho tamanhoEmPixels(const Imagem& imagem) {
    bool metarquivo = imagem.tipo == TipoImagem::Wmf || imagem.tipo == TipoImagem::Emf;
    auto lado = [&](int meta, int natural, int escala) -> int {
        std::int64_t twips = 0;
        if (meta > 0)
            twips = meta;
        else if (natural > 0) // metafiles: hundredths of a millimetre; bitmaps: pixels
            twips = metarquivo ? std::int64_t(natural) * 1440 / 2540 : std::int64_t(natural) * 15;
        // Held to 32 bits before scaling, so that a huge size times a huge scale cannot overflow.
        twips = std::min<std::int64_t>(twips, INT32_MAX) * (escala > 0 ? escala : 100) / 100;
        if (twips <= 0)
            return 0;
        return int(std::clamp<std::int64_t>((twips + 7) / 15, 1, 16384));
    };
    return {lado(imagem.picwgoal, imagem.picw, imagem.escalaX),
            lado(imagem.pichgoal, imagem.pich, imagem.escalaY)};
}

// ---------------------------------------------------------------------------------------------
// Interpreter

namespace {

enum class Destino : std::uint8_t { Texto, Ignorar, Fontes, Cores, Imagem };

enum class Ação : std::uint8_t {
    Ignorar, // destinations never shown
    Fontes,
    Cores,
    Imagem,
    Aninhadas, // \nesttableprops: the definition of a nested table's row
    Mostrar,   // destinations whose text is shown (\pntext, \shppict, \result ...)
    Ansi,
    Mac,
    Pc,
    Pca,
    Ansicpg,
    Deff,
    Uc,
    U,
    Par,
    Linha,
    Tab,
    Célula,
    CélulaAninhada,
    FimLinha,
    FimLinhaAninhada,
    Intbl,
    Itap,
    Trowd,
    Trleft,
    Cellx,
    Caractere,
    Pard,
    Ql,
    Qr,
    Qc,
    Qj,
    Li,
    Ri,
    Fi,
    Sb,
    Sa,
    Sl,
    Slmult,
    Plain,
    B,
    I,
    Ul,
    UlNenhum,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    V,
    F,
    Fs,
    Cf,
    Cb,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
    Pngblip,
    Jpegblip,
    Dibitmap,
    Wbitmap,
    Wmetafile,
    Emfblip,
    Picw,
    Pich,
    Picwgoal,
    Pichgoal,
    Picscalex,
    Picscaley,
};

bool éDestino(Ação a) {
    return a <= Ação::Mostrar;
}

struct Chave {
    std::string_view nome;
    Ação ação;
    char16_t valor = 0; // the character of Ação::Caractere, the Sublinhado of Ação::Ul
};

constexpr char16_t operator+(Sublinhado s) {
    return char16_t(s);
}

// Sorted by name: looked up by binary search.
constexpr Chave chaves[] = {
    {"aftnsep", Ação::Ignorar},
    {"annotation", Ação::Ignorar},
    {"ansi", Ação::Ansi},
    {"ansicpg", Ação::Ansicpg},
    {"atnauthor", Ação::Ignorar},
    {"atnid", Ação::Ignorar},
    {"b", Ação::B},
    {"bkmkend", Ação::Ignorar},
    {"bkmkstart", Ação::Ignorar},
    {"blue", Ação::Blue},
    {"bullet", Ação::Caractere, 0x2022},
    {"cb", Ação::Cb},
    {"cell", Ação::Célula},
    {"cellx", Ação::Cellx},
    {"cf", Ação::Cf},
    {"colortbl", Ação::Cores},
    {"comment", Ação::Ignorar},
    {"cpg", Ação::Cpg},
    {"datastore", Ação::Ignorar},
    {"deff", Ação::Deff},
    {"dibitmap", Ação::Dibitmap},
    {"doccomm", Ação::Ignorar},
    {"emdash", Ação::Caractere, 0x2014},
    {"emfblip", Ação::Emfblip},
    {"emspace", Ação::Caractere, 0x2003},
    {"endash", Ação::Caractere, 0x2013},
    {"enspace", Ação::Caractere, 0x2002},
    {"f", Ação::F},
    {"fcharset", Ação::Fcharset},
    {"fi", Ação::Fi},
    {"fldinst", Ação::Ignorar},
    {"fldrslt", Ação::Mostrar},
    {"fonttbl", Ação::Fontes},
    {"footer", Ação::Ignorar},
    {"footerf", Ação::Ignorar},
    {"footerl", Ação::Ignorar},
    {"footerr", Ação::Ignorar},
    {"footnote", Ação::Ignorar},
    {"fs", Ação::Fs},
    {"ftncn", Ação::Ignorar},
    {"ftnsep", Ação::Ignorar},
    {"ftnsepc", Ação::Ignorar},
    {"generator", Ação::Ignorar},
    {"green", Ação::Green},
    {"header", Ação::Ignorar},
    {"headerf", Ação::Ignorar},
    {"headerl", Ação::Ignorar},
    {"headerr", Ação::Ignorar},
    {"highlight", Ação::Cb},
    {"i", Ação::I},
    {"info", Ação::Ignorar},
    {"intbl", Ação::Intbl},
    {"itap", Ação::Itap},
    {"jpegblip", Ação::Jpegblip},
    {"latentstyles", Ação::Ignorar},
    {"ldblquote", Ação::Caractere, 0x201C},
    {"li", Ação::Li},
    {"line", Ação::Linha},
    {"listoverridetable", Ação::Ignorar},
    {"listtable", Ação::Ignorar},
    {"listtext", Ação::Mostrar},
    {"lquote", Ação::Caractere, 0x2018},
    {"mac", Ação::Mac},
    {"nestcell", Ação::CélulaAninhada},
    {"nestrow", Ação::FimLinhaAninhada},
    {"nesttableprops", Ação::Aninhadas},
    {"nonesttables", Ação::Ignorar},
    {"nonshppict", Ação::Ignorar},
    {"nosupersub", Ação::NoSuperSub},
    {"objclass", Ação::Ignorar},
    {"objdata", Ação::Ignorar},
    {"object", Ação::Mostrar},
    {"objname", Ação::Ignorar},
    {"par", Ação::Par},
    {"pard", Ação::Pard},
    {"pc", Ação::Pc},
    {"pca", Ação::Pca},
    {"pgdsctbl", Ação::Ignorar},
    {"pich", Ação::Pich},
    {"pichgoal", Ação::Pichgoal},
    {"picscalex", Ação::Picscalex},
    {"picscaley", Ação::Picscaley},
    {"pict", Ação::Imagem},
    {"picw", Ação::Picw},
    {"picwgoal", Ação::Picwgoal},
    {"plain", Ação::Plain},
    {"pn", Ação::Ignorar},
    {"pngblip", Ação::Pngblip},
    {"pntext", Ação::Mostrar},
    {"pntxta", Ação::Ignorar},
    {"pntxtb", Ação::Ignorar},
    {"qc", Ação::Qc},
    {"qj", Ação::Qj},
    {"ql", Ação::Ql},
    {"qr", Ação::Qr},
    {"rdblquote", Ação::Caractere, 0x201D},
    {"red", Ação::Red},
    {"result", Ação::Mostrar},
    {"revtbl", Ação::Ignorar},
    {"ri", Ação::Ri},
    {"row", Ação::FimLinha},
    {"rquote", Ação::Caractere, 0x2019},
    {"rsidtbl", Ação::Ignorar},
    {"sa", Ação::Sa},
    {"sb", Ação::Sb},
    {"shppict", Ação::Mostrar},
    {"sl", Ação::Sl},
    {"slmult", Ação::Slmult},
    {"strike", Ação::Strike},
    {"striked", Ação::Strike},
    {"stylesheet", Ação::Ignorar},
    {"sub", Ação::Sub},
    {"super", Ação::Super},
    {"tab", Ação::Tab},
    {"tc", Ação::Ignorar},
    {"template", Ação::Ignorar},
    {"themedata", Ação::Ignorar},
    {"trleft", Ação::Trleft},
    {"trowd", Ação::Trowd},
    {"u", Ação::U},
    {"uc", Ação::Uc},
    {"ul", Ação::Ul, +Sublinhado::Simples},
    {"uld", Ação::Ul, +Sublinhado::Pontilhado},
    {"uldash", Ação::Ul, +Sublinhado::Tracejado},
    {"uldashd", Ação::Ul, +Sublinhado::TraçoPonto},
    {"uldashdd", Ação::Ul, +Sublinhado::TraçoPontoPonto},
    {"uldb", Ação::Ul, +Sublinhado::Simples},
    {"ulhwave", Ação::Ul, +Sublinhado::Ondulado},
    {"ulldash", Ação::Ul, +Sublinhado::Tracejado},
    {"ulnone", Ação::UlNenhum},
    {"ulth", Ação::Ul, +Sublinhado::Simples},
    {"ulthd", Ação::Ul, +Sublinhado::Pontilhado},
    {"ulthdash", Ação::Ul, +Sublinhado::Tracejado},
    {"ulthdashd", Ação::Ul, +Sublinhado::TraçoPonto},
    {"ulthdashdd", Ação::Ul, +Sublinhado::TraçoPontoPonto},
    {"ulthldash", Ação::Ul, +Sublinhado::Tracejado},
    {"ululdbwave", Ação::Ul, +Sublinhado::Ondulado},
    {"ulw", Ação::Ul, +Sublinhado::Simples},
    {"ulwave", Ação::Ul, +Sublinhado::Ondulado},
    {"v", Ação::V},
    {"wbitmap", Ação::Wbitmap},
    {"wmetafile", Ação::Wmetafile},
    {"xe", Ação::Ignorar},
    {"xmlnsdecl", Ação::Ignorar},
    {"zwj", Ação::Caractere, 0x200D},
    {"zwnj", Ação::Caractere, 0x200C},
};

constexpr bool ordenadas() {
    for (std::size_t i = 1; i < std::size(chaves); ++i)
        if (!(chaves[i - 1].nome < chaves[i].nome))
            return false;
    return true;
}
static_assert(ordenadas(), "the keyword table must be sorted by name");

const Chave* procuraChave(std::string_view nome) {
    auto it = std::lower_bound(std::begin(chaves), std::end(chaves), nome,
                               [](const Chave& c, std::string_view n) { return c.nome < n; });
    return it != std::end(chaves) && it->nome == nome ? it : nullptr;
}

struct FormatoCaractere {
    int fonte = -1; // -1: the default font (\deff)
    int meiosPontos = 24;
    bool negrito = false;
    bool itálico = false;
    Sublinhado sublinhado = Sublinhado::Nenhum;
    bool riscado = false;
    Posição posição = Posição::Normal;
    bool oculto = false;
    int cor = -1;   // index into the colour table
    int fundo = -1; // index into the colour table
    bool operator==(const FormatoCaractere&) const = default;
};

struct Estado {
    Destino destino = Destino::Texto;
    bool aninhadas = false; // in \nesttableprops: row definitions are of the nested table
    FormatoCaractere car;
    FormatoParágrafo par;
    int uc = 1;
};

struct Fonte {
    std::u16string nome;
    int conjunto = -1;
    int página = 0;
};

struct EntradaCor {
    Cor cor;
    bool automática = true;
};

class Leitor {
  public:
    explicit Leitor(Saída& saída) : saída_(saída) { pilha_.emplace_back(); }

    void lê(std::string_view rtf) {
        Tokenizador tk(rtf);
        // Bytes after the brace that closes the document's outer group are not part of it.
        for (Token t = tk.próximo(); t.tipo != TipoToken::Fim && !terminou_; t = tk.próximo())
            trata(t);
        // End of file inside groups: close them, which keeps what they held.
        excesso_ = 0;
        while (pilha_.size() > 1)
            fechaGrupo();
        esvazia();
        if (conteúdo_)
            saída_.parágrafo(pilha_.back().par, estilo(pilha_.back().car));
    }

  private:
    Estado& atual() { return pilha_.back(); }
    const Estado& atual() const { return pilha_.back(); }

    void trata(const Token& t) {
        if (t.tipo == TipoToken::Abre || t.tipo == TipoToken::Fecha) {
            pulando_ = 0;
            asterisco_ = false;
            inícioGrupo_ = t.tipo == TipoToken::Abre;
            if (t.tipo == TipoToken::Abre)
                abreGrupo();
            else if (fechaGrupo() && pilha_.size() == 1)
                terminou_ = true;
            return;
        }
        bool início = inícioGrupo_;
        inícioGrupo_ = false;
        // Characters that stand in for the last \uN are dropped; a control word counts as one.
        if (pulando_ > 0) {
            if (t.tipo != TipoToken::Texto) {
                --pulando_;
                return;
            }
            std::size_t n = std::min<std::size_t>(std::size_t(pulando_), t.dados.size());
            pulando_ -= int(n);
            if (n < t.dados.size())
                texto(t.dados.substr(n));
            return;
        }
        bool asterisco = asterisco_;
        asterisco_ = false;
        if (atual().destino == Destino::Ignorar)
            return;
        switch (t.tipo) {
        case TipoToken::Texto:
            texto(t.dados);
            break;
        case TipoToken::Hex:
            hex(t.byte);
            break;
        case TipoToken::Binário:
            if (atual().destino == Destino::Imagem && imagemAberta_)
                imagem_.dados.insert(imagem_.dados.end(), t.dados.begin(), t.dados.end());
            break;
        case TipoToken::Símbolo:
            if (t.símbolo == '*') {
                asterisco_ = true;
                asteriscoNoInício_ = início;
            } else {
                símbolo(t.símbolo);
            }
            break;
        case TipoToken::Palavra:
            palavra(t, asterisco);
            break;
        default:
            break;
        }
    }

    void abreGrupo() {
        if (pilha_.size() > profundidadeMáxima) {
            ++excesso_;
            return;
        }
        pilha_.push_back(pilha_.back());
    }

    // Whether a group state was closed (not a brace past the depth limit or one too many).
    bool fechaGrupo() {
        if (excesso_ > 0) {
            --excesso_;
            return false;
        }
        if (pilha_.size() <= 1)
            return false; // a closing brace too many
        if (imagemAberta_ && pilha_.size() - 1 == nívelImagem_)
            fechaImagem();
        if (atual().destino == Destino::Fontes)
            fechaFonte();
        pilha_.pop_back();
        return true;
    }

    void símbolo(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            texto(std::string_view(&c, 1));
            break;
        case '~':
            unidade(0x00A0);
            break;
        case '_':
            unidade(u'-');
            break;
        case '\n':
            fimDeParágrafo();
            break;
        default:
            break; // \- (soft hyphen), \|, \: and the rest show nothing
        }
    }

    void palavra(const Token& t, bool asterisco) {
        const Chave* chave = procuraChave(t.dados);
        if (asterisco && (!chave || !éDestino(chave->ação))) {
            // {\*\unknown ...} is skipped whole; a \* later in a group marks only its word.
            if (asteriscoNoInício_)
                atual().destino = Destino::Ignorar;
            return;
        }
        if (!chave)
            return;
        Estado& e = atual();
        int p = t.parâmetro;
        bool liga = !t.temParâmetro || p != 0;
        switch (chave->ação) {
        case Ação::Ignorar:
            e.destino = Destino::Ignorar;
            break;
        case Ação::Fontes:
            e.destino = Destino::Fontes;
            break;
        case Ação::Cores:
            e.destino = Destino::Cores;
            corAtual_ = EntradaCor{};
            break;
        case Ação::Imagem:
            if (pilha_.size() < 2)
                break; // a picture needs a group of its own
            if (e.destino == Destino::Texto && !imagemAberta_) {
                e.destino = Destino::Imagem;
                imagemAberta_ = true;
                nívelImagem_ = pilha_.size() - 1;
                imagem_ = Imagem{};
                meioByte_ = -1;
            } else {
                e.destino = Destino::Ignorar;
            }
            break;
        case Ação::Mostrar:
            break;
        case Ação::Aninhadas:
            e.aninhadas = true;
            break;
        case Ação::Ansi:
            página_ = 1252;
            break;
        case Ação::Mac:
            página_ = 10000;
            break;
        case Ação::Pc:
            página_ = 437;
            break;
        case Ação::Pca:
            página_ = 850;
            break;
        case Ação::Ansicpg:
            if (p > 0)
                página_ = p;
            break;
        case Ação::Deff:
            deff_ = p;
            break;
        case Ação::Uc:
            e.uc = std::max(p, 0);
            break;
        case Ação::U:
            unidade(char16_t(std::uint32_t(p) & 0xFFFF));
            pulando_ = e.uc;
            break;
        case Ação::Fcharset:
            if (e.destino == Destino::Fontes)
                fonteAtual_.conjunto = p;
            break;
        case Ação::Cpg:
            if (e.destino == Destino::Fontes)
                fonteAtual_.página = p;
            break;
        case Ação::F:
            if (e.destino == Destino::Fontes) {
                fechaFonte();
                fonteAberta_ = true;
                númeroFonte_ = p;
                fonteAtual_ = Fonte{};
                nomeFonte_.clear();
            } else {
                e.car.fonte = std::max(p, 0);
            }
            break;
        case Ação::Red:
        case Ação::Green:
        case Ação::Blue:
            if (e.destino == Destino::Cores) {
                auto v = std::uint8_t(std::clamp(p, 0, 255));
                Cor& c = corAtual_.cor;
                (chave->ação == Ação::Red ? c.r : chave->ação == Ação::Green ? c.g : c.b) = v;
                corAtual_.automática = false;
            }
            break;
        default:
            if (e.destino == Destino::Imagem)
                palavraImagem(chave->ação, t);
            else if (e.destino == Destino::Texto)
                palavraTexto(*chave, t, liga);
            break;
        }
    }

    void palavraTexto(const Chave& chave, const Token& t, bool liga) {
        Estado& e = atual();
        int p = t.parâmetro;
        switch (chave.ação) {
        case Ação::Par:
            fimDeParágrafo();
            break;
        case Ação::Linha:
            unidade(0x2028);
            break;
        case Ação::Tab:
            unidade(u'\t');
            break;
        case Ação::Célula:
            fimDeCélula(1);
            break;
        case Ação::CélulaAninhada:
            fimDeCélula(nívelAninhado());
            break;
        case Ação::FimLinha:
            fimDeLinha(1);
            break;
        case Ação::FimLinhaAninhada:
            fimDeLinha(nívelAninhado());
            break;
        case Ação::Intbl:
            e.par.nívelTabela = std::max(e.par.nívelTabela, 1);
            break;
        case Ação::Itap:
            e.par.nívelTabela = std::clamp(p, 0, níveisMáximosTabela);
            break;
        case Ação::Trowd:
            definição() = Linha{};
            break;
        case Ação::Trleft:
            definição().esquerda = p;
            break;
        case Ação::Cellx:
            if (definição().limites.size() < célulasMáximas)
                definição().limites.push_back(p);
            break;
        case Ação::Caractere:
            unidade(chave.valor);
            break;
        case Ação::Pard:
            e.par = FormatoParágrafo{};
            break;
        case Ação::Ql:
            e.par.alinhamento = Alinhamento::Esquerda;
            break;
        case Ação::Qr:
            e.par.alinhamento = Alinhamento::Direita;
            break;
        case Ação::Qc:
            e.par.alinhamento = Alinhamento::Centro;
            break;
        case Ação::Qj:
            e.par.alinhamento = Alinhamento::Justificado;
            break;
        case Ação::Li:
            e.par.recuoEsquerdo = p;
            break;
        case Ação::Ri:
            e.par.recuoDireito = p;
            break;
        case Ação::Fi:
            e.par.recuoPrimeira = p;
            break;
        case Ação::Sb:
            e.par.espaçoAntes = p;
            break;
        case Ação::Sa:
            e.par.espaçoDepois = p;
            break;
        case Ação::Sl:
            e.par.entreLinhas = p;
            break;
        case Ação::Slmult:
            e.par.múltiplo = p != 0;
            break;
        case Ação::Plain:
            e.car = FormatoCaractere{};
            break;
        case Ação::B:
            e.car.negrito = liga;
            break;
        case Ação::I:
            e.car.itálico = liga;
            break;
        case Ação::Ul:
            e.car.sublinhado = liga ? Sublinhado(chave.valor) : Sublinhado::Nenhum;
            break;
        case Ação::UlNenhum:
            e.car.sublinhado = Sublinhado::Nenhum;
            break;
        case Ação::Strike:
            e.car.riscado = liga;
            break;
        case Ação::Super:
        case Ação::Sub:
            e.car.posição = !liga                       ? Posição::Normal
                            : chave.ação == Ação::Super ? Posição::Sobrescrito
                                                        : Posição::Subscrito;
            break;
        case Ação::NoSuperSub:
            e.car.posição = Posição::Normal;
            break;
        case Ação::V:
            e.car.oculto = liga;
            break;
        case Ação::Fs:
            e.car.meiosPontos = t.temParâmetro ? p : 24;
            break;
        case Ação::Cf:
            e.car.cor = p;
            break;
        case Ação::Cb:
            e.car.fundo = p;
            break;
        default:
            break;
        }
    }

    void palavraImagem(Ação ação, const Token& t) {
        int p = t.parâmetro;
        switch (ação) {
        case Ação::Pngblip:
            imagem_.tipo = TipoImagem::Png;
            break;
        case Ação::Jpegblip:
            imagem_.tipo = TipoImagem::Jpeg;
            break;
        case Ação::Dibitmap:
            imagem_.tipo = TipoImagem::Dib;
            break;
        case Ação::Wbitmap:
            imagem_.tipo = TipoImagem::Ddb;
            break;
        case Ação::Wmetafile:
            imagem_.tipo = TipoImagem::Wmf;
            imagem_.modoMapa = t.temParâmetro ? p : 1;
            break;
        case Ação::Emfblip:
            imagem_.tipo = TipoImagem::Emf;
            break;
        case Ação::Picw:
            imagem_.picw = p;
            break;
        case Ação::Pich:
            imagem_.pich = p;
            break;
        case Ação::Picwgoal:
            imagem_.picwgoal = p;
            break;
        case Ação::Pichgoal:
            imagem_.pichgoal = p;
            break;
        case Ação::Picscalex:
            imagem_.escalaX = p;
            break;
        case Ação::Picscaley:
            imagem_.escalaY = p;
            break;
        default:
            break;
        }
    }

    // Paragraph end (also a backslash before a line end).
    void fimDeParágrafo() {
        if (atual().destino != Destino::Texto)
            return;
        esvazia();
        diz(atual().par.nívelTabela);
        saída_.parágrafo(atual().par, estilo(atual().car));
        conteúdo_ = false;
    }

    // \cell ends a cell of the outer table, \nestcell one of the table its paragraph is in.
    void fimDeCélula(int nível) {
        esvazia();
        diz(nível);
        saída_.célula(atual().par, estilo(atual().car));
        conteúdo_ = false;
    }

    void fimDeLinha(int nível) {
        esvazia();
        diz(nível);
        saída_.linha(definições_[std::size_t(nível)]);
        conteúdo_ = false;
    }

    int nívelAninhado() const { return std::max(atual().par.nívelTabela, 2); }

    // The row definition that \trowd and \cellx write: the nested table's inside
    // \nesttableprops, the outer table's elsewhere.
    Linha& definição() { return definições_[std::size_t(atual().aninhadas ? nívelAninhado() : 1)]; }

    // Tells the sink the table level of what follows; the run before it belongs to the level
    // told before.
    void diz(int nível) {
        if (nível == nívelDito_)
            return;
        esvazia();
        nívelDito_ = nível;
        saída_.nívelTabela(nível);
    }

    void texto(std::string_view bytes) {
        switch (atual().destino) {
        case Destino::Texto:
            textoVisível(bytes);
            break;
        case Destino::Fontes:
            for (char c : bytes) {
                if (c == ';')
                    fechaFonte();
                else if (fonteAberta_)
                    nomeFonte_.push_back(c);
            }
            break;
        case Destino::Cores:
            for (char c : bytes) {
                if (c == ';') {
                    cores_.push_back(corAtual_);
                    corAtual_ = EntradaCor{};
                }
            }
            break;
        case Destino::Imagem:
            if (!imagemAberta_)
                break;
            for (char c : bytes) {
                int v = valorHex(c);
                if (v < 0)
                    continue;
                if (meioByte_ < 0) {
                    meioByte_ = v;
                } else {
                    imagem_.dados.push_back(std::uint8_t(meioByte_ * 16 + v));
                    meioByte_ = -1;
                }
            }
            break;
        case Destino::Ignorar:
            break;
        }
    }

    void hex(std::uint8_t b) {
        char c = char(b);
        if (atual().destino == Destino::Texto)
            textoVisível(std::string_view(&c, 1));
        else if (atual().destino == Destino::Fontes && fonteAberta_)
            nomeFonte_.push_back(c);
    }

    // Bytes of the text shown; control characters other than the tab are dropped.
    void textoVisível(std::string_view bytes) {
        if (atual().car.oculto)
            return;
        prepara();
        for (char c : bytes) {
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                bytes_.push_back(c);
        }
        conteúdo_ = true;
    }

    void unidade(char16_t u) {
        if (atual().destino != Destino::Texto || atual().car.oculto)
            return;
        prepara();
        decodificaBytes();
        // A symbol font's \uN (its byte, or the byte in the private range U+F0xx) is one of its
        // glyphs, drawn as the same character as its \'hh and as in pictures.
        const Fonte* f = fonte(formatoTrecho_.fonte);
        trecho_.push_back(páginaDa(f) == páginaSímbolo
                              ? vb::símbolo(u, f ? std::u16string_view(f->nome) : u"")
                              : u);
        conteúdo_ = true;
    }

    // Text is handed over in runs of one format: a new format ends the run before.
    void prepara() {
        diz(atual().par.nívelTabela);
        if (temTrecho_ && formatoTrecho_ == atual().car)
            return;
        esvazia();
        temTrecho_ = true;
        formatoTrecho_ = atual().car;
    }

    void decodificaBytes() {
        if (bytes_.empty())
            return;
        const Fonte* f = fonte(formatoTrecho_.fonte);
        int pg = páginaDa(f);
        if (pg == páginaSímbolo)
            trecho_ += decodificaSímbolos(bytes_, f ? std::u16string_view(f->nome) : u"");
        else
            trecho_ += saída_.decodifica(pg, bytes_);
        bytes_.clear();
    }

    void esvazia() {
        if (!temTrecho_)
            return;
        decodificaBytes();
        if (!trecho_.empty())
            saída_.texto(trecho_, estilo(formatoTrecho_));
        trecho_.clear();
        temTrecho_ = false;
    }

    // The code page of a font's bytes: its \cpg, else its character set. ANSI and fonts without
    // a set take the document's page, but ANSI in a document of a Far East multi-byte page is
    // Windows-1252: those documents give their Latin fonts the ANSI set.
    int páginaDa(const Fonte* f) const {
        if (f && f->página > 0)
            return f->página;
        if (int pg = f ? páginaDoConjunto(f->conjunto) : 0)
            return pg;
        if (f && f->conjunto == 0 && multibyte(página_))
            return 1252;
        return página_;
    }

    const Fonte* fonte(int número) const {
        auto it = fontes_.find(número < 0 ? deff_ : número);
        return it == fontes_.end() ? nullptr : &it->second;
    }

    Estilo estilo(const FormatoCaractere& c) const {
        Estilo e;
        if (const Fonte* f = fonte(c.fonte))
            e.família = f->nome;
        e.pontos = std::clamp(c.meiosPontos, 2, 3276) / 2.0;
        e.negrito = c.negrito;
        e.itálico = c.itálico;
        e.sublinhado = c.sublinhado;
        e.riscado = c.riscado;
        e.posição = c.posição;
        auto procura = [this](int i, bool& tem, Cor& cor) {
            if (i >= 0 && std::size_t(i) < cores_.size() && !cores_[std::size_t(i)].automática) {
                tem = true;
                cor = cores_[std::size_t(i)].cor;
            }
        };
        procura(c.cor, e.temCor, e.cor);
        procura(c.fundo, e.temFundo, e.fundo);
        return e;
    }

    void fechaFonte() {
        if (!fonteAberta_)
            return;
        fonteAberta_ = false;
        while (!nomeFonte_.empty() && nomeFonte_.back() == ' ')
            nomeFonte_.pop_back();
        std::size_t início = nomeFonte_.find_first_not_of(' ');
        std::string_view nome = início == std::string::npos
                                    ? std::string_view()
                                    : std::string_view(nomeFonte_).substr(início);
        // The name is written in the font's own character set (a Japanese font's name in
        // Shift-JIS); a symbol font's name is plain ASCII.
        int pg = páginaDa(&fonteAtual_);
        fonteAtual_.nome =
            pg == páginaSímbolo || pg == 1252 ? decodifica1252(nome) : saída_.decodifica(pg, nome);
        fontes_.emplace(númeroFonte_, std::move(fonteAtual_));
        fonteAtual_ = Fonte{};
        nomeFonte_.clear();
    }

    void fechaImagem() {
        imagemAberta_ = false;
        // The picture belongs to the text around its group.
        const Estado& fora = pilha_[nívelImagem_ - 1];
        if (fora.destino != Destino::Texto || fora.car.oculto) {
            imagem_ = Imagem{};
            return;
        }
        esvazia();
        diz(fora.par.nívelTabela);
        saída_.imagem(imagem_, estilo(fora.car));
        imagem_ = Imagem{};
        conteúdo_ = true;
    }

    Saída& saída_;
    std::vector<Estado> pilha_;
    std::size_t excesso_ = 0; // groups opened beyond the depth limit
    int pulando_ = 0;         // characters still to drop after \uN
    bool asterisco_ = false;
    bool asteriscoNoInício_ = false; // the \* was the first thing in its group
    bool inícioGrupo_ = false;       // nothing read yet in the group just opened
    bool terminou_ = false;          // the outer group is closed
    int página_ = 1252;
    int deff_ = 0;
    bool conteúdo_ = false; // something shown since the last paragraph end
    int nívelDito_ = 0;     // the table level the sink was told last
    std::array<Linha, níveisMáximosTabela + 1> definições_; // row definitions by table level

    std::map<int, Fonte> fontes_;
    bool fonteAberta_ = false;
    int númeroFonte_ = 0;
    Fonte fonteAtual_;
    std::string nomeFonte_;

    std::vector<EntradaCor> cores_;
    EntradaCor corAtual_;

    bool imagemAberta_ = false;
    std::size_t nívelImagem_ = 0;
    Imagem imagem_;
    int meioByte_ = -1;

    bool temTrecho_ = false;
    FormatoCaractere formatoTrecho_;
    std::string bytes_;
    std::u16string trecho_;
};

} // namespace

void ler(std::string_view rtf, Saída& saída) {
    Leitor leitor(saída);
    leitor.lê(rtf);
}

} // namespace vb::rtf
