#pragma once

#include <QSplitter>

class GuiAccordion;
class GuiAccordionComponent;
class GuiTreePanel;

/// The left side of the explorer: the tree panel above an accordion of extra panes, which is
/// created on first use. Growing or shrinking the pane list moves the splitter so the tree
/// keeps what is left. GUI thread.
class GuiTreeAccordion : public QSplitter {
    Q_OBJECT

public:
    explicit GuiTreeAccordion(GuiTreePanel* panel, QWidget* parent = nullptr);
    ~GuiTreeAccordion() override;

    GuiTreePanel* treePanel() const { return m_panel; }
    /// Null until the first pane is added.
    GuiAccordion* accordion() const { return m_accordion; }

    /// Adds a pane (an existing name is ignored), shows the accordion and selects pane 0.
    void addAccordionComponent(const QString& name, const QString& label, const QString& iconPath,
        const QString& fourth, const QString& statusTip);
    void selectAccordionComponent(const QString& name);
    void removeAccordionComponent(const QString& name);
    void showAccordionComponent(const QString& name);
    void hideAccordionComponent(const QString& name);

signals:
    /// The user chose another pane; the window tells the host.
    void accordionChanged(const QString& name);

private slots:
    void slotActiveComponentChanged(const GuiAccordionComponent& component);

private:
    void growAccordion(int panes);

    GuiTreePanel* m_panel;
    GuiAccordion* m_accordion = nullptr;
};
