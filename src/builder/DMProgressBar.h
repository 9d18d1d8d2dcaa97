#pragma once
// The builder's progress bar: a black outline, the done part grey, the rest white.

#include <QWidget>

namespace tessaran {

class DMProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit DMProgressBar(QWidget* parent = nullptr);

    int percent() const { return m_percent; }
    // Repaints only when the percentage changes; values are held to 0..100.
    void setPercent(int percent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_percent = 0;
};

}  // namespace tessaran
