#include "platform/navigation_tracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace quillet::platform {
namespace {

// Records every report as one line: "status: ...", "progress: p/m", "completed".
class Recorder {
public:
    NavigationTracker::Reports reports()
    {
        return {
            [this](const std::string& text) { m_lines.push_back("status: " + text); },
            [this](int progress, int maximum) {
                m_lines.push_back("progress: " + std::to_string(progress) + "/" + std::to_string(maximum));
            },
            [this] { m_lines.push_back("completed"); },
        };
    }
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

using Step = std::function<void(NavigationTracker&)>;

Step started(const std::string& address) { return [=](NavigationTracker& t) { t.started(address); }; }
Step redirected(const std::string& address) { return [=](NavigationTracker& t) { t.redirected(address); }; }
Step finished() { return [](NavigationTracker& t) { t.finished(); }; }
Step progressed(double fraction) { return [=](NavigationTracker& t) { t.progressed(fraction); }; }
Step hovered(const std::string& link) { return [=](NavigationTracker& t) { t.hovered(link); }; }
Step ended(const std::string& message) { return [=](NavigationTracker& t) { t.process_ended(message); }; }
Step no_page(const std::string& message) { return [=](NavigationTracker& t) { t.refused(message); }; }
Step refused(const std::string& shown, std::optional<std::string> expected)
{
    return [=](NavigationTracker& t) { EXPECT_EQ(t.refused_address(shown), expected) << shown; };
}
Step failed(const std::string& message, ErrorPage wanted, ErrorPage expected_answer)
{
    return [=](NavigationTracker& t) { EXPECT_EQ(t.failed(message, wanted), expected_answer); };
}

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> expected;
};

TEST(NavigationTracker, ReportsEachNavigationOnce)
{
    const std::vector<Sequence> cases = {
        {"an answer that is no page leaves the page shown, with nothing to rebuild",
         {started("http://h/a.bin"), progressed(0.5), no_page("http://h/a.bin is no page"), finished(), no_page("late")},
         {"status: Opening http://h/a.bin...", "progress: 50/100", "status: http://h/a.bin is no page", "progress: -1/100"}},
        {"a page loads",
         {progressed(0.1), started("file:///a.html"), progressed(0.5), progressed(1.0), finished(), progressed(1.0)},
         {"status: Opening file:///a.html...", "progress: 50/100", "progress: 100/100", "status: Done",
          "progress: -1/100", "completed"}},
        {"a redirect names the new address",
         {started("http://a/"), redirected("http://b/"), finished()},
         {"status: Opening http://a/...", "status: Opening http://b/...", "status: Done", "progress: -1/100",
          "completed"}},
        {"a stopped load completes with the engine's message",
         {started("http://slow/"), failed("Load request cancelled", ErrorPage::None, ErrorPage::None), finished()},
         {"status: Opening http://slow/...", "status: Load request cancelled", "status: Load request cancelled",
          "progress: -1/100", "completed"}},
        {"a failed load completes once, after its error page",
         {started("http://gone/"), failed("Connection refused", ErrorPage::Follows, ErrorPage::Follows), finished(),
          started("http://gone/"), progressed(1.0), finished()},
         {"status: Opening http://gone/...", "status: Connection refused", "progress: 100/100",
          "status: Connection refused", "progress: -1/100", "completed"}},
        {"an error page that fails asks for no other error page",
         {started("http://gone/"), failed("Refused", ErrorPage::Follows, ErrorPage::Follows), finished(),
          started("http://gone/"), failed("Load request cancelled", ErrorPage::Follows, ErrorPage::None), finished(),
          started("http://next/"), finished()},
         {"status: Opening http://gone/...", "status: Refused", "status: Load request cancelled",
          "status: Load request cancelled", "progress: -1/100", "completed", "status: Opening http://next/...",
          "status: Done", "progress: -1/100", "completed"}},
        {"a load whose process ended completes at once",
         {started("http://slow/"), ended("The web process ended"), finished()},
         {"status: Opening http://slow/...", "status: The web process ended", "progress: -1/100", "completed"}},
        {"a process ending while idle only reports it",
         {ended("The web process ended")},
         {"status: The web process ended"}},
        {"a finish without a start is not a navigation", {finished(), progressed(0.5)}, {}},
        {"the next navigation forgets an earlier failure",
         {started("http://a/"), failed("Cancelled", ErrorPage::None, ErrorPage::None), finished(), started("http://b/"),
          finished()},
         {"status: Opening http://a/...", "status: Cancelled", "status: Cancelled", "progress: -1/100", "completed",
          "status: Opening http://b/...", "status: Done", "progress: -1/100", "completed"}},
        {"leaving a link shows the load status again",
         {started("http://a/"), hovered("http://a/link"), hovered(""), hovered(""), finished(), hovered("x"),
          hovered("")},
         {"status: Opening http://a/...", "status: http://a/link", "status: Opening http://a/...", "status: Done",
          "progress: -1/100", "completed", "status: x", "status: Done"}},
        {"a blank page shown for another address is a refusal, only while it loads",
         {refused("about:blank", std::nullopt), started("http://h:9/"), redirected("http://h:10/"),
          refused("http://h:10/", std::nullopt), refused("about:blank", "http://h:10/"), finished(),
          refused("about:blank", std::nullopt), started("about:blank"), refused("about:blank", std::nullopt)},
         {"status: Opening http://h:9/...", "status: Opening http://h:10/...", "status: Done", "progress: -1/100",
          "completed", "status: Opening about:blank..."}},
        {"progress outside 0..1 is clamped",
         {started("a"), progressed(-0.5), progressed(7.0)},
         {"status: Opening a...", "progress: 0/100", "progress: 100/100"}},
    };
    for (const auto& sequence : cases) {
        SCOPED_TRACE(sequence.name);
        Recorder recorder;
        NavigationTracker tracker(recorder.reports());
        for (const auto& step : sequence.steps)
            step(tracker);
        EXPECT_EQ(recorder.lines(), sequence.expected);
    }
}

}
}
