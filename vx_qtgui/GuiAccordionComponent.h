#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <QString>

class GuiAccordion;
class GuiAccordionIconView;
class QHBoxLayout;
class QPainter;

/// One bar of a `GuiAccordion`: an icon and a label, painted with the glass effect when selected
/// or hovered. Without strings it is the accordion's icon row. GUI thread.
class GuiAccordionComponent : public QFrame {
    Q_OBJECT

public:
    /// A bar. The accordion is its parent.
    GuiAccordionComponent(GuiAccordion* accordion, const QString& id, const QString& label,
        const QString& iconPath, const QString& fourth, const QString& statusTip);
    /// The icon row of `accordion`.
    explicit GuiAccordionComponent(GuiAccordion* accordion);

    GuiAccordion* accordion() const { return m_accordion; }
    QString id() const { return m_id; }
    QString label() const { return m_label; }
    QString iconPath() const { return m_iconPath; }
    QString fourth() const { return m_fourth; }
    const QPixmap& pixmap() const { return m_pixmap; }
    /// The pixmap's size in device-independent units.
    QSize pixmapSize() const;

    GuiAccordionIconView* iconView() const { return m_iconView; }
    void setIconView(GuiAccordionIconView* view) { m_iconView = view; }
    /// The icon row's layout; null on a bar.
    QHBoxLayout* iconLayout() const { return m_iconLayout; }

    bool isSelected() const { return m_selected; }
    bool isHovered() const { return m_hover; }

    // Both also emit `visibilityChanged`, so the component's icon takes the opposite state.
    void show();
    void hide();
    /// Also emits `selectionChanged`.
    void setSelected(bool selected);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void setComponentSizeHint(const QSize& size) { m_sizeHint = size; }

    void drawComponent(QPainter* painter);

    const QColor& glassBase() const { return m_base; }
    const QColor& glassLight() const { return m_light; }

signals:
    void visibilityChanged(bool visible);
    void selectionChanged(bool selected);

public slots:
    void slotComponentSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GuiAccordion* m_accordion;
    GuiAccordionIconView* m_iconView = nullptr;
    QHBoxLayout* m_iconLayout = nullptr;
    QString m_id;
    QString m_label;
    QString m_iconPath;
    QString m_fourth;
    QPixmap m_pixmap;
    bool m_selected = false;
    bool m_hover = false;
    QSize m_sizeHint { -1, -1 };
    QColor m_base;
    QColor m_light;
};
