#pragma once

#include "framework/kvservice.h"

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

} // namespace kvui
