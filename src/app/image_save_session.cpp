#include "app/image_save_session.h"

#include "app/window_commands.h"

#include <gdkmm/clipboard.h>
#include <gtkmm/dialog.h>

namespace quillet {

ImageSaveSession::ImageSaveSession(Gtk::Window& window, platform::WebSession& session,
                                   const PageReferences& references, StatusBar& status_bar,
                                   Gtk::LevelBar& progress_bar, const ProgressBarState& browser_progress,
                                   WindowActions& actions)
    : m_window(window),
      m_session(session),
      m_references(references),
      m_status_bar(status_bar),
      m_progress_bar(progress_bar),
      m_browser_progress(browser_progress),
      m_actions(actions)
{
}

// The addresses the Images view shows, in its order.
std::vector<std::string> ImageSaveSession::image_addresses() const
{
    std::vector<std::string> addresses;
    for (const Reference& image : m_references.image_tags)
        addresses.push_back(image.url);
    return addresses;
}

void ImageSaveSession::copy_image_addresses()
{
    std::string text;
    for (const std::string& address : image_addresses())
        text += address + "\n";
    m_window.get_clipboard()->set_text(text);
    m_status_bar.set_panel_text(1, "Copied " + std::to_string(m_references.image_tags.size()) + " image addresses");
}

void ImageSaveSession::show_save_images_dialog()
{
    if (m_references.image_tags.empty()) {
        m_status_bar.set_panel_text(1, "The page has no images to save");
        return;
    }
    m_chosen_addresses = image_addresses();
    show_folder_dialog("Save All Images", m_window);
}

void ImageSaveSession::show_save_images_dialog(std::vector<std::string> addresses, Gtk::Window& parent)
{
    if (addresses.empty()) {
        m_status_bar.set_panel_text(1, "No images are selected to save");
        return;
    }
    m_chosen_addresses = std::move(addresses);
    show_folder_dialog("Save Selected Images", parent);
}

void ImageSaveSession::show_folder_dialog(const std::string& title, Gtk::Window& parent)
{
    if (!m_dialog) {
        m_dialog = Gtk::FileChooserNative::create(title, m_window, Gtk::FileChooser::Action::SELECT_FOLDER, "_Save", "");
        m_dialog->set_modal(true);
        m_dialog->signal_response().connect(sigc::mem_fun(*this, &ImageSaveSession::on_save_images_dialog_response));
    }
    m_dialog->set_title(title);
    m_dialog->set_transient_for(parent);
    m_dialog->show();
}

// Only a local folder can take the files.
void ImageSaveSession::on_save_images_dialog_response(int response)
{
    if (response != Gtk::ResponseType::ACCEPT)
        return;
    const Glib::RefPtr<Gio::File> folder = m_dialog->get_file();
    if (folder && !folder->get_path().empty())
        save_images(folder->get_path(), std::move(m_chosen_addresses), m_dialog->get_title().raw());
}

void ImageSaveSession::save_all_images(const std::filesystem::path& folder)
{
    save_images(folder, image_addresses(), "Save All Images");
}

void ImageSaveSession::save_images(const std::filesystem::path& folder, std::vector<std::string> addresses,
                                   std::string name)
{
    if (saving())
        return;
    m_save_name = std::move(name);
    const std::size_t total = addresses.size();
    m_saver = std::make_unique<ImageSaver>(m_session, std::move(addresses), folder);
    m_saver->progress().connect(sigc::mem_fun(*this, &ImageSaveSession::on_progress));
    m_saver->finished().connect(sigc::mem_fun(*this, &ImageSaveSession::on_finished));
    m_actions.set_enabled(action::kSaveImages, false);
    on_progress(0, total);
    m_saver->start();
    m_saving_changed.emit();
}

void ImageSaveSession::cancel()
{
    if (m_saver)
        m_saver->cancel();
}

void ImageSaveSession::on_progress(std::size_t ended, std::size_t total)
{
    m_progress_bar.set_value(0.0);
    m_progress_bar.set_max_value(static_cast<double>(std::max<std::size_t>(total, 1)));
    m_progress_bar.set_value(static_cast<double>(ended));
    m_status_bar.set_panel_text(1, "Saving images: " + std::to_string(ended) + " of " + std::to_string(total) +
                                       " (Escape or Stop cancels)");
}

void ImageSaveSession::on_finished(const ImageSaver::Summary& summary)
{
    // The bar goes back to the Browser view's last progress.
    m_progress_bar.set_value(0.0);
    m_progress_bar.set_max_value(m_browser_progress.maximum());
    m_progress_bar.set_value(m_browser_progress.value());
    std::string text = m_save_name + (summary.cancelled != 0 ? " cancelled: " : ": ");
    text += std::to_string(summary.saved) + " saved, " + std::to_string(summary.failed) + " failed";
    if (summary.cancelled != 0)
        text += ", " + std::to_string(summary.cancelled) + " not saved";
    if (!summary.manifest.ok())
        text += "; " + summary.manifest.failure_text();
    m_status_bar.set_panel_text(1, text);
    m_actions.set_enabled(action::kSaveImages, true);
    m_saving_changed.emit();
}

}
