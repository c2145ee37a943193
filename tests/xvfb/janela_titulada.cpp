// qv_janela_titulada [--so-wm-name] [--iconica] [--borda N] TITLE X Y WIDTH HEIGHT
//
// Opens a plain X window with the given title whose outer rectangle (frame included, under a
// window manager) starts at X, Y, and stays until it is killed or closed. Once the window is on
// the screen (first Expose, or WM_STATE Iconic when started iconic) it prints its window id in
// decimal and a newline on standard output.
//   --so-wm-name  sets only WM_NAME (Latin-1), not _NET_WM_NAME
//   --iconica     asks the window manager to map it iconified
//   --borda N     gives the window an X border N pixels wide (window managers usually drop it)

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// UTF-8 to Latin-1; characters beyond U+00FF and malformed bytes become '?'.
std::string paraLatin1(std::string_view utf8) {
    std::string saída;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80             ? 0
                          : (b & 0xE0) == 0xC0 ? 1
                          : (b & 0xF0) == 0xE0 ? 2
                          : (b & 0xF8) == 0xF0 ? 3
                                               : -1;
        if (extra < 0) {
            saída += '?';
            ++i;
            continue;
        }
        std::uint32_t ponto = extra == 0 ? b : (b & (0x3F >> extra));
        bool válido = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= utf8.size()) {
                válido = false;
                break;
            }
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                válido = false;
                break;
            }
            ponto = (ponto << 6) | (c & 0x3F);
        }
        if (!válido) {
            saída += '?';
            ++i;
            continue;
        }
        saída += ponto <= 0xFF ? static_cast<char>(ponto) : '?';
        i += 1 + extra;
    }
    return saída;
}

xcb_atom_t átomo(xcb_connection_t* c, const char* nome) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

int inteiro(const char* texto, bool& ok) {
    char* fim = nullptr;
    const long v = std::strtol(texto, &fim, 10);
    if (!*texto || *fim || v < -32768 || v > 32767)
        ok = false;
    return static_cast<int>(v);
}

int uso() {
    std::fprintf(stderr,
                 "uso: qv_janela_titulada [--so-wm-name] [--iconica] [--borda N] TÍTULO X Y "
                 "LARGURA ALTURA\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool sóWmName = false, icônica = false;
    int borda = 0;
    int i = 1;
    for (; i < argc && std::string_view(argv[i]).starts_with("--"); ++i) {
        const std::string_view opção(argv[i]);
        if (opção == "--so-wm-name")
            sóWmName = true;
        else if (opção == "--iconica")
            icônica = true;
        else if (opção == "--borda" && i + 1 < argc) {
            bool ok = true;
            borda = inteiro(argv[++i], ok);
            if (!ok || borda < 0 || borda > 100)
                return uso();
        } else
            return uso();
    }
    if (argc - i != 5)
        return uso();
    const std::string título = argv[i];
    bool ok = true;
    const int x = inteiro(argv[i + 1], ok), y = inteiro(argv[i + 2], ok);
    const int largura = inteiro(argv[i + 3], ok), altura = inteiro(argv[i + 4], ok);
    if (!ok || largura < 1 || altura < 1)
        return uso();

    int númeroTela = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &númeroTela);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "qv_janela_titulada: sem conexão com o servidor X\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int n = 0; n < númeroTela && it.rem > 0; ++n)
        xcb_screen_next(&it);
    const xcb_screen_t* tela = it.data;

    const xcb_window_t janela = xcb_generate_id(c);
    // In the order of the value mask's bits.
    const std::array<std::uint32_t, 3> valores{
        tela->white_pixel, tela->black_pixel,
        XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, janela, tela->root, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), static_cast<std::uint16_t>(largura),
                      static_cast<std::uint16_t>(altura), static_cast<std::uint16_t>(borda),
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, tela->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_BORDER_PIXEL | XCB_CW_EVENT_MASK, valores.data());

    const xcb_atom_t wmState = átomo(c, "WM_STATE");
    const xcb_atom_t utf8 = átomo(c, "UTF8_STRING");
    const xcb_atom_t wmProtocols = átomo(c, "WM_PROTOCOLS");
    const xcb_atom_t wmDelete = átomo(c, "WM_DELETE_WINDOW");

    const std::string latin1 = paraLatin1(título);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        latin1.size(), latin1.data());
    if (!sóWmName)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, átomo(c, "_NET_WM_NAME"), utf8, 8,
                            título.size(), título.data());
    static constexpr char classe[] = "qv_janela_titulada\0QvJanelaTitulada";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        sizeof classe, classe);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, wmProtocols, XCB_ATOM_ATOM, 32, 1,
                        &wmDelete);

    // WM_NORMAL_HINTS: position and size given by the user, north-west gravity, so the frame's
    // top-left corner lands on x, y.
    std::array<std::uint32_t, 18> dicas{};
    dicas[0] = 1 | 2 | 4 | 8 | 512; // USPosition USSize PPosition PSize PWinGravity
    dicas[1] = static_cast<std::uint32_t>(x);
    dicas[2] = static_cast<std::uint32_t>(y);
    dicas[3] = static_cast<std::uint32_t>(largura);
    dicas[4] = static_cast<std::uint32_t>(altura);
    dicas[17] = XCB_GRAVITY_NORTH_WEST;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, dicas.size(), dicas.data());
    // WM_HINTS: takes the input focus; initial state normal (1) or iconic (3).
    std::array<std::uint32_t, 9> wmHints{};
    wmHints[0] = 1 | 2; // InputHint StateHint
    wmHints[1] = 1;
    wmHints[2] = icônica ? 3 : 1;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, janela, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        wmHints.size(), wmHints.data());

    xcb_map_window(c, janela);
    xcb_flush(c);

    bool anunciada = false;
    auto anunciar = [&] {
        if (anunciada)
            return;
        anunciada = true;
        std::printf("%u\n", static_cast<unsigned>(janela));
        std::fflush(stdout);
    };
    while (xcb_generic_event_t* evento = xcb_wait_for_event(c)) {
        switch (evento->response_type & 0x7F) {
        case XCB_EXPOSE:
            anunciar();
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(evento);
            if (e->atom != wmState || e->state != XCB_PROPERTY_NEW_VALUE)
                break;
            xcb_get_property_reply_t* r = xcb_get_property_reply(
                c, xcb_get_property(c, 0, janela, wmState, wmState, 0, 2), nullptr);
            if (r && r->format == 32 && xcb_get_property_value_length(r) >= 4 &&
                *static_cast<std::uint32_t*>(xcb_get_property_value(r)) == 3)
                anunciar();
            std::free(r);
            break;
        }
        case XCB_CLIENT_MESSAGE: {
            const auto* e = reinterpret_cast<xcb_client_message_event_t*>(evento);
            if (e->type == wmProtocols && e->data.data32[0] == wmDelete) {
                std::free(evento);
                xcb_disconnect(c);
                return 0;
            }
            break;
        }
        default:
            break;
        }
        std::free(evento);
    }
    xcb_disconnect(c);
    return 0;
}
