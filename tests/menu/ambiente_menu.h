#pragma once
// Test fixture of the course menu: a temporary installation folder (the current folder and the
// menu program's own folder), drive C: and a floppy A: in a temporary folder, scripted dialogs
// and a recorder in place of the program start.

#include "arquivos.h"
#include "caminhos.h"
#include "dialogos_fake.h"
#include "fim.h"
#include "instalacao.h"
#include "processo.h"
#include "tela1.h"
#include "tela2.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace menu::teste {

inline QApplication& Aplicação() {
    static int argc = 1;
    static char nome[] = "QVMenu";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = new QApplication(argc, argv); // never destroyed: Qt's
    return *app;                                             // globals are gone by then
}

struct Início {
    QString executável;
    QString pasta;
};

class Menu : public ::testing::Test {
  protected:
    void SetUp() override {
        Aplicação();
        ASSERT_TRUE(tmp_.isValid());
        raiz = tmp_.path();
        inst = raiz + "/cursos";
        c = raiz + "/c";
        a = raiz + "/a";
        for (const QString& p : {inst, c, a})
            ASSERT_TRUE(QDir().mkpath(p));
        anterior_ = QDir::currentPath();
        QDir::setCurrent(inst);
        vb::DriveMap::atual().limpar();
        vb::DriveMap::atual().definir('C', c);
        vb::DriveMap::atual().definir('A', a);
        vb::DefinirPastaDoPrograma(inst);
        vb::ResetProgramEnd();
        vb::instalarIniciador([this](const QString& exe, const QString& pasta) {
            inícios.push_back({exe, pasta});
            return true;
        });
    }
    void TearDown() override {
        tela2.reset();
        vb::instalarIniciador({});
        vb::DefinirPastaDoPrograma({});
        vb::DriveMap::atual().limpar();
        vb::ResetProgramEnd();
        QDir::setCurrent(anterior_);
    }

    // A file below a host folder, with its folders.
    static void Criar(const QString& caminho, const QByteArray& conteúdo = "x") {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(caminho).path()));
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(conteúdo), conteúdo.size());
    }
    static QByteArray Ler(const QString& caminho) {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
    }
    static bool Existe(const QString& caminho) {
        const QFileInfo i(caminho);
        return i.exists() || i.isSymLink();
    }
    // The lesson program files of the installation ("QVAC2D01" -> "QVAC2D01.exe").
    void Instalar(std::initializer_list<const char*> programas) {
        for (const char* p : programas)
            Criar(inst + "/" + QString::fromUtf8(p), "#!/bin/sh\n");
    }

    // Runs the start-up as the program does; false when it ended the program.
    bool Iniciar(FonteAluno fonte = FonteAluno::Nenhum) {
        Instalação i;
        i.fonte = fonte;
        tela2 = std::make_unique<Tela2>(i);
        return vb::Handler([this] { tela2->Form_Load(); });
    }
    Tela1& t1() { return *tela2->tela1(); }

    // A click after the last one's messages, starts and end have been forgotten.
    void Rodar(const QString& controle, int índice = 0) {
        vb::ResetProgramEnd();
        inícios.clear();
        diálogos.mensagens.clear();
        Clicar(controle, índice);
    }
    // Exactly one program started, the installation's one of that name.
    bool Iniciou(const QString& programa) const {
        return inícios.size() == 1 && inícios[0].executável == inst + "/" + programa;
    }

    // A tree as sorted lines: "folder/", "file=content", "link -> target".
    static QStringList ÁrvoreDe(const QString& pasta) {
        QStringList r;
        QDirIterator it(pasta,
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            const QFileInfo i(p);
            const QString rel = QDir(pasta).relativeFilePath(p);
            if (i.isSymLink())
                r << rel + " -> " + i.symLinkTarget();
            else if (i.isDir())
                r << rel + "/";
            else
                r << rel + "=" + QString::fromUtf8(Ler(p));
        }
        r.sort();
        return r;
    }
    static std::string Texto(const QStringList& linhas) { return linhas.join('\n').toStdString(); }

    // A click as the student makes it, through the menu item.
    void Clicar(const QString& controle, int índice = 0) {
        QAction* a = t1().item(controle, índice);
        ASSERT_NE(a, nullptr) << controle.toStdString() << " " << índice;
        a->trigger();
    }

    QTemporaryDir tmp_;
    QString raiz, inst, c, a, anterior_;
    vb::teste::DiálogosFalsos diálogos;
    std::vector<Início> inícios;
    std::unique_ptr<Tela2> tela2;
};

} // namespace menu::teste
