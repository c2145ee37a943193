// Start-up time of programs to their first painted window, and their peak memory, measured from
// outside.
//
//   medir_inicio [--assentar MS] [--uso COMMAND] RUNS  NAME FOLDER PROGRAM TITLE  [...]
//
// Each program is started in its folder; the X server is watched until a viewable window
// carries the expected title ("shown") and until the program has drawn into that window
// ("painted"). The drawing is seen through the DAMAGE extension on the root window: every
// drawing on the screen is reported with its rectangle, and the first report that covers most
// of the titled window's area is the program's first paint of it (a program that puts its
// window on the screen draws all of it at once). Before each start the screen is left to settle,
// so that nothing drawn by the previous program is taken for the new one's paint.
//
// The processor time that the program (all its threads) has used by the time its paint is seen
// is read from /proc: the time spent waiting for a processor is left out of it, though a busy
// machine still slows it down.
//
// Once painted, the program is used by COMMAND when one is given (a shell command, run with the
// window's id in QV_JANELA: keys sent with xdotool, say), then left running for MS milliseconds
// (default 300: work that the program defers until after its first paint is done by then), then
// ended; its peak resident memory is the maximum resident set size that the kernel reports for
// it.
//
// The programs are run in turn, RUNS times each after one round that only warms the file cache;
// the median of each and its ratio to the first program (the floor) are printed.

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Relógio = std::chrono::steady_clock;

double Ms(Relógio::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// ---------------------------------------------------------------------------------------------
// The DAMAGE extension, by its wire protocol (the requests that this program needs).

xcb_extension_t extensãoDamage = {"DAMAGE", 0};

constexpr std::uint8_t DamageQueryVersion = 0, DamageCreate = 1;
constexpr std::uint8_t NívelRetângulosBrutos = 0; // every drawn rectangle is reported

struct PedidoVersão {
    std::uint8_t major, minor;
    std::uint16_t comprimento;
    std::uint32_t versãoMaior, versãoMenor;
};
struct PedidoCriar {
    std::uint8_t major, minor;
    std::uint16_t comprimento;
    std::uint32_t damage, drawable;
    std::uint8_t nível, pad[3];
};
struct EventoDamage {
    std::uint8_t tipo, nível;
    std::uint16_t sequência;
    std::uint32_t drawable, damage, horário;
    std::int16_t x, y;
    std::uint16_t largura, altura;
    std::int16_t gx, gy;
    std::uint16_t glargura, galtura;
};
static_assert(sizeof(EventoDamage) == 32);

template <class Pedido>
unsigned Enviar(xcb_connection_t* c, std::uint8_t código, Pedido& p, bool resposta) {
    const xcb_protocol_request_t pedido = {2, &extensãoDamage, código, std::uint8_t(!resposta)};
    iovec partes[4];
    partes[2].iov_base = &p;
    partes[2].iov_len = sizeof p;
    partes[3].iov_base = nullptr;
    partes[3].iov_len = -sizeof p & 3;
    return xcb_send_request(c, resposta ? XCB_REQUEST_CHECKED : 0, partes + 2, &pedido);
}

// Reports every drawing on the screen; returns the code of its events, or nothing when the
// server has no DAMAGE extension.
std::optional<std::uint8_t> VigiarDesenhos(xcb_connection_t* c, xcb_window_t raiz) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &extensãoDamage);
    if (!ext || !ext->present)
        return std::nullopt;
    PedidoVersão v{};
    v.versãoMaior = 1;
    v.versãoMenor = 1;
    xcb_generic_error_t* erro = nullptr;
    free(xcb_wait_for_reply(c, Enviar(c, DamageQueryVersion, v, true), &erro));
    if (erro) {
        free(erro);
        return std::nullopt;
    }
    PedidoCriar p{};
    p.damage = xcb_generate_id(c);
    p.drawable = raiz;
    p.nível = NívelRetângulosBrutos;
    Enviar(c, DamageCreate, p, false);
    xcb_flush(c);
    return ext->first_event;
}

// ---------------------------------------------------------------------------------------------
// Windows

std::string Título(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName) {
    for (xcb_atom_t prop : {netName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, prop, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (!r)
            continue;
        std::string s(static_cast<const char*>(xcb_get_property_value(r)),
                      xcb_get_property_value_length(r));
        free(r);
        if (!s.empty())
            return s;
    }
    return {};
}

// A viewable window (at any depth down to the window manager's frames' children) whose title
// is the one given.
xcb_window_t Achar(xcb_connection_t* c, xcb_window_t w, const std::string& título,
                   xcb_atom_t netName, int profundidade = 0) {
    xcb_query_tree_reply_t* árvore = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    if (!árvore)
        return XCB_WINDOW_NONE;
    const int n = xcb_query_tree_children_length(árvore);
    std::vector<xcb_window_t> filhos(xcb_query_tree_children(árvore),
                                     xcb_query_tree_children(árvore) + n);
    free(árvore);
    for (xcb_window_t f : filhos) {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, f), nullptr);
        const bool visível = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
        free(a);
        if (!visível)
            continue;
        if (Título(c, f, netName) == título)
            return f;
        if (profundidade < 2)
            if (xcb_window_t achada = Achar(c, f, título, netName, profundidade + 1))
                return achada;
    }
    return XCB_WINDOW_NONE;
}

struct Retângulo {
    int x = 0, y = 0, largura = 0, altura = 0;
    long área() const { return long(largura) * altura; }
    Retângulo interseção(const Retângulo& o) const {
        const int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
        const int x1 = std::min(x + largura, o.x + o.largura);
        const int y1 = std::min(y + altura, o.y + o.altura);
        return x1 > x0 && y1 > y0 ? Retângulo{x0, y0, x1 - x0, y1 - y0} : Retângulo{};
    }
};

// The window's rectangle on the screen.
std::optional<Retângulo> NaTela(xcb_connection_t* c, xcb_window_t w, xcb_window_t raiz) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, raiz, 0, 0), nullptr);
    std::optional<Retângulo> r;
    if (g && t)
        r = Retângulo{t->dst_x, t->dst_y, g->width, g->height};
    free(g);
    free(t);
    return r;
}

xcb_atom_t Átomo(xcb_connection_t* c, const char* nome) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

// ---------------------------------------------------------------------------------------------
// Runs

// Processor time used so far by every thread of a process, in milliseconds (-1 when unknown).
double TempoDeProcessador(pid_t pid) {
    const std::string tarefas = "/proc/" + std::to_string(pid) + "/task";
    DIR* d = opendir(tarefas.c_str());
    if (!d)
        return -1;
    double ns = 0;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream f(tarefas + "/" + e->d_name + "/schedstat");
        double naCpu = 0;
        if (f >> naCpu)
            ns += naCpu;
    }
    closedir(d);
    return ns / 1e6;
}

struct Programa {
    std::string nome, pasta, executável, título;
    std::vector<double> mostrada, pintada, processador, memóriaMiB;
};

struct Medida {
    double mostrada = -1, pintada = -1, processador = -1, memóriaMiB = -1;
};

struct Desenho {
    Relógio::time_point quando;
    Retângulo onde;
};

class Medidor {
  public:
    Medidor(xcb_connection_t* c, xcb_window_t raiz, std::optional<std::uint8_t> eventoDamage,
            int assentarMs, std::string uso)
        : c_(c), raiz_(raiz), eventoDamage_(eventoDamage), assentarMs_(assentarMs),
          uso_(std::move(uso)), netName_(Átomo(c, "_NET_WM_NAME")) {}

    Medida Medir(const Programa& p) {
        Assentar();
        desenhos_.clear();
        Medida m;
        const auto início = Relógio::now();
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(p.pasta.c_str()) != 0)
                _exit(127);
            execl(p.executável.c_str(), p.executável.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto limite = início + std::chrono::seconds(20);
        xcb_window_t janela = XCB_WINDOW_NONE;
        std::optional<Retângulo> área;
        int estado = 0;
        rusage uso{};
        bool terminou = false; // the program ended (it could not start, say) before its paint
        while (Relógio::now() < limite) {
            if (wait4(pid, &estado, WNOHANG, &uso) == pid) {
                terminou = true;
                std::fprintf(stderr, "medir_inicio: %s terminou antes de pintar a janela\n",
                             p.nome.c_str());
                break;
            }
            // Between drawings the window list is looked at every millisecond: often enough
            // for the measure, seldom enough to leave the X server to the program.
            Ler(1);
            if (!janela) {
                janela = Achar(c_, raiz_, p.título, netName_);
                if (!janela)
                    continue;
                m.mostrada = Ms(Relógio::now() - início);
                área = NaTela(c_, janela, raiz_);
                if (!eventoDamage_ || !área)
                    break;
            }
            if (const auto quando = PrimeiraPintura(*área)) {
                m.pintada = Ms(*quando - início);
                m.processador = TempoDeProcessador(pid);
                break;
            }
        }
        if (terminou)
            return Medida{};
        if (janela && !uso_.empty())
            Usar(janela);
        // Deferred work runs after the first paint; peak memory counts it too.
        const auto fimAssentar = Relógio::now() + std::chrono::milliseconds(assentarMs_);
        while (Relógio::now() < fimAssentar)
            Ler(5);
        kill(pid, SIGTERM);
        if (wait4(pid, &estado, 0, &uso) == pid && m.mostrada >= 0)
            m.memóriaMiB = uso.ru_maxrss / 1024.0; // kilobytes on Linux
        return m;
    }

  private:
    // Runs the command of use and waits for it, taking the X events meanwhile.
    void Usar(xcb_window_t janela) {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QV_JANELA", std::to_string(janela).c_str(), 1);
            execl("/bin/sh", "sh", "-c", uso_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int estado = 0;
        while (pid > 0 && waitpid(pid, &estado, WNOHANG) == 0)
            Ler(5);
    }

    // Takes the events that have come, waiting up to ms milliseconds for the first one.
    void Ler(int ms) {
        pollfd pfd{xcb_get_file_descriptor(c_), POLLIN, 0};
        poll(&pfd, 1, ms);
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
            if (eventoDamage_ && (e->response_type & 0x7f) == *eventoDamage_) {
                const auto* d = reinterpret_cast<const EventoDamage*>(e);
                desenhos_.push_back({Relógio::now(), {d->x, d->y, d->largura, d->altura}});
            }
            free(e);
        }
    }

    // Waits until nothing has been drawn on the screen for 100 ms (at most 3 s).
    void Assentar() {
        const auto limite = Relógio::now() + std::chrono::seconds(3);
        auto último = Relógio::now();
        while (Relógio::now() < limite &&
               Relógio::now() - último < std::chrono::milliseconds(100)) {
            const std::size_t antes = desenhos_.size();
            Ler(10);
            if (desenhos_.size() != antes)
                último = Relógio::now();
        }
    }

    // The time of the drawing with which the drawings since the start cover, together, at least
    // half of the window's area.
    std::optional<Relógio::time_point> PrimeiraPintura(const Retângulo& janela) const {
        long coberta = 0;
        for (const Desenho& d : desenhos_) {
            coberta += janela.interseção(d.onde).área();
            if (coberta * 2 >= janela.área())
                return d.quando;
        }
        return std::nullopt;
    }

    xcb_connection_t* c_;
    xcb_window_t raiz_;
    std::optional<std::uint8_t> eventoDamage_;
    int assentarMs_;
    std::string uso_;
    xcb_atom_t netName_;
    std::vector<Desenho> desenhos_;
};

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Razão(double a, double b) {
    return b > 0 ? a / b : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    int assentarMs = 300;
    std::string uso;
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--assentar") == 0)
            assentarMs = std::max(0, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--uso") == 0)
            uso = argv[i + 1];
        else
            break;
    }
    if (argc - i < 5 || (argc - i - 1) % 4 != 0) {
        std::fprintf(
            stderr, "uso: medir_inicio [--assentar MS] [--uso COMANDO] RODADAS NOME PASTA PROGRAMA "
                    "TÍTULO ...\n");
        return 2;
    }
    const int rodadas = std::max(1, std::atoi(argv[i]));
    std::vector<Programa> programas;
    for (int j = i + 1; j + 3 < argc; j += 4) {
        Programa p;
        p.nome = argv[j];
        p.pasta = argv[j + 1];
        p.executável = argv[j + 2];
        p.título = argv[j + 3];
        programas.push_back(std::move(p));
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "medir_inicio: sem servidor X\n");
        return 2;
    }
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::optional<std::uint8_t> eventoDamage = VigiarDesenhos(c, raiz);
    if (!eventoDamage)
        std::fprintf(stderr, "medir_inicio: o servidor X não tem a extensão DAMAGE; só a janela "
                             "mostrada é medida\n");
    Medidor medidor(c, raiz, eventoDamage, assentarMs, uso);

    for (int r = 0; r < rodadas + 1; ++r)
        for (Programa& p : programas) {
            const Medida m = medidor.Medir(p);
            if (r == 0) // the first round only warms the file cache
                continue;
            if (m.mostrada >= 0)
                p.mostrada.push_back(m.mostrada);
            if (m.pintada >= 0)
                p.pintada.push_back(m.pintada);
            if (m.processador >= 0)
                p.processador.push_back(m.processador);
            if (m.memóriaMiB >= 0)
                p.memóriaMiB.push_back(m.memóriaMiB);
        }

    const Programa& piso = programas[0];
    const double pisoMostrada = Mediana(piso.mostrada), pisoPintada = Mediana(piso.pintada),
                 pisoProcessador = Mediana(piso.processador),
                 pisoMemória = Mediana(piso.memóriaMiB);
    std::printf("%-12s %13s %7s %13s %7s %13s %7s %13s %7s %8s\n", "programa", "mostrada", "razão",
                "pintada", "razão", "CPU até pintar", "razão", "pico memória", "razão", "rodadas");
    for (const Programa& p : programas) {
        const double mostrada = Mediana(p.mostrada), pintada = Mediana(p.pintada),
                     processador = Mediana(p.processador), memória = Mediana(p.memóriaMiB);
        std::printf(
            "%-12s %10.1f ms %6.2fx %10.1f ms %6.2fx %10.1f ms %6.2fx %9.1f MiB %6.2fx %4zu/%zu\n",
            p.nome.c_str(), mostrada, Razão(mostrada, pisoMostrada), pintada,
            Razão(pintada, pisoPintada), processador, Razão(processador, pisoProcessador), memória,
            Razão(memória, pisoMemória), p.pintada.size(), p.mostrada.size());
    }
    xcb_disconnect(c);
    return 0;
}
