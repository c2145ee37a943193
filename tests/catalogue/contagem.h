#pragma once
// Counting the steps of course tables, lists expanded, for the tests of every course.

#include "passos.h"

#include <map>
#include <string>
#include <vector>

namespace catalogo::teste {

struct Contagem {
    std::map<Passo, int> porPasso; // steps of each kind, a list step counting once per name
    int itens = 0;
    int de(Passo p) const {
        auto i = porPasso.find(p);
        return i == porPasso.end() ? 0 : i->second;
    }
};

inline int vezes(const Etapa& e) {
    return e.lista ? int(e.lista->size()) : 1;
}

inline Contagem Contar(const Item& item) {
    Contagem c;
    c.itens = 1;
    for (const Etapa& e : item.etapas)
        c.porPasso[e.passo] += vezes(e);
    return c;
}

inline Contagem Contar(const MenuCurso& curso) {
    Contagem c;
    for (const Item& item : curso.itens) {
        Contagem d = Contar(item);
        c.itens += 1;
        for (auto [p, n] : d.porPasso)
            c.porPasso[p] += n;
    }
    return c;
}

// "CWin01" or "cAutoCad(3)": how a failing assertion names an item.
inline std::string NomeDe(const Item& item) {
    std::string n = item.controle;
    if (item.índice)
        n += "(" + std::to_string(item.índice) + ")";
    return n;
}

// One step with its list expanded: kind, first path, second path.
struct Ação {
    Passo passo;
    std::string a, b;
};

inline std::vector<Ação> Expandir(const Item& item) {
    std::vector<Ação> v;
    for (const Etapa& e : item.etapas) {
        const std::string a = e.a ? e.a : "", b = e.b ? e.b : "";
        if (!e.lista) {
            v.push_back({e.passo, a, b});
            continue;
        }
        for (const char* n : *e.lista)
            v.push_back({e.passo, a + n, e.b ? b + n : ""});
    }
    return v;
}

// The expanded steps of one kind.
inline std::vector<Ação> Só(const Item& item, Passo p) {
    std::vector<Ação> v;
    for (const Ação& a : Expandir(item))
        if (a.passo == p)
            v.push_back(a);
    return v;
}

} // namespace catalogo::teste
