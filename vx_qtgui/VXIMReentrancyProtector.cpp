#include "vx_qtgui/VXIMReentrancyProtector.h"

#include "vx_qtgui/GuiApplication.h"

VXIMReentrancyProtector::VXIMReentrancyProtector()
    : m_application(GuiApplication::current())
    , m_saved(m_application ? m_application->m_reentrancyProtected : false)
{
    if (m_application)
        m_application->m_reentrancyProtected = true;
}

VXIMReentrancyProtector::~VXIMReentrancyProtector()
{
    if (m_application)
        m_application->m_reentrancyProtected = m_saved;
}
