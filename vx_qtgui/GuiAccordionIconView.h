#pragma once

#include <QToolButton>

class GuiAccordionComponent;

/// The checkable icon that stands for an accordion bar while the bar does not fit. GUI thread.
class GuiAccordionIconView : public QToolButton {
    Q_OBJECT

public:
    GuiAccordionIconView(GuiAccordionComponent* component, QWidget* parent);

    GuiAccordionComponent* component() const { return m_component; }
    QSize sizeHint() const override;

public slots:
    /// Shown exactly while its bar is hidden.
    void slotComponentVisibilityChanged(bool visible);
    void slotComponentSelectionChanged(bool selected);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GuiAccordionComponent* m_component;
};
