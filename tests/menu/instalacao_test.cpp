// Every lesson item of the catalogue stages from the demo installation folder without a
// missing-file message.

#include "ambiente_menu.h"

#include <QPushButton>
#include <QRadioButton>

namespace menu::teste {
namespace {

#ifdef QV_INSTALACAO
TEST_F(Menu, TodoItemEncontraSeusArquivosNaInstalação) {
    QDir::setCurrent(QStringLiteral(QV_INSTALACAO));
    vb::DefinirPastaDoPrograma(QStringLiteral(QV_INSTALACAO));
    ASSERT_TRUE(Iniciar());
    int itens = 0;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens) {
            SCOPED_TRACE(std::string(it.controle) + " " + std::to_string(it.índice));
            for (int versão = 0; versão < 2; ++versão) {
                vb::ResetProgramEnd();
                diálogos.mensagens.clear();
                vb::Handler([&] { t1().Item_Click(it); });
                if (t1().form3()->isVisible()) {
                    (versão ? t1().form3()->Access2000 : t1().form3()->Access97)->setChecked(true);
                    t1().form3()->Confirmar->click();
                    t1().form3()->close();
                }
                for (const auto& m : diálogos.mensagens)
                    EXPECT_FALSE(m.texto.startsWith("Arquivo ")) << m.texto.toStdString();
            }
            ++itens;
        }
    EXPECT_EQ(itens, 278);
}
#endif

} // namespace
} // namespace menu::teste
