#include "app/image_saver.h"

#include "platform/atomic_file.h"
#include "platform/file_move.h"

#include <system_error>

namespace quillet {

namespace {

// Enough to keep the line busy without crowding out the Browser view's own requests.
constexpr std::size_t kParallelDownloads = 3;

// Each attempt of a move either ends it or takes another name; a folder that keeps taking them
// away is not to be chased for ever.
constexpr int kMoveAttempts = 8;

// A link counts as taken too, even one that points nowhere.
bool exists_in_folder(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

}

ImageSaver::ImageSaver(platform::WebSession& session, const std::vector<std::string>& addresses,
                       std::filesystem::path folder)
    : m_session(session)
    , m_folder(std::move(folder))
    , m_names([this](const std::string& name) { return exists_in_folder(m_folder / name); })
    , m_manifest_name(m_names.take(kImageManifestName))
    , m_images(addresses.size())
    , m_downloads(addresses.size())
{
    for (std::size_t index = 0; index < addresses.size(); ++index) {
        m_images[index].address = addresses[index];
        m_file_names.push_back(m_names.take(image_file_name(addresses[index])));
    }
}

std::filesystem::path ImageSaver::download_path(std::size_t index) const
{
    return m_private_folder.path / (std::to_string(index) + ".part");
}

void ImageSaver::start()
{
    m_running = true;
    // Hidden, and marked as the program's own temporary files are.
    std::string name_start(platform::kTemporaryFileMark);
    m_private_folder = platform::create_private_folder(m_folder, name_start.append("saving-"));
    if (!m_private_folder.created.ok()) {
        for (SavedImage& image : m_images)
            image.failure = m_private_folder.created.failure_text();
        finish(0);
    } else if (m_images.empty()) {
        finish(0);
    } else {
        start_downloads();
    }
}

void ImageSaver::start_downloads()
{
    while (m_running && m_next < m_images.size() && m_next - m_ended < kParallelDownloads)
        start_download(m_next++);
}

// The engine is told to overwrite the file it is given, so it is given only one made here.
void ImageSaver::start_download(std::size_t index)
{
    const std::filesystem::path destination = download_path(index);
    if (const Result created = platform::create_new_file(destination); !created.ok()) {
        on_download_done(index, {false, created.failure_text(), 0, {}});
        return;
    }
    m_downloads[index] = std::make_unique<platform::WebDownload>(
        m_session, m_images[index].address, destination,
        [this, index](const platform::DownloadOutcome& outcome) { on_download_done(index, outcome); });
}

void ImageSaver::on_download_done(std::size_t index, const platform::DownloadOutcome& outcome)
{
    if (!m_running) { // cancelled with the rest, and now let go of by the engine
        --m_downloads_ending;
        remove_private_folder_once_unused();
        return;
    }
    m_images[index].type = outcome.type;
    if (outcome.complete)
        keep_download(index, outcome);
    else
        m_images[index].failure = outcome.failure;
    ++m_ended;
    m_progress.emit(m_ended, m_images.size());
    if (m_ended == m_images.size())
        finish(0);
    else
        start_downloads();
}

void ImageSaver::keep_download(std::size_t index, const platform::DownloadOutcome& outcome)
{
    const std::filesystem::path downloaded = download_path(index);
    std::error_code size_error;
    const auto bytes = std::filesystem::file_size(downloaded, size_error);
    m_images[index].bytes = size_error ? outcome.bytes : bytes;
    const Result moved = move_into_folder(downloaded, image_file_name(m_images[index].address), m_file_names[index]);
    if (moved.ok()) {
        m_images[index].file = m_file_names[index];
        return;
    }
    m_images[index].failure = moved.failure_text();
    std::error_code ignored;
    std::filesystem::remove(downloaded, ignored);
}

Result ImageSaver::move_into_folder(const std::filesystem::path& file, std::string wanted, std::string& name)
{
    Result failure;
    for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
        platform::FileMove move = platform::move_file_without_replacing(file, m_folder / name);
        switch (move.outcome) {
        case platform::FileMove::Outcome::Moved:
            return Result::success();
        case platform::FileMove::Outcome::NameTaken:
            break;
        case platform::FileMove::Outcome::NameTooLong:
            wanted = shortened_file_name(wanted, wanted.size() / 2);
            break;
        case platform::FileMove::Outcome::Failed:
            return move.result;
        }
        failure = std::move(move.result);
        name = m_names.take(wanted);
    }
    return failure;
}

ImageSaver::~ImageSaver()
{
    if (m_running)
        cancel_downloads();
    remove_private_folder();
}

void ImageSaver::cancel()
{
    if (m_running)
        finish(cancel_downloads());
}

std::size_t ImageSaver::cancel_downloads()
{
    std::size_t cancelled = 0;
    for (std::size_t index = 0; index < m_images.size(); ++index) {
        SavedImage& image = m_images[index];
        if (!image.file.empty() || !image.failure.empty())
            continue;
        image.failure = "cancelled";
        ++cancelled;
        // The engine reports the end later, from its own process.
        if (m_downloads[index]) {
            ++m_downloads_ending;
            m_downloads[index]->cancel();
        }
    }
    return cancelled;
}

void ImageSaver::finish(std::size_t cancelled)
{
    m_running = false;
    Summary summary;
    summary.cancelled = cancelled;
    for (const SavedImage& image : m_images)
        ++(image.file.empty() ? summary.failed : summary.saved);
    summary.failed -= cancelled;
    summary.manifest = write_manifest();
    remove_private_folder_once_unused();
    m_finished.emit(summary);
}

Result ImageSaver::write_manifest()
{
    if (!m_private_folder.created.ok())
        return m_private_folder.created;
    const std::filesystem::path written = m_private_folder.path / kImageManifestName;
    const Result replaced = platform::replace_file_contents(written, {image_manifest(m_images)});
    if (!replaced.ok())
        return replaced;
    return move_into_folder(written, std::string(kImageManifestName), m_manifest_name);
}

// The engine writes a download into a file of its own beside the one it was given (NAME.wkdownload)
// and removes it when cancelled, so the folder goes only once it has let go of every download.
void ImageSaver::remove_private_folder_once_unused()
{
    if (m_downloads_ending == 0)
        remove_private_folder();
}

// The folder holds only what the saver and the engine put there: the downloads cancelled or
// failed, which are no one's files.
void ImageSaver::remove_private_folder()
{
    if (m_private_folder.path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_private_folder.path, ignored);
    m_private_folder.path.clear();
}

}
