#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QByteArray>
#include <QUrl>
#include <QWidget>

class HoverButton;
class QAction;
class QMenu;
class TextBrowser;

/// The widget of a QtTextBrowser peer: a tool bar (back, forward, home; for the "Informer"
/// also the push-pin and the follow-mode menu) over a TextBrowser. Turns the host's link
/// schemes and the informer's choices into events. GUI thread.
class GuiTextBrowser : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiTextBrowser(void* key, QWidget* parent, const QString& name);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    bool isInformer() const;
    TextBrowser* view() const { return m_view; }
    QWidget* toolBar() const { return m_toolBar; }
    HoverButton* backButton() const { return m_back; }
    HoverButton* forwardButton() const { return m_forward; }
    HoverButton* homeButton() const { return m_home; }
    /// Informer only; null otherwise.
    HoverButton* pushPinButton() const { return m_pushPin; }
    HoverButton* modeButton() const { return m_mode; }
    QAction* alwaysOnTopAction() const { return m_alwaysOnTopAction; }
    QAction* clickModeAction() const { return m_clickAction; }
    QAction* focusModeAction() const { return m_focusAction; }

public slots:
    void setBackAvailable(bool b);
    void setForwardAvailable(bool b);
    /// A clicked link: the host's schemes become events, other links navigate.
    void setSource(QUrl url);
    /// The push-pin was toggled.
    void setAlwaysOnTop(bool b);
    void onMnuFocusClicked();
    void onMnuClickClicked();
    void onMnuAlwaysOnTopClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildInformerButtons();
    void placeInformerButtons();
    void setText(const QString& text);

    QWidget* m_toolBar = nullptr;
    TextBrowser* m_view = nullptr;
    HoverButton* m_back = nullptr;
    HoverButton* m_forward = nullptr;
    HoverButton* m_home = nullptr;
    HoverButton* m_pushPin = nullptr;
    HoverButton* m_mode = nullptr;
    QMenu* m_alwaysOnTopMenu = nullptr;
    QMenu* m_modeMenu = nullptr;
    QAction* m_alwaysOnTopAction = nullptr;
    QAction* m_clickAction = nullptr;
    QAction* m_focusAction = nullptr;
    QByteArray m_name;
    bool m_richText = false;
};
