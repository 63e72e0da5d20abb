#include "schedule.h"

namespace tavrel {

VirtualSchedule::Start VirtualSchedule::generate(const CharacterOptions& options) {
    const Start start = begin(options);
    while (step()) {
    }
    return start;
}

VirtualSchedule::Start VirtualSchedule::begin(const CharacterOptions& options) {
    const Start start{m_random.seed(), time()};
    m_generator.FormShow(options);
    m_steps = 0;
    return start;
}

bool VirtualSchedule::step() {
    if (finished() || m_steps >= kMaxSteps) {
        return false;
    }
    m_clock.advance(kStepMilliseconds);
    ++m_steps;
    if (m_generator.revealRunning()) {
        m_generator.Timer1Timer();
    }
    if (m_generator.fillRunning()) {
        m_generator.Timer2Timer();
    }
    return true;
}

}  // namespace tavrel
