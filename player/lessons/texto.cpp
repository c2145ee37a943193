#include "licoes.h"

#include <QFile>

namespace licoes {

QByteArray TextoDaLição(const char* programa) {
    QFile f(QStringLiteral(":/licoes/%1.rtf").arg(QLatin1String(programa)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace licoes
