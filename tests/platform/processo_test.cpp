#include "ambiente.h"

#include "processo.h"

#include <QElapsedTimer>
#include <QThread>

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

class Processo : public vb::teste::ComDrive {
  protected:
    struct Início {
        QString executável, pasta;
    };
    std::vector<Início> inícios;
    bool aceita = true;

    void SetUp() override {
        ComDrive::SetUp();
        instalarIniciador([this](const QString& e, const QString& p) {
            inícios.push_back({e, p});
            return aceita;
        });
    }
    void TearDown() override {
        instalarIniciador({});
        ComDrive::TearDown();
    }
    void Executável(const QString& relativo, const QByteArray& conteúdo = "#!/bin/sh\n") {
        Criar(relativo, conteúdo);
        QFile::setPermissions(c + "/" + relativo,
                              QFile::permissions(c + "/" + relativo) | QFile::ExeOwner);
    }
};

TEST_F(Processo, NameOrNameExeAnyCase) {
    Executável("Cursos/QVAC2D01");
    Executável("Cursos/Outro.EXE");
    CriarPasta("Cursos/QVMenu"); // a folder is no program
    ASSERT_TRUE(QDir::setCurrent(c + "/Cursos"));

    Shell("c:\\cursos\\qvac2d01.exe");
    Shell("c:\\CURSOS\\QVAC2D01", vbNormalFocus);
    Shell("c:\\cursos\\outro");
    ASSERT_EQ(inícios.size(), 3u);
    EXPECT_EQ(inícios[0].executável, c + "/Cursos/QVAC2D01");
    EXPECT_EQ(inícios[0].pasta, c + "/Cursos");
    EXPECT_EQ(inícios[1].executável, c + "/Cursos/QVAC2D01");
    EXPECT_EQ(inícios[2].executável, c + "/Cursos/Outro.EXE");

    EXPECT_EQ(ProgramaDe("c:\\cursos\\QVMenu.exe"), "");
    EXPECT_EQ(NúmeroDoErro([] { Shell("c:\\cursos\\QVMenu.exe"); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { Shell("c:\\falta\\QVAC2D01.exe"); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { Shell("e:\\QVAC2D01.exe"); }), 53);
    EXPECT_EQ(inícios.size(), 3u);

    aceita = false;
    EXPECT_EQ(NúmeroDoErro([] { Shell("c:\\cursos\\qvac2d01.exe"); }), 75);
}

TEST_F(Processo, RealStartRunsDetachedFromTheCurrentFolder) {
    instalarIniciador({});
    Executável("bin/Marca", "#!/bin/sh\necho feito > marca.txt\n");
    Criar("bin/Texto", "not a program");
    ASSERT_TRUE(QDir::setCurrent(c));

    Shell("c:\\BIN\\marca.exe");
    QElapsedTimer t;
    t.start();
    while (!Existe("marca.txt") && t.elapsed() < 5000)
        QThread::msleep(10);
    EXPECT_TRUE(Existe("marca.txt"));
    EXPECT_EQ(NúmeroDoErro([] { Shell("c:\\bin\\texto"); }), 75);
}

} // namespace
