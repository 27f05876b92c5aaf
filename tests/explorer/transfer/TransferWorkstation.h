#pragma once

#include "tests/support/ExplorerWorkstation.h"

// An explorer workstation with the fixed drives C, D, F and G, the removable drive E without a
// medium and Z on the host root (where the built libraries are); the card archive folder
// C:\Schede\ holds the empty archive PROVA, open in the explorer.
class TransferWorkstation : public ExplorerWorkstation {
public:
    explicit TransferWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure);
};
