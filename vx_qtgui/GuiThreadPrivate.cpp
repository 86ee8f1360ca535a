#include "vx_qtgui/GuiThreadPrivate.h"

GuiThreadPrivate::GuiThreadPrivate(QThread* qthread)
    : m_owner(nullptr)
    , m_thread(nullptr)
    , m_started(false)
    , m_qthread(qthread)
{
}

GuiThreadPrivate::~GuiThreadPrivate()
{
    if (m_thread && m_thread->joinable())
        m_thread->join();
    delete m_thread;
}
