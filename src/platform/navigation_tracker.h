#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quillet::platform {

// Whether an error page is loaded in the view after a failed load.
enum class ErrorPage { None, Follows };

// Turns the engine's load events for one view into the reports the windows expect: the status
// text, the progress with its final negative value, and exactly one completion per navigation.
// A failed load that shows an error page completes once, after that page has loaded; a load
// whose web process ended completes at once, since the engine reports nothing more for it.
class NavigationTracker {
public:
    struct Reports {
        std::function<void(const std::string& text)> status_text;
        std::function<void(int progress, int maximum)> progress;
        std::function<void()> completed;
    };

    static constexpr int kProgressMaximum = 100;

    explicit NavigationTracker(Reports reports);

    void started(const std::string& address);
    void redirected(const std::string& address);
    // The address asked for when the load about to finish shows `shown_address` instead: the
    // engine refuses some addresses (restricted ports) by showing a blank page, with no failure.
    std::optional<std::string> refused_address(const std::string& shown_address) const;
    // Returns whether the caller is to load the error page: never for the error page itself.
    ErrorPage failed(const std::string& message, ErrorPage wanted);
    void finished();
    // The answer was no page and the view keeps the page it shows: the navigation ends saying
    // `message`, with no completion, since no page came to be rebuilt from.
    void refused(const std::string& message);
    void progressed(double fraction);
    void process_ended(const std::string& message);

    // Whether the last navigation failed (stopped, refused or its web process gone), until the
    // next one starts.
    bool failed_navigation() const { return m_failure.has_value(); }

    // The link under the pointer; empty when the pointer is over no link.
    void hovered(const std::string& link_address);

private:
    enum class Phase {
        Idle,
        Loading,
        FailedBeforeErrorPage, // the failed load has not reported its end yet
        LoadingErrorPage,
    };

    void report_load_status(const std::string& text);
    void complete();

    Reports m_reports;
    Phase m_phase = Phase::Idle;
    bool m_error_page_started = false;
    std::optional<std::string> m_failure;
    std::string m_requested_address;
    std::string m_load_status;
    bool m_over_link = false;
};

}
