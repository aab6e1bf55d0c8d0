#include "app/progress_bar_state.h"

namespace quillet {

bool ProgressBarState::accept(int progress, int maximum)
{
    if (maximum <= 0)
        return false;
    m_maximum = static_cast<float>(maximum);
    m_value = progress > maximum || progress <= 0 ? kNoProgress : static_cast<float>(progress);
    return true;
}

}
