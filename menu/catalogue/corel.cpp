// The two Corel course menus, "Corel  Básico" (lessons 01 to 09) and "Corel Avçdo" (lessons 10
// to 20). Each delete runs with errors ignored on its own, so a file already gone, or one that
// cannot be deleted, never stops the next step. A lesson that builds on an earlier one's
// drawing stages a prepared version under the name the earlier lesson deletes.

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// "Corel  Básico" (CCorel1001 to CCorel1009)
constexpr Etapa r01[] = {N, Cd, Ig, K(QV_TRAB "curioso.cdr"), FimIg, L};
constexpr Etapa r02[] = {N, Cd, C("curioso1.cdr", "curioso.cdr"), L};
constexpr Etapa r03[] = {N, Cd, Ig, K(QV_TRAB "anjo.cdr"), FimIg, L};
constexpr Etapa r04[] = {N, Cd, Ig, K(QV_TRAB "mistura.cdr"), FimIg, L};
constexpr Etapa r05[] = {
    N, Cd, Ig, K(QV_TRAB "combinar.cdr"), FimIg, C("mistura2.cdr", "mistura.cdr"), L};
constexpr Etapa r06[] = {N, Cd, Ig, K(QV_TRAB "bandeira.cdr"), FimIg, L};
constexpr Etapa r07[] = {
    N, Cd, Ig, K(QV_TRAB "Exercício de fixação.cdr"), FimIg, C("bandeira2.cdr", "bandeira.cdr"), L};
constexpr Etapa r08[] = {N, Cd, Ig, K(QV_TRAB "Texto no Corel.cdr"), FimIg, L};
constexpr Etapa r09[] = {N, Cd, Ig, K(QV_TRAB "caminho.cdr"), FimIg, C("texto no corel.cdr"), L};

constexpr Item corelBásico[] = {
    {"CCorel1001", 0,
     "01 - Tipos de desenho; Configurar páginas;  Retângulos; Pontos de orientação; "
     "Deslocar/duplicar ",
     "QVCR1001", "1001", r01},
    {"CCorel1002", 0, "02 - Mudar cor de objetos, Preenchimentos", "QVCR1002", "1002", r02},
    {"CCorel1003", 0,
     "03 - Seleção Múltipla; Soldar; Aparar; Interseccionar; Agrupar; Duplicar; Espelhar; "
     "Contornar; Transparência",
     "QVCR1003", "1003", r03},
    {"CCorel1004", 0,
     "04 - Biblioteca de símbolos, Zoom; Gerenciador de exibição; Editar símbolos; Quebar; "
     "Misturar; Separar",
     "QVCR1004", "1004", r04},
    {"CCorel1005", 0, "05 - Misturar efeito de ciclo; Imprimir arquivo; Combinar", "QVCR1005",
     "1005", r05},
    {"CCorel1006", 0,
     "06 - Régua e ponto zero; Linhas-guia; Combinar X Agrupar X Soldar; Alinhar; Página extra; "
     "Entrada de texto",
     "QVCR1006", "1006", r06},
    {"CCorel1007", 0,
     "07 - Combinar X Quebrar; Área de transferência; Editor de forma e linhas; Eliminar/incluir "
     "nós; Efeito envelope",
     "QVCR1007", "1007", r07},
    {"CCorel1008", 0,
     "08 - Mudar cor; Imprimir texto; Texto artístico; Alterar formato de letras; Transformar "
     "letras em desenho",
     "QVCR1008", "1008", r08},
    {"CCorel1009", 0,
     "09 - Quebrar nós; Caminho;  Separar  texto/caminho; Ferramenta Belzier; Alinhamento entre "
     "texto/caminho",
     "QVCR1009", "1009", r09},
};

// "Corel Avçdo" (CCorel1010 to CCorel1020)
constexpr Etapa r10[] = {N, Cd, Ig, K(QV_TRAB "camadas.cdr"), FimIg, L};
constexpr Etapa r11[] = {N, Cd, Ig, K(QV_TRAB "efeitos.cdr"), FimIg, L};
constexpr Etapa r12[] = {N, Cd, C("efeitos.cdr"), C("anjo com fundo.bmp"), L};
constexpr Etapa r13[] = {
    N, Cd, Ig, K(QV_TRAB "bitmaps.cdr"), FimIg, C("efeitos1.cdr", "efeitos.cdr"), L};
constexpr Etapa r14[] = {N, Cd, C("bitmaps.cdr"), L};
constexpr Etapa r15[] = {
    N, Cd, Ig, K(QV_TRAB "meu ladrilho.pat"), FimIg, Ig, K(QV_TRAB "menu criar.cdr"), FimIg, L};
constexpr Etapa r16[] = {N, Cd, L};
constexpr Etapa r17[] = {N, Cd, Ig, K(QV_TRAB "casinha.cpt"), FimIg, L};
constexpr Etapa r18[] = {N, Cd, C("casinha.cpt"), C("shingles.jpg"), L};
constexpr Etapa r19[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB "casa de campo.cpt"),
                         FimIg,
                         C("casinha1.cpt", "casinha.cpt"),
                         C("vale.tga"),
                         L};
constexpr Etapa r20[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB "scanner.cpt"),
                         FimIg,
                         Ig,
                         K(QV_TRAB "menina.cpt"),
                         FimIg,
                         C("scan.jpg"),
                         C("tint1.cpt"),
                         C("anjo com fundo.bmp"),
                         L};

constexpr Item corelAvançado[] = {
    {"CCorel1010", 0,
     "10 - Camadas; Criar nova camada; Preencher com padrão ladrilho; Apagar camadas; Preencher "
     "com textura",
     "QVCR1010", "1010", r10},
    {"CCorel1011", 0,
     "11 - Menu efeitos; Adicionar perspectiva, Extrusão; Extrusão com objetos combinados; "
     "Efeitos de luz na extrusão",
     "QVCR1011", "1011", r11},
    {"CCorel1012", 0, "12 - Contorno; Lentes; PowerClip", "QVCR1012", "1012", r12},
    {"CCorel1013", 0,
     "13 - Copiar / Clonar; Clonar; Ajustes de cor; Menu Bitmaps; Converter em Bitmaps; Editar "
     "Bitmap; Converter em",
     "QVCR1013", "1013", r13},
    {"CCorel1014", 0,
     "14 - Limites; Deslocamento; Pixels; Espiralar; Tinta úmida; 3D/ Relevo; Enrolar; "
     "Perspectiva; Dilatar/Encolher",
     "QVCR1014", "1014", r14},
    {"CCorel1015", 0,
     "15 - Ferramentas; Personalizar; Atalhos; Config.Padrão; Modificar paleta; Incluir desenho; "
     "Procurar; Criar",
     "QVCR1015", "1015", r15},
    {"CCorel1016", 0,
     "16 - Bitmap; Corel Photo Paint; Criar imagem; Pintar; Zoom de bitmaps; Borracha; Outras "
     "ferramentas",
     "QVCR1016", "1016", r16},
    {"CCorel1017", 0, "17 - Desenhar; Desfazer; Máscaras", "QVCR1017", "1017", r17},
    {"CCorel1018", 0, "18 - Máscaras sensíveis à cor; Tela; Criar objeto", "QVCR1018", "1018", r18},
    {"CCorel1019", 0, "19 - Adicionar sombra e perspectiva; Selecionar paisagem", "QVCR1019",
     "1019", r19},
    {"CCorel1020", 0,
     "20 - Photo Paint: 2D; 3D; Deslocamento;  Ajuste fino; Embaçar; Efeitos especiais; Terrazo; "
     "Julia Set-Explorer 2.0",
     "QVCR1020", "1020", r20},
};

} // namespace

const MenuCurso cursoCorelB{"CCorel10B", "Corel  Básico", true, corelBásico};
const MenuCurso cursoCorelA{"CCorel10A", "Corel Avçdo", true, corelAvançado};

} // namespace catalogo
