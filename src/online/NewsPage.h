#pragma once

#include <QByteArray>
#include <QString>

// How the news box reads the page the site sent: whether it is text at all, in which character
// set, and what stands in for its pictures, which the box never fetches.
namespace NewsPage {

enum class Kind { Html, PlainText, NotText };

// From the answer's Content-Type: HTML, other text, or not text (a program, a picture...).
// Without a type the bytes decide: a body holding a NUL byte is not text, unless it starts with
// a UTF-16 byte-order mark.
Kind kind(const QByteArray& contentType, const QByteArray& body);

// The character set the answer declares, lower case: a byte-order mark first, then the
// Content-Type's charset, then (for HTML) a meta tag in the page's first 1024 bytes. Empty when
// it declares none.
QByteArray declaredCharset(const QByteArray& contentType, const QByteArray& body, bool html);

// The page's text: in its declared character set when the system knows it; otherwise as UTF-8
// when the bytes are valid UTF-8, else in `codePage` (the single-byte code page of the interface
// language, such as windows-1251).
QString decode(const QByteArray& body, const QByteArray& contentType, bool html, const QByteArray& codePage);

// `html` with each picture replaced by its alternative text (or by nothing when it has none).
QString picturesAsAltText(const QString& html);

} // namespace NewsPage
