// The menu's start: the installed courses found in one listing of the program's folder, and the
// background picture decoded while the window is built.

#include "ambiente_menu.h"
#include "jpeg_varreduras.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace menu::teste {
namespace {

class Detecção : public Menu {
  protected:
    // A student file on A: with every course closed: only the installed courses' first
    // lessons are offered.
    bool IniciarComCursosFechados() {
        const QByteArray registro = (QByteArray("1").leftJustified(5, ' ') +
                                     QByteArray("X").leftJustified(32, ' ') + QByteArray(28, '0'))
                                        .leftJustified(112, ' ');
        Criar(a + "/aluno.dat", registro);
        return Iniciar(FonteAluno::DriveA);
    }
};

TEST_F(Detecção, ProgramasEmOutraCaixa) {
    Criar(inst + "/qvac2dii01.EXE", "#!/bin/sh\n");
    Criar(inst + "/qvac2d01", "#!/bin/sh\n");
    ASSERT_TRUE(IniciarComCursosFechados());
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_TRUE(t1().item("cAutoCadII", 1)->isEnabled());
    EXPECT_TRUE(t1().item("cAutoCad", 1)->isEnabled());
    EXPECT_FALSE(t1().item("CACAD3D", 1)->isEnabled());
}

// A program folder reached through a symbolic link is never listed; its programs are still
// found, each looked up on its own.
TEST_F(Detecção, PastaDoProgramaPorLigação) {
    Instalar({"QVAC2D01"});
    const QString ligada = raiz + "/ligada";
    ASSERT_TRUE(QFile::link(inst, ligada));
    vb::DefinirPastaDoPrograma(ligada);
    ASSERT_TRUE(IniciarComCursosFechados());
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_TRUE(t1().item("cAutoCad", 1)->isEnabled());
    EXPECT_FALSE(t1().item("cAutoCadII", 1)->isEnabled());
}

TEST_F(Detecção, FundoDaPastaAtual) {
    Instalar({"QVAC2D01"});
    QImage fundo(40, 30, QImage::Format_RGB32);
    fundo.fill(QColor(0, 40, 110));
    ASSERT_TRUE(fundo.save(inst + "/qvtelaini.jpg", "JPG"));
    ASSERT_TRUE(Iniciar());
    EXPECT_EQ(t1().Picture1->pixmap().size(), QSize(40, 30));

    // The picture is taken from the folder current at the load step: one that is not there
    // then leaves the window without its background.
    tela2.reset();
    ASSERT_TRUE(QFile::remove(inst + "/qvtelaini.jpg"));
    ASSERT_TRUE(Iniciar());
    EXPECT_TRUE(t1().Picture1->pixmap().isNull());

    // A picture that would keep the decoder busy for seconds is refused at once.
    tela2.reset();
    Criar(inst + "/qvtelaini.jpg", ::teste::JpegDeVarreduras(20000));
    const QDeadlineTimer prazo(500);
    ASSERT_TRUE(Iniciar());
    EXPECT_FALSE(prazo.hasExpired());
    EXPECT_TRUE(t1().Picture1->pixmap().isNull());
}

} // namespace
} // namespace menu::teste
