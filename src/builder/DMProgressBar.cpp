#include "builder/DMProgressBar.h"

#include <QPainter>
#include <algorithm>

namespace tessaran {

DMProgressBar::DMProgressBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DMProgressBar::setPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == m_percent)
        return;
    m_percent = percent;
    update();
}

QSize DMProgressBar::sizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() + 6);
}

void DMProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const int done = inside.width() * m_percent / 100;
    painter.fillRect(QRect(inside.left(), inside.top(), done, inside.height()), Qt::gray);
    painter.fillRect(
        QRect(inside.left() + done, inside.top(), inside.width() - done, inside.height()),
        Qt::white);
}

}  // namespace tessaran
