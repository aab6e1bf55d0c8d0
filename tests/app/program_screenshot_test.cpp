#include "app_test_files.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gdkmm/texture.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <set>
#include <vector>

namespace quillet {
namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<guint8> pixels; // B, G, R, A per pixel

    std::size_t count_colour(guint8 red, guint8 green, guint8 blue) const
    {
        std::size_t count = 0;
        for (std::size_t i = 0; i + 3 < pixels.size(); i += 4)
            count += pixels[i] == blue && pixels[i + 1] == green && pixels[i + 2] == red ? 1 : 0;
        return count;
    }

    std::size_t distinct_colours() const
    {
        std::set<guint32> colours;
        for (std::size_t i = 0; i + 3 < pixels.size(); i += 4)
            colours.insert(pixels[i] | pixels[i + 1] << 8 | pixels[i + 2] << 16);
        return colours.size();
    }
};

Picture read_png(const std::filesystem::path& file)
{
    const auto texture = Gdk::Texture::create_from_filename(file.string());
    Picture picture{texture->get_width(), texture->get_height(), {}};
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height * 4);
    texture->download(picture.pixels.data(), static_cast<gsize>(picture.width) * 4);
    return picture;
}

// The built program, run as a user would with a home page of its own, draws its main window with
// the tab strip, the buttons, the address box and the loaded page.
TEST(ProgramScreenshot, ShowsTheMainWindowWithItsHomePage)
{
    const test::TempDirectory directory;
    const std::filesystem::path program = test::copy_built_program(directory.path() / "program");
    const std::string home = test::write_page(directory.path() / "home.html", "Screenshot home",
                                              "<h1>Quillet screenshot</h1>"
                                              "<div style='width:400px;height:200px;background:#ff00ff'></div>");
    ProgramSettings(read_application_info(program).ProductName).set_home_page(home);
    const std::filesystem::path screenshot = QUILLET_SCREENSHOT_FILE;
    std::filesystem::remove(screenshot);

    const std::string command = "timeout 120 '" + program.string() + "' --screenshot '" + screenshot.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const Picture picture = read_png(screenshot);
    EXPECT_GE(picture.width, 809);
    EXPECT_GE(picture.height, 740);
    EXPECT_GT(picture.distinct_colours(), 50U) << "a blank picture";
    EXPECT_GE(picture.count_colour(255, 0, 255), 400U * 200U) << "the home page does not show";
    std::cout << "Screenshot of the main window: " << screenshot.string() << '\n';
}

// The README's picture of the Image Details window is taken this way, over the same page.
TEST(ProgramScreenshot, ShowsTheImageDetailsWindowOfAPage)
{
    const test::TempDirectory directory;
    const std::filesystem::path program = test::copy_built_program(directory.path() / "program");
    const std::filesystem::path screenshot = QUILLET_IMAGE_DETAILS_SCREENSHOT_FILE;
    std::filesystem::remove(screenshot);

    const std::string command = "timeout 120 '" + program.string() + "' --screenshot '" + screenshot.string() +
                                "' --screenshot-of image-details '" + QUILLET_IMAGE_DETAILS_PAGE + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const Picture picture = read_png(screenshot);
    EXPECT_GE(picture.width, 1000);
    EXPECT_GE(picture.height, 500);
    EXPECT_GT(picture.distinct_colours(), 20U) << "a blank picture";
    std::cout << "Screenshot of the Image Details window: " << screenshot.string() << '\n';
}

}
}
