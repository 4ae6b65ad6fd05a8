#pragma once

#include <QByteArray>
#include <QString>

// Reads text as exactly one JSON value (RFC 8259) in UTF-8 and refuses what a lenient
// parser quietly changes: an escape JSON does not have ("C:\Users" would lose its
// backslashes), a member named twice in one object (one of the two would be lost), a lone
// half of a surrogate pair or bytes that are not UTF-8 (a character would be replaced), a
// NUL in a text (the program's texts end there). A UTF-8 byte order mark at the start is
// skipped; a UTF-16 or UTF-32 one is refused. Nesting deeper than maxDepth is refused as
// soon as it is met. Throws ExchangeError "source: $.json.path: what is wrong"; returns
// where the JSON value begins (after a byte order mark).
qsizetype checkStrictJson(const QByteArray &text, const QString &source, int maxDepth);
