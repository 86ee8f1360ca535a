#include "vx_qtgui/modelexplorer/ODProgressBar.h"

#include "vrix/DpiScaling.h"

ODProgressBar::ODProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    setFixedHeight(VRIX::toDpiScaled(4));
    setTextVisible(false);
    setRange(0, 0);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setEnabled(false);
}

void ODProgressBar::Start()
{
    m_running = true;
    setEnabled(true);
    update();
}

void ODProgressBar::Stop()
{
    m_running = false;
    setEnabled(false);
    update();
}

void ODProgressBar::paintEvent(QPaintEvent* event)
{
    if (m_running)
        QProgressBar::paintEvent(event);
}
