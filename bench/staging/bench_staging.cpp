// The staging of the largest lesson items (HTML 04, Internet 01, VisualBasic 07) through the
// menu's step engine, against cp of the same files; and DelDir of a full 1000-entry tree against
// rm -r of an identical tree.
//
//   bench_staging [RUNS] [STALE]
//
// A temporary installation folder holds every exercise source that the course menus name; the
// sources of the measured items have real sizes (20 to 200 KB), the others are small. Drive C:
// is a temporary folder. Each item runs as a click runs it: its steps in order, up to the
// start of its lesson program (a recorder stands in for the start). Each side is timed with the
// work folder emptied beforehand (a student's first lesson; the destination folders are made
// again for cp, as cp does not make folders) and as the previous side left it (a lesson taken
// again: the item deletes and replaces its files, cp writes over them).
//
// cp is timed two ways: one cp command per destination folder with all the files that keep
// their names (and one per renamed file), and one cp command per copy, as the item makes one
// copy per file. Every side is timed in turn, RUNS times (default 15); medians are printed, with
// their ratio to the single cp of all the files.
//
// HTML 04 is also timed over a work folder that holds STALE other files (default 10000) besides
// its own of the previous run, against cp of its files.

#include "arquivos.h"
#include "caminhos.h"
#include "deldir.h"
#include "dialogos_fake.h"
#include "fim.h"
#include "motor.h"
#include "passos.h"
#include "processo.h"
#include "tela1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Relógio = std::chrono::steady_clock;

double Medir(const std::function<void()>& f) {
    const auto início = Relógio::now();
    f();
    return std::chrono::duration<double, std::milli>(Relógio::now() - início).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Runs a program with its arguments and waits for it; false when it failed.
bool Rodar(const std::vector<QByteArray>& argumentos) {
    std::vector<char*> argv;
    for (const QByteArray& a : argumentos)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int estado = 0;
    return pid > 0 && waitpid(pid, &estado, 0) == pid && WIFEXITED(estado) &&
           WEXITSTATUS(estado) == 0;
}

bool Escrever(const QString& caminho, qint64 tamanho, quint32 semente) {
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray dados(tamanho, Qt::Uninitialized);
    for (qint64 i = 0; i < tamanho; ++i) {
        semente = semente * 1103515245u + 12345u;
        dados[i] = char(semente >> 16);
    }
    return f.write(dados) == tamanho;
}

// A Windows-style name relative to the installation, as a host path inside it.
QString Local(const QString& raiz, QString nome) {
    nome.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(raiz + QLatin1Char('/') + nome);
}

// The exercise sources that an item's copy steps name, in step order (a name copied twice is
// listed twice).
QStringList Fontes(const catalogo::Item& item) {
    QStringList fontes;
    for (const catalogo::Etapa& e : item.etapas) {
        if (e.passo != catalogo::Passo::Copia && e.passo != catalogo::Passo::CópiaDireta)
            continue;
        const QString a = QString::fromUtf8(e.a);
        if (!e.lista)
            fontes << a;
        else
            for (const char* n : *e.lista)
                fontes << a + QString::fromUtf8(n);
    }
    return fontes;
}

// One copy of an item's: the host source and the host destination.
struct Cópia {
    QString origem, destino;
};

// The copies that an item makes, as host paths (after a run, so that the destinations exist
// under the names the item gave them).
std::vector<Cópia> Cópias(const catalogo::Item& item, const QString& pastaprog) {
    std::vector<Cópia> cópias;
    auto juntar = [&](const QString& a, const QString& b, bool direta) {
        const QString origem = pastaprog + a;
        const QString destino = direta ? b : QStringLiteral("C:\\QVCurso\\") + b;
        cópias.push_back({vb::Hospedeiro(origem), vb::Hospedeiro(destino)});
    };
    for (const catalogo::Etapa& e : item.etapas) {
        const bool direta = e.passo == catalogo::Passo::CópiaDireta;
        if (e.passo != catalogo::Passo::Copia && !direta)
            continue;
        const QString a = QString::fromUtf8(e.a);
        const QString b = e.b ? QString::fromUtf8(e.b) : (direta ? QString() : a);
        if (!e.lista) {
            juntar(a, b, direta);
            continue;
        }
        for (const char* n : *e.lista)
            juntar(a + QString::fromUtf8(n), b + QString::fromUtf8(n), direta);
    }
    return cópias;
}

// The cp commands that copy every file once: one per destination folder for the files that
// keep their names, one per renamed file.
std::vector<std::vector<QByteArray>> ComandosCp(const std::vector<Cópia>& cópias) {
    std::map<QString, std::vector<QByteArray>> porPasta;
    std::vector<std::vector<QByteArray>> comandos;
    QSet<QString> vistas;
    for (const Cópia& c : cópias) {
        if (vistas.contains(c.origem + QChar(0) + c.destino))
            continue;
        vistas.insert(c.origem + QChar(0) + c.destino);
        const QFileInfo o(c.origem), d(c.destino);
        if (o.fileName() == d.fileName()) {
            std::vector<QByteArray>& cmd = porPasta[d.path()];
            if (cmd.empty())
                cmd = {"cp", "--"};
            cmd.push_back(QFile::encodeName(c.origem));
        } else {
            comandos.push_back(
                {"cp", "--", QFile::encodeName(c.origem), QFile::encodeName(c.destino)});
        }
    }
    for (auto& [pasta, cmd] : porPasta) {
        cmd.push_back(QFile::encodeName(pasta) + '/');
        comandos.push_back(cmd);
    }
    return comandos;
}

qint64 Bytes(const std::vector<Cópia>& cópias) {
    qint64 n = 0;
    for (const Cópia& c : cópias)
        n += QFileInfo(c.origem).size();
    return n;
}

const catalogo::Item* AcharItem(const char* controle, int índice) {
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens)
            if (QString::fromUtf8(it.controle) == QString::fromUtf8(controle) &&
                it.índice == índice)
                return &it;
    return nullptr;
}

// A full DelDir tree of exactly 1000 entries: three folders and thirteen files at the first
// level, three folders and seven files in each folder of the second and third levels, and 32
// files in each of the 27 folders of the fourth level.
void CriarÁrvore(const QString& raiz) {
    const QByteArray conteúdo(4096, 'x');
    int n = 0;
    auto arquivo = [&](const QString& pasta, int i) {
        QFile f(pasta + QStringLiteral("/arq%1.txt").arg(i, 3, 10, QLatin1Char('0')));
        if (f.open(QIODevice::WriteOnly))
            f.write(conteúdo);
        ++n;
    };
    std::function<void(const QString&, int)> nível = [&](const QString& pasta, int profundidade) {
        QDir().mkpath(pasta);
        if (profundidade == 4) {
            for (int i = 0; i < 32; ++i)
                arquivo(pasta, i);
            return;
        }
        for (int i = 0; i < (profundidade == 1 ? 13 : 7); ++i)
            arquivo(pasta, i);
        for (int i = 0; i < 3; ++i) {
            ++n;
            nível(pasta + QStringLiteral("/pasta%1").arg(i), profundidade + 1);
        }
    };
    nível(raiz, 1);
    if (n != menu::EntradasDelDir)
        std::fprintf(stderr, "bench_staging: a árvore tem %d entradas\n", n);
}

void Linha(const char* nome, double medida, double base, const char* baseNome) {
    std::printf("  %-28s %8.2f ms   %5.2fx %s\n", nome, medida, base > 0 ? medida / base : 0.0,
                baseNome);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rodadas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const int antigos = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10000;

    QTemporaryDir tmp;
    const QString inst = tmp.path() + QStringLiteral("/cursos");
    const QString c = tmp.path() + QStringLiteral("/c");
    QDir().mkpath(inst);
    QDir().mkpath(c);

    struct Medido {
        const char* nome;
        const catalogo::Item* item;
    };
    const std::vector<Medido> medidos = {{"HTML 04", AcharItem("cHTML00", 4)},
                                         {"Internet 01", AcharItem("CNet01", 0)},
                                         {"VisualBasic 07", AcharItem("cvb07", 0)}};

    // The installation: every source of every item; the measured items' at real sizes.
    QSet<QString> grandes;
    for (const Medido& m : medidos) {
        if (!m.item) {
            std::fprintf(stderr, "bench_staging: item %s não encontrado\n", m.nome);
            return 1;
        }
        for (const QString& f : Fontes(*m.item))
            grandes.insert(Local(inst, f));
    }
    QSet<QString> todas;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens)
            for (const QString& f : Fontes(it))
                todas.insert(Local(inst, f));
    // Sizes and contents from the names, the same in every run.
    for (const QString& f : todas) {
        quint32 h = 2166136261u; // FNV-1a
        for (const char c : f.mid(inst.size()).toUtf8())
            h = (h ^ quint8(c)) * 16777619u;
        Escrever(f, grandes.contains(f) ? 20 * 1024 + qint64(h % (180 * 1024)) : 2048, h);
    }
    // The lesson programs' files, so that the starts find them.
    for (const Medido& m : medidos) {
        QFile p(inst + QLatin1Char('/') + QString::fromUtf8(m.item->programa));
        p.open(QIODevice::WriteOnly);
        p.write("#!/bin/sh\n");
        p.setPermissions(p.permissions() | QFile::ExeOwner);
    }

    // The menu as the program runs it, in its installation folder, with drive C: in the
    // temporary folder, dialogs answered by script and the lesson start recorded.
    QDir::setCurrent(inst);
    vb::DriveMap::atual().limpar();
    vb::DriveMap::atual().definir('C', c);
    vb::DefinirPastaDoPrograma(inst);
    vb::teste::DiálogosFalsos diálogos;
    int inícios = 0;
    vb::instalarIniciador([&](const QString&, const QString&) {
        ++inícios;
        return true;
    });
    menu::Instalação instalação;
    menu::Tela1 tela(instalação);
    vb::Handler([&] { tela.Form_Load(); });
    vb::ResetProgramEnd();

    // The work folder emptied (as for a student's first lesson), or as the previous run left it.
    const QString trabalho = c + QStringLiteral("/qvcurso");
    auto esvaziar = [&] {
        QDir(trabalho).removeRecursively();
        QDir().mkpath(trabalho);
        ::sync();
    };
    std::printf("Staging (%d rodadas; medianas; pasta de trabalho em %s)\n", rodadas,
                qPrintable(trabalho));
    int esperados = 0;
    for (const Medido& m : medidos) {
        auto clicar = [&] {
            vb::Handler([&] { menu::Executar(*m.item, tela); });
            vb::ResetProgramEnd();
            ++esperados;
        };
        clicar(); // the destinations made, as the item names them
        const std::vector<Cópia> cópias = Cópias(*m.item, tela.Pastaprog);
        const auto comandos = ComandosCp(cópias);
        bool cpFalhou = false;
        auto cpJunto = [&] {
            for (const auto& cmd : comandos)
                cpFalhou |= !Rodar(cmd);
        };
        auto cpCada = [&] {
            for (const Cópia& cp : cópias)
                cpFalhou |= !Rodar(
                    {"cp", "--", QFile::encodeName(cp.origem), QFile::encodeName(cp.destino)});
        };
        // [state][side]: state 0 the emptied work folder, 1 the previous run's; side 0 the item,
        // 1 one cp for all the files, 2 one cp per copy.
        std::vector<double> tempos[2][3];
        for (int r = 0; r < rodadas; ++r)
            for (int estado = 0; estado < 2; ++estado) {
                int lado = 0;
                for (const std::function<void()>& f :
                     {std::function<void()>(clicar), std::function<void()>(cpJunto),
                      std::function<void()>(cpCada)}) {
                    if (estado == 0) {
                        esvaziar();
                        if (lado > 0)
                            for (const Cópia& cp : cópias)
                                QDir().mkpath(QFileInfo(cp.destino).path());
                    }
                    tempos[estado][lado++].push_back(Medir(f));
                }
            }
        std::printf("%s: %zu cópias, %.0f KiB, %zu comandos cp%s\n", m.nome, cópias.size(),
                    Bytes(cópias) / 1024.0, comandos.size(), cpFalhou ? " (cp falhou!)" : "");
        std::printf("  %-26s %22s %22s\n", "", "pasta vazia", "sobre a anterior");
        const char* nomes[] = {"item (motor do menu)", "cp de todos os arquivos",
                               "cp arquivo a arquivo"};
        for (int lado = 0; lado < 3; ++lado) {
            std::printf("  %-26s", nomes[lado]);
            for (int estado = 0; estado < 2; ++estado) {
                const double base = Mediana(tempos[estado][1]);
                const double t = Mediana(tempos[estado][lado]);
                std::printf(" %10.2f ms %6.2fx cp", t, base > 0 ? t / base : 0.0);
            }
            std::printf("\n");
        }
    }
    // HTML 04 over a crowded work folder: stale files that the item does not name, left by
    // other programs, around its own files of the previous run.
    {
        const Medido& m = medidos[0];
        esvaziar();
        for (int i = 0; i < antigos; ++i)
            QFile(trabalho + QStringLiteral("/antigo%1.txt").arg(i, 6, 10, QLatin1Char('0')))
                .open(QIODevice::WriteOnly);
        auto clicar = [&] {
            vb::Handler([&] { menu::Executar(*m.item, tela); });
            vb::ResetProgramEnd();
            ++esperados;
        };
        clicar();
        const auto comandos = ComandosCp(Cópias(*m.item, tela.Pastaprog));
        bool cpFalhou = false;
        std::vector<double> item, cp;
        for (int r = 0; r < rodadas; ++r) {
            item.push_back(Medir(clicar));
            cp.push_back(Medir([&] {
                for (const auto& cmd : comandos)
                    cpFalhou |= !Rodar(cmd);
            }));
        }
        std::printf("%s sobre %d arquivos antigos na pasta de trabalho%s\n", m.nome, antigos,
                    cpFalhou ? " (cp falhou!)" : "");
        Linha("item (motor do menu)", Mediana(item), Mediana(cp), "cp");
        Linha("cp de todos os arquivos", Mediana(cp), Mediana(cp), "");
        esvaziar();
    }
    if (inícios != esperados || !diálogos.mensagens.empty())
        std::fprintf(stderr, "bench_staging: %d inícios, %zu mensagens (esperado %d e 0)\n",
                     inícios, diálogos.mensagens.size(), esperados);

    // DelDir against rm -r, on identical 1000-entry trees made afresh for each run.
    std::vector<double> delDir, rm;
    int restos = 0;
    for (int r = 0; r < rodadas; ++r) {
        const QString a = c + QStringLiteral("/arvore"), b = c + QStringLiteral("/arvore-rm");
        CriarÁrvore(a);
        CriarÁrvore(b);
        ::sync();
        delDir.push_back(Medir([] { menu::DelDir(QStringLiteral("c:\\arvore\\")); }));
        rm.push_back(Medir([&] { Rodar({"rm", "-r", "--", QFile::encodeName(b)}); }));
        restos += QFileInfo::exists(a) + QFileInfo::exists(b);
    }
    std::printf("DelDir de uma árvore de %d entradas em 4 níveis%s\n", menu::EntradasDelDir,
                restos ? " (sobraram pastas!)" : "");
    Linha("DelDir", Mediana(delDir), Mediana(rm), "do rm -r");
    Linha("rm -r", Mediana(rm), Mediana(rm), "");

    vb::instalarIniciador({});
    vb::DefinirPastaDoPrograma({});
    return 0;
}
