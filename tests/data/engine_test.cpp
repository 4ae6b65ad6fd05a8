#include <gtest/gtest.h>
#include "support/temp_database.h"
TEST_F(DataModuleTest, Smoke) { EXPECT_EQ(dm->HasStatement(), "No"); }
