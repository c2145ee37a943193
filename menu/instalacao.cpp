#include "instalacao.h"

#include "caminhos.h"
#include "registros.h"
#include "vberro.h"

#include <QDir>
#include <QSettings>

#include <sys/mman.h>
#include <unistd.h>

namespace menu {

namespace {
constexpr qint64 TamanhoMáximoIni = 1 << 20;
} // namespace

Instalação LerInstalação(const QString& pasta) {
    Instalação inst;
    vb::DriveMap& mapa = vb::DriveMap::atual();
    mapa.limpar();
    mapa.definir(QLatin1Char('C'), QDir::homePath());

    const QString arquivo = QDir(pasta).filePath(QStringLiteral("qvmenu.ini"));
    // Read as every file is read (vb::LerArquivo: no blocking, an ordinary file only), then
    // handed to QSettings from a copy in memory (a memfd, so no writable temporary folder is
    // needed), which keeps the INI format's own rules. No file, or one that is not an ordinary
    // readable file, is an installation without settings.
    QByteArray bytes;
    try {
        bytes = vb::LerArquivo(arquivo, TamanhoMáximoIni);
    } catch (const vb::VbError&) {
        return inst;
    }
    struct Cópia {
        int fd = ::memfd_create("qvmenu.ini", MFD_CLOEXEC);
        ~Cópia() {
            if (fd >= 0)
                ::close(fd);
        }
    } cópia; // open while QSettings reads it, until the end of this function
    if (cópia.fd < 0 ||
        ::write(cópia.fd, bytes.constData(), size_t(bytes.size())) != ssize_t(bytes.size()))
        return inst;
    QSettings ini(QStringLiteral("/proc/self/fd/%1").arg(cópia.fd), QSettings::IniFormat);

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
        if (chave.size() != 1 || !vb::LetraDeUnidade(chave[0]))
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
