#include "app/image_details_list.h"

#include <gtkmm/label.h>
#include <gtkmm/listitem.h>
#include <gtkmm/signallistitemfactory.h>

#include <algorithm>
#include <vector>

namespace quillet {

namespace {

const ImageDetailsRow* row_of(gpointer item)
{
    auto* wrapper = dynamic_cast<ImageRowItem*>(Glib::ObjectBase::_get_current_wrapper(static_cast<GObject*>(item)));
    return wrapper ? &wrapper->row() : nullptr;
}

Gtk::Ordering ordering(int order)
{
    return order < 0 ? Gtk::Ordering::SMALLER : (order > 0 ? Gtk::Ordering::LARGER : Gtk::Ordering::EQUAL);
}

}

ImageRowItem::ImageRowItem(std::shared_ptr<const ImageDetails> details, std::size_t index)
    : Glib::ObjectBase(typeid(ImageRowItem))
    , m_details(std::move(details))
    , m_index(index)
{
}

Glib::RefPtr<ImageRowItem> ImageRowItem::create(std::shared_ptr<const ImageDetails> details, std::size_t index)
{
    return Glib::make_refptr_for_instance(new ImageRowItem(std::move(details), index));
}

void ImageRowItem::set_row(std::shared_ptr<const ImageDetails> details, std::size_t index)
{
    m_details = std::move(details);
    m_index = index;
}

// One splice, so that the models over the store filter and sort the rows once.
void show_image_rows(Gio::ListStore<ImageRowItem>& store, const std::shared_ptr<const ImageDetails>& details)
{
    const std::size_t kept = std::min<std::size_t>(store.get_n_items(), details->rows.size());
    std::vector<Glib::RefPtr<ImageRowItem>> items;
    items.reserve(details->rows.size());
    for (std::size_t index = 0; index < details->rows.size(); ++index) {
        if (index < kept) {
            items.push_back(store.get_item(static_cast<guint>(index)));
            items.back()->set_row(details, index);
        } else {
            items.push_back(ImageRowItem::create(details, index));
        }
    }
    store.splice(0, store.get_n_items(), items);
}

ImageColumnSorter::ImageColumnSorter(ImageColumn column)
    : Glib::ObjectBase("QuilletImageColumnSorter")
    , m_column(column)
{
}

Glib::RefPtr<ImageColumnSorter> ImageColumnSorter::create(ImageColumn column)
{
    return Glib::make_refptr_for_instance(new ImageColumnSorter(column));
}

Gtk::Ordering ImageColumnSorter::compare_vfunc(gpointer item1, gpointer item2)
{
    const ImageDetailsRow* a = row_of(item1);
    const ImageDetailsRow* b = row_of(item2);
    if (!a || !b)
        return Gtk::Ordering::EQUAL;
    return ordering(compare_image_rows(*a, *b, m_column));
}

ImageRowFilter::ImageRowFilter()
    : Glib::ObjectBase("QuilletImageRowFilter")
{
}

Glib::RefPtr<ImageRowFilter> ImageRowFilter::create()
{
    return Glib::make_refptr_for_instance(new ImageRowFilter());
}

void ImageRowFilter::set(std::string text, unsigned notes)
{
    if (text == m_text && notes == m_notes)
        return;
    m_text = std::move(text);
    m_notes = notes;
    changed(Change::DIFFERENT);
}

bool ImageRowFilter::match_vfunc(const Glib::RefPtr<Glib::ObjectBase>& item)
{
    const auto row = std::dynamic_pointer_cast<ImageRowItem>(item);
    return row && image_row_matches(row->row(), m_text, m_notes);
}

Glib::RefPtr<Gtk::ListItemFactory> image_column_factory(ImageColumn column)
{
    auto factory = Gtk::SignalListItemFactory::create();
    factory->signal_setup().connect([column](const Glib::RefPtr<Gtk::ListItem>& item) {
        auto* label = Gtk::make_managed<Gtk::Label>();
        label->set_xalign(0.0);
        label->set_ellipsize(column == ImageColumn::Address ? Pango::EllipsizeMode::MIDDLE : Pango::EllipsizeMode::END);
        label->set_max_width_chars(column == ImageColumn::Address || column == ImageColumn::Notes ? 48 : 24);
        item->set_child(*label);
    });
    factory->signal_bind().connect([column](const Glib::RefPtr<Gtk::ListItem>& item) {
        auto* label = dynamic_cast<Gtk::Label*>(item->get_child());
        const auto row = std::dynamic_pointer_cast<ImageRowItem>(item->get_item());
        if (label && row)
            label->set_text(image_column_text(row->row(), column));
    });
    return factory;
}

}
