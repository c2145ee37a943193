#pragma once
// Test fixture: a temporary folder standing for drive C: (and D:), never the real home
// folder, plus helpers to lay out files and read them back.

#include "caminhos.h"
#include "vberro.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vb::teste {

// One widget application for the whole test program (offscreen). Never destroyed: a
// QApplication torn down among the static destructors crashes at exit.
inline QApplication& Aplicação() {
    static int argc = 1;
    static char nome[] = "test_platform";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class ComDrive : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        c = tmp_.path() + "/c";
        d = tmp_.path() + "/d";
        ASSERT_TRUE(QDir().mkpath(c));
        ASSERT_TRUE(QDir().mkpath(d));
        DriveMap::atual().limpar();
        DriveMap::atual().definir('C', c);
        DriveMap::atual().definir('d', d);
        anterior_ = QDir::currentPath();
    }
    void TearDown() override {
        QDir::setCurrent(anterior_);
        DriveMap::atual().limpar();
    }

    // Creates a host file (and its folders) below C:'s folder.
    void Criar(const QString& relativo, const QByteArray& conteúdo = "x") {
        const QString p = c + "/" + relativo;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(p).path()));
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(conteúdo), conteúdo.size());
    }
    void CriarPasta(const QString& relativo) { ASSERT_TRUE(QDir().mkpath(c + "/" + relativo)); }
    QByteArray Ler(const QString& relativo) const {
        QFile f(c + "/" + relativo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool Existe(const QString& relativo) const {
        return QFileInfo(c + "/" + relativo).exists() || QFileInfo(c + "/" + relativo).isSymLink();
    }
    // Host names in a folder below C:, hidden ones included, sorted.
    QStringList Conteúdo(const QString& relativo = {}) const {
        return QDir(c + "/" + relativo)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    QString c, d;

  private:
    QTemporaryDir tmp_;
    QString anterior_;
};

// The VB error number that a call throws, or 0.
template <class F> int NúmeroDoErro(F&& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e.número();
    }
    return 0;
}

} // namespace vb::teste
