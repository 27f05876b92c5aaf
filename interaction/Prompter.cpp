#include "interaction/Prompter.h"

namespace interaction {

Prompter::~Prompter() = default;

Answer Prompter::message(const QString& text, Buttons buttons, Icon icon, DefaultButton defaultButton,
                         const QString& title)
{
    return message(MessageBox{text, buttons, icon, defaultButton, title});
}

bool answerFits(Buttons buttons, Answer answer)
{
    switch (buttons) {
    case Buttons::Ok:
        return answer == Answer::Ok;
    case Buttons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::AbortRetryIgnore:
        return answer == Answer::Abort || answer == Answer::Retry || answer == Answer::Ignore;
    case Buttons::YesNoCancel:
        return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    case Buttons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case Buttons::RetryCancel:
        return answer == Answer::Retry || answer == Answer::Cancel;
    }
    return false;
}

} // namespace interaction
