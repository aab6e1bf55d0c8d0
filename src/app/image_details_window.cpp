#include "app/image_details_window.h"

#include "platform/trace.h"

#include <gdkmm/clipboard.h>
#include <gtkmm/columnviewcolumn.h>
#include <gtkmm/stringlist.h>

namespace quillet {

namespace {

// The note choices after "Any notes", in the order of the notes' bits.
constexpr ImageNote kNoteChoices[] = {NoAlternateText, ShownSmall, NoSizeAttributes, LazyPlaceholder, FailedToLoad};

Glib::RefPtr<Gtk::StringList> note_choice_labels()
{
    auto labels = Gtk::StringList::create({"Any notes"});
    for (const ImageNote note : kNoteChoices)
        labels->append(std::string(image_note_label(note)));
    return labels;
}

std::string figures_text(const ImageDetailsRow& row)
{
    std::string text = row.address;
    for (const ImageColumn column : {ImageColumn::Type, ImageColumn::Size, ImageColumn::NaturalSize,
                                     ImageColumn::ShownAt, ImageColumn::Notes}) {
        const std::string value = image_column_text(row, column);
        if (!value.empty())
            text += "\n" + std::string(image_column_title(column)) + ": " + value;
    }
    return text;
}

// Wide enough for what a column usually holds; the user can widen each.
int column_width(ImageColumn column)
{
    switch (column) {
    case ImageColumn::Address:
        return 200;
    case ImageColumn::Source:
        return 170;
    case ImageColumn::Notes:
        return 240;
    case ImageColumn::Origin:
        return 110;
    case ImageColumn::Type:
    case ImageColumn::AlternateText:
        return 100;
    case ImageColumn::NaturalSize:
    case ImageColumn::ShownAt:
        return 85;
    case ImageColumn::Loaded:
        return 70;
    case ImageColumn::Size:
        return 50;
    }
    return 100;
}

const ImageDetailsRow* row_at(const Glib::RefPtr<Gio::ListModel>& model, unsigned position)
{
    const auto item = std::dynamic_pointer_cast<ImageRowItem>(model->get_object(position));
    return item ? &item->row() : nullptr;
}

}

ImageDetailsWindow::ImageDetailsWindow(platform::WebSession& session, platform::WebView& browser,
                                       PageViewDriver& driver, ImageSaveSession& image_saving,
                                       std::function<void(const std::string&)> open_in_browser)
    : m_browser(browser)
    , m_image_saving(image_saving)
    , m_open_in_browser(std::move(open_in_browser))
    , m_reading(browser, driver)
    , m_preview(session, platform::ViewContent::GeneratedFiles, &browser)
{
    set_title("Image Details");
    set_hide_on_close(true); // kept for the next View > "Image Details...", with its sorting and filter
    set_default_size(1280, 640);
    m_box.set_margin(8);

    m_filter_entry.set_property("placeholder-text", Glib::ustring("Filter by address or note"));
    m_filter_entry.set_hexpand(true);
    m_note_choice.set_model(note_choice_labels());
    m_toolbar.append(m_filter_entry);
    m_toolbar.append(m_note_choice);
    m_toolbar.append(m_refresh_button);
    m_toolbar.append(m_copy_address_button);
    m_toolbar.append(m_copy_rows_button);
    m_toolbar.append(m_save_button);
    m_box.append(m_toolbar);

    m_status.set_xalign(0.0);
    m_status.set_ellipsize(Pango::EllipsizeMode::END);
    m_box.append(m_status);

    add_columns();
    m_filtered = Gtk::FilterListModel::create(m_store, m_filter);
    m_sorted = Gtk::SortListModel::create(m_filtered, m_table.get_sorter());
    m_selection = Gtk::MultiSelection::create(m_sorted);
    m_table.set_model(m_selection);
    m_scroller.set_child(m_table);
    m_scroller.set_hexpand(true);
    m_scroller.set_vexpand(true);
    m_paned.set_start_child(m_scroller);

    m_preview.set_Silent(true);
    m_preview.widget().set_size_request(200, 200);
    m_preview.widget().set_vexpand(true);
    m_preview_box.append(m_preview.widget());
    m_figures.set_xalign(0.0);
    m_figures.set_wrap(true);
    m_figures.set_selectable(true);
    m_figures.set_max_width_chars(28);
    m_preview_box.append(m_figures);
    m_paned.set_end_child(m_preview_box);
    m_paned.set_resize_end_child(false);
    m_box.append(m_paned);
    set_child(m_box);

    connect_signals();
    show_status();
}

void ImageDetailsWindow::add_columns()
{
    for (const ImageColumn column : kImageColumns) {
        auto view_column =
            Gtk::ColumnViewColumn::create(std::string(image_column_title(column)), image_column_factory(column));
        view_column->set_sorter(ImageColumnSorter::create(column));
        view_column->set_resizable(true);
        view_column->set_fixed_width(column_width(column));
        m_table.append_column(view_column);
    }
}

void ImageDetailsWindow::connect_signals()
{
    m_filter_entry.signal_search_changed().connect(sigc::mem_fun(*this, &ImageDetailsWindow::on_filter_changed));
    m_note_choice.property_selected().signal_changed().connect(
        sigc::mem_fun(*this, &ImageDetailsWindow::on_filter_changed));
    m_refresh_button.signal_clicked().connect(sigc::mem_fun(*this, &ImageDetailsWindow::refresh));
    m_copy_address_button.signal_clicked().connect(sigc::mem_fun(*this, &ImageDetailsWindow::on_copy_address_clicked));
    m_copy_rows_button.signal_clicked().connect(sigc::mem_fun(*this, &ImageDetailsWindow::copy_rows));
    m_save_button.signal_clicked().connect(sigc::mem_fun(*this, &ImageDetailsWindow::on_save_clicked));
    m_table.signal_activate().connect(sigc::mem_fun(*this, &ImageDetailsWindow::on_table_activate));
    m_selection->signal_selection_changed().connect([this](unsigned, unsigned) { show_preview(); });
    m_browser.DownloadComplete().connect(sigc::mem_fun(*this, &ImageDetailsWindow::on_browser_load_finished));
    m_browser.connect_loading_changed(sigc::mem_fun(*this, &ImageDetailsWindow::show_status));
}

void ImageDetailsWindow::open()
{
    present();
    read(ImageDetailsReading::Texts::Kept);
}

void ImageDetailsWindow::refresh()
{
    read(ImageDetailsReading::Texts::Fresh);
}

void ImageDetailsWindow::read(ImageDetailsReading::Texts texts)
{
    m_reading.start(texts, [this](std::string address, ImageDetails details) {
        show_details(std::move(address), std::move(details));
    });
    show_status();
}

void ImageDetailsWindow::show_details(std::string address, ImageDetails details)
{
    const auto start = std::chrono::steady_clock::now();
    m_details_address = std::move(address);
    m_details = std::make_shared<const ImageDetails>(std::move(details));
    show_image_rows(*m_store, m_details);
    platform::trace_step("image rows shown", std::chrono::steady_clock::now() - start);
    show_status();
    show_preview();
    m_rebuilt.emit();
}

void ImageDetailsWindow::show_status()
{
    std::string text;
    if (m_details) {
        text = std::to_string(m_details->rows.size()) + " images of " + m_details_address;
        if (m_details->left_out > 0)
            text += "; " + std::to_string(m_details->left_out) + " more left out";
    }
    if (m_browser.Loading())
        text += text.empty() ? "The page is still loading" : "; the page is still loading";
    else if (m_reading.running())
        text += text.empty() ? "Reading the page..." : "; reading the page again...";
    m_status.set_text(text);
}

std::vector<const ImageDetailsRow*> ImageDetailsWindow::shown_rows() const
{
    std::vector<const ImageDetailsRow*> rows;
    for (unsigned position = 0; position < m_sorted->get_n_items(); ++position)
        rows.push_back(row_at(m_sorted, position));
    return rows;
}

std::vector<const ImageDetailsRow*> ImageDetailsWindow::selected_rows() const
{
    std::vector<const ImageDetailsRow*> rows;
    for (unsigned position = 0; position < m_sorted->get_n_items(); ++position) {
        if (m_selection->is_selected(position))
            rows.push_back(row_at(m_sorted, position));
    }
    return rows;
}

std::vector<std::string> ImageDetailsWindow::selected_addresses() const
{
    std::vector<std::string> addresses;
    for (const ImageDetailsRow* row : selected_rows())
        addresses.push_back(row->address);
    return addresses;
}

void ImageDetailsWindow::copy_rows()
{
    std::vector<const ImageDetailsRow*> rows = selected_rows();
    if (rows.empty())
        rows = shown_rows();
    get_clipboard()->set_text(image_rows_text(rows));
}

void ImageDetailsWindow::show_preview()
{
    const auto rows = selected_rows();
    if (rows.empty()) {
        m_figures.set_text("Select an image to see it here.");
        return;
    }
    m_figures.set_text(figures_text(*rows.front()));
    if (m_preview.LocationURL() != rows.front()->address)
        m_preview.Navigate(rows.front()->address);
}

void ImageDetailsWindow::on_filter_changed()
{
    const unsigned choice = m_note_choice.get_selected();
    const unsigned notes = choice >= 1 && choice <= std::size(kNoteChoices) ? unsigned{kNoteChoices[choice - 1]} : 0U;
    m_filter->set(m_filter_entry.get_text(), notes);
}

void ImageDetailsWindow::on_table_activate(unsigned position)
{
    if (const ImageDetailsRow* row = row_at(m_sorted, position))
        m_open_in_browser(row->address);
}

void ImageDetailsWindow::on_copy_address_clicked()
{
    std::string text;
    for (const std::string& address : selected_addresses())
        text += address + "\n";
    if (!text.empty())
        get_clipboard()->set_text(text);
}

void ImageDetailsWindow::on_save_clicked()
{
    m_image_saving.show_save_images_dialog(selected_addresses(), *this);
}

// Only an open window reads the page: a hidden one reads it again when it is opened. The page-view
// driver, connected before any window, has begun reading the page's texts for this load by now.
void ImageDetailsWindow::on_browser_load_finished()
{
    if (get_visible())
        refresh();
    else
        show_status();
}

}
