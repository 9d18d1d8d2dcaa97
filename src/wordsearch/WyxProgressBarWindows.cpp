#include "wordsearch/WyxProgressBarWindows.h"

#include <QPainter>

#include <algorithm>

namespace tessaran {

WyxProgressBar::WyxProgressBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void WyxProgressBar::setProgress(int length, long examined, long count) {
    if (length == m_length && examined == m_examined && count == m_count)
        return;
    m_length = length;
    m_examined = examined;
    m_count = count;
    update();
}

void WyxProgressBar::showFull() {
    setProgress(m_length, std::max(m_count, 1L), std::max(m_count, 1L));
}

int WyxProgressBar::filledWidth() const {
    const int inner = std::max(0, width() - 2);
    if (m_count <= 0)
        return 0;
    const long examined = std::clamp(m_examined, 0L, m_count);
    return static_cast<int>(static_cast<long long>(inner) * examined / m_count);
}

QSize WyxProgressBar::sizeHint() const {
    return {120, fontMetrics().height() + 6};
}

void WyxProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor window = palette().color(QPalette::Window);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(text);
    painter.drawRect(frame);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const QRect filled(inner.left(), inner.top(), filledWidth(), inner.height());
    const QRect rest(filled.right() + 1, inner.top(), inner.width() - filled.width(),
                     inner.height());
    painter.fillRect(filled, text);
    painter.fillRect(rest, window);
    if (m_length == 0)
        return;
    const QString number = QString::number(m_length);
    painter.save();
    painter.setClipRect(filled);
    painter.setPen(window);
    painter.drawText(inner, Qt::AlignCenter, number);
    painter.restore();
    painter.setClipRect(rest);
    painter.setPen(text);
    painter.drawText(inner, Qt::AlignCenter, number);
}

}  // namespace tessaran
