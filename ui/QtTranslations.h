#pragma once

#include <QString>
#include <QTranslator>

namespace ui {

// Qt's own texts (the standard buttons, the input box, the dialogs' captions) in Italian, as the
// programs' own texts are: Debian's translation qtbase_it.qm, installed into the application for
// the object's lifetime. Create it after the application object.
class QtTranslations {
public:
    QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // False when the translation file is missing: Qt's texts then stay in English.
    bool isLoaded() const { return m_loaded; }
    // The file looked for: qtbase_it.qm in Qt's translations folder.
    static QString filePath();

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace ui
