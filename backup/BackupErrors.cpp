#include "backup/BackupErrors.h"

#include "interaction/Seams.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace backup {

namespace {

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

Answer say(const QString& text, Buttons buttons, const QString& title = {})
{
    return interaction::Seams::prompter().message(text, buttons, Icon::None, DefaultButton::First, title);
}

} // namespace

Answer answerBackupError(const platform::RuntimeError& error)
{
    switch (error.number()) {
    case platform::DiskFull:
        say(QStringLiteral("Disco di backup pieno, bisogna formattarlo !"), Buttons::Ok);
        return Answer::Abort;
    case platform::DiskNotReady: {
        const QString notReady = QStringLiteral("Disco non pronto, ritento l'operazione ?");
        const QString title = QStringLiteral("Salvataggio database");
        if (say(notReady, Buttons::OkCancel, title) == Answer::Ok)
            return Answer::Retry;
        say(notReady, Buttons::Ok, title);
        return Answer::Abort;
    }
    default:
        say(QStringLiteral("Errore: ") + QString::number(error.number()) + QStringLiteral("      ") +
                error.description(),
            Buttons::Ok);
        return Answer::Abort;
    }
}

} // namespace backup
