#include "ui/splash_window.h"

#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quillet {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(Splash, HandsOverExactlyOnceAfterSeventyFiveTicks)
{
    const test::TempDirectory program;
    int hand_overs = 0;
    Clock::time_point handed_over;
    const Clock::time_point start = Clock::now();

    frmSplash splash(program.path(), [&] {
        ++hand_overs;
        handed_over = Clock::now();
    });
    splash.present();

    ASSERT_TRUE(test::pump_until([&] { return hand_overs > 0; }, 20s));
    EXPECT_GE(handed_over - start, 75 * 13ms);
    EXPECT_FALSE(splash.get_visible());
    test::pump_for(300ms);
    EXPECT_EQ(hand_overs, 1);
}

TEST(Splash, LoadsTheBrandIdentityBeforeAnyOtherWindow)
{
    const test::TempDirectory program;
    LoadBrandIdentity(program.path() / "no-such-executable");
    ASSERT_EQ(brand_identity().ProductTitle, "");

    frmSplash splash(program.path(), [] {});
    EXPECT_NE(brand_identity().ProductTitle, "");
}

}
}
