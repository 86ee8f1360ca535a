#pragma once

#include <QString>
#include <QStringList>

/// Keys of the image compositor.
///
/// A plain path names one picture file. An encoded key names a picture composed of layers,
/// each a picture file drawn over the ones before it, scaled to the first layer's size:
///
///     vxic:<flags>:<layer>|<layer>|...
///
/// `<flags>` is empty or holds, in this order, "d" (DPI-aware: prefer each layer's "@2x" file
/// on high-density displays) and "g" (grey: the composed picture is turned into grey tones).
/// In a layer path "%" is written "%25" and "|" is written "%7C". A key needs at least one
/// non-empty layer; layer paths are used as given (callers pass absolute paths).
///
/// Example: "vxic:d:/opt/app/icons/object.png|/opt/app/icons/locked-badge.png".
namespace VRIX::ImageCompositor {

class Manager;
class Node;

/// A decoded key.
struct Key {
    QStringList layers;
    bool dpiAware = false;
    bool grey = false;
};

/// True when `text` is a well-formed encoded key (a plain path is not).
bool isEncodedKey(const QString& text);

/// The encoded key of one picture file; a `path` that is already an encoded key comes back
/// unchanged, so keys can be passed wherever paths are.
QString buildKey(const QString& path, bool dpiAware, bool grey);
/// The encoded key of layered picture files, bottom layer first. Empty layers are left out.
QString buildKey(const QStringList& layers, bool dpiAware, bool grey);

/// Decodes `text` into `key`; false (and `key` untouched) when it is not an encoded key.
bool decodeKey(const QString& text, Key& key);

} // namespace VRIX::ImageCompositor
