#include "schedule.h"

namespace tavrel {

VirtualSchedule::Start VirtualSchedule::generate(const CharacterOptions& options) {
    const Start start{m_random.seed(), time()};
    m_generator.FormShow(options);
    m_steps = 0;
    while (!finished() && m_steps < kMaxSteps) {
        m_clock.advance(kStepMilliseconds);
        ++m_steps;
        if (m_generator.revealRunning()) {
            m_generator.Timer1Timer();
        }
        if (m_generator.fillRunning()) {
            m_generator.Timer2Timer();
        }
    }
    return start;
}

}  // namespace tavrel
