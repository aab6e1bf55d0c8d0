#include "browsing_window.h"

#include "app_test_files.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gtkmm/text.h>

namespace quillet::test {

void BrowsingWindow::SetUp()
{
    LoadBrandIdentity();
    m_home_page = serve_page("/home.html", "Home", "<p>home</p>");
    ProgramSettings(brand_identity().ProductTitle).set_home_page(m_home_page);
    m_window = std::make_unique<Form1>(m_program.path());
    for (int view = 0; view < kViewCount; ++view)
        m_loads.at(static_cast<std::size_t>(view)) = std::make_unique<LoadCounter>(m_window->wb(view));
    m_window->present();
    ASSERT_TRUE(wait_for_page_views()) << "the home page never showed";
}

std::string BrowsingWindow::serve_page(const std::string& path, const std::string& title, const std::string& body)
{
    m_server.serve(path, "text/html",
                   "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + body + "</body></html>");
    return m_server.address(path);
}

void BrowsingWindow::enter_address(const std::string& address)
{
    controls().txtUrl.set_text(address);
    // The entry's text field is what takes the Enter key.
    Gtk::Widget* child = controls().txtUrl.get_first_child();
    while (child && !dynamic_cast<Gtk::Text*>(child))
        child = child->get_next_sibling();
    ASSERT_NE(child, nullptr);
    g_signal_emit_by_name(child->gobj(), "activate");
}

bool BrowsingWindow::wait_for_page_views()
{
    if (!loads(kBrowserView).wait_for(loads(kBrowserView).count() + 1))
        return false;
    const int source_code = loads(kSourceCodeView).count();
    const int images = loads(kImagesView).count();
    return loads(kSourceCodeView).wait_for(source_code + 1) && loads(kImagesView).wait_for(images + 1);
}

std::string BrowsingWindow::work_file(WorkFile file) const
{
    return read_file(m_program.path() / file_name_of(file));
}

std::string BrowsingWindow::work_file_uri(WorkFile file) const
{
    return file_uri(m_program.path() / file_name_of(file));
}

}
