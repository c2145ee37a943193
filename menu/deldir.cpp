#include "deldir.h"

#include "arquivos.h"
#include "caminhos.h"
#include "vberro.h"

#include <QFileInfo>
#include <array>

namespace menu {

namespace {

bool ÉLink(const QString& caminho) {
    try {
        const vb::Resolvido r = vb::Resolver(caminho);
        return r.existe && QFileInfo(r.hospedeiro).isSymLink();
    } catch (const vb::VbError&) {
        return false;
    }
}

bool ÉArquivo(const QString& p) {
    const qsizetype n = p.size();
    return (n >= 4 && p[n - 4] == QLatin1Char('.')) || (n >= 5 && p[n - 5] == QLatin1Char('.'));
}

// A listed name holding a wildcard character would widen the delete beyond that one entry.
bool TemCuringa(const QString& nome) {
    return nome.contains(QLatin1Char('*')) || nome.contains(QLatin1Char('?'));
}

} // namespace

void DelDir(const QString& DeletarDir) {
    // The folder itself a link: the link goes and what it points to stays, as for the links
    // inside the tree (the listing below would see an empty folder and leave the link).
    QString pasta = DeletarDir;
    while (pasta.endsWith(QLatin1Char('\\')) || pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    try {
        if (!pasta.isEmpty() && vb::Resolver(pasta).ligação) { // never a drive's root
            vb::Kill(pasta);
            return;
        }
    } catch (const vb::VbError&) {
        return;
    }

    const int atributos = vb::vbDirectory | vb::vbHidden;
    if (vb::DirLista(DeletarDir, vb::vbDirectory).isEmpty())
        return;

    std::array<QString, EntradasDelDir + 1> lista; // slot 0 is never used
    int livre = 1;
    auto guardar = [&](int nível, const QString& caminho) {
        if (livre > EntradasDelDir)
            return false;
        lista[livre++] = QString::number(nível) + caminho;
        return true;
    };
    auto listar = [&](int nível, const QString& pasta) {
        for (const QString& nome : vb::DirLista(pasta, atributos)) {
            if (nome == QLatin1String(".") || nome == QLatin1String("..") || TemCuringa(nome))
                continue;
            if (!guardar(nível, pasta + nome))
                return;
        }
    };

    listar(1, DeletarDir);
    for (int nível = 2; nível <= 4; ++nível) {
        const QChar anterior = QChar(u'0' + nível - 1);
        for (int i = 1; i < livre && i <= EntradasDelDir; ++i) {
            if (lista[i].isEmpty() || lista[i][0] != anterior)
                continue;
            const QString caminho = lista[i].mid(1);
            if (ÉLink(caminho))
                continue; // a link's target lies outside the tree
            listar(nível, caminho + QLatin1Char('\\'));
        }
    }

    for (int nível = 4; nível >= 1; --nível) {
        const QChar dígito = QChar(u'0' + nível);
        for (int i = 1; i < livre; ++i) {
            if (lista[i][0] != dígito || !ÉArquivo(lista[i].mid(1)))
                continue;
            try {
                vb::Kill(lista[i].mid(1));
            } catch (const vb::VbError&) {
                // In use, read-only, or a folder named like a file: it stays.
            }
        }
    }
    for (int nível = 4; nível >= 1; --nível) {
        const QChar dígito = QChar(u'0' + nível);
        for (int i = 1; i < livre; ++i) {
            if (lista[i][0] != dígito || ÉArquivo(lista[i].mid(1)))
                continue;
            const QString caminho = lista[i].mid(1);
            try {
                if (ÉLink(caminho))
                    vb::Kill(caminho);
                else
                    vb::RmDir(caminho);
            } catch (const vb::VbError&) {
            }
        }
    }
    try {
        vb::RmDir(DeletarDir);
    } catch (const vb::VbError&) {
    }
}

} // namespace menu
