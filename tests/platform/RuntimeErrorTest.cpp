#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using platform::RuntimeError;

namespace {

TEST(RuntimeErrorTest, CarriesTheRuntimesDescriptions)
{
    EXPECT_EQ(RuntimeError(52).description(), QStringLiteral("Bad file name or number"));
    EXPECT_EQ(RuntimeError(74).description(), QStringLiteral("Can't rename with different drive"));
    EXPECT_EQ(RuntimeError(75).description(), QStringLiteral("Path/File access error"));
    EXPECT_EQ(RuntimeError(450).description(),
              QStringLiteral("Wrong number of arguments or invalid property assignment"));
    EXPECT_EQ(RuntimeError(484).description(),
              QStringLiteral("Problem getting printer information from the system. Make sure the printer is set up "
                             "correctly."));
    EXPECT_EQ(RuntimeError(1234).description(), QStringLiteral("Application-defined or object-defined error"));
    const RuntimeError own(3024, QStringLiteral("Could not find file 'x.mdb'."));
    EXPECT_EQ(own.number(), 3024);
    EXPECT_EQ(own.description(), QStringLiteral("Could not find file 'x.mdb'."));
    EXPECT_STREQ(RuntimeError(53).what(), "Error 53: File not found");
}

} // namespace
