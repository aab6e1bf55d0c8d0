#include "app/image_saver.h"

#include "platform/atomic_file.h"
#include "platform/file_move.h"

#include <system_error>

namespace quillet {

namespace {

// Enough to keep the line busy without crowding out the Browser view's own requests.
constexpr std::size_t kParallelDownloads = 3;

}

ImageSaver::ImageSaver(platform::WebSession& session, const std::vector<std::string>& addresses,
                       std::filesystem::path folder)
    : m_session(session)
    , m_folder(std::move(folder))
    , m_names([this](const std::string& name) {
        std::error_code ignored;
        return std::filesystem::exists(m_folder / name, ignored);
    })
    , m_manifest_name(m_names.take(kImageManifestName))
    , m_images(addresses.size())
    , m_downloads(addresses.size())
{
    for (std::size_t index = 0; index < addresses.size(); ++index) {
        m_images[index].address = addresses[index];
        m_file_names.push_back(m_names.take(image_file_name(addresses[index])));
    }
}

std::filesystem::path ImageSaver::temporary_path(std::size_t index) const
{
    return m_folder / ("." + m_file_names[index] + ".part");
}

void ImageSaver::start()
{
    m_running = true;
    if (m_images.empty())
        finish(0);
    else
        start_downloads();
}

void ImageSaver::start_downloads()
{
    while (m_next < m_images.size() && m_next - m_ended < kParallelDownloads) {
        const std::size_t index = m_next++;
        m_downloads[index] = std::make_unique<platform::WebDownload>(
            m_session, m_images[index].address, temporary_path(index),
            [this, index](const platform::DownloadOutcome& outcome) { on_download_done(index, outcome); });
    }
}

void ImageSaver::on_download_done(std::size_t index, const platform::DownloadOutcome& outcome)
{
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
    const std::filesystem::path temporary = temporary_path(index);
    std::error_code size_error;
    const auto bytes = std::filesystem::file_size(temporary, size_error);
    m_images[index].bytes = size_error ? outcome.bytes : bytes;
    Result moved = platform::move_file_without_replacing(temporary, m_folder / m_file_names[index]);
    std::error_code ignored;
    if (!moved.ok() && std::filesystem::exists(m_folder / m_file_names[index], ignored)) {
        // A file that took the name meanwhile keeps it; the image takes the next free one.
        m_file_names[index] = m_names.take(image_file_name(m_images[index].address));
        moved = platform::move_file_without_replacing(temporary, m_folder / m_file_names[index]);
    }
    if (moved.ok()) {
        m_images[index].file = m_file_names[index];
        return;
    }
    m_images[index].failure = moved.failure_text();
    std::filesystem::remove(temporary, ignored);
}

ImageSaver::~ImageSaver()
{
    if (m_running)
        cancel_downloads();
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
        if (m_downloads[index]) {
            m_downloads[index]->cancel();
            std::error_code ignored;
            std::filesystem::remove(temporary_path(index), ignored);
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
    summary.manifest = platform::replace_file_contents(m_folder / m_manifest_name, {image_manifest(m_images)});
    m_finished.emit(summary);
}

}
