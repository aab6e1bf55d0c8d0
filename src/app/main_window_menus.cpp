#include "app/main_window.h"

#include "ui/brand_identity.h"
#include "ui/program_settings.h"
#include "ui/show_help_setting.h"
#include "ui/website_launcher.h"
#include "ui/window_utilities.h"

#include <gtkmm/dialog.h>
#include <gtkmm/filefilter.h>

namespace quillet {

namespace {

// Suffixes match in any letter case, so "PAGE.HTM" is offered too.
Glib::RefPtr<Gtk::FileFilter> html_files_filter()
{
    auto filter = Gtk::FileFilter::create();
    filter->set_name("HTML files");
    filter->add_suffix("htm");
    filter->add_suffix("html");
    return filter;
}

Glib::RefPtr<Gtk::FileFilter> all_files_filter()
{
    auto filter = Gtk::FileFilter::create();
    filter->set_name("All files");
    filter->add_pattern("*");
    return filter;
}

ProgramSettings program_settings()
{
    return ProgramSettings(brand_identity().ProductTitle);
}

}

void Form1::show_open_file_dialog()
{
    if (!m_open_file_dialog) {
        m_open_file_dialog = Gtk::FileChooserNative::create("", *this, Gtk::FileChooser::Action::OPEN);
        m_open_file_dialog->set_modal(true);
        m_open_file_dialog->add_filter(html_files_filter());
        m_open_file_dialog->add_filter(all_files_filter());
        m_open_file_dialog->signal_response().connect(sigc::mem_fun(*this, &Form1::on_open_file_dialog_response));
    }
    m_open_file_dialog->show();
}

// A cancelled dialog changes nothing; a file without a local path (a remote location) cannot be
// opened as a local file.
void Form1::on_open_file_dialog_response(int response)
{
    if (response != Gtk::ResponseType::ACCEPT)
        return;
    const Glib::RefPtr<Gio::File> file = m_open_file_dialog->get_file();
    if (file && !file->get_path().empty())
        open_local_file(file->get_path());
}

void Form1::open_local_file(const std::filesystem::path& path)
{
    wb(kBrowserView).Navigate2(path.string());
}

void Form1::save_all_images(const std::filesystem::path& folder)
{
    m_image_saving.save_all_images(folder);
}

// An open help window comes up again as it is; a closed one, or one that found no help file, is
// loaded afresh, reading the file and the setting again.
void Form1::mnuHelpItem_Click()
{
    if (!m_help_window || !m_help_window->get_visible())
        m_help_window = std::make_unique<Form8>(m_folders.files);
    m_help_window->Show();
}

void Form1::mnuAboutItem_Click()
{
    if (!m_about_window || !m_about_window->get_visible()) {
        m_about_window = std::make_unique<frmAbout>(running_application_info());
        if (!m_work_files_notice.empty())
            m_about_window->show_notice(m_work_files_notice);
    }
    show_modeless(*m_about_window);
}

ImageDetailsWindow& Form1::show_image_details()
{
    if (!m_image_details) {
        m_image_details = std::make_unique<ImageDetailsWindow>(
            m_session, wb(kBrowserView), m_page_view_driver, m_image_saving, [this](const std::string& address) {
                wb(kBrowserView).Navigate(address);
                SelectView(kBrowserView);
            });
        m_image_details->set_transient_for(*this);
    }
    m_image_details->open();
    return *m_image_details;
}

void Form1::cmdWebsite_Click()
{
    WebTarget = "Website";
    load_website_launcher(LauncherDisplay::Hidden);
}

void Form1::show_help_at_startup()
{
    if (should_open_help_at_startup(program_settings().show_help()))
        mnuHelpItem_Click();
}

// The choice is kept for the next start; a setting that cannot be stored is said, and the view
// still turns.
void Form1::choose_source_listing(SourceListing listing)
{
    m_page_view_driver.set_source_listing(listing);
    if (!program_settings().set_source_listing(listing))
        m_controls.sb1.set_panel_text(1, "Cannot store the choice of source listing in the settings");
}

}
