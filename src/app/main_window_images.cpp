#include "app/main_window.h"

#include <gdkmm/clipboard.h>
#include <gtkmm/dialog.h>

namespace quillet {

void Form1::add_images_view_menu_items()
{
    wb(kImagesView).add_context_menu_item("Copy All Image Addresses",
                                          [this] { activate_action(action::kCopyImageAddresses); });
    wb(kImagesView).add_context_menu_item("Save All Images...", [this] { activate_action(action::kSaveImages); });
}

// The addresses the Images view shows, in its order.
std::vector<std::string> Form1::image_addresses() const
{
    std::vector<std::string> addresses;
    for (const Reference& image : m_page_references.image_tags)
        addresses.push_back(image.url);
    return addresses;
}

void Form1::copy_image_addresses()
{
    std::string text;
    for (const std::string& address : image_addresses())
        text += address + "\n";
    get_clipboard()->set_text(text);
    sb1.set_panel_text(1, "Copied " + std::to_string(m_page_references.image_tags.size()) + " image addresses");
}

void Form1::show_save_images_dialog()
{
    if (m_page_references.image_tags.empty()) {
        sb1.set_panel_text(1, "The page has no images to save");
        return;
    }
    if (!m_save_images_dialog) {
        m_save_images_dialog = Gtk::FileChooserNative::create("Save All Images", *this,
                                                              Gtk::FileChooser::Action::SELECT_FOLDER, "_Save", "");
        m_save_images_dialog->set_modal(true);
        m_save_images_dialog->signal_response().connect(
            sigc::mem_fun(*this, &Form1::on_save_images_dialog_response));
    }
    m_save_images_dialog->show();
}

// Only a local folder can take the files.
void Form1::on_save_images_dialog_response(int response)
{
    if (response != Gtk::ResponseType::ACCEPT)
        return;
    const Glib::RefPtr<Gio::File> folder = m_save_images_dialog->get_file();
    if (folder && !folder->get_path().empty())
        save_all_images(folder->get_path());
}

void Form1::save_all_images(const std::filesystem::path& folder)
{
    if (saving_images())
        return;
    m_image_saver = std::make_unique<ImageSaver>(m_session, image_addresses(), folder);
    m_image_saver->progress().connect(sigc::mem_fun(*this, &Form1::on_image_saver_progress));
    m_image_saver->finished().connect(sigc::mem_fun(*this, &Form1::on_image_saver_finished));
    m_actions.set_enabled(action::kSaveImages, false);
    on_image_saver_progress(0, m_page_references.image_tags.size());
    m_image_saver->start();
    update_stop_loading();
}

void Form1::on_image_saver_progress(std::size_t ended, std::size_t total)
{
    pb1.set_value(0.0);
    pb1.set_max_value(static_cast<double>(std::max<std::size_t>(total, 1)));
    pb1.set_value(static_cast<double>(ended));
    sb1.set_panel_text(1, "Saving images: " + std::to_string(ended) + " of " + std::to_string(total) +
                              " (Escape or Stop cancels)");
}

void Form1::on_image_saver_finished(const ImageSaver::Summary& summary)
{
    // The bar goes back to the Browser view's last progress.
    pb1.set_value(0.0);
    pb1.set_max_value(m_progress.maximum());
    pb1.set_value(m_progress.value());
    std::string text = summary.cancelled != 0 ? "Save All Images cancelled: " : "Save All Images: ";
    text += std::to_string(summary.saved) + " saved, " + std::to_string(summary.failed) + " failed";
    if (summary.cancelled != 0)
        text += ", " + std::to_string(summary.cancelled) + " not saved";
    if (!summary.manifest_failure.empty())
        text += "; " + summary.manifest_failure;
    sb1.set_panel_text(1, text);
    m_actions.set_enabled(action::kSaveImages, true);
    update_stop_loading();
}

}
