#pragma once

#include <memory>

class QTranslator;

namespace ui {

// Qt's own texts (the message boxes' standard buttons, the text boxes' menu, ...) in Italian, as
// the office's workstations show them, for as long as the result is kept. Null when the
// translations are not installed: the texts then stay Qt's English ones.
std::unique_ptr<QTranslator> installItalianQtTexts();

} // namespace ui
