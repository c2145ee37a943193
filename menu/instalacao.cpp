#include "instalacao.h"

#include "caminhos.h"
#include "dialogos.h"
#include "fim.h"
#include "registros.h"
#include "vberro.h"

#include <QDir>
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
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        const QString linha = linhas[n].trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char(';')) ||
            linha.startsWith(QLatin1Char('#')))
            continue;
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']'))) {
            seção = linha.mid(1, linha.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        const QString chave = linha.left(igual).trimmed().toLower();
        if (igual < 0 || chave.isEmpty())
            return falha(QStringLiteral("a linha %1 não é uma seção, uma chave=valor nem um "
                                        "comentário")
                             .arg(n + 1));
        ini.insert(seção + QLatin1Char('/') + chave, Valor(linha.mid(igual + 1).trimmed()));
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
    std::optional<Ini> ini = Ini();
    QString erro;
    try {
        ini = LerIni(vb::LerArquivo(arquivo, TamanhoMáximoIni), &erro);
        erro = arquivo + QStringLiteral(": ") + erro;
    } catch (const vb::VbError& e) {
        if (e.número() != vb::ArquivoNãoEncontrado) {
            erro = QString::fromStdString(e.what()); // names the file
            ini = std::nullopt;
        }
    }
    if (!ini) {
        const QChar cr(13);
        vb::MsgBox(QStringLiteral("O arquivo de configuração do curso não pode ser usado.") + cr +
                       cr + erro,
                   vb::vbCritical);
        vb::End();
    }

    const QString fonte = ini->value(QStringLiteral("aluno/fonte")).trimmed().toLower();
    if (fonte == QLatin1String("a"))
        inst.fonte = FonteAluno::DriveA;
    else if (fonte == QLatin1String("b"))
        inst.fonte = FonteAluno::DriveB;
    else if (fonte == QLatin1String("perguntar"))
        inst.fonte = FonteAluno::Perguntar;

    const QString suporte = Limitado(ini->value(QStringLiteral("suporte/endereco")));
    if (!suporte.isEmpty())
        inst.suporte = suporte;

    // A relative folder is taken from the settings file's own folder, so that an installation
    // can be moved as a whole.
    const QString prefixo = QStringLiteral("unidades/");
    for (auto i = ini->cbegin(); i != ini->cend(); ++i) {
        const QString chave = i.key().mid(prefixo.size());
        if (!i.key().startsWith(prefixo) || chave.size() != 1 || !vb::LetraDeUnidade(chave[0]) ||
            i.value().isEmpty())
            continue;
        mapa.definir(chave[0].toUpper(), QDir::cleanPath(QDir(pasta).absoluteFilePath(i.value())));
    }

    if (!mapa.pasta(QLatin1Char('C'))) {
        const std::optional<QString> home = vb::PastaDoUsuário();
        if (!home) {
            vb::MsgBox(QStringLiteral("Não foi possível encontrar a pasta pessoal do usuário "
                                      "(HOME não está definida e o usuário não tem pasta no "
                                      "cadastro do sistema). Indique a pasta da unidade C: em %1.")
                           .arg(arquivo),
                       vb::vbCritical);
            vb::End();
        }
        mapa.definir(QLatin1Char('C'), *home);
    }
    return inst;
}

} // namespace menu
