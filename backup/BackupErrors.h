#pragma once

#include "interaction/Prompter.h"

namespace platform {
class RuntimeError;
}

namespace backup {

// How the "&Esegui" handler and the card-archive procedures answer a run-time error, for
// interaction::TrapAndAsk: a full disk (61) is reported and ends the operation; a disk that is not
// ready (71) asks whether to try the failing statement again; any other error is reported with its
// number and description and ends the operation.
interaction::Answer answerBackupError(const platform::RuntimeError& error);

} // namespace backup
