// Student files that are not what the installation expects: empty, binary, in UTF-8, a folder
// or a named pipe under the file's name, and folders with accents and blanks. Each has a clear
// outcome, and the student's drive is never written.

#include "ambiente_menu.h"
#include "desbloqueador.h"
#include "registros.h"

#include <QDateTime>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace menu::teste {
namespace {

using ::teste::Desbloqueador;

// A folder tree as sorted lines (kind, name, size, time), to tell that nothing wrote in it.
QStringList Retrato(const QString& pasta) {
    QStringList r;
    QDirIterator it(pasta, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo i(it.next());
        r << QStringLiteral("%1 %2 %3 %4")
                 .arg(i.isDir() ? 'd' : 'f')
                 .arg(QDir(pasta).relativeFilePath(i.filePath()))
                 .arg(i.size())
                 .arg(i.lastModified().toMSecsSinceEpoch());
    }
    r.sort();
    return r;
}

class AlunoRuim : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        Instalar({"QVAC2D01"});
    }
    QStringList Cursos() const {
        QStringList r;
        for (int i = 0; i < tela2->List1->count(); ++i)
            r << tela2->List1->item(i)->text();
        return r;
    }
    // The start-up with a student file on drive A: whose bytes are given; true when it went on.
    bool IniciarCom(const QByteArray& bytes) {
        QDir(a).removeRecursively();
        QDir().mkpath(a);
        Criar(a + "/aluno.dat", bytes);
        const QStringList antes = Retrato(a);
        const bool seguiu = Iniciar(FonteAluno::DriveA);
        EXPECT_EQ(Retrato(a), antes);
        return seguiu;
    }
    void EsperarFimComMensagem() {
        EXPECT_TRUE(vb::ProgramEnded());
        ASSERT_EQ(diálogos.mensagens.size(), 1u);
        EXPECT_EQ(diálogos.mensagens[0].texto,
                  "Arquivo de aluno não encontrado ou disquete não está no drive");
        EXPECT_FALSE(t1().isVisible());
    }
};

TEST_F(AlunoRuim, VazioLêSóBrancosENenhumCurso) {
    ASSERT_TRUE(IniciarCom(""));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(t1().cabalunonome->text(), QString(32, ' '));
    EXPECT_EQ(t1().cabalunomatrícula->text(), QString(5, ' '));
    EXPECT_EQ(tela2->alunonome->text(), QString(32, ' '));
    EXPECT_TRUE(t1().cabaluno->isVisible());
    EXPECT_EQ(Cursos(), QStringList());
    EXPECT_TRUE(t1().isVisible());
}

TEST_F(AlunoRuim, BinárioLidoComoWindows1252) {
    QByteArray nome;
    for (int b = 0xA0; b < 0xC0; ++b)
        nome += char(b);
    QByteArray flags(28, '\0');
    flags[2] = '1';         // Windows
    flags[3] = char(0xB9);  // a superscript one is no "1"
    flags[16] = char(0xFF); // AutoCad stays closed
    flags[27] = '1';        // AutoCAD 3D
    QByteArray registro = QByteArray("\x00\x01\x80\x81\x9f", 5) + nome + flags;
    registro += QByteArray(112 - registro.size(), char(0xFE)) + "segundo registro";
    ASSERT_TRUE(IniciarCom(registro));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(t1().cabalunomatrícula->text(),
              QStringView(u"\x0000\x0001\x20AC\x0081\x0178", 5).toString());
    QString esperado;
    for (char16_t u = 0xA0; u < 0xC0; ++u)
        esperado += QChar(u);
    EXPECT_EQ(t1().cabalunonome->text(), esperado);
    EXPECT_EQ(tela2->alunonome->text(), esperado);
    EXPECT_EQ(Cursos(), QStringList({"Windows", "AutoCAD 3D"}));
    EXPECT_TRUE(t1().item("CACAD3D", 30)->isEnabled());
    EXPECT_FALSE(t1().item("cAutoCad", 2)->isEnabled());
}

TEST_F(AlunoRuim, Utf8MostraALeituraWindows1252DoQueOArquivoTem) {
    // Written by a tool that saved UTF-8: each accented letter is two bytes; the fields stay
    // where the bytes put them.
    QByteArray flags(28, '0');
    flags[16] = '1';
    const QByteArray registro = QByteArray("\xEF\xBB\xBF"
                                           "12") +
                                QString("João Conceição").toUtf8().leftJustified(32, ' ') + flags;
    ASSERT_TRUE(IniciarCom(registro));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(t1().cabalunomatrícula->text(), QString("ï»¿12"));
    EXPECT_EQ(t1().cabalunonome->text(), QString("JoÃ£o ConceiÃ§Ã£o").leftJustified(32, ' '));
    EXPECT_EQ(Cursos(), QStringList({"AutoCad"}));
}

TEST_F(AlunoRuim, PastaOuPipeComONomeDoArquivoEncerramAntesDeMostrar) {
    // A folder named "aluno.dat" where the student typed the folder of the file.
    const QString turma = c + "/Turma de Informática";
    ASSERT_TRUE(QDir().mkpath(turma + "/aluno.dat"));
    Criar(turma + "/aluno.dat/leia-me.txt", "da pasta");
    const QStringList antes = Retrato(c + "/Turma de Informática");
    diálogos.respostas = {"c:\\Turma de Informática"};
    EXPECT_FALSE(Iniciar(FonteAluno::Perguntar));
    EsperarFimComMensagem();
    EXPECT_EQ(Retrato(c + "/Turma de Informática"), antes);

    // A named pipe: reading it would wait for a writer that never comes.
    tela2.reset();
    vb::ResetProgramEnd();
    diálogos.mensagens.clear();
    QDir(a).removeRecursively();
    QDir().mkpath(a);
    ASSERT_EQ(::mkfifo(QFile::encodeName(a + "/aluno.dat").constData(), 0644), 0);
    {
        Desbloqueador desbloqueador(a + "/aluno.dat");
        EXPECT_FALSE(Iniciar(FonteAluno::DriveA));
        EXPECT_FALSE(desbloqueador.desbloqueou()) << "the start-up waited on the pipe";
    }
    EsperarFimComMensagem();
}

TEST_F(AlunoRuim, PastaComAcentosEBrancosEmOutraGrafia) {
    QByteArray flags(28, '0');
    flags[23] = '1'; // VBA
    QByteArray registro =
        "00007" + vb::ParaAnsi(QString("Ana Lúcia Conceição")).leftJustified(32, ' ') + flags;
    Criar(c + "/TURMA DE INFORMÁTICA/ação 1/Aluno.DAT", registro.leftJustified(112, ' '));
    const QStringList antes = Retrato(c + "/TURMA DE INFORMÁTICA");
    diálogos.respostas = {"c:/Turma de Informática/Ação 1", "c:\\Turma de Informática\\Ação 1"};
    ASSERT_TRUE(Iniciar(FonteAluno::Perguntar));
    EXPECT_EQ(diálogos.perguntas.size(), 2u);
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(t1().cabalunonome->text(), QString("Ana Lúcia Conceição").leftJustified(32, ' '));
    EXPECT_EQ(Cursos(), QStringList({"VBA"}));
    EXPECT_EQ(Retrato(c + "/TURMA DE INFORMÁTICA"), antes);
}

} // namespace
} // namespace menu::teste

namespace menu::teste {
namespace {

TEST_F(AlunoRuim, RespostaSemLetraDeUnidadeNãoSaiDasUnidades) {
    // A student file outside every drive, reachable from the installation folder or from "/"
    // if the first character were no drive.
    QByteArray registro =
        "00009" + QByteArray("Intruso").leftJustified(32, ' ') + QByteArray(28, '1');
    Criar(raiz + "/fora/aluno.dat", registro.leftJustified(112, ' '));
    for (const QString& resposta : {QString("1:\\..\\..\\fora"), "\\:\\.." + raiz + "\\fora",
                                    QString("é:\\..\\..\\fora\\")}) {
        SCOPED_TRACE(resposta.toStdString());
        tela2.reset();
        vb::ResetProgramEnd();
        diálogos.mensagens.clear();
        diálogos.respostas = {resposta};
        EXPECT_FALSE(Iniciar(FonteAluno::Perguntar));
        EsperarFimComMensagem();
    }
}

TEST_F(AlunoRuim, ConfiguraçãoInutilizávelEncerraComMensagemEAusenteÉPadrão) {
    // Each case: the student file source, or none when the menu ends naming the file (line).
    const QString ini = inst + "/qvmenu.ini";
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(inst + "/não-existe"));
    std::vector<std::pair<QByteArray, std::optional<FonteAluno>>> casos = {
        {"-", FonteAluno::Nenhum},
        {"\xEF\xBB\xBF; x\r\n[ Aluno ]\r\n  FONTE = \"b\"\r\n", FonteAluno::DriveB},
        {"fifo", {}},
        {"pasta", {}},
        {"ligação", {}},
        {QByteArray((1 << 20) + 1, ' '), {}},
        {"fonte=a\xE9", {}},
        {"[aluno]\rfonte=a\r[unidades]\rA=../a\r", FonteAluno::DriveA}};
    for (const char* recusado :
         {"[aluno]\nfonte\n", "fonte=A\n", "[aluno]\n\nfonte=disquete\n", "[aluno]\nfonte=a:\n",
          "[aluno]\nfonte=A:\\\n", "[aluno]\nfonte=A ; disquete\n", "[aluno]\nfonte=\"A\n",
          "[aluno]\nfont=A\n", "[aluno]\nfonte=A\n[aluno]\nfonte=nenhum\n", "[unidades]\n1=..\n",
          "[unidades]\n%C9=..\n", "[unidades]\nC:=../c\n", "[unidades]\nC=\n",
          "[unidades]\nC=/tmp/..\n", "[unidades]\nC=..\\c\n", "[unidades]\nA=a:/\n",
          "[suporte]\nendereço=x\n", "[alunos]\nfonte=A\n"})
        casos.insert(casos.end() - 1, {recusado, {}});
    for (const char* fim : {"=A ; x\n", "=\"A\n", "=A\n"}) // a runaway key: quoted in short
        casos.insert(casos.end() - 1, {"[aluno]\n" + QByteArray(5000, 'k') + fim, {}});
    for (const auto& [bytes, fonte] : casos) {
        SCOPED_TRACE(bytes.left(30).toStdString());
        QFile::remove(ini), QDir(ini).removeRecursively(), diálogos.mensagens.clear();
        vb::ResetProgramEnd();
        if (bytes == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0644), 0);
        else if (bytes == "ligação")
            ASSERT_TRUE(QFile::link(raiz + "/partilha-desmontada/qvmenu.ini", ini));
        else if (bytes != "-")
            bytes == "pasta" ? void(QDir().mkpath(ini)) : Criar(ini, bytes);
        Desbloqueador fifo(bytes == "fifo" ? ini : inst + "/-");
        Instalação i;
        EXPECT_EQ(vb::Handler([&] { i = LerInstalação(inst); }), fonte.has_value());
        EXPECT_FALSE(fifo.desbloqueou()) << "the start waited on a pipe";
        const qsizetype n = bytes.count('\n'); // the line named: the last one
        const QString onde = n ? QString("%1: linha %2:").arg(ini).arg(n) : ini;
        EXPECT_EQ(diálogos.mensagens.size() == 1 && diálogos.mensagens[0].texto.contains(onde) &&
                      diálogos.mensagens[0].texto.size() < 1000,
                  !fonte);
        EXPECT_EQ(i.fonte, fonte.value_or(FonteAluno::Nenhum));
    }
    qputenv("TMPDIR", tmp); // without a temporary folder, the last case's drive map holds:
    EXPECT_EQ(vb::DriveMap::atual().pasta('A'), a);
    // and with no C: there, nor HOME, C: is the password database's home, never Qt's "/".
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME"), vb::ResetProgramEnd();
    EXPECT_EQ(vb::Handler([&] { LerInstalação(inst); }), vb::PastaDoUsuário().has_value());
    EXPECT_EQ(vb::DriveMap::atual().pasta('C'), vb::PastaDoUsuário());
    qputenv("HOME", home);
}

} // namespace
} // namespace menu::teste
