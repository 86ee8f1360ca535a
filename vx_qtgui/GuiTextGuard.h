#pragma once

#include "messaging/VXMessageType.h"

#include <QByteArray>
#include <QString>

/// What a host's text and files may put into Qt's text layout, so that no single call holds
/// the GUI thread for long: texts are cut to a length (GuiLimits), long runs without a break
/// opportunity get a zero-width space, and files are read only when they are regular files
/// within GuiLimits::MaxFileBytes. Every change and refusal is written to the debug log
/// naming the operation. GUI thread.
class GuiTextGuard {
public:
    /// `text` for a document view: at most GuiLimits::MaxDocumentChars, runs broken.
    static QString forDocument(const QString& text, VXMessageType operation);
    /// `text` for a label or message box: at most GuiLimits::MaxLabelChars, runs broken.
    static QString forLabel(const QString& text, VXMessageType operation);
    /// The contents of the file at `path`, or false (and `contents` empty) when it is not a
    /// regular file, is larger than GuiLimits::MaxFileBytes or cannot be read.
    static bool readFile(const QString& path, VXMessageType operation, QByteArray& contents);
    /// Whether `path` names a regular file within GuiLimits::MaxFileBytes; logs why not.
    static bool isReadableFile(const QString& path, VXMessageType operation);

private:
    static QString limited(const QString& text, int maxChars, VXMessageType operation);
    static void trace(const char* label, VXMessageType operation, const QString& what);
};
