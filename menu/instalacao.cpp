#include "instalacao.h"

#include "caminhos.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace menu {

Instalação LerInstalação(const QString& pasta) {
    Instalação inst;
    vb::DriveMap& mapa = vb::DriveMap::atual();
    mapa.limpar();
    mapa.definir(QLatin1Char('C'), QDir::homePath());

    const QString arquivo = QDir(pasta).filePath(QStringLiteral("qvmenu.ini"));
    if (!QFileInfo(arquivo).isFile())
        return inst;
    QSettings ini(arquivo, QSettings::IniFormat);

    const QString fonte = ini.value(QStringLiteral("aluno/fonte")).toString().trimmed().toLower();
    if (fonte == QLatin1String("a"))
        inst.fonte = FonteAluno::DriveA;
    else if (fonte == QLatin1String("b"))
        inst.fonte = FonteAluno::DriveB;
    else if (fonte == QLatin1String("perguntar"))
        inst.fonte = FonteAluno::Perguntar;

    const QString suporte = ini.value(QStringLiteral("suporte/endereco")).toString();
    if (!suporte.isEmpty())
        inst.suporte = suporte;

    // A relative folder is taken from the settings file's own folder, so that an installation
    // can be moved as a whole.
    ini.beginGroup(QStringLiteral("unidades"));
    for (const QString& chave : ini.childKeys()) {
        if (chave.size() != 1 || !chave[0].isLetter())
            continue;
        const QString alvo = ini.value(chave).toString();
        if (alvo.isEmpty())
            continue;
        mapa.definir(chave[0].toUpper(), QDir::cleanPath(QDir(pasta).absoluteFilePath(alvo)));
    }
    ini.endGroup();
    return inst;
}

} // namespace menu
