#pragma once

#include "kvui_export.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace kvui {

// The web service's address: $KVUI_SERVICE_URL, else the settings store's
// "Service/Address", else http://127.0.0.1:8642. No trailing slash.
KVUI_EXPORT QString ServiceAddress();
// The service address followed by pathAndQuery ("/cameracheck/other").
KVUI_EXPORT QUrl ServiceUrl(const QString& pathAndQuery);

// What one GET brought back.
struct HttpResult
{
    bool timedOut = false; // the timer ended the wait
    bool failed = false;   // network error, HTTP error status or over-long body
    int status = 0;        // HTTP status code, 0 when none arrived
    QByteArray body;       // the whole body when neither flag is set
    // Why no body came, for the operator: the network's own error text
    // ("Connection refused"), the HTTP status and its reason phrase ("HTTP 503
    // Service Unavailable"), a time-out or an over-long reply. Empty when the
    // body came.
    QString error;

    // Whether no service that could answer was reached: no reply in time, no
    // connection (refused, reset, unknown host) or a failing server (HTTP
    // 5xx). The operator is then told error, not that the data does not
    // exist: an answer the service gave, an HTTP 4xx or an over-long reply
    // included, is the service's word on the data.
    bool Unreachable() const { return timedOut || (failed && (status == 0 || status >= 500)); }
};

// One HTTP GET waited for in a local event loop on the calling thread, with a
// single-shot timer of timeoutMs. User input is excluded from that loop when
// excludeUserInput is set. A body longer than maxBytes is abandoned and counts
// as failed, so a broken service cannot fill the memory.
KVUI_EXPORT HttpResult HttpGet(const QUrl& url, int timeoutMs, bool excludeUserInput = true,
                               qint64 maxBytes = 16 * 1024 * 1024);

} // namespace kvui
