#include "engine/VXWidget.h"

#include <algorithm>

VXWidget::VXWidget() = default;

VXWidget::~VXWidget()
{
    disconnect();
    for (std::uint32_t childUID : getChildrenUIDs(getUID())) {
        if (VXObject* child = find(childUID))
            child->onParentDestroyed();
    }
    // A proxy deleted by the host while still listed would leave its parent holding a dangling
    // pointer that deleteChildren would delete again.
    if (m_parent && isObjectValid(m_parent, m_parentUID))
        m_parent->m_children.remove(this);
    m_listenerTypes.clear();
    m_listeners.clear();
    m_children.clear();
}

void VXWidget::setParent(VXWidget* parent)
{
    if (!parent)
        return;
    m_parent = parent;
    m_parentUID = parent->getUID();
    parent->m_children.push_back(this);
}

VXWidget* VXWidget::getParent()
{
    return m_parent;
}

void VXWidget::removeChild(VXWidget* child)
{
    auto it = std::find(m_children.begin(), m_children.end(), child);
    if (it != m_children.end())
        m_children.erase(it);
}

void VXWidget::addEventListener(VXListener* listener, VXEventType type)
{
    m_listeners.push_back(listener);
    m_listenerTypes.push_back(type);
}

void VXWidget::removeEventListener(VXListener* listener, VXEventType type)
{
    auto l = m_listeners.begin();
    auto t = m_listenerTypes.begin();
    while (l != m_listeners.end() && t != m_listenerTypes.end()) {
        if (*l == listener && (*t == type || *t == InvalidEvent)) {
            l = m_listeners.erase(l);
            t = m_listenerTypes.erase(t);
        } else {
            ++l;
            ++t;
        }
    }
}

bool VXWidget::listensForEventOfType(VXEventType type)
{
    return std::find(m_listenerTypes.begin(), m_listenerTypes.end(), type) != m_listenerTypes.end();
}

void VXWidget::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void VXWidget::deleteChildren()
{
    while (!m_children.empty()) {
        VXWidget* child = m_children.front();
        m_children.pop_front();
        delete child;
    }
}
