#pragma once

#include "ui/rtf_document.h"

#include <gtkmm/textview.h>

namespace quillet {

// A read-only, word-wrapped text view that shows rich text: each run of the document gets a tag
// with its bold, italic, underline, size, font and colour; runs of one format share one tag.
class RtfTextView : public Gtk::TextView {
public:
    RtfTextView();

    // Replaces what the view shows.
    void show_document(const RtfDocument& document);
};

}
