#include "ui/WorkstationGate.h"

#include <cstdio>

#include "common/WorkstationNotice.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"

namespace ui {

WorkstationGate::WorkstationGate() : m_notice(common::workstationNotSetUpNotice()) {}

bool WorkstationGate::letsThrough() const
{
    if (m_notice.isEmpty())
        return true;
    std::fprintf(stderr, "%s\n", m_notice.toLocal8Bit().constData());
    std::fflush(stderr);
    interaction::Seams::prompter().message(m_notice, interaction::Buttons::Ok, interaction::Icon::Critical,
                                           interaction::DefaultButton::First, QString());
    return false;
}

} // namespace ui
