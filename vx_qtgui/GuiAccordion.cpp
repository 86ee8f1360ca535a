#include "vx_qtgui/GuiAccordion.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiAccordionComponent.h"
#include "vx_qtgui/GuiAccordionIconView.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

GuiAccordion::GuiAccordion(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
{
    if (orientation == Qt::Vertical)
        m_layout = new QVBoxLayout(this);
    else
        m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(2);
    m_iconComponent = new GuiAccordionComponent(this);
    m_layout->addWidget(m_iconComponent);
}

GuiAccordion::~GuiAccordion() = default;

GuiAccordionComponent* GuiAccordion::addAccordionComponent(const QString& id, const QString& label,
    const QString& iconPath, const QString& fourth, const QString& statusTip)
{
    auto* component = new GuiAccordionComponent(this, id, label, iconPath, fourth, statusTip);
    const int extra = VRIX::toDpiScaled(12);
    const QSize pixmap = component->pixmapSize();
    const int barHeight = std::max(fontMetrics().height(), pixmap.height()) + extra;
    component->setMaximumHeight(pixmap.isEmpty() ? barHeight : pixmap.height() + extra);
    component->setComponentSizeHint(QSize(width(), barHeight));

    m_components.push_back(component);
    relayout();
    if (m_iconComponent->isHidden())
        m_iconComponent->QFrame::show();

    auto* view = new GuiAccordionIconView(component, m_iconComponent);
    QHBoxLayout* row = m_iconComponent->iconLayout();
    row->insertWidget(row->count() - 1, view);
    view->setVisible(false);
    component->setIconView(view);
    connect(view, &QToolButton::clicked, component, &GuiAccordionComponent::slotComponentSelected);
    connect(component, &GuiAccordionComponent::visibilityChanged, view,
        &GuiAccordionIconView::slotComponentVisibilityChanged);
    connect(component, &GuiAccordionComponent::selectionChanged, view,
        &GuiAccordionIconView::slotComponentSelectionChanged);

    setMaximumHeight((count() + 1) * componentHeight());
    showHideComponents();
    return component;
}

// Components go back in order with the icon row last, whatever was there before.
void GuiAccordion::relayout()
{
    for (GuiAccordionComponent* c : m_components)
        m_layout->removeWidget(c);
    m_layout->removeWidget(m_iconComponent);
    for (GuiAccordionComponent* c : m_components)
        m_layout->addWidget(c);
    m_layout->addWidget(m_iconComponent);
}

GuiAccordionComponent* GuiAccordion::getAccordionComponent(const QString& id) const
{
    for (GuiAccordionComponent* c : m_components) {
        if (c->id() == id)
            return c;
    }
    return nullptr;
}

GuiAccordionComponent* GuiAccordion::getSelected() const
{
    for (GuiAccordionComponent* c : m_components) {
        if (c->isSelected())
            return c;
    }
    return nullptr;
}

GuiAccordionComponent* GuiAccordion::component(int index) const
{
    return index >= 0 && index < count() ? m_components[std::size_t(index)] : nullptr;
}

int GuiAccordion::indexOf(const GuiAccordionComponent* component) const
{
    const auto it = std::find(m_components.begin(), m_components.end(), component);
    return it == m_components.end() ? -1 : int(it - m_components.begin());
}

void GuiAccordion::setSelected(const QString& id)
{
    if (GuiAccordionComponent* c = getAccordionComponent(id))
        setSelected(*c, true);
}

void GuiAccordion::setSelected(const GuiAccordionComponent& component, bool notify)
{
    bool found = false;
    for (GuiAccordionComponent* c : m_components) {
        const bool selected = c == &component;
        found = found || selected;
        c->setSelected(selected);
    }
    if (found && notify)
        emit activeComponentChanged(component);
}

void GuiAccordion::setSelected(int index, bool notify)
{
    if (GuiAccordionComponent* c = component(index))
        setSelected(*c, notify);
}

void GuiAccordion::removeAccordionComponent(const QString& id)
{
    GuiAccordionComponent* c = getAccordionComponent(id);
    if (!c)
        return;
    m_layout->removeWidget(c);
    m_components.erase(std::find(m_components.begin(), m_components.end(), c));
    if (GuiAccordionIconView* view = c->iconView()) {
        m_iconComponent->iconLayout()->removeWidget(view);
        delete view;
        c->setIconView(nullptr);
    }
    delete c;
    if (m_components.empty()) {
        m_iconComponent->QFrame::hide();
        QWidget::hide();
        return;
    }
    setMaximumHeight((count() + 1) * componentHeight());
    showHideComponents();
}

int GuiAccordion::showAccordionComponent(const QString& id)
{
    const int at = indexOf(getAccordionComponent(id));
    if (at < 0)
        return 0;
    int hidden = 0;
    for (int i = 0; i <= at; ++i)
        hidden += m_components[std::size_t(i)]->isHidden() ? 1 : 0;
    m_components[std::size_t(at)]->show();
    return hidden;
}

int GuiAccordion::hideAccordionComponent(const QString& id)
{
    const int at = indexOf(getAccordionComponent(id));
    if (at < 0)
        return 0;
    // The component itself counts: it is hidden once this returns.
    int hidden = 1;
    for (int i = count() - 1; i > at; --i)
        hidden += m_components[std::size_t(i)]->isHidden() ? 1 : 0;
    m_components[std::size_t(at)]->hide();
    return hidden;
}

QSize GuiAccordion::minimumSizeHint() const
{
    return QSize(0, m_iconComponent->sizeHint().height());
}

int GuiAccordion::componentHeight() const
{
    int h = 0;
    for (GuiAccordionComponent* c : m_components)
        h = std::max(h, c->minimumSizeHint().height());
    return h > 0 ? h : m_iconComponent->sizeHint().height();
}

void GuiAccordion::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showHideComponents();
}

void GuiAccordion::showHideComponents()
{
    if (m_components.empty())
        return;
    const int h = componentHeight();
    const int fit = h > 0 ? std::max(0, (height() - h) / h) : 0;
    const int n = count();
    for (int i = 0; i < std::min(fit, n); ++i)
        m_components[std::size_t(i)]->show();
    for (int i = n - 1; i >= fit; --i)
        m_components[std::size_t(i)]->hide();
}
