#include "vx_qtgui/GuiTextGuard.h"

#include "engine/VXDebugOutputLogging.h"
#include "vx_qtgui/GuiLimits.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

bool opensBreak(QChar c)
{
    // Spaces, line ends and hyphens already let Qt wrap; markup boundaries keep a break out
    // of tag names.
    return c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('<') || c == QLatin1Char('>')
        || c == kZeroWidthSpace;
}

bool isRegularFile(const QString& path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

void GuiTextGuard::trace(const char* label, VXMessageType operation, const QString& what)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    const QString line = QString::asprintf("%s - %d %s: ", label, static_cast<int>(operation),
                             VXDebugOutputLogging::messageNameOrUnknown(operation))
        + what + QLatin1Char('\n');
    VXDebugOutputLogging::output(line.toLocal8Bit().constData());
}

QString GuiTextGuard::limited(const QString& text, int maxChars, VXMessageType operation)
{
    int length = text.size();
    if (length > maxChars) {
        length = maxChars;
        // Never leave half a surrogate pair at the end.
        if (text.at(length - 1).isHighSurrogate())
            --length;
        trace("text cut", operation,
            QStringLiteral("%1 UTF-16 units, the first %2 kept").arg(text.size()).arg(length));
    }
    int run = 0;
    int breaks = 0;
    for (int i = 0; i < length; ++i) {
        run = opensBreak(text.at(i)) ? 0 : run + 1;
        if (run > GuiLimits::MaxUnbrokenRun && !text.at(i).isLowSurrogate()) {
            ++breaks;
            run = 1;
        }
    }
    if (breaks == 0)
        return length == text.size() ? text : text.left(length);
    QString out;
    out.reserve(length + breaks);
    run = 0;
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        run = opensBreak(c) ? 0 : run + 1;
        if (run > GuiLimits::MaxUnbrokenRun && !c.isLowSurrogate()) {
            out += kZeroWidthSpace;
            run = 1;
        }
        out += c;
    }
    trace("text broken", operation,
        QStringLiteral("%1 runs longer than %2 characters given a zero-width space")
            .arg(breaks)
            .arg(GuiLimits::MaxUnbrokenRun));
    return out;
}

QString GuiTextGuard::forDocument(const QString& text, VXMessageType operation)
{
    return limited(text, GuiLimits::MaxDocumentChars, operation);
}

QString GuiTextGuard::forLabel(const QString& text, VXMessageType operation)
{
    return limited(text, GuiLimits::MaxLabelChars, operation);
}

bool GuiTextGuard::isReadableFile(const QString& path, VXMessageType operation)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        trace("file refused", operation, path + QStringLiteral(" does not exist"));
        return false;
    }
    // Devices, pipes and sockets can be endless or block; directories are no text. QFileInfo
    // counts devices as files, so the kind comes from stat.
    if (!isRegularFile(path)) {
        trace("file refused", operation, path + QStringLiteral(" is not a regular file"));
        return false;
    }
    if (info.size() > GuiLimits::MaxFileBytes) {
        trace("file refused", operation,
            path
                + QStringLiteral(" has %1 bytes, more than %2")
                      .arg(info.size())
                      .arg(GuiLimits::MaxFileBytes));
        return false;
    }
    return true;
}

bool GuiTextGuard::readFile(const QString& path, VXMessageType operation, QByteArray& contents)
{
    contents.clear();
    if (!isReadableFile(path, operation))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        trace("file refused", operation, path + QStringLiteral(" cannot be opened"));
        return false;
    }
    // Read no more than the limit even if the file grew after the check.
    contents = file.read(GuiLimits::MaxFileBytes);
    return true;
}
