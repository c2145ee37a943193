// qv_olho [--titulo TITLE] WINDOW X Y WIDTH HEIGHT PREVIOUS SECONDS [FILE.ppm]
//
// Looks at a rectangle of a window's own area (X, Y relative to it) every 5 ms until it shows
// something else than PREVIOUS (a hash printed by an earlier call; "-" matches nothing), for at
// most SECONDS seconds (0: one look). Then prints, one a line:
//   the hash of what it saw last (16 hex digits);
//   "foco ID": the window that has the keyboard focus;
//   "janela ID": with --titulo, each window on the screen whose title is exactly TITLE;
// and, when a file is given, writes the picture there (binary PPM). Exit status: 0 when the
// rectangle changed, 1 when the time ran out, 2 for bad arguments or a window never seen.
//
// The acceptance scripts wait with it for each page change of the lesson panel and read what
// they check after it: one process per page instead of a screenshot program per poll and a
// window search per check.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Formato {
    int bitsPorPixel = 0;
    int preenchimento = 0; // scanline pad, bits
    std::uint32_t vermelho = 0, verde = 0, azul = 0;
};

int deslocamento(std::uint32_t máscara) {
    int d = 0;
    while (máscara && !(máscara & 1)) {
        máscara >>= 1;
        ++d;
    }
    return d;
}

bool formatoDe(const xcb_setup_t* setup, std::uint8_t profundidade, xcb_visualid_t visual,
               Formato& f) {
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it))
        if (it.data->depth == profundidade) {
            f.bitsPorPixel = it.data->bits_per_pixel;
            f.preenchimento = it.data->scanline_pad;
        }
    for (auto t = xcb_setup_roots_iterator(setup); t.rem; xcb_screen_next(&t))
        for (auto d = xcb_screen_allowed_depths_iterator(t.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual) {
                    f.vermelho = v.data->red_mask;
                    f.verde = v.data->green_mask;
                    f.azul = v.data->blue_mask;
                }
    return f.bitsPorPixel == 32 && f.vermelho && f.verde && f.azul;
}

// The rectangle as RGB bytes, row after row; empty when the window cannot be read.
std::vector<std::uint8_t> olhar(xcb_connection_t* c, xcb_window_t janela, int x, int y, int l,
                                int a) {
    xcb_generic_error_t* erro = nullptr;
    xcb_get_image_reply_t* r = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, janela, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), static_cast<std::uint16_t>(l),
                      static_cast<std::uint16_t>(a), ~0u),
        &erro);
    std::free(erro);
    std::vector<std::uint8_t> rgb;
    Formato f;
    const bool msb = xcb_get_setup(c)->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    if (r && formatoDe(xcb_get_setup(c), r->depth, r->visual, f)) {
        const auto* dados = xcb_get_image_data(r);
        const int linha =
            ((l * f.bitsPorPixel + f.preenchimento - 1) / f.preenchimento) * f.preenchimento / 8;
        if (xcb_get_image_data_length(r) >= linha * a) {
            rgb.reserve(static_cast<std::size_t>(l) * a * 3);
            const int dv = deslocamento(f.vermelho), dg = deslocamento(f.verde),
                      da = deslocamento(f.azul);
            for (int j = 0; j < a; ++j)
                for (int i = 0; i < l; ++i) {
                    const std::uint8_t* b = dados + j * linha + i * 4;
                    const std::uint32_t p =
                        msb ? (std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 |
                               std::uint32_t(b[2]) << 8 | b[3])
                            : (std::uint32_t(b[3]) << 24 | std::uint32_t(b[2]) << 16 |
                               std::uint32_t(b[1]) << 8 | b[0]);
                    rgb.push_back(static_cast<std::uint8_t>((p & f.vermelho) >> dv));
                    rgb.push_back(static_cast<std::uint8_t>((p & f.verde) >> dg));
                    rgb.push_back(static_cast<std::uint8_t>((p & f.azul) >> da));
                }
        }
    }
    std::free(r);
    return rgb;
}

std::string resumo(const std::vector<std::uint8_t>& dados) {
    std::uint64_t h = 1469598103934665603ull; // FNV-1a
    for (std::uint8_t b : dados) {
        h ^= b;
        h *= 1099511628211ull;
    }
    char texto[17];
    std::snprintf(texto, sizeof texto, "%016llx", static_cast<unsigned long long>(h));
    return texto;
}

std::string propriedade(xcb_connection_t* c, xcb_get_property_cookie_t pedido) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, pedido, nullptr);
    std::string valor;
    if (r && r->format == 8)
        valor.assign(static_cast<const char*>(xcb_get_property_value(r)),
                     static_cast<std::size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return valor;
}

xcb_atom_t átomo(xcb_connection_t* c, const char* nome) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

std::vector<xcb_window_t> filhas(xcb_connection_t* c, xcb_window_t janela) {
    std::vector<xcb_window_t> lista;
    if (xcb_query_tree_reply_t* r = xcb_query_tree_reply(c, xcb_query_tree(c, janela), nullptr)) {
        const xcb_window_t* f = xcb_query_tree_children(r);
        lista.assign(f, f + xcb_query_tree_children_length(r));
        std::free(r);
    }
    return lista;
}

// The windows on the screen titled exactly so: the root's children and theirs (a window
// manager's frame holds the client), mapped and viewable, by their UTF-8 or Latin-1 title.
std::vector<xcb_window_t> comTítulo(xcb_connection_t* c, xcb_window_t raiz,
                                    const std::string& título) {
    const xcb_atom_t nomeNet = átomo(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = átomo(c, "UTF8_STRING");
    std::vector<xcb_window_t> candidatas;
    for (xcb_window_t f : filhas(c, raiz)) {
        candidatas.push_back(f);
        for (xcb_window_t n : filhas(c, f))
            candidatas.push_back(n);
    }
    std::vector<xcb_get_window_attributes_cookie_t> atributos;
    std::vector<xcb_get_property_cookie_t> net, antigo;
    for (xcb_window_t w : candidatas) {
        atributos.push_back(xcb_get_window_attributes(c, w));
        net.push_back(xcb_get_property(c, 0, w, nomeNet, utf8, 0, 1024));
        antigo.push_back(xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 1024));
    }
    std::vector<xcb_window_t> achadas;
    for (std::size_t i = 0; i < candidatas.size(); ++i) {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c, atributos[i], nullptr);
        const bool visível = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(a);
        std::string nome = propriedade(c, net[i]);
        const std::string latin1 = propriedade(c, antigo[i]);
        if (nome.empty()) // Latin-1 to UTF-8
            for (unsigned char ch : latin1) {
                if (ch < 0x80) {
                    nome += static_cast<char>(ch);
                } else {
                    nome += static_cast<char>(0xC0 | ch >> 6);
                    nome += static_cast<char>(0x80 | (ch & 0x3F));
                }
            }
        if (visível && nome == título)
            achadas.push_back(candidatas[i]);
    }
    return achadas;
}

bool número(const char* texto, long mínimo, long máximo, long& valor) {
    char* fim = nullptr;
    valor = std::strtol(texto, &fim, 0);
    return *texto && !*fim && valor >= mínimo && valor <= máximo;
}

int uso() {
    std::fprintf(stderr,
                 "uso: qv_olho JANELA X Y LARGURA ALTURA ANTERIOR SEGUNDOS [ARQUIVO.ppm]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string título;
    bool comTítuloPedido = false;
    if (argc > 2 && std::strcmp(argv[1], "--titulo") == 0) {
        título = argv[2];
        comTítuloPedido = true;
        argv += 2;
        argc -= 2;
    }
    if (argc != 8 && argc != 9)
        return uso();
    long janela, x, y, l, a, segundos;
    if (!número(argv[1], 1, 0xFFFFFFFFl, janela) || !número(argv[2], 0, 32767, x) ||
        !número(argv[3], 0, 32767, y) || !número(argv[4], 1, 4096, l) ||
        !número(argv[5], 1, 4096, a) || !número(argv[7], 0, 600, segundos))
        return uso();
    const std::string anterior = argv[6];

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "qv_olho: sem conexão com o servidor X\n");
        return 2;
    }
    const auto fim = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
    std::vector<std::uint8_t> visto;
    std::string hash;
    bool mudou = false;
    for (;;) {
        std::vector<std::uint8_t> agora =
            olhar(c, static_cast<xcb_window_t>(janela), static_cast<int>(x), static_cast<int>(y),
                  static_cast<int>(l), static_cast<int>(a));
        if (!agora.empty()) {
            visto = std::move(agora);
            hash = resumo(visto);
            if (hash != anterior) {
                mudou = true;
                break;
            }
        }
        if (std::chrono::steady_clock::now() >= fim)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (visto.empty()) {
        std::fprintf(stderr, "qv_olho: a janela %ld não pôde ser lida\n", janela);
        xcb_disconnect(c);
        return 2;
    }
    std::printf("%s\n", hash.c_str());
    if (xcb_get_input_focus_reply_t* f =
            xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)) {
        std::printf("foco %u\n", static_cast<unsigned>(f->focus));
        std::free(f);
    }
    if (comTítuloPedido) {
        const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        for (xcb_window_t w : comTítulo(c, raiz, título))
            std::printf("janela %u\n", static_cast<unsigned>(w));
    }
    xcb_disconnect(c);
    if (argc == 9) {
        if (std::FILE* f = std::fopen(argv[8], "wb")) {
            std::fprintf(f, "P6\n%ld %ld\n255\n", l, a);
            std::fwrite(visto.data(), 1, visto.size(), f);
            std::fclose(f);
        }
    }
    return mudou ? 0 : 1;
}
