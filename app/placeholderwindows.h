#pragma once

// Temporary stand-ins for the results window, just enough to exercise "Generate!"
// and "About" until the real windows replace them in main.cpp.

#include <QDialog>

class QLabel;
class TForm1;

class PlaceholderResults : public QDialog {
public:
    explicit PlaceholderResults(TForm1& options);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1& m_options;
    QLabel* m_summary;
};
