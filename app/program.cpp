#include "program.h"

namespace tavrel {

Program::Program(LinkOpener opener)
    : m_generator(m_random, m_clock),
      m_results(m_generator, [this] { return m_options.captureOptions(); }),
      m_about(&m_options, std::move(opener)) {
    m_options.setResultsWindow(&m_results);
    m_options.setAboutWindow(&m_about);
    QObject::connect(&m_results, &TForm2::formHidden, &m_options, &QWidget::show);
}

}  // namespace tavrel
