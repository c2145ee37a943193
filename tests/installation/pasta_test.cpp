// The demo installation folder holds the package and nothing else: each name once, whatever
// its case and accents, and every entry a program, a picture or settings file that the
// programs load, or an exercise source (or its folder) that the catalogue names.

#include "../catalogue/contagem.h"
#include "aparencia.h"
#include "caminhos.h"
#include "form3.h"
#include "licoes.h"
#include "padroes.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <gtest/gtest.h>

namespace {

// A path folded name by name as the platform folds it; "\" and "/" both separate.
QString Chave(QString caminho) {
    caminho.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList partes;
    for (const QString& p : caminho.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        partes << vb::ChaveNome(p);
    return partes.join(QLatin1Char('/'));
}

enum class Papel { Programa, Carregado, Fonte, Pasta, Módulo };

// What each folded name of the package is.
QHash<QString, Papel> Pacote(const QString& raiz) {
    QHash<QString, Papel> p;
    const auto fonte = [&p](const QString& nome) {
        const QString chave = Chave(nome);
        for (qsizetype i = chave.indexOf(QLatin1Char('/')); i >= 0;
             i = chave.indexOf(QLatin1Char('/'), i + 1))
            p.insert(chave.left(i), Papel::Pasta);
        p.insert(chave, Papel::Fonte);
    };
    p.insert(Chave(QStringLiteral("QVMenu")), Papel::Programa);
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& item : curso->itens) {
            p.insert(Chave(QString::fromUtf8(item.programa)), Papel::Programa);
            for (const catalogo::teste::Ação& a : catalogo::teste::Expandir(item)) {
                const QString origem = QString::fromStdString(a.a);
                if (a.passo == catalogo::Passo::Copia || a.passo == catalogo::Passo::CópiaDireta)
                    fonte(origem);
                if (a.passo == catalogo::Passo::CopiaMódulo) {
                    fonte(origem);
                    p[Chave(origem)] = Papel::Módulo; // a folder copied whole, files and all
                }
            }
        }
    for (const menu::LinhaAmostra& linha : menu::TabelaAmostras())
        for (const menu::CópiaAmostra& c : {linha.sempre[0], linha.access97[0], linha.access97[1],
                                            linha.access2000[0], linha.access2000[1]})
            if (c.origem)
                fonte(QString::fromUtf8(c.origem));

    const jogador::RegistroPadrões padrões = jogador::LerPadrões(raiz + QLatin1Char('/'));
    QStringList carregados{
        QStringLiteral("qvtelaini.jpg"),        QStringLiteral("qvmenu.ini"),
        QStringLiteral("qvpadrões.txt"),        QString::fromUtf8(jogador::arquivoCaderno),
        jogador::NomeDaImagem(padrões.arqcapa), jogador::NomeDaImagem(padrões.arqfaixa),
        jogador::NomeDaImagem(padrões.arqlogo)};
    for (const auto& lição : {licoes::QVAC2DII01(), licoes::QVAC2D01(), licoes::QVACAD3D01()})
        for (const jogador::LinhaFigura& f : lição.figuras)
            carregados << f.imagem;
    for (const QString& nome : carregados)
        p.insert(Chave(nome), Papel::Carregado);
    return p;
}

bool Cabe(Papel papel, const QFileInfo& info) {
    switch (papel) {
    case Papel::Programa:
        return info.isFile() && info.isExecutable();
    case Papel::Pasta:
    case Papel::Módulo:
        return info.isDir() && !info.isSymLink();
    default:
        return info.isFile();
    }
}

TEST(Instalação, CadaNomeUmaVezENadaAlémDoPacote) {
    const QString raiz = QStringLiteral(QV_INSTALACAO);
    const QHash<QString, Papel> pacote = Pacote(raiz);
    QHash<QString, QString> vistos; // folded path -> the entry that holds it
    int entradas = 0;
    QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString nome = QDir(raiz).relativeFilePath(info.filePath());
        const QString chave = Chave(nome);
        ++entradas;
        if (vistos.contains(chave))
            ADD_FAILURE() << "one name, two entries: " << qPrintable(vistos[chave]) << " and "
                          << qPrintable(nome);
        vistos.insert(chave, nome);

        const auto papel = pacote.constFind(chave);
        const bool certo = pacote.value(chave.section(QLatin1Char('/'), 0, -2)) == Papel::Módulo
                               ? Cabe(Papel::Fonte, info)
                               : papel != pacote.constEnd() && Cabe(*papel, info);
        EXPECT_TRUE(certo) << "not part of the package: " << qPrintable(nome);
    }
    EXPECT_GT(entradas, 500);
}

} // namespace
