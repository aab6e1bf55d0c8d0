#pragma once

namespace quillet::bench {

// The steps of one page-view run, in seconds, as the program's trace reports them.
struct RunTrace {
    double page_read = 0;
    double scanners = 0;
    double image_page = 0;
    double source_page = 0;
    double reset = 0;
    double source_code_loaded = 0; // from the generated views' navigation on
    double images_loaded = 0;
    // The Image Details window's read: the engine's image facts from the read's start, the rows
    // made of the three reads, and the table given them.
    double image_facts_read = 0;
    double image_details = 0;
    double image_rows_shown = 0;

    double analysis_and_files() const { return scanners + image_page + source_page + reset; }
};

// Takes the program's "Quillet" trace messages while it lives, into the steps of the latest run.
class RunTraceRecorder {
public:
    RunTraceRecorder();
    ~RunTraceRecorder();
    RunTraceRecorder(const RunTraceRecorder&) = delete;
    RunTraceRecorder& operator=(const RunTraceRecorder&) = delete;

    void clear() { m_trace = {}; }
    operator const RunTrace&() const { return m_trace; }

private:
    static void on_message(const char* domain, int level, const char* message, void* recorder);

    RunTrace m_trace;
    unsigned m_handler = 0;
};

}
