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
    // ("Connection refused"), the HTTP status, a time-out or an over-long
    // reply. Empty when the body came.
    QString error;
};

// One HTTP GET waited for in a local event loop on the calling thread, with a
// single-shot timer of timeoutMs. User input is excluded from that loop when
// excludeUserInput is set. A body longer than maxBytes is abandoned and counts
// as failed, so a broken service cannot fill the memory.
KVUI_EXPORT HttpResult HttpGet(const QUrl& url, int timeoutMs, bool excludeUserInput = true,
                               qint64 maxBytes = 16 * 1024 * 1024);

} // namespace kvui
