// The calibration keeps a new file's key derivation within what any later open accepts, and
// gives up memory before it gives up the last pass on a computer too slow for 64 MiB.
#include <chrono>

#include <gtest/gtest.h>

#include "crypt/key_derivation.h"

namespace {

TEST(KeyDerivationCalibration, FallsBackToLessMemoryAndOnePassWhenTheTargetIsShort)
{
    const KeyDerivationLimits limits = calibrateKeyDerivation(std::chrono::milliseconds(1));
    EXPECT_TRUE(limits.acceptable());
    EXPECT_EQ(limits, (KeyDerivationLimits{1, CalibrationLeastMemlimit}));
}

} // namespace
