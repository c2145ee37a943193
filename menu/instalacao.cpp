#include "instalacao.h"

#include "caminhos.h"
#include "caminhos_internos.h"
#include "dialogos.h"
#include "fim.h"
#include "registros.h"
#include "vberro.h"

#include <QDir>
#include <QHash>
#include <QStringDecoder>

namespace menu {

namespace {

constexpr qint64 TamanhoMáximoIni = 1 << 20;

// The support address is shown in the warning box on an 800 x 600 screen: ten lines under the
// warning's own five still fit its height, and 500 characters hold an address, telephones, an
// e-mail and a site. What goes beyond is dropped, so that a runaway value can neither freeze
// the menu nor push the box's button off the screen.
constexpr int LinhasMáximasSuporte = 10;
constexpr int CaracteresMáximosSuporte = 500;

// A value as written, unquoted when wholly in double quotes, with "\n" a line break and "\\" a
// "\" (as the files written for the earlier reader have them).
QString Valor(QString v) {
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    QString r;
    r.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c == QLatin1Char('\\') && i + 1 < v.size() &&
            (v[i + 1] == QLatin1Char('n') || v[i + 1] == QLatin1Char('\\')))
            r += v[++i] == QLatin1Char('n') ? QChar(u'\n') : QChar(u'\\');
        else
            r += c;
    }
    return r;
}

// What the file holds (a key, a value, a line), as a message quotes it: at most 60 characters,
// as a runaway line (up to the file's 1 MiB) would keep the message box laying it out for minutes.
QString Citado(const QString& texto) {
    return texto.left(60);
}

bool ComentárioNoValor(const QString& valor) {
    for (qsizetype i = 1; i < valor.size(); ++i)
        if ((valor[i] == u';' || valor[i] == u'#') && valor[i - 1].isSpace())
            return true;
    return false;
}

QString Limitado(const QString& texto) {
    QString r;
    int linhas = 1;
    for (qsizetype i = 0; i < texto.size() && r.size() < CaracteresMáximosSuporte; ++i) {
        QChar c = texto[i];
        const bool quebra = c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' ||
                            c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
                            c == QChar(0x85);
        if (quebra) {
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
            if (++linhas > LinhasMáximasSuporte)
                break;
            c = QChar(u'\n');
        }
        // A pair of surrogates stays whole or goes whole.
        if (c.isHighSurrogate() && r.size() + 1 >= CaracteresMáximosSuporte)
            break;
        r += c;
    }
    return r;
}

} // namespace

std::optional<Ini> LerIni(const QByteArray& bytes, QString* erro) {
    auto falha = [erro](const QString& porquê) -> std::optional<Ini> {
        if (erro)
            *erro = porquê;
        return std::nullopt;
    };
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(bytes);
    if (utf8.hasError() || texto.contains(QChar(0)))
        return falha(QStringLiteral("não é um arquivo de texto (UTF-8)"));

    Ini ini;
    QString seção;
    bool temSeção = false;
    int n = 0;
    auto naLinha = [&](const QString& porquê) {
        return falha(QStringLiteral("linha %1: ").arg(n) + porquê);
    };
    for (qsizetype início = 0; início <= texto.size();) {
        qsizetype fim = início;
        while (fim < texto.size() && texto[fim] != u'\n' && texto[fim] != u'\r')
            ++fim;
        const QString linha = QStringView(texto).mid(início, fim - início).trimmed().toString();
        const bool crlf = fim + 1 < texto.size() && texto[fim] == u'\r' && texto[fim + 1] == u'\n';
        início = fim + (crlf ? 2 : 1);
        ++n;

        if (linha.isEmpty() || linha.startsWith(QLatin1Char(';')) ||
            linha.startsWith(QLatin1Char('#')))
            continue;
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']'))) {
            seção = linha.mid(1, linha.size() - 2).trimmed().toLower();
            temSeção = true;
            continue;
        }
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        const QString chave = linha.left(igual).trimmed().toLower();
        if (igual < 0 || chave.isEmpty())
            return naLinha(QStringLiteral("\"%1\" não é uma [seção], uma chave=valor nem um "
                                          "comentário")
                               .arg(Citado(linha)));
        if (!temSeção)
            return naLinha(
                QStringLiteral("a chave \"%1\" vem antes de qualquer [seção]").arg(Citado(chave)));
        const QString valor = linha.mid(igual + 1).trimmed();
        const bool entreAspas = valor.startsWith(QLatin1Char('"'));
        if (entreAspas && (valor.size() < 2 || !valor.endsWith(QLatin1Char('"'))))
            return naLinha(
                QStringLiteral("as aspas do valor de \"%1\" não se fecham").arg(Citado(chave)));
        // A comment after a value would silently become part of it.
        if (!entreAspas && ComentárioNoValor(valor))
            return naLinha(QStringLiteral("o valor de \"%1\" tem um comentário (\" ;\" ou "
                                          "\" #\"); um comentário fica em linha própria, e "
                                          "um valor que os contém vai entre aspas")
                               .arg(Citado(chave)));
        ini.push_back({seção, chave, Valor(valor), n});
    }
    return ini;
}

Instalação LerInstalação(const QString& pasta) {
    Instalação inst;
    vb::DriveMap& mapa = vb::DriveMap::atual();
    mapa.limpar();

    // Read as every file is read (vb::LerArquivo: no blocking, an ordinary file only) and parsed
    // here, so that neither /proc nor a temporary folder is needed. Only a missing file means
    // the defaults: one that cannot be used must not open every course of an installation that
    // is set to a student file.
    const QString arquivo = QDir(pasta).filePath(QStringLiteral("qvmenu.ini"));
    const QString prefixo = arquivo + QStringLiteral(": ");
    auto recusar = [](const QString& porquê) {
        const QChar cr(13);
        vb::MsgBox(QStringLiteral("O arquivo de configuração do curso não pode ser usado.") + cr +
                       cr + porquê,
                   vb::vbCritical);
        vb::End();
    };
    Ini ini;
    try {
        QString erro;
        std::optional<Ini> lido = LerIni(vb::LerArquivo(arquivo, TamanhoMáximoIni), &erro);
        if (!lido)
            recusar(prefixo + erro);
        ini = std::move(*lido);
    } catch (const vb::VbError& e) {
        // A name that is there but opens to nothing (a link into an unmounted share) is no
        // absent file.
        if (e.número() != vb::ArquivoNãoEncontrado)
            recusar(e.detalhe()); // names the file
        else if (vb::interno::Localizar(arquivo).existe)
            recusar(prefixo +
                    QStringLiteral("ligação para um arquivo que não existe (uma pasta de rede não "
                                   "montada?)"));
    }

    // Every key of the menu's own sections must be one it knows, set once, to a value it can
    // take: a misspelt one would leave the default in force (no student file: every course
    // open; C: the home folder) without a word.
    QHash<QString, int> vistas;
    for (const EntradaIni& e : ini) {
        auto naLinha = [&](const QString& porquê) {
            recusar(prefixo + QStringLiteral("linha %1: ").arg(e.linha) + porquê);
        };
        const QString valor = e.valor.trimmed().toLower();
        if (e.seção == QLatin1String("aluno")) {
            if (e.chave != QLatin1String("fonte"))
                naLinha(QStringLiteral("chave \"%1\" desconhecida em [aluno]; esperada fonte")
                            .arg(Citado(e.chave)));
            if (valor == QLatin1String("nenhum"))
                inst.fonte = FonteAluno::Nenhum;
            else if (valor == QLatin1String("a"))
                inst.fonte = FonteAluno::DriveA;
            else if (valor == QLatin1String("b"))
                inst.fonte = FonteAluno::DriveB;
            else if (valor == QLatin1String("perguntar"))
                inst.fonte = FonteAluno::Perguntar;
            else
                naLinha(QStringLiteral("fonte=%1 não é um valor conhecido; esperado nenhum, A, B "
                                       "ou perguntar")
                            .arg(Citado(e.valor)));
        } else if (e.seção == QLatin1String("unidades")) {
            if (e.chave.size() != 1 || !vb::LetraDeUnidade(e.chave[0]))
                naLinha(QStringLiteral("chave \"%1\" desconhecida em [unidades]; esperada "
                                       "uma letra de unidade, de A a Z")
                            .arg(Citado(e.chave)));
            if (valor.isEmpty())
                naLinha(QStringLiteral("falta a pasta da unidade %1:").arg(e.chave.toUpper()));
            // A Windows path ("D:\cursos", "..\c", read "..<line break>c" if written "..\nc")
            // would name a folder that is not there.
            if (e.valor.contains(u'\\') || e.valor.contains(u'\n') ||
                (e.valor.size() >= 2 && e.valor[1] == u':'))
                naLinha(QStringLiteral("a pasta da unidade %1: é uma pasta deste computador, "
                                       "escrita com /, não um caminho do Windows")
                            .arg(e.chave.toUpper()));
            // A relative folder is taken from the settings file's own folder, so that an
            // installation can be moved as a whole.
            const QString hospedeira = QDir::cleanPath(QDir(pasta).absoluteFilePath(e.valor));
            if (e.chave == QLatin1String("c") && vb::interno::ÉARaiz(hospedeira))
                naLinha(QStringLiteral("a unidade C: não pode ser a pasta raiz (/): as lições "
                                       "gravam e apagam arquivos na raiz de C:"));
            mapa.definir(e.chave[0], hospedeira);
        } else if (e.seção == QLatin1String("suporte")) {
            if (e.chave != QLatin1String("endereco"))
                naLinha(QStringLiteral("chave \"%1\" desconhecida em [suporte]; esperada endereco")
                            .arg(Citado(e.chave)));
            const QString suporte = Limitado(e.valor);
            inst.suporte = suporte.isEmpty() ? Instalação().suporte : suporte;
        } else {
            // A misspelt "[alunos]" would leave every course open.
            naLinha(QStringLiteral("seção [%1] desconhecida; esperada [aluno], [unidades] ou "
                                   "[suporte]")
                        .arg(Citado(e.seção)));
        }
        const QString nome = e.seção + QLatin1Char('/') + e.chave;
        if (const auto antes = vistas.constFind(nome); antes != vistas.cend())
            naLinha(QStringLiteral("\"%1\" já foi definida na linha %2")
                        .arg(e.chave, QString::number(*antes)));
        vistas.insert(nome, e.linha);
    }

    if (!mapa.pasta(QLatin1Char('C'))) {
        const std::optional<QString> home = vb::PastaDoUsuário();
        if (!home) {
            vb::MsgBox(
                QStringLiteral(
                    "Não foi possível encontrar a pasta pessoal do usuário "
                    "(HOME não está definida ou é a pasta raiz, e o "
                    "cadastro do sistema não dá outra). Indique a pasta da unidade C: em %1.")
                    .arg(arquivo),
                vb::vbCritical);
            vb::End();
        }
        mapa.definir(QLatin1Char('C'), *home);
    }
    return inst;
}

} // namespace menu
