#pragma once
// The word search's progress bar: the share of the current length's words examined so
// far, filled from the left in the window text colour, with the length itself written in
// the middle in the colour that stands out against what lies beneath it.

#include <QWidget>

namespace tessaran {

class WyxProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit WyxProgressBar(QWidget* parent = nullptr);

    // Repaints only when something changed. A length of 0 writes no number.
    void setProgress(int length, long examined, long count);
    // The current length shown full (its words are all examined).
    void showFull();

    int length() const { return m_length; }
    long examined() const { return m_examined; }
    long count() const { return m_count; }
    // How many pixels of the inner width (the width less the frame) are filled.
    int filledWidth() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_length = 0;
    long m_examined = 0;
    long m_count = 0;
};

}  // namespace tessaran
