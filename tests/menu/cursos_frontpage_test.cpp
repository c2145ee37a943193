// The FrontPage lesson items: practice sites under the work folder cleared, made again and
// filled from the installation folder.

#include "ambiente_menu.h"

#include <QDirIterator>

namespace menu::teste {
namespace {

using catalogo::Passo;

// A source as the installation holds it: "\fp2000\index.html" is "fp2000/index.html".
QString Fonte(const char* a, const char* n = "") {
    QString s = QString::fromUtf8(a) + QString::fromUtf8(n);
    s.replace('\\', '/');
    while (s.startsWith('/'))
        s.remove(0, 1);
    return s;
}

class FrontPage : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        for (const catalogo::Item& it : catalogo::cursoFrontPage.itens) {
            Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
            for (const catalogo::Etapa& e : it.etapas) {
                if (e.passo != Passo::Copia && e.passo != Passo::CópiaDireta)
                    continue;
                if (!e.lista) {
                    Criar(inst + "/" + Fonte(e.a), Fonte(e.a).toUtf8());
                    continue;
                }
                for (const char* n : *e.lista)
                    Criar(inst + "/" + Fonte(e.a, n), Fonte(e.a, n).toUtf8());
            }
        }
        ASSERT_TRUE(Iniciar());
        fora = raiz + "/fora";
        Criar(fora + "/precioso.html", "do aluno");
        Criar(fora + "/fotos/praia.jpg", "do aluno");
    }

    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    // The two pictures of the car-rental site, as lesson 06 stages them.
    static QStringList FigurasDaLocadora() {
        QStringList r;
        for (const catalogo::Etapa& e : catalogo::cursoFrontPage.itens[5].etapas)
            if (e.passo == Passo::Copia)
                r << QString::fromUtf8(e.a);
        return r;
    }
    static QStringList SiteLocadora() {
        QStringList r{"_private/", "images/"};
        for (const char* p :
             {"esportivos.htm", "index.htm", "indice.htm", "primeira.htm", "promoção.htm"})
            r << QString::fromUtf8(p) + "=locadora/" + QString::fromUtf8(p);
        for (const QString& f : FigurasDaLocadora())
            r << f + "=" + f;
        r.sort();
        return r;
    }

    QString fora;
};

TEST_F(FrontPage, Lição4RefazOSiteFp2000EApagaOImportado) {
    Criar(q("Import/velho.htm"), "importado");
    Criar(q("Import/imagens/a.gif"), "importado");
    Criar(q("fp2000/meu.html"), "do aluno");
    Criar(q("fp2000/index.html"), "alterado");
    ASSERT_TRUE(QFile::link(fora + "/precioso.html", q("fp2000/ligado.html")));
    ASSERT_TRUE(QFile::link(fora + "/fotos", q("fp2000/fotos")));
    const QStringList foraAntes = ÁrvoreDe(fora);

    Rodar("cfrontpage04");
    EXPECT_FALSE(Existe(q("Import")));
    const QStringList site = ÁrvoreDe(c + "/qvcurso/fp2000");
    EXPECT_EQ(site.size(), 35);
    QStringList esperado;
    for (const QString& n : QDir(inst + "/fp2000").entryList(QDir::Files))
        esperado << n + "=fp2000/" + n;
    esperado.sort();
    EXPECT_EQ(Texto(site), Texto(esperado));
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_TRUE(Iniciou("QVFPG04"));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(FrontPage, Lição6TiraOSiteEDeixaAsFigurasNaPasta) {
    Criar(q("locadora/index.htm"), "do aluno");
    Criar(q("locadora/minha.htm"), "do aluno");
    Criar(q("locadora/images/foto.jpg"), "do aluno");
    ASSERT_EQ(FigurasDaLocadora().size(), 2);
    for (const QString& f : FigurasDaLocadora())
        Criar(q(f), "velha");

    Rodar("cfrontpage06");
    EXPECT_FALSE(Existe(q("locadora")));
    for (const QString& f : FigurasDaLocadora())
        EXPECT_EQ(Ler(q(f)), f.toUtf8());
    EXPECT_TRUE(Iniciou("QVFPG06"));
}

TEST_F(FrontPage, Lições7e8RefazemALocadoraSemTocarNoQueHáFora) {
    Criar(q("locadora/minha.htm"), "do aluno");
    Criar(q("locadora/index.htm"), "alterado");
    Criar(q("locadora/images/foto.jpg"), "do aluno");
    ASSERT_TRUE(QDir().mkpath(q("locadora/_private")));
    ASSERT_TRUE(QFile::link(fora + "/precioso.html", q("locadora/_private/segredo.htm")));
    ASSERT_TRUE(QFile::link(fora + "/fotos", q("locadora/externo")));
    const QStringList foraAntes = ÁrvoreDe(fora);

    Rodar("cfrontpage07");
    EXPECT_EQ(Texto(ÁrvoreDe(c + "/qvcurso/locadora")), Texto(SiteLocadora()));
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_TRUE(Iniciou("QVFPG07"));

    // Lesson 08 stages the same site over what the student changed since.
    Criar(q("locadora/images/logo.gif"), "do aluno");
    Criar(q("locadora/promoção.htm"), "alterado");
    ASSERT_TRUE(QFile::link(fora + "/fotos", q("locadora/images/galeria")));
    Rodar("cfrontpage08");
    EXPECT_EQ(Texto(ÁrvoreDe(c + "/qvcurso/locadora")), Texto(SiteLocadora()));
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_TRUE(Iniciou("QVFPG08"));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(FrontPage, PastaDoSiteQueÉLigaçãoSaiEOAlvoFica) {
    Criar(fora + "/index.htm", "do aluno");
    Criar(fora + "/images/foto.jpg", "do aluno");
    const QStringList foraAntes = ÁrvoreDe(fora);
    ASSERT_TRUE(QFile::link(fora, q("locadora")));
    Rodar("cfrontpage07");
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_FALSE(QFileInfo(q("locadora")).isSymLink());
    EXPECT_EQ(Texto(ÁrvoreDe(c + "/qvcurso/locadora")), Texto(SiteLocadora()));
    EXPECT_TRUE(Iniciou("QVFPG07"));

    // Lesson 06 only clears it.
    ASSERT_FALSE(QFileInfo(q("locadora")).isSymLink());
    QDir(q("locadora")).removeRecursively();
    ASSERT_TRUE(QFile::link(fora, q("locadora")));
    Rodar("cfrontpage06");
    EXPECT_FALSE(Existe(q("locadora")));
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
}

TEST_F(FrontPage, PáginaDoSiteAusenteNomeiaOArquivoETermina) {
    QFile::remove(inst + "/locadora/indice.htm");
    Rodar("cfrontpage07");
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto,
              "Arquivo " + inst + "/locadora/indice.htm não encontrado");
    EXPECT_EQ(Ler(q("locadora/index.htm")), "locadora/index.htm"); // copied before it
    EXPECT_FALSE(Existe(q("locadora/primeira.htm")));              // after it: never
}

} // namespace
} // namespace menu::teste
