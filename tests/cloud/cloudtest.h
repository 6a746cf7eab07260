#pragma once

// Fetching from the stand-in service as a client would, for the cloud tests.

#include "patience.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

struct Reply
{
    int status = 0; // 0 when no HTTP reply arrived
    QByteArray body;
    QString contentType;
};

// Unlike kvui::HttpGet, keeps the body of an error status.
inline Reply Fetch(const QString& url)
{
    QNetworkAccessManager manager;
    QEventLoop loop;
    QObject::connect(&manager, &QNetworkAccessManager::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kvtest::kPatienceMs, &loop, &QEventLoop::quit);
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(url)));
    loop.exec();
    Reply result;
    if (reply->isFinished()) {
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.body = reply->readAll();
        result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    }
    return result;
}
