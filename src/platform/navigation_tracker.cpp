#include "platform/navigation_tracker.h"

#include <algorithm>

namespace quillet::platform {

NavigationTracker::NavigationTracker(Reports reports)
    : m_reports(std::move(reports))
{
}

void NavigationTracker::started(const std::string& address)
{
    if (m_phase == Phase::LoadingErrorPage && !m_error_page_started) {
        m_error_page_started = true;
        return;
    }
    m_phase = Phase::Loading;
    m_failure.reset();
    m_requested_address = address;
    report_load_status("Opening " + address + "...");
}

void NavigationTracker::redirected(const std::string& address)
{
    if (m_phase != Phase::Loading)
        return;
    m_requested_address = address;
    report_load_status("Opening " + address + "...");
}

std::optional<std::string> NavigationTracker::refused_address(const std::string& shown_address) const
{
    constexpr std::string_view kBlankPage = "about:blank";
    if (m_phase != Phase::Loading || shown_address != kBlankPage || m_requested_address.empty()
        || m_requested_address == kBlankPage)
        return std::nullopt;
    return m_requested_address;
}

ErrorPage NavigationTracker::failed(const std::string& message, ErrorPage wanted)
{
    m_failure = message;
    report_load_status(message);
    if (m_phase == Phase::LoadingErrorPage || wanted == ErrorPage::None) {
        m_phase = Phase::Loading;
        return ErrorPage::None;
    }
    m_phase = Phase::FailedBeforeErrorPage;
    return ErrorPage::Follows;
}

void NavigationTracker::finished()
{
    switch (m_phase) {
    case Phase::Idle:
        return;
    case Phase::FailedBeforeErrorPage:
        m_phase = Phase::LoadingErrorPage;
        m_error_page_started = false;
        return;
    case Phase::Loading:
    case Phase::LoadingErrorPage:
        complete();
        return;
    }
}

void NavigationTracker::refused(const std::string& message)
{
    if (m_phase == Phase::Idle)
        return;
    m_phase = Phase::Idle;
    m_failure.reset();
    report_load_status(message);
    m_reports.progress(-1, kProgressMaximum);
}

void NavigationTracker::progressed(double fraction)
{
    if (m_phase != Phase::Loading && m_phase != Phase::LoadingErrorPage)
        return;
    const int progress = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kProgressMaximum);
    m_reports.progress(progress, kProgressMaximum);
}

void NavigationTracker::process_ended(const std::string& message)
{
    if (m_phase == Phase::Idle) {
        report_load_status(message);
        return;
    }
    m_failure = message;
    complete();
}

void NavigationTracker::hovered(const std::string& link_address)
{
    if (!link_address.empty()) {
        m_over_link = true;
        m_reports.status_text(link_address);
    } else if (m_over_link) {
        m_over_link = false;
        m_reports.status_text(m_load_status);
    }
}

void NavigationTracker::report_load_status(const std::string& text)
{
    m_load_status = text;
    m_reports.status_text(text);
}

void NavigationTracker::complete()
{
    m_phase = Phase::Idle;
    report_load_status(m_failure.value_or("Done"));
    m_reports.progress(-1, kProgressMaximum);
    m_reports.completed();
}

}
