// The courses whose lessons only delete work-folder files and copy into it through FazCópia:
// Word, Excel, PowerPoint, Integração, Project, Flash, PageMaker, JavaScript and Corel Draw.

#include "ambiente_menu.h"

namespace menu::teste {
namespace {

using catalogo::Passo;

const catalogo::MenuCurso* const cursos[] = {
    &catalogo::cursoWordB,      &catalogo::cursoWordA,      &catalogo::cursoExcelB,
    &catalogo::cursoExcelA,     &catalogo::cursoPowerPoint, &catalogo::cursoIntegração,
    &catalogo::cursoProject,    &catalogo::cursoFlash,      &catalogo::cursoPageMaker,
    &catalogo::cursoJavaScript, &catalogo::cursoCorelB,     &catalogo::cursoCorelA,
};

struct Cópia {
    QString origem, destino;
};

std::vector<Cópia> Cópias(const catalogo::Item& it) {
    std::vector<Cópia> r;
    for (const catalogo::Etapa& e : it.etapas)
        if (e.passo == Passo::Copia)
            r.push_back({QString::fromUtf8(e.a), QString::fromUtf8(e.b ? e.b : e.a)});
    return r;
}

class Cópias_ : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        // One file per source name, as the installation holds it ("rosto.pcx" and "Rosto.pcx"
        // are one file), holding the name it was first created under.
        for (const catalogo::MenuCurso* curso : cursos)
            for (const catalogo::Item& it : curso->itens) {
                Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
                for (const Cópia& cp : Cópias(it))
                    if (!vb::Resolver(Origem(cp)).existe)
                        Criar(inst + "/" + cp.origem, cp.origem.toUtf8());
            }
        ASSERT_TRUE(Iniciar());
    }

    QString Origem(const Cópia& cp) const { return inst + "/" + cp.origem; }
    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    void EsvaziarTrabalho() {
        QDir(c + "/qvcurso").removeRecursively();
        QDir().mkpath(c + "/qvcurso");
    }
    // The work folder's files that a name denotes, whatever their case and trailing blanks.
    QStringList Chamados(const QString& nome) const {
        QStringList r;
        for (const QString& n : QDir(c + "/qvcurso").entryList(QDir::Files | QDir::Hidden))
            if (vb::ChaveNome(n) == vb::ChaveNome(nome))
                r << n;
        return r;
    }
    // The content of the one work-folder file a name denotes.
    QByteArray Conteúdo(const QString& nome) const {
        const QStringList achados = Chamados(nome);
        return achados.size() == 1 ? Ler(q(achados[0])) : QByteArray("<ausente ou repetido>");
    }
};

TEST_F(Cópias_, CadaItemApagaESubstituiAsCópiasDoAluno) {
    int itens = 0;
    for (const catalogo::MenuCurso* curso : cursos)
        for (const catalogo::Item& it : curso->itens) {
            SCOPED_TRACE(std::string(it.controle) + " " + std::to_string(it.índice));
            EsvaziarTrabalho();
            Criar(q("do aluno.txt"), "meu");
            // The student's own copies, under the destination names in capitals.
            for (const Cópia& cp : Cópias(it))
                Criar(vb::Hospedeiro("c:\\qvcurso\\" + cp.destino.toUpper()), "do aluno");
            QStringList apagados;
            for (const catalogo::Etapa& e : it.etapas)
                if (e.passo == Passo::Apaga) {
                    apagados << QString::fromUtf8(e.a).mid(11);
                    Criar(vb::Hospedeiro(QString::fromUtf8(e.a).toUpper()), "antigo");
                }

            Rodar(it.controle, it.índice);
            EXPECT_TRUE(Iniciou(QString::fromUtf8(it.programa)));
            EXPECT_EQ(t1().Codprog->text(), QString::fromUtf8(it.código));
            EXPECT_TRUE(diálogos.mensagens.empty());
            for (const Cópia& cp : Cópias(it))
                EXPECT_EQ(Conteúdo(cp.destino), Ler(vb::Hospedeiro(Origem(cp))))
                    << cp.destino.toStdString();
            for (const QString& n : apagados)
                EXPECT_TRUE(Chamados(n).isEmpty()) << n.toStdString();
            EXPECT_EQ(Ler(q("do aluno.txt")), "meu");
            ++itens;
        }
    EXPECT_EQ(itens, 10 + 7 + 10 + 14 + 13 + 4 + 8 + 21 + 10 + 9 + 9 + 11);
}

TEST_F(Cópias_, FonteAusenteNoMeioParaOItem) {
    int testados = 0;
    for (const catalogo::MenuCurso* curso : cursos)
        for (const catalogo::Item& it : curso->itens) {
            const std::vector<Cópia> cópias = Cópias(it);
            if (cópias.size() < 2)
                continue;
            SCOPED_TRACE(std::string(it.controle) + " " + std::to_string(it.índice));
            const size_t k = cópias.size() / 2; // a copy with at least one before it
            const QString fonte = vb::Hospedeiro(Origem(cópias[k]));
            const QByteArray conteúdo = Ler(fonte);
            ASSERT_TRUE(QFile::remove(fonte));
            EsvaziarTrabalho();

            Rodar(it.controle, it.índice);
            EXPECT_TRUE(vb::ProgramEnded());
            EXPECT_TRUE(inícios.empty());
            ASSERT_EQ(diálogos.mensagens.size(), 1u);
            EXPECT_EQ(diálogos.mensagens[0].texto,
                      "Arquivo " + inst + "/" + cópias[k].origem + " não encontrado");
            for (size_t i = 0; i < cópias.size(); ++i) {
                if (i < k)
                    EXPECT_EQ(Conteúdo(cópias[i].destino), Ler(vb::Hospedeiro(Origem(cópias[i]))))
                        << i;
                else
                    EXPECT_TRUE(Chamados(cópias[i].destino).isEmpty()) << i;
            }
            Criar(fonte, conteúdo);
            ++testados;
        }
    EXPECT_EQ(testados, 38);
}

TEST_F(Cópias_, CronogramaComBrancoNoFimÉOMesmoArquivo) {
    // From nothing: the blank at the end is not part of the name on disk.
    Rodar("cprj08");
    EXPECT_EQ(Chamados("Mudança comercial.mpp"), QStringList{"Mudança comercial.mpp"});
    EXPECT_EQ(Ler(q("Mudança comercial.mpp")), "QV-MC_Vínculos.mpp");

    Rodar("cprj06");
    EXPECT_EQ(Chamados("Mudança comercial.mpp"), QStringList{"Mudança comercial.mpp"});
    EXPECT_EQ(Ler(q("Mudança comercial.mpp")), "QV-MC_Tarefas.mpp");
    Rodar("cprj08");
    EXPECT_EQ(Chamados("Mudança comercial.mpp"), QStringList{"Mudança comercial.mpp"});
    EXPECT_EQ(Ler(q("Mudança comercial.mpp")), "QV-MC_Vínculos.mpp");
    EXPECT_TRUE(Iniciou("QVPRJ08"));
}

TEST_F(Cópias_, ApagamentoDoCorelQueFalhaNãoParaOItem) {
    Criar(q("menu criar.cdr"), "do aluno");
    Rodar("CCorel1015"); // its first file is not there
    EXPECT_FALSE(Existe(q("menu criar.cdr")));
    EXPECT_TRUE(Iniciou("QVCR1015"));
    EXPECT_TRUE(diálogos.mensagens.empty());

    Rodar("CCorel1005"); // "combinar.cdr" is not there: the staging still follows
    EXPECT_EQ(Ler(q("mistura.cdr")), "mistura2.cdr");
    EXPECT_TRUE(Iniciou("QVCR1005"));

    // The lesson 08 name and the lesson 09 name differ only in case: one file.
    Criar(q("Texto no Corel.cdr"), "do aluno");
    Rodar("CCorel1009");
    EXPECT_EQ(Chamados("texto no corel.cdr"), QStringList{"Texto no Corel.cdr"});
    EXPECT_EQ(Ler(q("Texto no Corel.cdr")), "texto no corel.cdr");

    // An item that only deletes does not make a missing work folder.
    QDir(c + "/qvcurso").removeRecursively();
    Rodar("CCorel1001");
    EXPECT_FALSE(Existe(c + "/qvcurso"));
    EXPECT_TRUE(Iniciou("QVCR1001"));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

} // namespace
} // namespace menu::teste
