// Start-up time of programs to their first shown window, measured from outside: the program is
// started, and the X server is polled until a viewable window carries the expected title.
//
//   medir_inicio RUNS  NAME FOLDER PROGRAM TITLE  [NAME FOLDER PROGRAM TITLE ...]
//
// The programs are run in turn, RUNS times each; the median of each and its ratio to the first
// (the floor) are printed.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Relógio = std::chrono::steady_clock;

std::string Título(xcb_connection_t* c, xcb_window_t w, xcb_atom_t utf8, xcb_atom_t netName) {
    (void)utf8;
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

// A viewable window (at any depth) whose title is the one given.
bool Achar(xcb_connection_t* c, xcb_window_t w, const std::string& título, xcb_atom_t utf8,
           xcb_atom_t netName, int profundidade = 0) {
    xcb_query_tree_reply_t* árvore = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    if (!árvore)
        return false;
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
        if (Título(c, f, utf8, netName) == título)
            return true;
        if (profundidade < 2 && Achar(c, f, título, utf8, netName, profundidade + 1))
            return true;
    }
    return false;
}

xcb_atom_t Átomo(xcb_connection_t* c, const char* nome) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

struct Programa {
    std::string nome, pasta, executável, título;
    std::vector<double> ms;
};

double Medir(xcb_connection_t* c, xcb_window_t raiz, const Programa& p, xcb_atom_t utf8,
             xcb_atom_t netName) {
    const auto início = Relógio::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(p.pasta.c_str()) != 0)
            _exit(127);
        execl(p.executável.c_str(), p.executável.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double ms = -1;
    while (Relógio::now() - início < std::chrono::seconds(20)) {
        if (Achar(c, raiz, p.título, utf8, netName)) {
            ms = std::chrono::duration<double, std::milli>(Relógio::now() - início).count();
            break;
        }
        usleep(200);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return ms;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 2) % 4 != 0) {
        std::fprintf(stderr, "uso: medir_inicio RODADAS NOME PASTA PROGRAMA TÍTULO ...\n");
        return 2;
    }
    const int rodadas = std::max(1, std::atoi(argv[1]));
    std::vector<Programa> programas;
    for (int i = 2; i + 3 < argc; i += 4)
        programas.push_back({argv[i], argv[i + 1], argv[i + 2], argv[i + 3], {}});

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "medir_inicio: sem servidor X\n");
        return 2;
    }
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t utf8 = Átomo(c, "UTF8_STRING"), netName = Átomo(c, "_NET_WM_NAME");

    for (int r = 0; r < rodadas + 1; ++r)
        for (Programa& p : programas) {
            const double ms = Medir(c, raiz, p, utf8, netName);
            if (r > 0 && ms >= 0) // the first round only warms the file cache
                p.ms.push_back(ms);
        }
    const double piso = Mediana(programas[0].ms);
    std::printf("%-14s %10s %8s\n", "programa", "mediana", "razão");
    for (const Programa& p : programas) {
        const double m = Mediana(p.ms);
        std::printf("%-14s %8.1f ms %7.2fx  (%zu rodadas)\n", p.nome.c_str(), m,
                    piso > 0 ? m / piso : 0.0, p.ms.size());
    }
    xcb_disconnect(c);
    return 0;
}
