#include "Resources.h"

#include "Exception.h"

#include <QFile>

String LoadResourceText(const String& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception("The resource " + path + " is missing from the program");
    QByteArray data = file.readAll();
    return String(data.constData(), std::size_t(data.size()));
}
