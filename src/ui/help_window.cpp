#include "ui/help_window.h"

#include "ui/twips.h"
#include "ui/brand_identity.h"
#include "ui/file_exists.h"
#include "ui/program_settings.h"
#include "ui/rtf_reader.h"
#include "ui/show_help_setting.h"
#include "ui/window_utilities.h"

#include <glibmm/fileutils.h>

namespace quillet {

namespace {

constexpr Size kClientSize{10290, 7920};
constexpr int kCheckBoxMargin = 60;

ProgramSettings settings()
{
    return ProgramSettings(brand_identity().ProductTitle);
}

}

Form8::Form8(const std::filesystem::path& program_directory)
    : Check1("Show at Startup"),
      m_content(Gtk::Orientation::VERTICAL)
{
    build_window();
    Form_Load(program_directory);
    Check1.signal_toggled().connect(sigc::mem_fun(*this, &Form8::Check1_Click));
}

void Form8::build_window()
{
    set_title("Readme/Help");
    set_resizable(false);
    set_hide_on_close(true);
    m_text_area.set_child(rtf1);
    m_text_area.set_expand(true);
    Check1.set_margin(pixels_from_twips(kCheckBoxMargin));
    m_content.append(m_text_area);
    m_content.append(Check1);
    m_content.set_size_request(pixels_from_twips(kClientSize.width), pixels_from_twips(kClientSize.height));
    set_child(m_content);
    SetIcon(*this, "AAA", IconScope::Window);
}

// Each step stands alone: one that fails leaves the others to run.
void Form8::Form_Load(const std::filesystem::path& program_directory)
{
    const std::string help_path = (program_directory / "Help.rtf").string();
    m_has_help = FileExists(help_path);
    if (!m_has_help)
        return;
    load_help_file(help_path);
    SetTopMost(*this, true);
    if (const auto checked = parse_show_help(settings().show_help()))
        Check1.set_active(*checked);
}

// A help file that cannot be read leaves the text empty; the window still opens.
void Form8::load_help_file(const std::string& path)
{
    try {
        rtf1.show_document(read_rtf(Glib::file_get_contents(path)));
    } catch (const Glib::FileError&) {
    }
}

void Form8::Show()
{
    if (m_has_help)
        show_modeless(*this);
}

void Form8::Check1_Click()
{
    settings().set_show_help(Check1.get_active());
}

}
