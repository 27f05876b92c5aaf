#pragma once

#include <QString>

#include "interaction/Prompter.h"

namespace interaction {

// The error dialog every trapping procedure reports through: the error number, the
// description, the explanation and the procedure, with Abort, Retry (the default) and Ignore.
// Returns the answer (Abort, Retry or Ignore; None when the box could not be shown). Replaces
// `description` with the explanation. When the program keeps an error log (Seams::errorLog),
// writes the error and the answer there in five lines.
Answer ShowErrorDialog(const QString& procedureName, float errorNumber, QString& description);

} // namespace interaction
