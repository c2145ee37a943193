// The three AutoCAD course menus: "AutoCad 2D I", "AutoCad 2D II" and "AutoCAD 3D".

#include "passos.h"

namespace catalogo {
namespace {
using namespace etapas;

// "AutoCad 2D I" (cAutoCad)
constexpr Etapa a01[] = {N, Cd, K(QV_TRAB "desenho1.dwg"), L};
constexpr Etapa a02[] = {N,
                         Cd,
                         K(QV_TRAB "Exercício 01.dwg"),
                         K(QV_TRAB "Exercício01.dwg"),
                         K(QV_TRAB "Exercicio 01.dwg"),
                         K(QV_TRAB "Exercicio01.dwg"),
                         K(QV_TRAB "Exercício 02.dwg"),
                         K(QV_TRAB "Exercício02.dwg"),
                         K(QV_TRAB "Exercicio 02.dwg"),
                         K(QV_TRAB "Exercicio02.dwg"),
                         K(QV_TRAB "Exercício 03.dwg"),
                         K(QV_TRAB "Exercício03.dwg"),
                         K(QV_TRAB "Exercicio 03.dwg"),
                         K(QV_TRAB "Exercicio03.dwg"),
                         C("desenho1.dwg"),
                         C("soft.jpg"),
                         C("cad.jpg"),
                         L};
constexpr Etapa a03[] = {N,
                         Cd,
                         K(QV_TRAB "Exercício 04.dwg"),
                         K(QV_TRAB "Exercício04.dwg"),
                         K(QV_TRAB "Exercicio 04.dwg"),
                         K(QV_TRAB "Exercicio04.dwg"),
                         L};
constexpr Etapa a04[] = {
    N, Cd, K(QV_TRAB "Círculos.dwg"), K(QV_TRAB "Circulos.dwg"), C("círculos.jpg"), L};
constexpr Etapa a05[] = {N, Cd, K(QV_TRAB "cadeira.dwg"), K(QV_TRAB "taça.dwg"), L};
constexpr Etapa a06[] = {N, Cd, K(QV_TRAB "array.dwg"), C("cadeira.dwg"), C("array.jpg"), L};
constexpr Etapa a07[] = {N, Cd, C("Extend e Trim.dwg"), L};
constexpr Etapa a08[] = {N, Cd, K(QV_TRAB "sapata.dwg"), C("exercmod8.jpg"), L};
constexpr Etapa a09[] = {N,
                         Cd,
                         C("sapata1.dwg", "sapata.dwg"),
                         C("edição1.dwg", "edição.dwg"),
                         C("exercício 01.dwg"),
                         C("edição.jpg"),
                         L};
constexpr Etapa a10[] = {
    N, Cd, K(QV_TRAB "Elevação.dwg"), K(QV_TRAB "sketch.dwg"), C("Elevação.jpg"), L};
constexpr Etapa a11[] = {N, Cd, C("hatch.dwg"), C("qvcad116.jpg"), L};
constexpr Etapa a12[] = {N,
                         Cd,
                         K(QV_TRAB "poly.dwg"),
                         K(QV_TRAB "solid.dwg"),
                         K(QV_TRAB "casa.dwg"),
                         K(QV_TRAB "select.dwg"),
                         C("seleção.dwg"),
                         L};
constexpr Etapa a13[] = {N, Cd, L};
constexpr Etapa a14[] = {N, Cd, K(QV_TRAB "linear.dwg"), C("cotas.dwg"), C("dim.dwg"), C("dim.jpg"),
                         L};
constexpr Etapa a15[] = {N, Cd, K(QV_TRAB "Angular e Radial.dwg"), C("radial.dwg"), C("cotas.dwg"),
                         L};
constexpr Etapa a16[] = {Cd,
                         N,
                         C("cadeira1.dwg", "cadeira.dwg"),
                         C("sapata1.dwg", "sapata.dwg"),
                         C("elevação1.dwg", "elevação.dwg"),
                         C("sapata1.jpg"),
                         C("elevação1.jpg"),
                         L};

constexpr Item autoCad2D[] = {
    {"cAutoCad", 1,
     "01 - Menu; Barras de ferramentas; Área gráfica; Linha de comando; Caixa de ferramentas; "
     "linha",
     "QVAC2D01", "1701", a01},
    {"cAutoCad", 2,
     "02 - Precisão; Coordenadas absolutas; Coordenadas relativas cartesianas; Pan; Zoom All",
     "QVAC2D02", "1702", a02},
    {"cAutoCad", 3, "03 - Coordenadas relativas polares; Desenhar círculos; Erase; Oops",
     "QVAC2D03", "1703", a03},
    {"cAutoCad", 4,
     "04 - Recursos auxiliares; Ortho; Grid; Snap; Coordenadas; Osnap; Polar; Otrack", "QVAC2D04",
     "1704", a04},
    {"cAutoCad", 5,
     "05 - Editar desenho; Midpoint; Copy; Move; Rotacionar Objetos; Mirror; Endpoint", "QVAC2D05",
     "1705", a05},
    {"cAutoCad", 6,
     "06 - Retângulo; Chamfer; Cópias paralelas e ordenadas; Linha de Referência; Espelhar;  "
     "Array",
     "QVAC2D06", "1706", a06},
    {"cAutoCad", 7,
     "07 - Arredondar cantos; Trim e Extend; Chamfer e Fillet; Relembrando \"Polyline\"",
     "QVAC2D07", "1707", a07},
    {"cAutoCad", 8,
     "08 - Unidades de desenho; Linhas de construção; arcos; eixos; círculos; Array Polar;  "
     "Linhas",
     "QVAC2D08", "1708", a08},
    {"cAutoCad", 9,
     "09 - Construction Line; Ray; Lengthen;  Snap e Grid; Stretch; Break; Polyline em Line; "
     "First",
     "QVAC2D09", "1709", a09},
    {"cAutoCad", 10,
     "10 - Snap; From; Temporary Tracking Point; Apparent Intersecion; Perpendicular; Sketch",
     "QVAC2D10", "1710", a10},
    {"cAutoCad", 11, "11 - Hatch; Preview; Stretch; Scale; Polígonos; Polylines; Zoom Scale",
     "QVAC2D11", "1711", a11},
    {"cAutoCad", 12,
     "12 - Donuts; Solid; Organizar objetos na tela; Properties; Métodos de Seleção", "QVAC2D12",
     "1712", a12},
    {"cAutoCad", 13,
     "13 - Cálculo de Área; Inquiry; Listar coordenadas; Time; Características da tela; Grips",
     "QVAC2D13", "1713", a13},
    {"cAutoCad", 14,
     "14 - Dimensionamento; Cotas associadas; Variáveis Dimensionais; Criar novo estilo",
     "QVAC2D14", "1714", a14},
    {"cAutoCad", 15,
     "15 - Dimensionamento; Radial; Angular; Circunferências; Tolerâncias; Arredondar Cotas",
     "QVAC2D15", "1715", a15},
    {"cAutoCad", 16, "16 - Editar cotas; Alterar posição do texto; Leader; Opção de Pan por pontos",
     "QVAC2D16", "1716", a16},
};

// "AutoCad 2D II" (cAutoCadII)
constexpr Etapa b01[] = {N, Cd, K(QV_TRAB "iso.dwg"), L};
constexpr Etapa b02[] = {N, Cd, K(QV_TRAB "planta.dwg"), L};
constexpr Etapa b03[] = {N, Cd, C("planta.dwg"), C("mledit.dwg"), L};
constexpr Etapa b04[] = {
    N, Cd, C("planta1-0.dwg", "planta.dwg"), C("estilo.dwg"), K(QV_TRAB "multilines.mln"), L};
constexpr Etapa b05[] = {N, Cd, C("planta2.dwg", "planta.dwg"), C("multilines.mln"), L};
constexpr Etapa b06[] = {N, Cd, C("exercício4.dwg"), L};
constexpr Etapa b07[] = {N, Cd, K(QV_TRAB "layers.dwg"), L};
constexpr Etapa b08[] = {N, Cd, C("planta5.dwg", "planta.dwg"), C("portas e janelas.jpg"), L};
// Lesson 07 clears the symbol folder that its exercise fills.
constexpr Etapa b09[] = {N,
                         Cd,
                         C("planta6.dwg", "planta.dwg"),
                         C("mesa.dwg"),
                         Ig,
                         K(QV_TRAB "símbolos\\cama.dwg"),
                         K(QV_TRAB "símbolos\\portad.dwg"),
                         K(QV_TRAB "símbolos\\sanitário.dwg"),
                         K(QV_TRAB "símbolos\\sanitario.dwg"),
                         RmDir("c:\\qvcurso\\símbolos"),
                         FimIg,
                         L};
// The exercise of lesson 07 starts from a fresh "cad2000" folder of five drawings.
constexpr Etapa b10[] = {N,
                         Cd,
                         Ig,
                         K(QV_TRAB "cad2000\\fogão.dwg"),
                         K(QV_TRAB "cad2000\\pia.dwg"),
                         K(QV_TRAB "cad2000\\sofá.dwg"),
                         K(QV_TRAB "cad2000\\poltrona.dwg"),
                         K(QV_TRAB "cad2000\\geladeira.dwg"),
                         RmDir("c:\\qvcurso\\cad2000"),
                         MkDir("c:\\qvcurso\\cad2000"),
                         F("\\fogão.dwg", QV_TRAB "cad2000\\fogão.dwg"),
                         F("\\pia.dwg", QV_TRAB "cad2000\\pia.dwg"),
                         F("\\sofá.dwg", QV_TRAB "cad2000\\sofá.dwg"),
                         F("\\poltrona.dwg", QV_TRAB "cad2000\\poltrona.dwg"),
                         F("\\geladeira.dwg", QV_TRAB "cad2000\\geladeira.dwg"),
                         FimIg,
                         C("planta7.dwg", "planta.dwg"),
                         L};
constexpr Etapa b11[] = {N, Cd, C("planta8.dwg", "planta.dwg"), L};
constexpr Etapa b12[] = {N, Cd, C("planta8-1.dwg", "planta.dwg"), K(QV_TRAB "texto.dwg"), L};
constexpr Etapa b13[] = {N, Cd, C("planta9.dwg", "planta.dwg"), K(QV_TRAB "atrib.dwg"), L};
constexpr Etapa b14[] = {N, Cd, C("atrib.dwg"), C("bloco.jpg"), L};
constexpr Etapa b15[] = {N, Cd, C("planta10.dwg", "planta.dwg"), K(QV_TRAB "planta.ctb"), L};
constexpr Etapa b16[] = {N, Cd, C("elevação.dwg"), L};
constexpr Etapa b17[] = {N, Cd, C("exposição.dwg"), K(QV_TRAB "3d.dwg"), L};

constexpr Item autoCad2DII[] = {
    {"cAutoCadII", 1,
     "01 - Perspectivas Isométricas, Elipse, Center, Axis, End, Rotation, Arcos elípticos, "
     "Dimensionar",
     "QVAC2DII01", "1701", b01},
    {"cAutoCadII", 2,
     "02 - Multilines, Justification,  Style, Scale, linhas duplas e de arrasto, planta, Editar, "
     "cantos",
     "QVAC2DII02", "1702", b02},
    {"cAutoCadII", 3,
     "03 - Fechar bordas, opções de edição, Cross, T, vértices, vãos, Linhas de fechamento",
     "QVAC2DII03", "1703", b03},
    {"cAutoCadII", 4, "04 - Layers, Estilos de Multilines", "QVAC2DII04", "1704", b04},
    {"cAutoCadII", 5,
     "05 - Importar Multilines , Blocks, símbolos , Zoom Dynamic, Espelhar objetos", "QVAC2DII05",
     "1705", b05},
    {"cAutoCadII", 6, "     - Exercício Módulo 5", "QVAC2DIIex05", "1705", b06},
    {"cAutoCadII", 7,
     "06 - Layer, Tipos de Linhas X  Layers, , Mudar características de objetos existentes",
     "QVAC2DII06", "1706", b07},
    {"cAutoCadII", 8, "     - Exercício Módulo 6", "QVAC2DIIex06", "1706", b08},
    {"cAutoCadII", 9,
     "07 - Compartilhamento, pastas, Inserir arquivos e desenhos, Redefinir Blocks, arquivos de "
     "símbolos",
     "QVAC2DII07", "1707", b09},
    {"cAutoCadII", 10, "     - Exercício Módulo 7", "QVAC2DIIex07", "1707", b10},
    {"cAutoCadII", 11,
     "08 - Texto, tipo de letra, Alinhar, estilos, Inserir e Editar texto, Alterar grafia, "
     "Calcular áreas",
     "QVAC2DII08", "1708", b11},
    {"cAutoCadII", 12,
     "09 - Multiline Text, Aerial View, Estilo e Efeitos de texto, textos longos, Substituir "
     "termos",
     "QVAC2DII09", "1709", b12},
    {"cAutoCadII", 13,
     "10 - Copiar, Dividir objetos, Desenhar pontos, Ajustar estilo de pontos, Atributos",
     "QVAC2DII10", "1710", b13},
    {"cAutoCadII", 14, "     - Exercício Módulo 10", "QVAC2DIIex10", "1710", b14},
    {"cAutoCadII", 15, "11 - Options, Plotagem, Impressão, Escala, Drawing Units", "QVAC2DII11",
     "1711", b15},
    {"cAutoCadII", 16, "     - Exercício Módulo 11", "QVAC2DIIex11", "1711", b16},
    {"cAutoCadII", 17,
     "12 - Template, DesignCenter, 3D, Hide, Shade, Render, Imprimir em 3D, Retornar à vista 2D",
     "QVAC2DII12", "1712", b17},
};

// "AutoCAD 3D" (CACAD3D)
constexpr Etapa sóInicia[] = {N, Cd, L};
constexpr Etapa c02[] = {N, Cd, C("criado-mudo.dwg"), L};
constexpr Etapa c03[] = {N, Cd, C("mesa.jpg"), L};
constexpr Etapa c06[] = {N, Cd, C("taça.dwg"), L};
constexpr Etapa c08[] = {N, Cd, C("mesa 3d.dwg"), L};
constexpr Etapa c09[] = {N, Cd, C("3d objects.dwg"), L};
constexpr Etapa c12[] = {N, Cd, C("planta.jpg"), L};
constexpr Etapa c13[] = {N, Cd, C("chalé1.dwg", "chalé.dwg"), L};
constexpr Etapa c14[] = {N, Cd, C("chalé2.dwg", "chalé.dwg"), L};
constexpr Etapa c15[] = {N, Cd, C("chalé3.dwg", "chalé.dwg"), L};
constexpr Etapa c16[] = {N, Cd, C("molde3d.dwg"), L};
constexpr Etapa c17[] = {N, Cd, C("chalé4.dwg", "chalé.dwg"), C("objetos.dwg"), L};
constexpr Etapa c18[] = {N, Cd, C("chalé6.dwg", "chalé.dwg"), L};
constexpr Etapa c19[] = {N, Cd, C("chalé7.dwg", "chalé.dwg"), L};
constexpr Etapa c20[] = {N, Cd, C("mesa 3dm20.dwg", "mesa 3d.dwg"), L};
constexpr Etapa c21[] = {N, Cd, C("chalé9.dwg", "chalé.dwg"), L};
constexpr Etapa c22[] = {N, Cd, C("mesa 3d-1.dwg", "mesa 3d.dwg"), L};
constexpr Etapa c24[] = {N, Cd, C("render.dwg"), L};
constexpr Etapa c25[] = {N, Cd, C("chalé10.dwg", "chalé.dwg"), L};
constexpr Etapa c26[] = {N, Cd, C("chalé11.dwg", "chalé.dwg"), L};
constexpr Etapa c27[] = {N,
                         Cd,
                         C("chalé12.dwg", "chalé.dwg"),
                         C("bebida.dwg"),
                         C("mesa 3d.dwg"),
                         C("objeto.dwg"),
                         C("taça.dwg"),
                         L};
constexpr Etapa c28[] = {N, Cd, C("chalé14.dwg", "chalé.dwg"), L};
constexpr Etapa c29[] = {N, Cd, C("chalé15.dwg", "chalé.dwg"), C("chalé-ex.dwg"), C("field.tif"),
                         L};
constexpr Etapa c30[] = {N, Cd, C("chalé-ex1.dwg", "chalé-ex.dwg"), C("suporte.dwg"), L};

constexpr Item autoCad3D[] = {
    {"CACAD3D", 1,
     "01 - Conceitos; Thickness; View Point; Omitir Faces; Mudar posição no eixo Z; "
     "Visualização; Shade",
     "QVACAD3D01", "2801", sóInicia},
    {"CACAD3D", 2,
     "02 - Primitivas; coordenadas; UCS; alinhamento; 3D VIEWS; Viewpoint Presets; VPOINT; "
     "Rotate; Tripod; Plan",
     "QVACAD3D02", "2802", c02},
    {"CACAD3D", 3, "03 - Exercício Fixação", "QVACAD3D03", "2803", c03},
    {"CACAD3D", 4, "04 - Superfícies; Variáveis Surftab1 e Surftab2", "QVACAD3D04", "2804",
     sóInicia},
    {"CACAD3D", 5, "05 - Exercício Fixação", "QVACAD3D05", "2805", sóInicia},
    {"CACAD3D", 6,
     "06 - Rotate 3D; Tabulated Surface; Ruled Surface;Variáveis Surftab; Edge Surface; 3Dface "
     "; Viewports",
     "QVACAD3D06", "2806", c06},
    {"CACAD3D", 7, "07 - Revisão", "QVACAD3D06-1", "2807", sóInicia},
    {"CACAD3D", 8, "08 - Exercício Fixação", "QVACAD3D08", "2808", c08},
    {"CACAD3D", 9, "09 - Objetos primitivos em 3D; Wedge; Dome; Sphere; Cone; Torus; Dish; Mesh",
     "QVACAD3D09", "2809", c09},
    {"CACAD3D", 10, "10 - Exercício Fixação", "QVACAD3D10", "2810", sóInicia},
    {"CACAD3D", 11,
     "11 -  Booleanas; Subtract ; Union; Wedge; Interference; Seções; Slice; Mirror; Array; "
     "Align; Region; Extrude",
     "QVACAD3D11", "2811", sóInicia},
    {"CACAD3D", 12, "12 - Modelar paredes; Vãos", "QVACAD3D12", "2812", c12},
    {"CACAD3D", 13, "13 - Exercício Fixação", "QVACAD3D13", "2813", c13},
    {"CACAD3D", 14, "14 - Portas e janelas; Definir ponto de inserção; Inserir blocos",
     "QVACAD3D14", "2814", c14},
    {"CACAD3D", 15, "15 - Exercício Fixação", "QVACAD3D15", "2815", c15},
    {"CACAD3D", 16, "16 - Definir ponto de inserção; Inserir blocos", "QVACAD3D16", "2816", c16},
    {"CACAD3D", 17,
     "17 - Cortes e Perspectivas; Zoom; target; Pan; Distance; Rotacionar objetos; Ajustar "
     "vistas; Dview",
     "QVACAD3D17", "2817", c17},
    {"CACAD3D", 18, "18 - Exercício Fixação", "QVACAD3D18", "2818", c18},
    {"CACAD3D", 19,
     "19 - Plotagem; Model Space; Paper Space; Ajustar escala de impressão; Imprimir - Plot",
     "QVACAD3D19", "2819", c19},
    {"CACAD3D", 20, "20 - Exercício Fixação", "QVACAD3D20", "2820", c20},
    {"CACAD3D", 21, "21 - Slides; VSLIDE;  Criar Script", "QVACAD3D21", "2821", c21},
    {"CACAD3D", 22, "22 - Exercício Fixação", "QVACAD3D22", "2822", c22},
    {"CACAD3D", 23, "23 - Renderização; luzes; Sombras; luz do sol; cenas", "QVACAD3D23", "2823",
     sóInicia},
    {"CACAD3D", 24,
     "24 - Materiais; Ambient; Refletion; Transparency; Refraction; Bump Map; Mapa de "
     "Transparência",
     "QVACAD3D24", "2824", c24},
    {"CACAD3D", 25, "25 - Biblioteca de Materiais; Remover material aplicado; Mapeamento",
     "QVACAD3D25", "2825", c25},
    {"CACAD3D", 26, "26 - Exercício Fixação", "QVACAD3D26", "2826", c26},
    {"CACAD3D", 27,
     "27 - Outros tipos de mapeamento; Inserir bloco; Mapeamento esférico; Vidro; Perspectiva "
     "interna",
     "QVACAD3D27", "2827", c27},
    {"CACAD3D", 28, "28 - Exercício Fixação", "QVACAD3D28", "2828", c28},
    {"CACAD3D", 29, "29 - Vista renderizada; Ativar PhotoShop; Definir Fog; Landscape New",
     "QVACAD3D29", "2829", c29},
    {"CACAD3D", 30, "30 - 3D ORBIT; 3DPAN; 3DZOOM; 3DCORBIT; 3DSWIVEL; 3DDISTANCE; 3DCLIP",
     "QVACAD3D30", "2830", c30},
};

} // namespace

const MenuCurso cursoAutoCad2D{"cAutoCad0", "AutoCad 2D I", true, autoCad2D};
const MenuCurso cursoAutoCad2DII{"cAutoCad00", "AutoCad 2D II", true, autoCad2DII};
const MenuCurso cursoAutoCad3D{"CACAD3D00", "AutoCAD 3D", true, autoCad3D};

} // namespace catalogo
