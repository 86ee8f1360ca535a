#include "messaging/MessageText.h"

QString xlate_QT(const QString& text)
{
    return text;
}

QString messageText(const char* text, bool translate)
{
    const QString converted = text ? QString::fromLocal8Bit(text) : QString();
    return translate ? xlate_QT(converted) : converted;
}

QString messageText(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}
