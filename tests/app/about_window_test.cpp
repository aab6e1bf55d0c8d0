#include "ui/about_window.h"

#include "fake_url_handler.h"
#include "relabelled_program.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_texts.h"
#include "ui/website_launcher.h"

#include <gtest/gtest.h>
#include <gtkmm/gestureclick.h>

#include <chrono>
#include <string>
#include <vector>

namespace quillet {
namespace {

using namespace std::chrono_literals;

struct VersionCase {
    std::string major;
    std::string minor;
    std::string shown;
};

TEST(AboutVersion, ShowsMajorDotMinorAsPlainNumbers)
{
    const std::vector<VersionCase> cases{
        {"2", "1", "2.1"}, {"2", "10", "2.10"}, {"2", "0", "2.0"}, {"2", "01", "2.1"},
        {"12", "345", "12.345"}, {"3", "", "3.0"}, {"", "", "0.0"}, {"x", "5", "0.5"}, {"2", "1.5", "2.0"},
    };
    for (const VersionCase& example : cases) {
        ApplicationInfo application;
        application.Major = example.major;
        application.Minor = example.minor;
        EXPECT_EQ(version_caption(application), example.shown) << example.major << " " << example.minor;
    }
}

struct LabelTexts {
    std::string title, product, version, company, website;
    std::vector<std::string> row_titles;

    bool operator==(const LabelTexts&) const = default;
};

LabelTexts texts_of(frmAbout& about)
{
    return {about.get_title(), about.Label1.get_text(), about.lblVersion.get_text(), about.lblCompany.get_text(),
            about.lblWebsite.get_text(),
            {about.Label2.get_text(), about.Label3.get_text(), about.Label4.get_text()}};
}

const std::vector<std::string> kRowTitles{"Version:", "Owned By:", "Website:"};

TEST(AboutWindow, TakesEveryCaptionFromARelabelledProgram)
{
    const test::TempDirectory directory;
    const auto program = test::relabelled_program(
        directory.path(),
        "ProductName=Inkwell 'CompanyName=Quire and Sons' Comments=https://inkwell.example Major=3 Minor=10");
    LoadBrandIdentity(program);

    frmAbout about(read_application_info(program));

    EXPECT_EQ(texts_of(about),
              (LabelTexts{"About Inkwell", "Inkwell", "3.10", "Quire and Sons", "https://inkwell.example", kRowTitles}));
}

TEST(AboutWindow, AnEmptyCompanyLeavesItsRowTitle)
{
    const test::TempDirectory directory;
    const auto program = test::relabelled_program(directory.path(), "CompanyName= Minor=0");
    LoadBrandIdentity(program);
    const ApplicationInfo application = read_application_info(program);

    frmAbout about(application);

    const LabelTexts texts = texts_of(about);
    EXPECT_EQ(texts.company, "");
    EXPECT_EQ(texts.version, application.Major + ".0");
    EXPECT_EQ(texts.row_titles, kRowTitles);
}

TEST(AboutWindow, HasItsFixedSizeAndFonts)
{
    LoadBrandIdentity();
    frmAbout about(running_application_info());
    about.present();
    ASSERT_TRUE(test::pump_until([&] { return about.get_mapped() && about.get_width() > 0; }));

    EXPECT_FALSE(about.get_resizable());
    EXPECT_EQ(about.get_width(), 497);
    EXPECT_EQ(about.get_height(), 169);
    EXPECT_EQ(std::string(about.get_icon_name()), "AAA");
    EXPECT_EQ(about.Label1.get_attributes().to_string(), "0 4294967295 font-desc \"Verdana Bold 14.25\"");
    EXPECT_EQ(about.lblCompany.get_attributes().to_string(), "0 4294967295 font-desc \"Verdana Bold 12\"");
    EXPECT_EQ(about.lblWebsite.get_attributes().to_string(),
              "0 4294967295 font-desc \"Verdana Bold 12\"\n0 4294967295 foreground #00000000ffff");
}

class AboutWebsite : public testing::Test {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        WebTarget.clear();
    }

    // What a click of the mouse on the label raises.
    static void click(Gtk::Label& label)
    {
        const auto controllers = label.observe_controllers();
        for (guint index = 0; index < controllers->get_n_items(); ++index) {
            auto gesture = std::dynamic_pointer_cast<Gtk::GestureClick>(controllers->get_object(index));
            if (gesture)
                g_signal_emit_by_name(gesture->gobj(), "released", 1, 5.0, 5.0);
        }
    }

    test::FakeUrlHandler m_handler{test::environment().data_home(), test::environment().config_home()};
};

TEST_F(AboutWebsite, AClickOnTheSiteOpensItThroughTheShownLauncher)
{
    frmAbout about(running_application_info());
    about.present();

    click(about.lblWebsite);

    EXPECT_TRUE(website_launcher_visible()) << "the launcher shows for its second";
    ASSERT_TRUE(test::pump_until([&] { return !m_handler.received().empty(); }));
    EXPECT_EQ(m_handler.received(), std::vector<std::string>{website_launch_address(brand_identity())});
    EXPECT_EQ(WebTarget, "");
    ASSERT_TRUE(test::pump_until([] { return !website_launcher_visible(); }, 5s));

    click(about.lblWebsite);
    ASSERT_TRUE(test::pump_until([&] { return m_handler.received().size() == 2; }));
}

}
}
