#include "demo/SampleAccumarkAreas.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/WindowsPath.h"

namespace demo {

namespace {

struct ModelDescription {
    const char* file; // Windows path
    const char* pieces;
};

// One piece a line: name;category;quantity;mirrored quantity;material.
const ModelDescription models[] = {
    {"D:\\userroot\\storage\\PRIMAVERA\\GIACCA-PE26.MOD",
     "; giacca sfoderata\r\nDavanti;TESSUTO;2;0;Lino\r\nDietro;TESSUTO;1;0;Lino\r\nManica;TESSUTO;2;0;Lino\r\n"
     "Collo;TESSUTO;2;0;Lino\r\nParamontura;TESSUTO;2;0;Lino\r\nTasca;FODERA;2;0;Cotone\r\n"},
    {"D:\\userroot\\storage\\PRIMAVERA\\GONNA-PE26.MOD",
     "Davanti;TESSUTO;1;0;Cotone\r\nDietro;TESSUTO;2;0;Cotone\r\nCinturino;TESSUTO;1;0;Cotone\r\n"},
    {"D:\\userroot\\storage\\PRIMAVERA\\ABITO-PE26.MOD",
     "Corpino davanti;TESSUTO;1;0;Seta\r\nCorpino dietro;TESSUTO;2;0;Seta\r\nGonna;TESSUTO;2;0;Seta\r\n"
     "Fodera corpino;FODERA;2;0;Viscosa\r\n"},
    {"D:\\userroot\\storage\\UOMO\\PANTALONE-U.MOD",
     "Davanti;TESSUTO;1;1;Lana\r\nDietro;TESSUTO;1;1;Lana\r\nCinturino;TESSUTO;2;0;Lana\r\n"
     "Tasca interna;FODERA;4;0;Cotone\r\nPassanti;TESSUTO;6;0;Lana\r\n"},
    {"D:\\userroot\\storage\\UOMO\\CAMICIA-U.MOD",
     "Davanti;TESSUTO;1;1;Popeline\r\nDietro;TESSUTO;1;0;Popeline\r\nManica;TESSUTO;1;1;Popeline\r\n"
     "Collo;TESSUTO;2;0;Popeline\r\nPolsino;TESSUTO;4;0;Popeline\r\nTeletta collo;ADESIVO;1;0;Teletta\r\n"},
};

} // namespace

void SampleAccumarkAreas::layOut()
{
    for (const ModelDescription& model : models) {
        const QString host = platform::windowsPath::toHost(QString::fromLatin1(model.file));
        if (QFileInfo::exists(host))
            continue;
        QDir().mkpath(QFileInfo(host).absolutePath());
        QFile file(host);
        if (!file.open(QIODevice::WriteOnly) || file.write(model.pieces) < 0)
            throw std::runtime_error("cannot write " + host.toStdString());
    }
}

} // namespace demo
