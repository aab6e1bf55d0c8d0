#pragma once

#include "analysis/image_details.h"
#include "app/image_details_list.h"
#include "app/image_details_reading.h"
#include "app/image_save_session.h"
#include "platform/web_view.h"

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/columnview.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/filterlistmodel.h>
#include <gtkmm/label.h>
#include <gtkmm/multiselection.h>
#include <gtkmm/paned.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/searchentry.h>
#include <gtkmm/sortlistmodel.h>
#include <gtkmm/window.h>
#include <sigc++/signal.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

// Every image of the page the "Browser" view shows, a row each: where the page names it, whether
// the served HTML does, what the engine loaded and how it shows it, and what is wrong with it. It
// follows the view, rebuilt after each of its loads while the window is open.
class ImageDetailsWindow : public Gtk::Window {
public:
    // `open_in_browser` loads an address in the "Browser" view and shows it.
    // The page's texts come from `driver`'s runs for the same view where it has read them.
    ImageDetailsWindow(platform::WebSession& session, platform::WebView& browser, PageViewDriver& driver,
                       ImageSaveSession& image_saving, std::function<void(const std::string&)> open_in_browser);

    // Shows the window, or brings it up, and lists the page as read after its load.
    void open();
    // Reads the page again, for what scripts and lazy loading have brought in since.
    void refresh();

    // The rows as the table shows them: filtered and sorted.
    std::vector<const ImageDetailsRow*> shown_rows() const;
    std::string status_text() const { return m_status.get_text(); }
    // The selected rows, or every row shown when none is selected, onto the clipboard.
    void copy_rows();
    // After every rebuild of the rows.
    sigc::signal<void()>& rebuilt() { return m_rebuilt; }

private:
    void add_columns();
    void connect_signals();
    std::vector<const ImageDetailsRow*> selected_rows() const;
    std::vector<std::string> selected_addresses() const;
    void read(ImageDetailsReading::Texts texts);
    void show_details(std::string address, ImageDetails details);
    void show_status();
    void show_preview();

    void on_filter_changed();
    void on_table_activate(unsigned position);
    void on_copy_address_clicked();
    void on_save_clicked();
    void on_browser_load_finished();

    platform::WebView& m_browser;
    ImageSaveSession& m_image_saving;
    std::function<void(const std::string&)> m_open_in_browser;
    ImageDetailsReading m_reading;
    std::shared_ptr<const ImageDetails> m_details;
    std::string m_details_address; // the page they are of

    Gtk::Box m_box{Gtk::Orientation::VERTICAL, 6};
    Gtk::Box m_toolbar{Gtk::Orientation::HORIZONTAL, 6};
    Gtk::SearchEntry m_filter_entry;
    Gtk::DropDown m_note_choice;
    Gtk::Button m_refresh_button{"Refresh"};
    Gtk::Button m_copy_address_button{"Copy Address"};
    Gtk::Button m_copy_rows_button{"Copy Rows"};
    Gtk::Button m_save_button{"Save Selected Images..."};
    Gtk::Label m_status;
    Gtk::Paned m_paned{Gtk::Orientation::HORIZONTAL};
    Gtk::ScrolledWindow m_scroller;
    Gtk::ColumnView m_table;
    Gtk::Box m_preview_box{Gtk::Orientation::VERTICAL, 6};
    platform::WebView m_preview;
    Gtk::Label m_figures;

    Glib::RefPtr<Gio::ListStore<ImageRowItem>> m_store = Gio::ListStore<ImageRowItem>::create();
    Glib::RefPtr<ImageRowFilter> m_filter = ImageRowFilter::create();
    Glib::RefPtr<Gtk::FilterListModel> m_filtered;
    Glib::RefPtr<Gtk::SortListModel> m_sorted;
    Glib::RefPtr<Gtk::MultiSelection> m_selection;
    sigc::signal<void()> m_rebuilt;
};

}
