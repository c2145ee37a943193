// The "Flash" course menu: one control array, Cflash Index 1 to 21. Codes follow the menu
// position; program names follow the module, exercise items starting "QVflashmxE" plus the
// number of the module before them.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

constexpr Etapa sóInicia[] = {N, Cd, L};
constexpr Etapa f01[] = {N, Cd, C("coração.fla"), L};
constexpr Etapa f04[] = {N, Cd, C("flor.fla"), C("borboleta.fla"), L};
constexpr Etapa f05[] = {N, Cd, C("percurso.fla"), L};
constexpr Etapa f06[] = {N, Cd, C("bolinha.fla"), L};
constexpr Etapa f07[] = {N, Cd, C("face.fla"), L};
constexpr Etapa f08[] = {N, Cd, C("carasebocas.fla"), L};
constexpr Etapa f10[] = {N, Cd, C("Mascaras.html"), C("Mascaras.swf"), L};
constexpr Etapa f13[] = {N, Cd, C("Botão Base.fla"), L};
constexpr Etapa f14[] = {N, Cd, C("cenas.fla"), L};
constexpr Etapa f15[] = {N, Cd, C("percurso2.fla"), C("cenas.fla"), L};
constexpr Etapa f16[] = {N, Cd, C("index_mod16.html", "index.html"),
                         C("index_mod16.swf", "index.swf"), L};
constexpr Etapa f17[] = {N, Cd, C("index_mod17.fla", "index.fla"), L};
constexpr Etapa f18[] = {N,
                         Cd,
                         C("index_mod18.fla", "index.fla"),
                         C("lake3.jpg"),
                         C("mar.jpg"),
                         C("esporte.jpg"),
                         C("globe.avi"),
                         L};
// The fifth file is the song sample the lesson plays; the installation ships it under this name.
constexpr Etapa f19[] = {N,
                         Cd,
                         C("index_mod19.fla", "index.fla"),
                         C("blip.wav"),
                         C("ding.wav"),
                         C("fl.wav"),
                         C("o gato que contava telhas.wav"),
                         C("formulario.html"),
                         C("fundo.jpg"),
                         L};

constexpr Item flash[] = {
    {"Cflash", 1,
     "01 - Vetores; Animações; Linha de Tempo; Palco; Painéis; Ferramentas Lápis; Linha; Oval; "
     "Balde de Tinta",
     "QVflashmx01", "2101", f01},
    {"Cflash", 2, "02 - Exercício Fixação", "QVflashmxE1", "2102", sóInicia},
    {"Cflash", 3, "03 - Ferramentas Seta; Pincel; Duplicar; Tinteiro; Conta-Gotas; Texto; Objetos",
     "QVflashmx02", "2103", sóInicia},
    {"Cflash", 4,
     "04 - Ferramenta Laço; Mover; copiar; excluir; Girar; Camadas; Criar e Controlar Animação",
     "QVflashmx03", "2104", f04},
    {"Cflash", 5,
     "05 - Filme; Símbolo; Animação Interpolada; Quadros chave; Criando um percurso; Guia de "
     "Movimento",
     "QVflashmx04", "2105", f05},
    {"Cflash", 6, "06 - Exercício Fixação", "QVflashmxE4", "2106", f06},
    {"Cflash", 7, "07 - Usando referências de forma", "QVflashmx05", "2107", f07},
    {"Cflash", 8, "08 - Exercício Fixação", "QVflashmxE5", "2108", f08},
    {"Cflash", 9, "09 - Máscaras; Alinhar; Clipes; Transparência; Ações; Proteger camada",
     "QVflashmx06", "2109", sóInicia},
    {"Cflash", 10, "10 - Exercício Fixação", "QVflashmxE6", "2110", f10},
    {"Cflash", 11, "11 - Símbolos e Instâncias; Quadros; Converter animação", "QVflashmx07", "2111",
     sóInicia},
    {"Cflash", 12, "12 - Botões; Botões animados; Importar arquivo; Desmembrar o Símbolo",
     "QVflashmx08", "2112", sóInicia},
    {"Cflash", 13, "13 - Ações em botão; Ponto de parada; MouseEvent; Navegação", "QVflashmx09",
     "2113", f13},
    {"Cflash", 14,
     "14 - Acionar Animação; Novo Filme; Clipe de Filme; Importar símbolos; Misturador de Cores; "
     "Definir Ação; Cenas",
     "QVflashmx10", "2114", f14},
    {"Cflash", 15, "15 - Exercício de Fixação", "QVflashmxE10", "2115", f15},
    {"Cflash", 16,
     "16 - Criando um site; Cena; Ancoragem; Caneta; Modificar a curva; Duplicar; Filme; Texto; "
     "Instâncias",
     "QVflashmx11", "2116", f16},
    {"Cflash", 17, "17 - Criar Animação; Inserir Fundo; Mover Camada; Criar link", "QVflashmx12",
     "2117", f17},
    {"Cflash", 18,
     "18 - Importar imagens; Transformar bitmap; Converter Bitmap; Desmembrar Imagem; Arquivos "
     "de Vídeo",
     "QVflashmx13", "2118", f18},
    {"Cflash", 19,
     "19 - Sons no Flash; Link para a Cena; Chamar página HTML; Exportando filmes; Compactação "
     "de som",
     "QVflashmx14", "2119", f19},
    {"Cflash", 20,
     "20 - Visualizar Publicação; OBJECT e EMBED; Tags HTML; Exportando Arquivos; Criando "
     "Projetores",
     "QVflashmx15", "2120", sóInicia},
    {"Cflash", 21, "21 - Introdução ao ActionScript; Variáveis; Comandos básicos", "QVflashmx16",
     "2121", sóInicia},
};

} // namespace

const MenuCurso cursoFlash{"CFlash00", "Flash", true, flash};

} // namespace catalogo
