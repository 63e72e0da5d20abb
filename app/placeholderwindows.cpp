#include "placeholderwindows.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "generator.h"
#include "optionswindow.h"

PlaceholderResults::PlaceholderResults(TForm1& options)
    : m_options(options), m_summary(new QLabel(this)) {
    setWindowTitle(
        QStringLiteral("Tavrel Second Edition Character Generator - = Results Screen = -"));
    m_summary->setTextFormat(Qt::PlainText);
    auto* close = new QPushButton(QStringLiteral("Exit"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(close);
    // Created hidden and disabled; "Generate!" enables it.
    setEnabled(false);
}

void PlaceholderResults::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    const tavrel::CharacterOptions o = m_options.captureOptions();
    m_summary->setText(
        QString::fromStdString(tavrel::classLineFor(o)) + QStringLiteral("\nRace: ") +
        QString::fromUtf8(tavrel::kRaceCaptions[static_cast<std::size_t>(o.race)].data()));
}
