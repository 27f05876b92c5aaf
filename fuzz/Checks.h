#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QList>
#include <QString>

namespace fuzz {

// What must hold after a parser or a writer took one input: empty when all of it held, else what
// broke. Inputs it refuses in the ordinary way (an error it raises or shows) are no finding.
using Check = QString (*)(const QByteArray& input);

struct NamedCheck {
    const char* target; // the fuzz target, and its folders under fuzz/corpus and fuzz/regression
    Check check;
};

// Every fuzz target's check.
const QList<NamedCheck>& checks();

// The body of every fuzz target: a check that finds something broken stops the run, which
// libFuzzer reports as a finding and keeps the input.
int runCheck(Check check, const std::uint8_t* data, std::size_t size);

} // namespace fuzz
