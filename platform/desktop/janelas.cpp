#include "janelas.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QRect>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

// Everything here talks to the X server through the xcb connection Qt already holds. Every reply
// is checked: a window may vanish between two requests, and its error then comes back as a
// failed reply instead of ending the program.

namespace vb {

namespace {

struct Liberar {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Resposta = std::unique_ptr<T, Liberar>;

// Wraps a reply, discarding the error that came with it (a missing reply already says enough).
template <class T> Resposta<T> resposta(T* r, xcb_generic_error_t* erro) {
    std::free(erro);
    return Resposta<T>(r);
}

// True when the request that gave this cookie failed.
bool falhou(xcb_connection_t* c, xcb_void_cookie_t cookie) {
    xcb_generic_error_t* erro = xcb_request_check(c, cookie);
    const bool houveErro = erro != nullptr;
    std::free(erro);
    return houveErro;
}

struct Átomos {
    xcb_atom_t wmState = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t netActiveWindow = XCB_ATOM_NONE;
    xcb_atom_t netSupportingWmCheck = XCB_ATOM_NONE;
    xcb_atom_t netSupported = XCB_ATOM_NONE;
    xcb_atom_t netFrameExtents = XCB_ATOM_NONE;
    xcb_atom_t netRequestFrameExtents = XCB_ATOM_NONE;
};

struct X11 {
    xcb_connection_t* c;
    xcb_window_t raiz;
    const Átomos* átomos;
};

const Átomos& átomosDe(xcb_connection_t* c) {
    // One set per connection; an application holds one connection for its whole life.
    static xcb_connection_t* dono = nullptr;
    static Átomos átomos;
    if (dono == c)
        return átomos;
    const std::array<std::pair<const char*, xcb_atom_t*>, 8> nomes{{
        {"WM_STATE", &átomos.wmState},
        {"_NET_WM_NAME", &átomos.netWmName},
        {"UTF8_STRING", &átomos.utf8String},
        {"_NET_ACTIVE_WINDOW", &átomos.netActiveWindow},
        {"_NET_SUPPORTING_WM_CHECK", &átomos.netSupportingWmCheck},
        {"_NET_SUPPORTED", &átomos.netSupported},
        {"_NET_FRAME_EXTENTS", &átomos.netFrameExtents},
        {"_NET_REQUEST_FRAME_EXTENTS", &átomos.netRequestFrameExtents},
    }};
    std::array<xcb_intern_atom_cookie_t, nomes.size()> cookies;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        cookies[i] = xcb_intern_atom(c, 0, std::strlen(nomes[i].first), nomes[i].first);
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        xcb_generic_error_t* erro = nullptr;
        auto r = resposta(xcb_intern_atom_reply(c, cookies[i], &erro), erro);
        *nomes[i].second = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    dono = c;
    return átomos;
}

xcb_window_t raizDe(xcb_connection_t* c) {
    // The screen named by DISPLAY, as Qt itself chose it.
    char* máquina = nullptr;
    int número = 0, tela = 0;
    if (!xcb_parse_display(nullptr, &máquina, &número, &tela))
        tela = 0;
    std::free(máquina);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    const xcb_window_t primeira = it.rem > 0 ? it.data->root : xcb_window_t{XCB_WINDOW_NONE};
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i)
        if (i == tela)
            return it.data->root;
    return primeira;
}

// The X11 connection of the running application; none on other platforms (offscreen, Wayland).
std::optional<X11> conexão() {
    if (!qGuiApp)
        return std::nullopt;
    auto* nativa = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!nativa)
        return std::nullopt;
    xcb_connection_t* c = nativa->connection();
    if (!c || xcb_connection_has_error(c))
        return std::nullopt;
    const xcb_window_t raiz = raizDe(c);
    if (raiz == XCB_WINDOW_NONE)
        return std::nullopt;
    return X11{c, raiz, &átomosDe(c)};
}

// A property of format 32 as a list of values; empty when absent or of another type.
std::vector<std::uint32_t> valores32(xcb_connection_t* c, xcb_window_t janela, xcb_atom_t nome,
                                     xcb_atom_t tipo, std::uint32_t máximo) {
    if (nome == XCB_ATOM_NONE)
        return {};
    xcb_generic_error_t* erro = nullptr;
    auto r = resposta(
        xcb_get_property_reply(c, xcb_get_property(c, 0, janela, nome, tipo, 0, máximo), &erro),
        erro);
    if (!r || r->format != 32 || r->type != tipo)
        return {};
    const auto* dados = static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
    return {dados, dados + xcb_get_property_value_length(r.get()) / 4};
}

// A window manager owns the root's substructure redirection, EWMH or not.
bool gerenciadorPresente(const X11& x) {
    xcb_generic_error_t* erro = nullptr;
    auto r = resposta(
        xcb_get_window_attributes_reply(x.c, xcb_get_window_attributes(x.c, x.raiz), &erro), erro);
    return r && (r->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);
}

// An EWMH window manager runs (its check window names itself) and lists this hint as supported.
bool gerenciadorSuporta(const X11& x, xcb_atom_t dica) {
    if (dica == XCB_ATOM_NONE)
        return false;
    const auto verificação =
        valores32(x.c, x.raiz, x.átomos->netSupportingWmCheck, XCB_ATOM_WINDOW, 1);
    if (verificação.empty() || verificação[0] == XCB_WINDOW_NONE)
        return false;
    const auto própria =
        valores32(x.c, verificação[0], x.átomos->netSupportingWmCheck, XCB_ATOM_WINDOW, 1);
    if (própria.empty() || própria[0] != verificação[0])
        return false; // a check window left behind by a window manager that has gone
    const auto suportados = valores32(x.c, x.raiz, x.átomos->netSupported, XCB_ATOM_ATOM, 4096);
    return std::find(suportados.begin(), suportados.end(), dica) != suportados.end();
}

std::vector<xcb_window_t> filhas(xcb_connection_t* c, xcb_window_t janela) {
    xcb_generic_error_t* erro = nullptr;
    auto r = resposta(xcb_query_tree_reply(c, xcb_query_tree(c, janela), &erro), erro);
    if (!r)
        return {};
    const xcb_window_t* lista = xcb_query_tree_children(r.get());
    return {lista, lista + xcb_query_tree_children_length(r.get())};
}

struct Topo {
    xcb_window_t janela;
    bool visível;
    QRect externo; // geometry with the border, in root coordinates
};

// The root's children, topmost first, InputOnly windows left out. Windows gone meanwhile are
// dropped.
std::vector<Topo> topos(const X11& x) {
    const std::vector<xcb_window_t> lista = filhas(x.c, x.raiz); // bottom to top
    std::vector<xcb_get_window_attributes_cookie_t> atributos;
    std::vector<xcb_get_geometry_cookie_t> geometrias;
    atributos.reserve(lista.size());
    geometrias.reserve(lista.size());
    for (xcb_window_t j : lista) {
        atributos.push_back(xcb_get_window_attributes(x.c, j));
        geometrias.push_back(xcb_get_geometry(x.c, j));
    }
    std::vector<Topo> resultado;
    resultado.reserve(lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        xcb_generic_error_t* erro = nullptr;
        auto a = resposta(xcb_get_window_attributes_reply(x.c, atributos[i], &erro), erro);
        erro = nullptr;
        auto g = resposta(xcb_get_geometry_reply(x.c, geometrias[i], &erro), erro);
        if (!a || !g || a->_class == XCB_WINDOW_CLASS_INPUT_ONLY)
            continue;
        const int borda = 2 * g->border_width;
        resultado.push_back({lista[i], a->map_state == XCB_MAP_STATE_VIEWABLE,
                             QRect(g->x, g->y, g->width + borda, g->height + borda)});
    }
    std::reverse(resultado.begin(), resultado.end());
    return resultado;
}

constexpr int semEstado = -1;
constexpr int estadoNormal = 1;
constexpr int estadoIcônico = 3;

struct Cliente {
    xcb_window_t janela;
    int estado; // WM_STATE's state, or semEstado when no window below the top-level carries it
};

// The client window inside a top-level: the first window, breadth first, that carries WM_STATE.
// Without a window manager nothing carries it and the top-level is the client.
Cliente clienteDe(const X11& x, xcb_window_t topo) {
    constexpr std::size_t limite = 256; // a frame holds a handful of decoration windows
    std::vector<xcb_window_t> nível{topo};
    std::size_t vistas = 0;
    while (!nível.empty() && vistas < limite) {
        std::vector<xcb_get_property_cookie_t> estados;
        estados.reserve(nível.size());
        for (xcb_window_t j : nível)
            estados.push_back(
                xcb_get_property(x.c, 0, j, x.átomos->wmState, x.átomos->wmState, 0, 2));
        std::optional<Cliente> achado;
        for (std::size_t i = 0; i < nível.size(); ++i) {
            xcb_generic_error_t* erro = nullptr;
            auto r = resposta(xcb_get_property_reply(x.c, estados[i], &erro), erro);
            if (achado || !r || r->type != x.átomos->wmState || r->format != 32 ||
                xcb_get_property_value_length(r.get()) < 4)
                continue;
            const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
            achado = Cliente{nível[i], static_cast<int>(v[0])};
        }
        if (achado)
            return *achado;
        vistas += nível.size();
        std::vector<xcb_query_tree_cookie_t> árvores;
        árvores.reserve(nível.size());
        for (xcb_window_t j : nível)
            árvores.push_back(xcb_query_tree(x.c, j));
        std::vector<xcb_window_t> próximo;
        for (auto& cookie : árvores) {
            xcb_generic_error_t* erro = nullptr;
            auto r = resposta(xcb_query_tree_reply(x.c, cookie, &erro), erro);
            if (!r)
                continue;
            const xcb_window_t* lista = xcb_query_tree_children(r.get());
            próximo.insert(próximo.end(), lista, lista + xcb_query_tree_children_length(r.get()));
        }
        nível = std::move(próximo);
    }
    return {topo, semEstado};
}

// The root's child that holds the window (the frame under a window manager).
std::optional<xcb_window_t> topoDe(const X11& x, xcb_window_t janela) {
    for (int profundidade = 0; profundidade < 64; ++profundidade) {
        xcb_generic_error_t* erro = nullptr;
        auto r = resposta(xcb_query_tree_reply(x.c, xcb_query_tree(x.c, janela), &erro), erro);
        if (!r)
            return std::nullopt;
        if (r->parent == x.raiz || r->parent == XCB_WINDOW_NONE)
            return janela;
        janela = r->parent;
    }
    return std::nullopt;
}

QString textoDe(const xcb_get_property_reply_t* r, bool utf8) {
    const char* dados = static_cast<const char*>(xcb_get_property_value(r));
    const int tamanho = xcb_get_property_value_length(r);
    return utf8 ? QString::fromUtf8(dados, tamanho) : QString::fromLatin1(dados, tamanho);
}

// The title: _NET_WM_NAME (UTF-8), else WM_NAME (Latin-1, or UTF-8 when so typed).
std::optional<QString> títuloDe(const X11& x, xcb_window_t janela) {
    constexpr std::uint32_t máximo = 16384; // in 32-bit units: 64 KiB of title
    const auto net =
        xcb_get_property(x.c, 0, janela, x.átomos->netWmName, x.átomos->utf8String, 0, máximo);
    const auto icccm =
        xcb_get_property(x.c, 0, janela, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, máximo);
    xcb_generic_error_t* erro = nullptr;
    auto rNet = resposta(xcb_get_property_reply(x.c, net, &erro), erro);
    erro = nullptr;
    auto rIcccm = resposta(xcb_get_property_reply(x.c, icccm, &erro), erro);
    if (rNet && rNet->type == x.átomos->utf8String && rNet->format == 8)
        return textoDe(rNet.get(), true);
    if (rIcccm && rIcccm->type != XCB_ATOM_NONE && rIcccm->format == 8)
        return textoDe(rIcccm.get(), rIcccm->type == x.átomos->utf8String);
    return std::nullopt;
}

// Windows-1252 bytes 0x80-0x9F; the five bytes the code page leaves unassigned map to
// themselves.
constexpr std::array<char32_t, 32> cp1252Alto{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QByteArray paraWindows1252(const QString& texto) {
    QByteArray bytes;
    const QList<uint> pontos = texto.toUcs4();
    bytes.reserve(pontos.size());
    for (uint p : pontos) {
        if (p < 0x80 || (p >= 0xA0 && p <= 0xFF)) {
            bytes.append(static_cast<char>(p));
            continue;
        }
        const auto it = std::find(cp1252Alto.begin(), cp1252Alto.end(), static_cast<char32_t>(p));
        bytes.append(it == cp1252Alto.end() ? '?'
                                            : static_cast<char>(0x80 + (it - cp1252Alto.begin())));
    }
    return bytes;
}

QByteArray títuloEm1252(Hwnd janela) {
    if (janela == 0)
        return {};
    const auto x = conexão();
    if (!x)
        return {};
    const auto título = títuloDe(*x, janela);
    return título ? paraWindows1252(*título) : QByteArray();
}

// Raises the window's top-level and gives the window the input focus; for a display without a
// window manager, where nobody else would do it.
bool elevarEFocar(const X11& x, xcb_window_t janela) {
    const auto topo = topoDe(x, janela);
    if (!topo)
        return false;
    const std::uint32_t acima = XCB_STACK_MODE_ABOVE;
    const auto elevar =
        xcb_configure_window_checked(x.c, *topo, XCB_CONFIG_WINDOW_STACK_MODE, &acima);
    const auto focar =
        xcb_set_input_focus_checked(x.c, XCB_INPUT_FOCUS_PARENT, janela, XCB_CURRENT_TIME);
    const bool erroElevar = falhou(x.c, elevar);
    const bool erroFocar = falhou(x.c, focar);
    return !erroElevar && !erroFocar;
}

struct Margens {
    int esquerda = 0, direita = 0, topo = 0, base = 0;
};

std::optional<Margens> margensDaMoldura(const X11& x, xcb_window_t janela) {
    const auto v = valores32(x.c, janela, x.átomos->netFrameExtents, XCB_ATOM_CARDINAL, 4);
    if (v.size() != 4)
        return std::nullopt;
    return Margens{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                   static_cast<int>(v[3])};
}

// Asks the window manager for the frame it will give a window not yet mapped, and waits
// briefly for the answer.
std::optional<Margens> pedirMargens(const X11& x, xcb_window_t janela) {
    if (!gerenciadorSuporta(x, x.átomos->netRequestFrameExtents))
        return std::nullopt;
    xcb_client_message_event_t pedido{};
    pedido.response_type = XCB_CLIENT_MESSAGE;
    pedido.format = 32;
    pedido.window = janela;
    pedido.type = x.átomos->netRequestFrameExtents;
    xcb_send_event(x.c, 0, x.raiz,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&pedido));
    xcb_flush(x.c);
    QDeadlineTimer prazo(500);
    while (!prazo.hasExpired()) {
        if (auto m = margensDaMoldura(x, janela))
            return m;
        QThread::msleep(5);
    }
    return std::nullopt;
}

// The outer rectangle of the window's top-level as the server has it.
std::optional<QRect> retânguloExterno(const X11& x, xcb_window_t janela) {
    const auto topo = topoDe(x, janela);
    if (!topo)
        return std::nullopt;
    xcb_generic_error_t* erro = nullptr;
    auto g = resposta(xcb_get_geometry_reply(x.c, xcb_get_geometry(x.c, *topo), &erro), erro);
    if (!g)
        return std::nullopt;
    const int borda = 2 * g->border_width;
    return QRect(g->x, g->y, g->width + borda, g->height + borda);
}

bool mapeada(const X11& x, xcb_window_t janela) {
    xcb_generic_error_t* erro = nullptr;
    auto a = resposta(
        xcb_get_window_attributes_reply(x.c, xcb_get_window_attributes(x.c, janela), &erro), erro);
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

QRect clienteParaMoldura(const QRect& externo, const Margens& m) {
    return QRect(externo.x() + m.esquerda, externo.y() + m.topo,
                 std::max(1, externo.width() - m.esquerda - m.direita),
                 std::max(1, externo.height() - m.topo - m.base));
}

// Gives a window its client rectangle. A window of fixed size (minimum and maximum equal) stays
// fixed at the new size: the program sizes it, the student cannot resize or maximize it.
void colocar(QWidget* janela, const QRect& cliente) {
    if (janela->minimumSize() == janela->maximumSize())
        janela->setFixedSize(cliente.size());
    janela->setGeometry(cliente);
}

// The frame's size is final only once the window manager has mapped it: until then (or for a
// short while) this brings the outer rectangle to the one asked for, then goes away so that the
// student may move the window.
class AjusteDeMoldura : public QObject {
  public:
    static constexpr const char* nome = "qv_ajuste_de_moldura";

    AjusteDeMoldura(QWidget* janela, const QRect& externo) : QObject(janela), alvo(externo) {
        setObjectName(nome);
        prazo.setRemainingTime(3000);
        relógio.setInterval(20);
        connect(&relógio, &QTimer::timeout, this, [this, janela] { verificar(janela); });
        relógio.start();
    }

  private:
    void verificar(QWidget* janela) {
        const auto x = conexão();
        if (!x || prazo.hasExpired()) {
            deleteLater();
            return;
        }
        const auto id = static_cast<xcb_window_t>(janela->internalWinId());
        if (id == 0 || !mapeada(*x, id))
            return;
        const auto externo = retânguloExterno(*x, id);
        if (externo && *externo == alvo) {
            deleteLater();
            return;
        }
        Margens m;
        if (const auto net = margensDaMoldura(*x, id)) {
            m = *net;
        } else {
            const QMargins q =
                janela->windowHandle() ? janela->windowHandle()->frameMargins() : QMargins();
            m = {q.left(), q.right(), q.top(), q.bottom()};
        }
        const QRect cliente = clienteParaMoldura(alvo, m);
        if (janela->geometry() != cliente)
            colocar(janela, cliente);
    }

    QRect alvo;
    QDeadlineTimer prazo;
    QTimer relógio;
};

// Without a window manager nobody keeps a window above the others: this raises the panel again
// whenever another managed-style window is mapped or restacked. Override-redirect windows (menus,
// tooltips) and the program's own windows that stay on top (its message boxes) are left above it.
class MantémNoTopo : public QObject, public QAbstractNativeEventFilter {
  public:
    static constexpr const char* nome = "qv_mantem_no_topo";

    MantémNoTopo(QWidget* janela, const X11& x) : QObject(janela), painel(janela), raiz(x.raiz) {
        setObjectName(nome);
        xcb_generic_error_t* erro = nullptr;
        auto a = resposta(
            xcb_get_window_attributes_reply(x.c, xcb_get_window_attributes(x.c, x.raiz), &erro),
            erro);
        const std::uint32_t máscara =
            (a ? a->your_event_mask : 0) | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x.c, x.raiz, XCB_CW_EVENT_MASK, &máscara);
        xcb_flush(x.c);
        qApp->installNativeEventFilter(this);
    }
    ~MantémNoTopo() override {
        if (qApp)
            qApp->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& tipo, void* mensagem, qintptr*) override {
        if (!painel || !painel->isVisible() || tipo != "xcb_generic_event_t")
            return false;
        const auto própria = static_cast<xcb_window_t>(painel->internalWinId());
        const auto* evento = static_cast<const xcb_generic_event_t*>(mensagem);
        xcb_window_t outra = 0; // a window mapped or restacked at the top level
        switch (evento->response_type & 0x7F) {
        case XCB_MAP_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(evento);
            if (e->event == raiz && !e->override_redirect)
                outra = e->window;
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(evento);
            if (e->event == raiz && !e->override_redirect)
                outra = e->window;
            break;
        }
        case XCB_CIRCULATE_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_circulate_notify_event_t*>(evento);
            if (e->event == raiz)
                outra = e->window;
            break;
        }
        default:
            break;
        }
        if (outra == 0 || outra == própria || própria == 0)
            return false;
        // The program's own boxes that stay on top (a message raised over the panel) keep their
        // place above it: they are raised again after it.
        std::vector<xcb_window_t> acima;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != painel && w->isVisible() && w->internalWinId() &&
                w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                acima.push_back(static_cast<xcb_window_t>(w->internalWinId()));
        if (std::find(acima.begin(), acima.end(), outra) != acima.end())
            return false;
        if (const auto x = conexão()) {
            const std::uint32_t modo = XCB_STACK_MODE_ABOVE;
            acima.insert(acima.begin(), própria);
            for (const xcb_window_t janela : acima)
                xcb_discard_reply(x->c, xcb_configure_window_checked(
                                            x->c, janela, XCB_CONFIG_WINDOW_STACK_MODE, &modo)
                                            .sequence);
            xcb_flush(x->c);
        }
        return false;
    }

  private:
    QPointer<QWidget> painel;
    xcb_window_t raiz;
};

} // namespace

Hwnd WindowFromPoint(int x, int y) {
    const auto x11 = conexão();
    if (!x11)
        return 0;
    for (const Topo& t : topos(*x11)) {
        if (!t.visível || !t.externo.contains(x, y))
            continue;
        const Cliente cliente = clienteDe(*x11, t.janela);
        if (cliente.estado == estadoIcônico)
            continue;
        return cliente.janela;
    }
    return 0;
}

int GetWindowTextLengthA(Hwnd janela) {
    return static_cast<int>(títuloEm1252(janela).size());
}

int GetWindowTextA(Hwnd janela, char* buffer, int máximo) {
    if (!buffer || máximo < 1)
        return 0;
    const QByteArray título = títuloEm1252(janela);
    const int n = std::min(static_cast<int>(título.size()), máximo - 1);
    std::memcpy(buffer, título.constData(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

bool AtivarJanela(Hwnd janela) {
    if (janela == 0)
        return false;
    const auto x = conexão();
    if (!x)
        return false;
    xcb_generic_error_t* erro = nullptr;
    auto atributos = resposta(
        xcb_get_window_attributes_reply(x->c, xcb_get_window_attributes(x->c, janela), &erro),
        erro);
    if (!atributos)
        return false; // no such window (any more)
    bool feito;
    if (gerenciadorSuporta(*x, x->átomos->netActiveWindow)) {
        xcb_client_message_event_t pedido{};
        pedido.response_type = XCB_CLIENT_MESSAGE;
        pedido.format = 32;
        pedido.window = janela;
        pedido.type = x->átomos->netActiveWindow;
        pedido.data.data32[0] = 2; // the request comes on the user's behalf (like a pager)
        pedido.data.data32[1] = XCB_CURRENT_TIME;
        pedido.data.data32[2] = XCB_WINDOW_NONE;
        feito = !falhou(x->c, xcb_send_event_checked(x->c, 0, x->raiz,
                                                     XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                                                         XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                                                     reinterpret_cast<const char*>(&pedido)));
    } else {
        feito = atributos->map_state == XCB_MAP_STATE_VIEWABLE && elevarEFocar(*x, janela);
    }
    xcb_flush(x->c);
    return feito;
}

bool AppActivate(const QString& título) {
    if (título.isEmpty())
        return false;
    const auto x = conexão();
    if (!x)
        return false;
    const bool comGerenciador = gerenciadorPresente(*x);
    std::optional<xcb_window_t> exata, começo;
    for (const Topo& t : topos(*x)) {
        if (!t.visível && !comGerenciador)
            continue; // without a window manager an unmapped top-level is a hidden window
        const Cliente cliente = clienteDe(*x, t.janela);
        const bool candidata = cliente.estado == estadoNormal || cliente.estado == estadoIcônico ||
                               (cliente.estado == semEstado && t.visível);
        if (!candidata)
            continue;
        const auto nome = títuloDe(*x, cliente.janela);
        if (!nome)
            continue;
        if (nome->compare(título, Qt::CaseInsensitive) == 0) {
            exata = cliente.janela;
            break;
        }
        if (!começo && nome->startsWith(título, Qt::CaseInsensitive))
            começo = cliente.janela;
    }
    const auto escolhida = exata ? exata : começo;
    return escolhida && AtivarJanela(*escolhida);
}

Hwnd JanelaDe(const QWidget* janela) {
    if (!janela || !conexão())
        return 0;
    const QWidget* topo = janela->window();
    if (!topo->isVisible())
        return 0;
    return static_cast<Hwnd>(topo->winId());
}

void FocarSemGerenciador(QWidget* janela) {
    if (!janela)
        return;
    const auto x = conexão();
    if (!x || gerenciadorPresente(*x))
        return;
    // Qt sets the input focus itself once the window is mapped (at once when it already is).
    janela->window()->activateWindow();
}

void PosicionarNoTopo(QWidget* janela, int x, int y, int largura, int altura) {
    if (!janela)
        return;
    // Changing the flags of a shown window hides it; it is shown again below.
    janela->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    janela->setAttribute(Qt::WA_ShowWithoutActivating, true);
    const QRect externo(x, y, std::max(1, largura), std::max(1, altura));
    const auto x11 = conexão();
    if (!x11 || !gerenciadorPresente(*x11)) {
        // No frame: the window is its outer rectangle.
        colocar(janela, externo);
        janela->show();
        if (x11 && !janela->findChild<QObject*>(MantémNoTopo::nome, Qt::FindDirectChildrenOnly))
            new MantémNoTopo(janela, *x11);
        return;
    }
    // With a window manager: ask for the frame beforehand when it can tell, so that the window
    // appears in place; the size it really gets is checked once it is mapped.
    const auto id = static_cast<xcb_window_t>(janela->winId());
    const Margens margens = pedirMargens(*x11, id).value_or(Margens{});
    colocar(janela, clienteParaMoldura(externo, margens));
    janela->show();
    delete janela->findChild<QObject*>(AjusteDeMoldura::nome, Qt::FindDirectChildrenOnly);
    new AjusteDeMoldura(janela, externo);
}

} // namespace vb
