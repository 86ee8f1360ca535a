#pragma once

#include <QWidget>

#include <vector>

class GuiAccordionComponent;
class QBoxLayout;

/// A column (or row) of named, selectable bars; bars that do not fit are reachable as icons in
/// a row at the end. Exactly one bar is selected at a time. Not registered for a peer; its owner
/// switches content on `activeComponentChanged`. GUI thread.
class GuiAccordion : public QWidget {
    Q_OBJECT

public:
    explicit GuiAccordion(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~GuiAccordion() override;

    /// Appends a bar. `fourth` is kept on the component for its owner; nothing here reads it.
    GuiAccordionComponent* addAccordionComponent(const QString& id, const QString& label,
        const QString& iconPath, const QString& fourth, const QString& statusTip);
    bool componentExists(const QString& id) const { return getAccordionComponent(id) != nullptr; }
    /// Null when no component has that id.
    GuiAccordionComponent* getAccordionComponent(const QString& id) const;
    /// The first selected component, or null.
    GuiAccordionComponent* getSelected() const;

    /// Selects the component of that id and notifies; an unknown id changes nothing.
    void setSelected(const QString& id);
    /// Selects `component` and clears every other; notifies only when it is one of ours.
    void setSelected(const GuiAccordionComponent& component, bool notify);
    void setSelected(int index, bool notify);

    void removeAccordionComponent(const QString& id);
    /// Shows the component; returns how many of the components up to it were hidden before.
    int showAccordionComponent(const QString& id);
    /// Hides the component; returns how many of the components from the last back to it are
    /// hidden then (itself included).
    int hideAccordionComponent(const QString& id);

    int count() const { return int(m_components.size()); }
    GuiAccordionComponent* component(int index) const;
    int indexOf(const GuiAccordionComponent* component) const;
    /// The component that hosts the row of icons.
    GuiAccordionComponent* iconComponent() const { return m_iconComponent; }

    QSize minimumSizeHint() const override;

signals:
    void activeComponentChanged(const GuiAccordionComponent& component);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Shows as many bars as fit above the icon row and hides the rest, last first.
    void showHideComponents();
    int componentHeight() const;
    void relayout();

    QBoxLayout* m_layout = nullptr;
    std::vector<GuiAccordionComponent*> m_components;
    GuiAccordionComponent* m_iconComponent = nullptr;
};
