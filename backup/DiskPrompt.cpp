#include "backup/DiskPrompt.h"

#include "interaction/Prompter.h"
#include "interaction/Seams.h"

namespace backup {

bool askForDisk(const QString& text, const QString& title, const std::function<bool()>& diskIsThere, bool askFirst)
{
    bool ask = askFirst || !diskIsThere();
    while (ask) {
        const interaction::Answer answer =
            interaction::Seams::prompter().message(text, interaction::Buttons::OkCancel, interaction::Icon::Information,
                                                   interaction::DefaultButton::First, title);
        if (answer != interaction::Answer::Ok)
            return false;
        ask = !diskIsThere();
    }
    return true;
}

} // namespace backup
