#include "backup/FormatDisk.h"

#include <QString>

#include "interaction/Prompter.h"
#include "interaction/Seams.h"

namespace backup {

namespace {

constexpr int cannotFormat = -3;
constexpr int cancelled = -2;
constexpr int failed = -1;

bool refused(const QString& text)
{
    interaction::Seams::prompter().message(text, interaction::Buttons::Ok, interaction::Icon::None,
                                           interaction::DefaultButton::First, {});
    return false;
}

} // namespace

bool FormatDisk(QWidget* window, QChar letter)
{
    const int drive = letter.toUpper().unicode() - u'A';
    switch (interaction::Seams::prompter().formatDrive(window, drive)) {
    case cannotFormat:
        return refused(QStringLiteral("Questo disco non puo' essere formattato (disco di rete o di sola lettura)"));
    case cancelled:
        return refused(QStringLiteral("Operazione cancella dall'utente"));
    case failed:
        return refused(QStringLiteral("Problemi durante la formattazione"));
    default:
        return true;
    }
}

bool formatOrGoOn(QWidget* window, QChar letter)
{
    return FormatDisk(window, letter) ||
           interaction::Seams::prompter().message(QStringLiteral("Problemi durante la formattazione, continuo ? "),
                                                  interaction::Buttons::YesNo, interaction::Icon::Critical,
                                                  interaction::DefaultButton::First,
                                                  QStringLiteral("Leggimi bene")) == interaction::Answer::Yes;
}

} // namespace backup
