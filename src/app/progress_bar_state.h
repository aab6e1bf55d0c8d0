#pragma once

namespace quillet {

// The maximum and value of the main window's progress bar, as the "Browser" view's progress
// reports set them. A value of 0.01, not 0, stands for no measurable progress.
class ProgressBarState {
public:
    static constexpr float kNoProgress = 0.01F;

    // Takes one progress report. Returns false, leaving the bar as it was, when the maximum is 0
    // or negative: such a report measures nothing.
    bool accept(int progress, int maximum);

    float maximum() const { return m_maximum; }
    float value() const { return m_value; }

private:
    float m_maximum = 100.0F;
    float m_value = 0.0F;
};

}
