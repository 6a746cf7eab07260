#include "framework/kvservice.h"

#include "framework/kvsettingskeys.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>
#include <QTimer>

namespace kvui {

QString ServiceAddress()
{
    QString address = qEnvironmentVariable(settings::kServiceAddressVariable);
    if (address.isEmpty()) {
        QSettings store {QLatin1String(settings::kOrganization),
                         QLatin1String(settings::kApplication)};
        address = store
                      .value(QLatin1String(settings::kServiceGroup) + QLatin1Char('/')
                                 + QLatin1String(settings::kServiceAddress),
                             QLatin1String(settings::kDefaultServiceAddress))
                      .toString();
    }
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

QUrl ServiceUrl(const QString& pathAndQuery)
{
    return QUrl(ServiceAddress() + pathAndQuery);
}

HttpResult HttpGet(const QUrl& url, int timeoutMs, bool excludeUserInput, qint64 maxBytes)
{
    HttpResult result;
    QEventLoop loop;
    QNetworkAccessManager manager;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire a few per cent early; a time-out is a promise.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&manager, &QNetworkAccessManager::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);

    QNetworkRequest request(url);
    // Redirects stay off: a reply is taken from the address asked, or not at all.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    bool tooLong = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > maxBytes && !tooLong) {
            tooLong = true;
            reply->abort();
        }
    });
    timer.start(timeoutMs);
    loop.exec(excludeUserInput ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);

    if (!timer.isActive()) {
        result.timedOut = true;
        reply->abort();
        result.error = QCoreApplication::translate("kvui", "No reply within %1 s")
                           .arg(timeoutMs / 1000.0, 0, 'g', 3);
    } else {
        timer.stop();
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (tooLong) {
            result.failed = true;
            result.error = QCoreApplication::translate("kvui", "The reply is over %1 MB")
                               .arg(maxBytes / (1024.0 * 1024.0), 0, 'g', 3);
        } else if (reply->error() != QNetworkReply::NoError) {
            result.failed = true;
            // Qt's text for an error status carries the whole request address,
            // of no use to the operator; the status and its phrase say it all.
            result.error = result.status > 0
                ? QStringLiteral("HTTP %1 %2")
                      .arg(result.status)
                      .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                : reply->errorString();
        } else
            result.body = reply->readAll();
    }
    // The manager owns the reply; both go when this function returns.
    return result;
}

} // namespace kvui
