// Start-up of the menu: student file, course flags, enabling, installed-course detection.

#include "aluno.h"
#include "ambiente_menu.h"
#include "registros.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>

namespace menu::teste {
namespace {

// A student record: registration, name (32 characters), 28 flags, and the rest.
QByteArray Registro(const QByteArray& matrícula, const QByteArray& nome, const QByteArray& flags) {
    QByteArray r = matrícula.leftJustified(5, ' ') + nome.leftJustified(32, ' ') + flags;
    return r.leftJustified(112, ' ');
}

int Ativos(Tela1& t) {
    int n = 0;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens)
            n += t.item(QString::fromUtf8(it.controle), it.índice)->isEnabled();
    return n;
}

using Início_ = Menu;

TEST_F(Início_, SemArquivoDeAlunoTudoAbertoEJanelaMostrada) {
    Instalar({"QVAC2D01"});
    ASSERT_TRUE(Iniciar());
    EXPECT_TRUE(diálogos.perguntas.empty());
    EXPECT_TRUE(diálogos.mensagens.empty()); // one course installed: no warning
    EXPECT_EQ(tela2->List1->count(), 28);
    EXPECT_EQ(tela2->List1->item(0)->text(), "Apresentação");
    EXPECT_EQ(tela2->List1->item(27)->text(), "AutoCAD 3D");
    EXPECT_EQ(Ativos(t1()), 278);
    EXPECT_TRUE(t1().isVisible());
    EXPECT_FALSE(tela2->isVisible());
    EXPECT_FALSE(t1().cabaluno->isVisible());
    EXPECT_FALSE(tela2->alunonome->isVisible());
    // The start-up colour is the window's area; the menu bar keeps the desktop's.
    EXPECT_EQ(t1().centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_EQ(t1().menuBar()->palette().color(QPalette::Window),
              QApplication::palette(t1().menuBar()).color(QPalette::Window));
    EXPECT_EQ(t1().Pastaprog, inst + "\\");
    EXPECT_TRUE(QFileInfo(c + "/qvcurso").isDir()); // the work folder is made
    EXPECT_EQ(QDir::currentPath(), inst);           // and the current folder kept
}

TEST_F(Início_, EndereçoDeSuporteLimitadoADezLinhasE500Caracteres) {
    for (const auto& [valor, lido] : std::initializer_list<std::pair<QByteArray, QString>>{
             {"\"Ana, tel. 1234; ramal 5\"", "Ana, tel. 1234; ramal 5"},
             {QByteArray(1000000, 'x'), QString(500, 'x')},
             {QByteArray("l\\n").repeated(300), QString("l\n").repeated(9) + "l"},
             {"\"a\\\\b\\nc\" ; x\"", "a\\b\nc\" ; x"}}) {
        Criar(inst + "/qvmenu.ini", "[suporte]\nendereco=" + valor + "\n");
        EXPECT_EQ(LerInstalação(inst).suporte, lido);
    }
}

TEST_F(Início_, RecusaNoInícioTerminaComStatus1ESairComZero) {
    // Refused (settings, student file, start folder gone: "") ends with 1; "Sair" with 0.
    Instalar({"QVAC2D01"});
    for (QByteArray fonte : {"disquete", "A", "", "nenhum"}) {
        const int status = fonte != "nenhum";
        vb::ResetProgramEnd();
        if (fonte.isEmpty())
            fonte = "nenhum", QDir().mkpath(raiz + "/x"), QDir::setCurrent(raiz + "/x"),
            QDir().rmdir(raiz + "/x");
        Criar(inst + "/qvmenu.ini", "[aluno]\nfonte=" + fonte + "\n[unidades]\nC=../c\nA=../a\n");
        if (!status)
            QTimer::singleShot(0, [] { vb::Handler(vb::End); });
        EXPECT_EQ(ExecutarMenu(), status) << fonte.constData();
        QDir::setCurrent(inst);
    }
}

TEST_F(Início_, PastaAtualApagadaEncerraAntesDeTocarEmArquivos) {
    ASSERT_TRUE(QDir(raiz).rmdir("cursos")); // the current folder
    EXPECT_FALSE(Iniciar());
    EXPECT_TRUE(diálogos.mensagens.size() == 1 && diálogos.mensagens[0].texto.contains("atual"));
    EXPECT_FALSE(QFileInfo::exists(c + "/qvcurso")); // nothing made
}

TEST_F(Início_, NenhumCursoInstaladoAvisaUmaVezEAbreOMenu) {
    ASSERT_TRUE(Iniciar());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    const auto& m = diálogos.mensagens[0];
    const QChar cr(13);
    EXPECT_EQ(m.texto, QString("Não há nenhum curso Instalado:") + cr + cr +
                           "-  Verifique se foi feito o download do módulo de curso." + cr +
                           "-  Verifique se foi instalado o módulo de curso" + cr +
                           "-  Maiores informações: procure o responsável pelo curso");
    EXPECT_EQ(m.botões, 48);
    EXPECT_EQ(m.título, "ATENÇÃO");
    EXPECT_TRUE(t1().isVisible());
}

TEST_F(Início_, ArquivoDeAlunoAbreSóSeusCursos) {
    Instalar({"QVAC2D01", "QVWin01.exe", "QVCR1001"});
    QByteArray flags(28, '0');
    flags[16] = '1'; // AutoCad
    Criar(a + "/aluno.dat", Registro("12345", "Maria", flags) + Registro("99999", "Outro", ""));
    ASSERT_TRUE(Iniciar(FonteAluno::DriveA));

    ASSERT_EQ(tela2->List1->count(), 1);
    EXPECT_EQ(tela2->List1->item(0)->text(), "AutoCad");
    // The name keeps its blanks; both forms show it.
    EXPECT_EQ(t1().cabalunonome->text(), "Maria" + QString(27, ' '));
    EXPECT_EQ(tela2->alunonome->text(), t1().cabalunonome->text());
    EXPECT_EQ(t1().cabalunomatrícula->text(), "12345");
    EXPECT_TRUE(t1().cabaluno->isVisible());
    EXPECT_TRUE(t1().cabalunomatrícula->isVisible());

    // The 33 AutoCad 2D items, plus what the design leaves enabled for installed courses:
    // the first three Windows items and the first Corel item.
    EXPECT_TRUE(t1().item("cAutoCadII", 17)->isEnabled());
    EXPECT_TRUE(t1().item("CWin03")->isEnabled());
    EXPECT_TRUE(t1().item("CCorel1001")->isEnabled());
    EXPECT_FALSE(t1().item("CCorel1010")->isEnabled());
    EXPECT_FALSE(t1().item("CACAD3D", 1)->isEnabled()); // its program is not installed
    EXPECT_FALSE(t1().item("CWin04")->isEnabled());
    EXPECT_EQ(Ativos(t1()), 33 + 3 + 1);
}

// The student's name and number show whole in their boxes, as the fixed texts do: a long name
// at a smaller size, one that fits but for its record's trailing blanks at the designer's.
TEST_F(Início_, NomeEMatrículaCabemNasCaixas) {
    for (const auto& [nome, menor] :
         {std::pair<QString, bool>{"MARIA APARECIDA DA CONCEIÇÃO MOU", true},
          {"MARIA APARECIDA DA CONCEIÇÃ", false}}) {
        Criar(a + "/aluno.dat", Registro("WWWWW", nome.toLatin1(), "1"));
        ASSERT_TRUE(Iniciar(FonteAluno::DriveA));
        for (const QLabel* r : {t1().cabalunonome, t1().cabalunomatrícula})
            EXPECT_LE(QFontMetrics(r->font()).horizontalAdvance(r->text().trimmed()), r->width())
                << qPrintable(r->text());
        EXPECT_EQ(t1().cabalunonome->font().pointSizeF() < 8.25, menor) << qPrintable(nome);
    }
}

TEST_F(Início_, FlagsQueNãoSão1FechamOCurso) {
    Instalar({"QVAC2D01"});
    QByteArray flags = "1 a0" + QByteArray(24, '0');
    flags[27] = '1';
    Criar(a + "/aluno.dat", Registro("1", "Ana", flags));
    ASSERT_TRUE(Iniciar(FonteAluno::DriveA));
    ASSERT_EQ(tela2->List1->count(), 2);
    EXPECT_EQ(tela2->List1->item(1)->text(), "AutoCAD 3D");
    EXPECT_TRUE(t1().item("CACAD3D", 30)->isEnabled());
    EXPECT_FALSE(t1().item("cAutoCad", 2)->isEnabled());
}

TEST_F(Início_, ArquivoCurtoLêBrancosAlémDoFim) {
    Instalar({"QVAC2D01"});
    Criar(a + "/aluno.dat", "00042Jo\xe3o da Silva"); // Windows-1252, ends inside the name
    ASSERT_TRUE(Iniciar(FonteAluno::DriveA));
    EXPECT_EQ(t1().cabalunonome->text(), QString("João da Silva").leftJustified(32, ' '));
    EXPECT_EQ(tela2->List1->count(), 0);
}

TEST_F(Início_, ArquivoDeAlunoAusenteOcultoOuSemDiscoEncerraAntesDeMostrar) {
    struct Caso {
        const char* nome;
        std::function<void()> preparar;
        FonteAluno fonte;
    };
    const Caso casos[] = {
        {"ausente", [] {}, FonteAluno::DriveA},
        {"oculto", [this] { Criar(a + "/.aluno.dat", Registro("1", "X", QByteArray(28, '1'))); },
         FonteAluno::DriveA},
        {"pasta", [this] { QDir().mkpath(a + "/aluno.dat"); }, FonteAluno::DriveA},
        {"drive sem disco", [] {}, FonteAluno::DriveB},
    };
    Instalar({"QVAC2D01"});
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QDir(a).removeRecursively();
        QDir().mkpath(a);
        caso.preparar();
        diálogos.mensagens.clear();
        vb::ResetProgramEnd();
        EXPECT_FALSE(Iniciar(caso.fonte));
        EXPECT_TRUE(vb::ProgramEnded());
        ASSERT_EQ(diálogos.mensagens.size(), 1u);
        EXPECT_EQ(diálogos.mensagens[0].texto,
                  "Arquivo de aluno não encontrado ou disquete não está no drive");
        EXPECT_EQ(diálogos.mensagens[0].botões, 0);
        EXPECT_TRUE(diálogos.mensagens[0].título.isEmpty());
        EXPECT_FALSE(t1().isVisible());
    }
}

TEST_F(Início_, PerguntaAtéReceberDriveEPasta) {
    Instalar({"QVAC2D01"});
    Criar(c + "/dados/aluno.dat", Registro("777", "Pedro", QByteArray(28, '1')));
    diálogos.respostas = {"0", "", "c:", "c:/dados", "c:\\dados"};
    ASSERT_TRUE(Iniciar(FonteAluno::Perguntar));
    ASSERT_EQ(diálogos.perguntas.size(), 5u);
    for (const auto& p : diálogos.perguntas) {
        EXPECT_EQ(p.pergunta, "Informe o drive\\path para os arquivos de trabalho ");
        EXPECT_EQ(p.título, "Obtém drive\\path dos arquivos de trabalho");
        EXPECT_EQ(p.padrão, "0");
    }
    EXPECT_EQ(t1().cabalunomatrícula->text(), "777  ");
    EXPECT_EQ(tela2->List1->count(), 28);
}

TEST_F(Início_, AvisoDeNenhumCursoVemAntesDaPergunta) {
    Criar(c + "/aluno.dat", Registro("1", "Pedro", QByteArray(28, '1')));
    diálogos.respostas = {"c:\\"};
    ASSERT_TRUE(Iniciar(FonteAluno::Perguntar));
    EXPECT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.perguntas.size(), 1u);
}

TEST(RespostaDoAluno, SegundoETerceiroCaracteresDevemSerDoisPontosEBarra) {
    EXPECT_EQ(CaminhoDaResposta("c:\\"), "c:\\aluno.dat");
    EXPECT_EQ(CaminhoDaResposta("a:\\turma1"), "a:\\turma1\\aluno.dat");
    EXPECT_EQ(CaminhoDaResposta("a:\\turma1\\"), "a:\\turma1\\aluno.dat");
    EXPECT_EQ(CaminhoDaResposta(" C:\\x "), std::nullopt);
    EXPECT_EQ(CaminhoDaResposta("1:\\"), "1:\\aluno.dat"); // the letter itself is not tested
    for (const char* ruim : {"", "0", "c:", "c:/dados", "\\\\srv\\x"})
        EXPECT_EQ(CaminhoDaResposta(ruim), std::nullopt) << ruim;
}

TEST_F(Início_, DetecçãoOlhaAPastaDoProgramaEContaOcultosMasNãoPastas) {
    Criar(inst + "/.QVAC2DII01.exe");        // hidden: installed
    QDir().mkpath(inst + "/QVACAD3D01.exe"); // a folder: not installed
    Instalar({"QVVBA01"});
    QByteArray flags(28, '0');
    Criar(a + "/aluno.dat", Registro("1", "X", flags));
    ASSERT_TRUE(Iniciar(FonteAluno::DriveA));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_TRUE(t1().item("cAutoCadII", 1)->isEnabled());
    EXPECT_FALSE(t1().item("CACAD3D", 1)->isEnabled());
    EXPECT_TRUE(t1().item("cvba", 1)->isEnabled());
    EXPECT_FALSE(t1().item("CWin01")->isEnabled());
    EXPECT_FALSE(t1().item("CWin02")->isEnabled());
    EXPECT_FALSE(t1().item("CWin03")->isEnabled());
}

TEST_F(Início_, ProgramasPartemDaPastaAtualNãoDaPastaDoPrograma) {
    const QString outra = raiz + "/programa";
    Criar(outra + "/QVAC2D01");
    vb::DefinirPastaDoPrograma(outra);
    ASSERT_TRUE(Iniciar());
    EXPECT_TRUE(diálogos.mensagens.empty());
    Criar(inst + "/QVAC2D01");
    Clicar("cAutoCad", 1);
    ASSERT_EQ(inícios.size(), 1u);
    EXPECT_EQ(inícios[0].executável, inst + "/QVAC2D01");
    EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVAC2D01");
    EXPECT_TRUE(vb::ProgramEnded());
}

} // namespace
} // namespace menu::teste
