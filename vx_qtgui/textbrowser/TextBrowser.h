#pragma once

#include <QStringList>
#include <QTextBrowser>

/// The text view of a GuiTextBrowser: documents from the search paths plus numbered text
/// buffers, with buffer pages kept in the history as "informer" followed by their number.
/// GUI thread.
class TextBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit TextBrowser(QWidget* parent);

    /// Navigates to a link, a buffer ("buffer:" and a number) or a file name looked up in the
    /// search paths; scheme and web links are not loaded.
    void setSourceStr(const QString& text);
    /// Shows buffer `text` (a decimal number, from 1) or "Invalid buffer " and the text.
    void setContent(const QString& text);

    void setBuffers(const QStringList& buffers) { m_buffers = buffers; }
    const QStringList& buffers() const { return m_buffers; }
    int currentBuffer() const { return m_currentBuffer; }
    /// The clicked link as written in the document, percent-decoded, while `url` is the link
    /// being clicked; otherwise `url`'s own text. Qt's URL parsing rewrites hosts ("buffer://3"
    /// becomes "buffer://0.0.0.3", "velmar://Doc" loses its capital), the host's schemes
    /// need the text as written.
    QString linkText(const QUrl& url) const;

public slots:
    void setSource(const QUrl& url) override;
    void backward() override;
    void forward() override;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Re-renders a buffer page reached through the history.
    void refreshBufferPage();

    QStringList m_buffers;
    int m_currentBuffer = 0;
    // Set only while a mouse release is being handled (anchorClicked is emitted inside it).
    QString m_clickedAnchor;
};
