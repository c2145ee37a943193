#pragma once
// Counting the steps of course tables, lists expanded, for the tests of every course.

#include "passos.h"

#include <map>
#include <string>

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

} // namespace catalogo::teste
