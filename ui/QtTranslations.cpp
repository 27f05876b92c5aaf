#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace ui {

QtTranslations::QtTranslations()
{
    m_loaded = m_translator.load(filePath());
    if (m_loaded)
        QCoreApplication::installTranslator(&m_translator);
}

QString QtTranslations::filePath()
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_it.qm"));
}

} // namespace ui
