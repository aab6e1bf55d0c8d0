#pragma once

#include "analysis/image_details.h"

#include <giomm/liststore.h>
#include <gtkmm/filter.h>
#include <gtkmm/listitemfactory.h>
#include <gtkmm/sorter.h>

#include <cstddef>
#include <memory>
#include <string>

namespace quillet {

// One row of the image details, as an item of the window's list model.
class ImageRowItem : public Glib::Object {
public:
    static Glib::RefPtr<ImageRowItem> create(std::shared_ptr<const ImageDetails> details, std::size_t index);
    const ImageDetailsRow& row() const { return m_details->rows[m_index]; }
    // Points the item at another row; a table shows the change once the item's place in its model
    // is changed, binding the item's cells again.
    void set_row(std::shared_ptr<const ImageDetails> details, std::size_t index);

protected:
    ImageRowItem(std::shared_ptr<const ImageDetails> details, std::size_t index);

private:
    std::shared_ptr<const ImageDetails> m_details;
    std::size_t m_index;
};

// Makes `store` hold the rows of `details`, in their order. The items it has are kept for the
// rows at their positions: a table binds again the cells it made for an item that goes and comes
// back, where a new item costs it new cells (some two hundred rows of them).
void show_image_rows(Gio::ListStore<ImageRowItem>& store, const std::shared_ptr<const ImageDetails>& details);

// Orders rows by one column.
class ImageColumnSorter : public Gtk::Sorter {
public:
    static Glib::RefPtr<ImageColumnSorter> create(ImageColumn column);

protected:
    explicit ImageColumnSorter(ImageColumn column);
    Gtk::Ordering compare_vfunc(gpointer item1, gpointer item2) override;
    Order get_order_vfunc() override { return Order::TOTAL; }

private:
    ImageColumn m_column;
};

// Keeps the rows whose address or notes hold a text and that have the notes asked for.
class ImageRowFilter : public Gtk::Filter {
public:
    static Glib::RefPtr<ImageRowFilter> create();
    void set(std::string text, unsigned notes);

protected:
    ImageRowFilter();
    bool match_vfunc(const Glib::RefPtr<Glib::ObjectBase>& item) override;

private:
    std::string m_text;
    unsigned m_notes = 0;
};

// Labels that show one column's text of the row they are bound to.
Glib::RefPtr<Gtk::ListItemFactory> image_column_factory(ImageColumn column);

}
