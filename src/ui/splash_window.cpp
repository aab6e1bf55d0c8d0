#include "ui/splash_window.h"

#include "ui/brand_identity.h"

#include <glibmm/main.h>

#include <utility>

namespace quillet {

namespace {

constexpr int kPictureWidth = 476;
constexpr int kPictureHeight = 316;
// The tick the platform's timer actually delivers for the requested 2 ms; 75 of them make the
// splash last about a second.
constexpr unsigned kTickMilliseconds = 13;
constexpr std::int16_t kHandOverCount = 150;

}

frmSplash::frmSplash(const std::filesystem::path& program_directory, std::function<void()> hand_over)
    : m_hand_over(std::move(hand_over))
{
    set_decorated(false);
    set_resizable(false);
    Image1.set_filename((program_directory / "splash.jpg").string());
    Image1.set_size_request(kPictureWidth, kPictureHeight);
    Image1.set_content_fit(Gtk::ContentFit::FILL);
    set_child(Image1);
    Form_Load();
}

void frmSplash::Form_Load()
{
    LoadBrandIdentity();
    m_Timer2 = Glib::signal_timeout().connect(sigc::mem_fun(*this, &frmSplash::Timer2_Timer), kTickMilliseconds);
}

bool frmSplash::Timer2_Timer()
{
    intTemp += 2;
    if (intTemp != kHandOverCount)
        return true;
    m_Timer2.disconnect();
    m_hand_over();
    set_visible(false);
    return false;
}

}
