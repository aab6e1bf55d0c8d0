#include "app/main_window.h"

#include "app/main_window_style.h"
#include "app/view_scripts.h"
#include "app/view_style_sheets.h"
#include "platform/typed_address.h"
#include "platform/user_directories.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"
#include "ui/program_settings.h"
#include "ui/window_utilities.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace quillet {

namespace {

WindowViews create_views(platform::WebSession& session)
{
    using platform::ViewContent;
    auto browser = std::make_unique<platform::WebView>(session, ViewContent::LivePages);
    auto source_code = std::make_unique<platform::WebView>(session, ViewContent::GeneratedFiles);
    // The two generated views share one web process.
    auto images = std::make_unique<platform::WebView>(session, ViewContent::GeneratedFiles, source_code.get());
    return {std::move(browser), std::move(source_code), std::move(images)};
}

// The find bar lies over the top right corner of the views, as wide as it needs up to their width.
Rect find_bar_rect(const Rect& views)
{
    constexpr int kWidth = 4800;
    constexpr int kHeight = 480;
    const int width = std::min(kWidth, views.width);
    return {views.left + views.width - width, views.top, width, kHeight};
}

// The bar that says the generated views are behind lies over their top edge, under the find bar.
Rect views_behind_rect(const Rect& views)
{
    constexpr int kHeight = 360;
    return {views.left, views.top, views.width, std::min(kHeight, views.height)};
}

}

Form1::Form1(const std::filesystem::path& program_directory, RegistryLocations registry, std::string start_page)
    : m_views(create_views(m_session)),
      m_frame(Gtk::Orientation::VERTICAL),
      m_client_area(pixels_from_twips(kMinimumClientSize.width), pixels_from_twips(kMinimumClientSize.height),
                    pixels_from_twips(kDesignClientSize.width), pixels_from_twips(kDesignClientSize.height)),
      m_folders(platform::program_folders(program_directory)),
      m_start_page(std::move(start_page)),
      m_work_files(m_folders.executable_directory),
      m_page_view_driver({wb(kBrowserView), wb(kSourceCodeView), wb(kImagesView)}, m_work_files, m_page_references,
                         m_cancellable),
      m_view_switcher(m_views, m_controls.TabStrip1),
      m_find(m_views, m_view_switcher, m_controls.find_bar, m_actions),
      m_image_saving(*this, m_session, m_page_references, m_controls.sb1, m_controls.pb1, m_progress, m_actions),
      m_navigation(m_views, m_view_switcher, m_controls.txtUrl, m_page_view_driver, m_image_saving),
      m_tools_menu(std::move(registry), m_folders, m_actions)
{
    install_main_window_style(*this);
    put_controls();
    build_frame();
    add_actions();
    connect_controls();
    connect_views();
    Form_Load();
    // The first layout, for the window at its design size.
    place_controls(LayoutControls(outer_size_from_client(kDesignClientSize), design_layout_rects()));
}

Form1::~Form1()
{
    m_cancellable->cancel();
    for (sigc::connection& connection : m_view_connections)
        connection.disconnect();
}

// In drawing order: later controls lie over earlier ones, so the views cover the tab strip's pages
// and the progress bar covers the status bar.
void Form1::put_controls()
{
    MainWindowControls& c = m_controls;
    for (Gtk::Widget* control : std::initializer_list<Gtk::Widget*>{&c.cmbBack, &c.cmdForward, &c.cmdStop, &c.cmdRefresh,
                                                                    &c.cmdBackDir, &c.Command1, &c.cmdWebsite, &c.Text1,
                                                                    &c.txtUrl, &c.cmdGo, &c.TabStrip1})
        m_form.put(*control, 0, 0);
    for (const auto& view : m_views)
        m_form.put(view->widget(), 0, 0);
    m_form.put(c.views_behind, 0, 0);
    m_form.put(c.sb1, 0, 0);
    m_form.put(c.pb1, 0, 0);
    m_form.put(c.find_bar, 0, 0);

    place(c.cmbBack, kBackButtonRect);
    place(c.cmdForward, kForwardButtonRect);
    place(c.cmdStop, kStopButtonRect);
    place(c.cmdRefresh, kRefreshButtonRect);
    place(c.cmdBackDir, kUpDirButtonRect);
    place(c.Command1, kSendToBrowserButtonRect);
    place(c.Text1, kUrlCaptionRect);
}

void Form1::place(Gtk::Widget& control, const Rect& twips)
{
    const Rect pixels = pixels_from_twips(twips);
    control.set_size_request(pixels.width, pixels.height);
    m_form.move(control, pixels.left, pixels.top);
}

// The window opens with the design's client area and can be made smaller, down to the size at which
// every control still fits.
void Form1::build_frame()
{
    m_client_area.set_expand(true);
    m_client_area.set_child(m_form);
    m_frame.append(m_controls.menu_bar);
    m_frame.append(m_client_area);
    set_child(m_frame);
}

void Form1::Form_Load()
{
    for (const auto& view : m_views)
        view->set_Silent(true);
    wb(kSourceCodeView).add_style_sheet(kSourceCodeStyleSheet);
    wb(kImagesView).add_style_sheet(kImagesStyleSheet);
    wb(kImagesView).add_context_menu_item("Copy All Image Addresses",
                                          [this] { activate_action(action::kCopyImageAddresses); });
    wb(kImagesView).add_context_menu_item("Save All Images...", [this] { activate_action(action::kSaveImages); });
    for (const SourceListing listing : {SourceListing::AsRendered, SourceListing::AsServed})
        wb(kSourceCodeView).add_context_menu_item(
            listing == SourceListing::AsServed ? "Source as Served" : "Source as Rendered", [this, listing] {
                activate_action(action::kSourceListing, Glib::Variant<int>::create(static_cast<int>(listing)));
            });
    wb(kImagesView).add_context_menu_item("Image Details...", [this] { activate_action(action::kImageDetails); });
    SetIcon(*this, "AAA", IconScope::WindowAndOwner);
    const BrandIdentity& identity = brand_identity();
    m_controls.cmdWebsite.set_caption(website_button_caption(identity));
    m_controls.menu_bar.set_item_caption(Menu::View, 3, website_menu_caption(identity));
    set_title(main_window_caption(identity));
    prepare_work_files();
    const std::filesystem::path listing_file = m_work_files.path(WorkFile::Source);
    wb(kSourceCodeView).add_style_sheet(kSourceCodeListingStyleSheet, listing_file);
    wb(kSourceCodeView).add_user_script(kSourceCodeListingScript, listing_file);
    const SourceListing listing = ProgramSettings(identity.ProductTitle).source_listing();
    m_page_view_driver.set_source_listing(listing);
    m_actions.set_choice(action::kSourceListing, static_cast<int>(listing));
    m_controls.sb1.add_panel();
    ShowSelectedView(kBrowserView);
    wb(kBrowserView).set_home_page(home_page());
}

// The start page waits for the window to show: a window made ready behind the splash loads
// nothing, and no page is laid out in views that have no size yet.
void Form1::on_show()
{
    Gtk::Window::on_show();
    if (!std::exchange(m_start_page_opened, true))
        open_start_page();
}

void Form1::open_start_page()
{
    if (m_start_page.empty())
        wb(kBrowserView).GoHome();
    else
        wb(kBrowserView).Navigate(m_start_page);
}

// A program directory the user cannot write must not make the program unusable: the work files
// then go to the user's own data directory, and the window says where for as long as it is open.
void Form1::prepare_work_files()
{
    const WorkDirectoryChoice choice = choose_work_directory(
        m_folders.work_directory, platform::user_data_directory() / brand_identity().ProductTitle);
    m_work_files = WorkFiles(choice.directory);
    if (choice.fell_back) {
        m_work_files_notice = "Cannot write in " + m_folders.work_directory->string() + ": work files are kept in " +
                              choice.directory.string();
        m_controls.sb1.set_notice("Work files: " + choice.directory.string(), m_work_files_notice);
    }
    std::vector<std::string> failures = m_work_files.remove_leftovers();
    for (std::string& failure : m_work_files.create_missing())
        failures.push_back(std::move(failure));
    if (!failures.empty())
        m_controls.sb1.set_panel_text(1, failures.front());
}

// The user's "homePage" setting, otherwise the start page shipped with the program.
std::string Form1::home_page() const
{
    const std::string configured = ProgramSettings(brand_identity().ProductTitle).home_page();
    return configured.empty() ? platform::uri_from_file_path(m_folders.files / "start.html") : configured;
}

platform::WebView& Form1::wb(int index)
{
    return *m_views.at(static_cast<std::size_t>(index));
}

void Form1::ShowSelectedView(int index)
{
    m_view_switcher.ShowSelectedView(index);
}

void Form1::SelectView(int index)
{
    m_view_switcher.SelectView(index);
}

// Runs on every size the client area is given, the first one included. The rectangles follow from
// the size alone, so an unchanged size places nothing and queues no further layout.
void Form1::Form_Resize(int client_width, int client_height)
{
    const LayoutRects rects = LayoutControls(outer_size_from_client_pixels({client_width, client_height}), m_layout);
    if (rects != m_layout)
        place_controls(rects);
}

void Form1::place_controls(const LayoutRects& rects)
{
    place(m_controls.TabStrip1, rects.tab_strip);
    for (const auto& view : m_views)
        place(view->widget(), rects.views);
    place(m_controls.sb1, rects.status_bar);
    while (m_controls.sb1.panel_count() < 2)
        m_controls.sb1.add_panel();
    m_controls.sb1.set_panel_width(1, pixels_from_twips(rects.status_panel1_width));
    m_controls.sb1.set_panel_width(2, pixels_from_twips(rects.status_panel2_width));
    place(m_controls.pb1, rects.progress_bar);
    place(m_controls.txtUrl, rects.address_box);
    place(m_controls.cmdGo, rects.go_button);
    place(m_controls.cmdWebsite, rects.website_button);
    place(m_controls.views_behind, views_behind_rect(rects.views));
    place(m_controls.find_bar, find_bar_rect(rects.views));
    m_layout = rects;
}

}
