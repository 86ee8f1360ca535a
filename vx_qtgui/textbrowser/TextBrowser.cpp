#include "vx_qtgui/textbrowser/TextBrowser.h"

#include "vx_qtgui/GuiTextGuard.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QRegExp>
#include <QUrl>

namespace {

const QString s_bufferPage = QStringLiteral("informer");

bool isDecimal(const QString& text)
{
    return QRegExp(QStringLiteral("[0-9]+")).exactMatch(text);
}

// "informer" and a page number, possibly resolved against the current document's folder.
bool isBufferPage(const QUrl& url, QString* number)
{
    const QString name = url.scheme().isEmpty() ? url.toString() : url.fileName();
    if (!name.startsWith(s_bufferPage))
        return false;
    // Files whose names merely start with the word stay files.
    const QString rest = name.mid(s_bufferPage.size());
    if (!isDecimal(rest))
        return false;
    if (number)
        *number = rest;
    return true;
}

} // namespace

TextBrowser::TextBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links go through GuiTextBrowser, which turns the host's schemes into events first.
    setOpenLinks(false);
}

QString TextBrowser::linkText(const QUrl& url) const
{
    if (!m_clickedAnchor.isEmpty() && QUrl(m_clickedAnchor) == url)
        return QUrl::fromPercentEncoding(m_clickedAnchor.toUtf8());
    return url.toString(QUrl::FullyDecoded);
}

void TextBrowser::mouseReleaseEvent(QMouseEvent* event)
{
    m_clickedAnchor = anchorAt(event->pos());
    QTextBrowser::mouseReleaseEvent(event);
    m_clickedAnchor.clear();
}

void TextBrowser::setSource(const QUrl& url)
{
    setSourceStr(url.toString());
}

void TextBrowser::setSourceStr(const QString& text)
{
    static const char* const notLoaded[] = { "velmar:", "zvgrefresh:", "http:", "https:", "www." };
    for (const char* prefix : notLoaded) {
        if (text.startsWith(QLatin1String(prefix)))
            return;
    }
    if (text.startsWith(QLatin1String("buffer:"))) {
        QString number = text;
        number.remove(QRegExp(QStringLiteral("^buffer:/*")));
        QTextBrowser::setSource(QUrl(s_bufferPage + number));
        setContent(number);
        return;
    }
    // Home and reload hand back sources this view recorded itself.
    QString number;
    if (isBufferPage(QUrl(text), &number)) {
        QTextBrowser::setSource(QUrl(s_bufferPage + number));
        setContent(number);
        return;
    }
    for (const QString& path : searchPaths()) {
        const QString candidate = path + text;
        if (QFileInfo::exists(candidate)) {
            QTextBrowser::setSource(QUrl::fromLocalFile(candidate));
            return;
        }
    }
    const QUrl recorded(text);
    if (recorded.isLocalFile() && QFileInfo::exists(recorded.toLocalFile()))
        QTextBrowser::setSource(recorded);
}

void TextBrowser::setContent(const QString& text)
{
    if (isDecimal(text)) {
        bool ok = false;
        const int number = text.toInt(&ok);
        if (ok && number <= m_buffers.size()) {
            m_currentBuffer = number;
            if (number >= 1) {
                setHtml(m_buffers.at(number - 1));
                return;
            }
        }
    }
    setPlainText(QStringLiteral("Invalid buffer ") + text);
}

void TextBrowser::backward()
{
    QTextBrowser::backward();
    refreshBufferPage();
}

void TextBrowser::forward()
{
    QTextBrowser::forward();
    refreshBufferPage();
}

void TextBrowser::refreshBufferPage()
{
    QString current = source().toString();
    if (!current.contains(QRegExp(QStringLiteral("^informer"))))
        return;
    current.remove(0, s_bufferPage.size());
    setContent(current);
}

QVariant TextBrowser::loadResource(int type, const QUrl& name)
{
    // Buffer pages are not files: the base view gets the page text so that it records them
    // without complaint; setContent() then renders them for real.
    QString number;
    if (type == QTextDocument::HtmlResource && isBufferPage(name, &number)) {
        const int index = number.toInt();
        if (index >= 1 && index <= m_buffers.size())
            return m_buffers.at(index - 1);
        return QString(QStringLiteral("Invalid buffer ") + number).toHtmlEscaped();
    }
    // Local files are read by size and kind; what reaches the layout is bounded like text.
    if (name.isLocalFile() || name.isRelative()) {
        const QString path = name.isLocalFile() ? name.toLocalFile() : name.toString();
        if (QFileInfo(path).isRelative())
            return QTextBrowser::loadResource(type, name); // resolved against the search paths
        QByteArray contents;
        if (!GuiTextGuard::readFile(path, BWSSetSrcMsg, contents))
            return QVariant();
        if (type != QTextDocument::HtmlResource && type != QTextDocument::StyleSheetResource)
            return contents;
        return GuiTextGuard::forDocument(QString::fromUtf8(contents), BWSSetSrcMsg);
    }
    return QTextBrowser::loadResource(type, name);
}
