#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The base address of a document at `page_address` whose HTML is `page_text`: the href of its
// first `<base href>`, decoded and resolved against the page address; otherwise the page address.
// The window takes this from the engine, which reads the document's head; a saved page has only
// its text to tell.
std::string document_base_address(std::string_view page_text, std::string_view page_address);

}
