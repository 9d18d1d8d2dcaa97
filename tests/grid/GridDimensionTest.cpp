#include "grid/GridDimension.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

TEST(GridDimension, ValuesKeepTheNearestBound) {
    GridDimension symmetry(1, 0, 10);
    symmetry.setOverride(12);
    EXPECT_EQ(symmetry.value(), 9);
    GridDimension commonality(40, -40, 41);
    commonality.setOverride(-50);
    EXPECT_EQ(commonality.value(), -40);
    commonality.setDefault(100);
    EXPECT_EQ(commonality.defaultValue(), 40);

    GridDimension fresh;
    EXPECT_EQ(fresh.minimum(), -30000);
    EXPECT_EQ(fresh.limit(), 30000);
    fresh.setDefault(30000);
    EXPECT_EQ(fresh.defaultValue(), 29999);
}

TEST(GridDimension, OverrideFollowsDefaultUntilSetAndStaysAfterTurnedOff) {
    GridDimension d(5, 0, 100);
    d.adjustOverride(3);  // from the default
    EXPECT_TRUE(d.isOverridden());
    EXPECT_EQ(d.value(), 8);
    d.adjustOverride(200);
    EXPECT_EQ(d.value(), 99);
    d.setOverridden(false);
    EXPECT_EQ(d.value(), 5);
    EXPECT_EQ(d.overrideValue(), 99);
    d.setOverridden(true);  // turning on copies the default in
    EXPECT_EQ(d.value(), 5);

    d.setOverride(42);
    d.commitOverride();
    EXPECT_FALSE(d.isOverridden());
    EXPECT_EQ(d.defaultValue(), 42);
}

TEST(GridDimension, ScaledNeverLetsALengthVanish) {
    GridDimension rule(20, 0, 30000);
    EXPECT_EQ(rule.scaled(15), 1);
    rule.setDefault(10);
    EXPECT_EQ(rule.scaled(15), 1);
    rule.setDefault(0);
    EXPECT_EQ(rule.scaled(2), 1);
    EXPECT_EQ(rule.scaled(1), 0);
    rule.setDefault(500);
    EXPECT_EQ(rule.scaled(15), 33);
    GridDimension offset(-500, -30000, 30000);
    EXPECT_EQ(offset.scaled(15), -33);
}

}  // namespace
}  // namespace tessaran
