#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Settings is single-byte text in the Windows-1252 code page. Every byte decodes to exactly one
// character (the five bytes the code page leaves unassigned keep their own value), so any line
// read can be written back byte for byte, and a word's length in characters is its length in
// bytes.
QString decodeAnsi(QByteArrayView bytes);

// Nothing when the text holds a character the code page cannot carry.
std::optional<QByteArray> encodeAnsi(const QString& text);
