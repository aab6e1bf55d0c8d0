#include "platform/url_launcher.h"

#include "fake_url_handler.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

class UrlLauncherTest : public ::testing::Test {
protected:
    bool wait_for_addresses(std::size_t count)
    {
        return test::pump_until([&] { return m_handler.received().size() >= count; });
    }

    test::FakeUrlHandler m_handler{test::environment().data_home(), test::environment().config_home()};
};

TEST_F(UrlLauncherTest, DefaultHandlerReceivesTheExactAddress)
{
    const std::string address = "http://www.marrowfield.example/path?a=1&b=two%20words#part";
    ASSERT_TRUE(open_with_default_handler(address));
    ASSERT_TRUE(wait_for_addresses(1));

    ASSERT_TRUE(open_with_default_handler("HTTPS://www.marrowfield.example"));
    ASSERT_TRUE(wait_for_addresses(2));
    EXPECT_EQ(m_handler.received(), (std::vector<std::string>{address, "HTTPS://www.marrowfield.example"}));
}

TEST_F(UrlLauncherTest, AddressWithoutHandlerFails)
{
    EXPECT_FALSE(open_with_default_handler("quillet-no-such-scheme://x"));
    EXPECT_FALSE(open_with_default_handler(""));
    EXPECT_FALSE(open_with_default_handler("no scheme at all"));
    EXPECT_TRUE(m_handler.received().empty());
}

}
}
