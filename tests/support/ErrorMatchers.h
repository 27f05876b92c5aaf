#pragma once

#include <QString>

#include "platform/RuntimeError.h"

// The number of the RuntimeError a call raised; 0 when it raised none.
template <class Call> int errorNumberOf(Call&& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// The description of the RuntimeError a call raised; empty when it raised none.
template <class Call> QString errorDescriptionOf(Call&& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& error) {
        return error.description();
    }
    return QString();
}

// The same for a statement.
#define RUNTIME_ERROR_OF(statement) errorNumberOf([&] { statement; })
#define RUNTIME_MESSAGE_OF(statement) errorDescriptionOf([&] { statement; })
