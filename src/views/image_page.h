#pragma once

#include "analysis/reference_list.h"
#include "views/work_files.h"

#include <string>

namespace quillet {

// The "Images" view: for each image tag, in list order, the image linking to its own address, the
// address beneath it, then two empty lines. An HTML fragment on one line; every address is escaped.
std::string build_image_page(const ReferenceList& image_tags);

// Writes the image page to "imagepage.html". Returns an empty string on success.
std::string WriteImagePage(const WorkFiles& files, const ReferenceList& image_tags);

}
