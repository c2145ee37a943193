#include "deldir.h"

#include "caminhos.h"
#include "caminhos_internos.h"
#include "vberro.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace menu {

namespace {

using vb::interno::Fd;

bool ÉArquivo(const QString& p) {
    const qsizetype n = p.size();
    return (n >= 4 && p[n - 4] == QLatin1Char('.')) || (n >= 5 && p[n - 5] == QLatin1Char('.'));
}

struct Entrada {
    int nível = 0;
    int pai = 0;     // the slot of its folder; 0 for DeletarDir
    QByteArray nome; // the name on disk
    QString caminho; // the path as the program writes it, which classifies the entry
};

} // namespace

// The tree is worked through descriptors: DeletarDir is opened once, every folder below it
// relative to its parent's descriptor and never through a link (O_NOFOLLOW), every entry is
// examined and deleted relative to its folder's descriptor. A folder swapped for a link halfway
// through makes a step fail; it never makes one reach outside the tree.
void DelDir(const QString& DeletarDir) {
    QString pasta = DeletarDir;
    while (pasta.endsWith(QLatin1Char('\\')) || pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    vb::interno::Local raiz;
    try {
        raiz = vb::interno::Localizar(pasta.isEmpty() ? DeletarDir : pasta);
    } catch (const vb::VbError&) {
        return;
    }
    if (!raiz.existe || !raiz.pasta.válido())
        return;
    const QByteArray& nomeRaiz = raiz.nativo;
    // The folder itself a link: the link goes and what it points to stays, as for the links
    // inside the tree.
    if (!raiz.nome.isEmpty() && raiz.ligação) {
        ::unlinkat(raiz.pasta.get(), nomeRaiz.constData(), 0);
        return;
    }
    const Fd topo = raiz.nome.isEmpty()
                        ? vb::interno::AbrirPasta(raiz)
                        : vb::interno::AbrirSubpasta(raiz.pasta.get(), nomeRaiz, false);
    if (!topo.válido())
        return;

    std::vector<Entrada> lista(1); // slot 0 is never used
    lista.reserve(EntradasDelDir + 1);
    // The folder of each depth last opened, so that a run of entries of one folder opens it
    // once.
    std::array<std::pair<int, Fd>, 5> abertas;
    auto pastaDe = [&](auto& self, int slot) -> int {
        if (slot == 0)
            return topo.get();
        const Entrada& e = lista[std::size_t(slot)];
        auto& [aberta, fd] = abertas[std::size_t(e.nível)];
        if (aberta != slot || !fd.válido()) {
            const int pai = self(self, e.pai);
            fd = pai >= 0 ? vb::interno::AbrirSubpasta(pai, e.nome, false) : Fd();
            aberta = slot;
        }
        return fd.get();
    };
    auto listar = [&](int nível, int slot, const QString& caminho) {
        const int fd = pastaDe(pastaDe, slot);
        if (fd < 0)
            return; // a file, a link, or gone
        std::optional<std::vector<vb::interno::Entrada>> entradas = vb::interno::LerPasta(fd);
        if (!entradas)
            return;
        // In the order of a listing: by name, without regard to case.
        std::vector<std::tuple<QString, QByteArray, QString>> nomes; // key, on disk, as seen
        for (const vb::interno::Entrada& e : *entradas) {
            const QString visto = vb::interno::NomeVisto(e.nome);
            nomes.emplace_back(vb::ChaveNome(visto), e.bytes, visto);
        }
        std::sort(nomes.begin(), nomes.end());
        for (const auto& [chave, nome, visto] : nomes) {
            if (int(lista.size()) > EntradasDelDir)
                return;
            lista.push_back({nível, slot, nome, caminho + visto});
        }
    };

    listar(1, 0, DeletarDir);
    for (int nível = 2; nível <= 4; ++nível)
        for (std::size_t i = 1; i < lista.size(); ++i)
            if (lista[i].nível == nível - 1)
                listar(nível, int(i), lista[i].caminho + QLatin1Char('\\'));

    // Files, deepest level first. One that is read-only, in use, or a folder named like a file
    // stays.
    for (int nível = 4; nível >= 1; --nível)
        for (std::size_t i = 1; i < lista.size(); ++i) {
            const Entrada& e = lista[i];
            if (e.nível != nível || !ÉArquivo(e.caminho))
                continue;
            const int fd = pastaDe(pastaDe, e.pai);
            const QByteArray& nome = e.nome;
            struct stat st;
            if (fd < 0 || ::fstatat(fd, nome.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
                S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0))
                continue;
            ::unlinkat(fd, nome.constData(), 0);
        }
    // Folders: a link goes as a link; a folder that is not empty stays.
    for (int nível = 4; nível >= 1; --nível)
        for (std::size_t i = 1; i < lista.size(); ++i) {
            const Entrada& e = lista[i];
            if (e.nível != nível || ÉArquivo(e.caminho))
                continue;
            const int fd = pastaDe(pastaDe, e.pai);
            const QByteArray& nome = e.nome;
            struct stat st;
            if (fd < 0 || ::fstatat(fd, nome.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISLNK(st.st_mode))
                ::unlinkat(fd, nome.constData(), 0);
            else if (S_ISDIR(st.st_mode))
                ::unlinkat(fd, nome.constData(), AT_REMOVEDIR);
        }
    if (!raiz.nome.isEmpty())
        ::unlinkat(raiz.pasta.get(), nomeRaiz.constData(), AT_REMOVEDIR);
    vb::interno::PastasMudaram();
}

} // namespace menu
