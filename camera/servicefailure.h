#pragma once

#include "framework/kvservice.h"

#include <QString>

namespace kvui {

// Whether a request to the web service reached no service that could answer
// it: no reply in time, no connection (refused, reset, unknown host) or a
// failing server (HTTP 5xx). The operator is then told the network's reason
// (HttpResult::error), not that the data does not exist: an answer that the
// service gave, an HTTP 4xx or an over-long reply included, is the service's
// word on the data.
inline bool ServiceUnreachable(const HttpResult& reply)
{
    return reply.timedOut || (reply.failed && (reply.status == 0 || reply.status >= 500));
}

// What the operator is told of an unreachable service: the network's own
// words, or for a failing server its HTTP status and reason phrase. Qt's text
// for the latter carries the whole request address, too long for a message
// box and of no use to the operator, so only the part after it is kept.
inline QString UnreachableReason(const HttpResult& reply)
{
    if (reply.timedOut || reply.status <= 0)
        return reply.error;
    QString reason = QStringLiteral("HTTP %1").arg(reply.status);
    const QString replied = QStringLiteral("server replied: ");
    const int at = reply.error.lastIndexOf(replied);
    if (at >= 0)
        reason += QLatin1Char(' ') + reply.error.mid(at + replied.size());
    return reason;
}

} // namespace kvui
