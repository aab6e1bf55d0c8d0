#pragma once

#include "analysis/reference_list.h"
#include "app/image_saver.h"
#include "app/progress_bar_state.h"
#include "app/status_bar.h"
#include "app/window_actions.h"

#include <gtkmm/filechoosernative.h>
#include <gtkmm/levelbar.h>
#include <gtkmm/window.h>
#include <sigc++/signal.h>
#include <sigc++/trackable.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

// The Images view's own commands: Copy All Image Addresses, and Save All Images with its folder
// dialog, the save that runs and its progress on the status and progress bars.
class ImageSaveSession : public sigc::trackable {
public:
    // `browser_progress` is what the progress bar goes back to when a save ends.
    ImageSaveSession(Gtk::Window& window, platform::WebSession& session, const PageReferences& references,
                     StatusBar& status_bar, Gtk::LevelBar& progress_bar, const ProgressBarState& browser_progress,
                     WindowActions& actions);

    void copy_image_addresses();
    void show_save_images_dialog();
    // Save Selected Images of another window: the folder dialog over `parent`, then the save of
    // `addresses` as Save All Images saves its list.
    void show_save_images_dialog(std::vector<std::string> addresses, Gtk::Window& parent);
    // Saves every image of the Images view's list into `folder`, with a manifest. The status bar
    // tells how it ended.
    void save_all_images(const std::filesystem::path& folder);
    void cancel();
    bool saving() const { return m_saver && m_saver->running(); }

    // When a save starts and when it ends.
    sigc::signal<void()>& saving_changed() { return m_saving_changed; }

private:
    std::vector<std::string> image_addresses() const;
    void show_folder_dialog(const std::string& title, Gtk::Window& parent);
    void on_save_images_dialog_response(int response);
    void save_images(const std::filesystem::path& folder, std::vector<std::string> addresses, std::string name);
    void on_progress(std::size_t ended, std::size_t total);
    void on_finished(const ImageSaver::Summary& summary);

    Gtk::Window& m_window;
    platform::WebSession& m_session;
    const PageReferences& m_references;
    StatusBar& m_status_bar;
    Gtk::LevelBar& m_progress_bar;
    const ProgressBarState& m_browser_progress;
    WindowActions& m_actions;
    Glib::RefPtr<Gtk::FileChooserNative> m_dialog; // made on first use, keeps its folder
    std::vector<std::string> m_chosen_addresses; // what the open dialog saves
    std::string m_save_name; // as the status bar names the save that runs
    std::unique_ptr<ImageSaver> m_saver; // the last save, kept until the next one starts
    sigc::signal<void()> m_saving_changed;
};

}
