#pragma once

#include "platform/private_folder.h"
#include "platform/result.h"
#include "platform/web_download.h"
#include "views/image_manifest.h"
#include "views/saved_image_names.h"

#include <sigc++/signal.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

// Saves every image of a list into one folder through the window's session, a few at a time. Each
// file is written under a hidden temporary name and takes its own name only once complete, so an
// image that fails or is cancelled leaves nothing behind; the manifest is written last.
class ImageSaver {
public:
    struct Summary {
        std::size_t saved = 0;
        std::size_t failed = 0;
        std::size_t cancelled = 0; // not saved, since the user cancelled
        Result manifest; // the manifest's write
    };

    ImageSaver(platform::WebSession& session, const std::vector<std::string>& addresses, std::filesystem::path folder);
    // Stops what still runs, unheard, leaving no temporary file.
    ~ImageSaver();
    ImageSaver(const ImageSaver&) = delete;
    ImageSaver& operator=(const ImageSaver&) = delete;

    void start();
    // Stops every download still running; the images not yet saved are listed as cancelled.
    void cancel();
    bool running() const { return m_running; }

    // After each image that ended, with how many have and how many there are.
    sigc::signal<void(std::size_t ended, std::size_t total)>& progress() { return m_progress; }
    // Once, after the manifest is written.
    sigc::signal<void(const Summary&)>& finished() { return m_finished; }

private:
    std::filesystem::path download_path(std::size_t index) const;
    void start_downloads();
    void start_download(std::size_t index);
    void on_download_done(std::size_t index, const platform::DownloadOutcome& outcome);
    void keep_download(std::size_t index, const platform::DownloadOutcome& outcome);
    // Gives `file` the name `name` in the folder; when another file takes it meanwhile, the next
    // free name made from `wanted`, and when the file system finds it too long, a shorter one.
    Result move_into_folder(const std::filesystem::path& file, std::string wanted, std::string& name);
    // Cancels the downloads still running and returns how many there were.
    std::size_t cancel_downloads();
    void finish(std::size_t cancelled);
    Result write_manifest();
    void remove_private_folder_once_unused();
    void remove_private_folder();

    platform::WebSession& m_session;
    std::filesystem::path m_folder;
    platform::PrivateFolder m_private_folder;
    UniqueFileNames m_names;
    std::string m_manifest_name;
    std::vector<std::string> m_file_names; // the name each image is to be saved under
    std::vector<SavedImage> m_images;      // filled in as the images end
    std::vector<std::unique_ptr<platform::WebDownload>> m_downloads;
    std::size_t m_next = 0;
    std::size_t m_ended = 0;
    std::size_t m_downloads_ending = 0; // cancelled, their end not yet reported
    bool m_running = false;
    sigc::signal<void(std::size_t, std::size_t)> m_progress;
    sigc::signal<void(const Summary&)> m_finished;
};

}
