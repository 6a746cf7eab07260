#include "camera/getcamerawidget.h"

#include "camera/camerafile.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "framework/language.h"

#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

const char* const kDownloading = QT_TRANSLATE_NOOP("kvui", "下载中");
const char* const kDownload = QT_TRANSLATE_NOOP("kvui", "下载");
const char* const kNetworkError = QT_TRANSLATE_NOOP("kvui", "网络错误!");
const char* const kNoData = QT_TRANSLATE_NOOP("kvui", "数据不存在!");
const char* const kDownloadFailed = QT_TRANSLATE_NOOP("kvui", "下载失败!");

// A typed id goes into the query as the UTF-8 bytes of its narrow text, each
// byte that is not unreserved percent-encoded. Sent as typed, a "&", "#", "="
// or "+" in an id would end the value, start another parameter or a fragment,
// or change the value the service sees; with encoding the service receives
// exactly the id that was typed, whatever it holds.
QString QueryValue(const QString& id)
{
    return QString::fromLatin1(
        QUrl::toPercentEncoding(QByteArray::fromStdString(QString2String(id))));
}

} // namespace

GetCameraWidget::GetCameraWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("GetCameraWidget"));
    setFixedSize(400, 200);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(36, 24, 36, 18);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(16);
    m_cameraId
        = kvui::AddLineEditRow(layout, 0, 0, tr("Camera ID:"), "gcw_cameraid_", QSize(0, 30)).edit;
    m_lensId = kvui::AddLineEditRow(layout, 1, 0, tr("Lens ID:"), "gcw_lensid_", QSize(0, 30)).edit;

    kvui::ButtonRow buttons(this, QSize(110, 32));
    m_ok = buttons.Add("gcw_ok_btn_", tr("Download"), "kvcombtn");
    m_cancel = buttons.Add("gcw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    m_ok->setDefault(true);
    layout->addLayout(buttons.Layout(), 2, 0, 1, 2);

    connect(m_ok, &QPushButton::clicked, this, &GetCameraWidget::ClickOK);
    connect(m_cancel, &QPushButton::clicked, this, &GetCameraWidget::ClickCancel);
}

int GetCameraWidget::RequestCalibrationUrl(QString& url)
{
    const QString cameraId = m_cameraId->text().trimmed();
    const QString lensId = m_lensId->text().trimmed();
    if (cameraId.isEmpty() || lensId.isEmpty())
        return kMissingId;

    const QUrl request = kvui::ServiceUrl(
        QStringLiteral("/cameracheck/downloadcalibration?camera_id=%1&camera_lens_id=%2")
            .arg(QueryValue(cameraId), QueryValue(lensId)));
    // The service takes no longer address than this. Ids that make it longer
    // cannot name a camera it knows, so they are refused here, before any
    // request, as an unusable answer would be.
    if (request.toEncoded().size() > kMaxUrlLength)
        return kUnusable;

    const kvui::HttpResult reply = kvui::HttpGet(request, kTimeoutMs);
    if (reply.Unreachable()) {
        m_networkError = reply.error;
        return kTimedOut;
    }
    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject())
        return kUnusable;
    const QJsonObject root = document.object();
    if (!root.contains(QLatin1String("status")) || !root.contains(QLatin1String("data")))
        return kUnusable;
    // "status" is a decimal text; any other type reads as 0.
    if (root.value(QLatin1String("status")).toString().toInt() != 0)
        return kUnusable;
    const QJsonValue data = root.value(QLatin1String("data"));
    if (!data.isObject() || !data.toObject().contains(QLatin1String("url")))
        return kUnusable;
    url = data.toObject().value(QLatin1String("url")).toString();
    return kSuccess;
}

int GetCameraWidget::DownloadCalibration(const QString& url, kvfd::CameraInfo& camera)
{
    // The address comes from the service's reply. Only a web address is
    // followed: a file: or qrc: address would make the library read local
    // files on the service's say-so.
    if (url.trimmed().isEmpty())
        return kUnusable;
    const QUrl target = QUrl(kvui::ServiceAddress() + QLatin1Char('/')).resolved(QUrl(url));
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || target.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return kUnusable;

    // A longer body cannot be a camera block, so there is no point in
    // receiving more of it.
    const kvui::HttpResult reply = kvui::HttpGet(target, kTimeoutMs, true, kvui::kCameraBlockSize);
    if (reply.Unreachable()) {
        m_networkError = reply.error;
        return kTimedOut;
    }
    if (reply.failed || reply.body.size() != kvui::kCameraBlockSize)
        return kUnusable;
    return kvui::DecodeCameraBlock(reply.body, camera) ? kSuccess : kUnusable;
}

void GetCameraWidget::ClickOK()
{
    if (m_busy || m_cameraId->text().trimmed().isEmpty() || m_lensId->text().trimmed().isEmpty())
        return;
    // The requests wait in local event loops; should the dialog go away
    // meanwhile, nothing of it may be touched afterwards.
    const QPointer<GetCameraWidget> alive(this);
    m_busy = true;
    m_ok->setText(kvui::LocalText(kDownloading));

    QString url;
    m_networkError.clear();
    const int address = RequestCalibrationUrl(url);
    int download = -1;
    if (alive && address == kSuccess)
        download = DownloadCalibration(url, m_camera);
    if (!alive)
        return;

    if (address == kSuccess && download == kSuccess) {
        AcceptDialog();
    } else if (address == kTimedOut || download == kTimedOut) {
        // The reason goes on a line of its own: a refused connection or a
        // failing server wants another remedy than a slow network. The box
        // would not find the fixed text within the whole message, so it is
        // translated here; the network's words are not ours to translate.
        QString message = kvui::LocalText(kNetworkError);
        if (!m_networkError.isEmpty())
            message += QLatin1Char('\n') + m_networkError;
        KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
    } else if (address == kUnusable || download == kUnusable) {
        KvMessageBox::Show(kNoData, KvMessageBox::BT_OK);
    } else {
        KvMessageBox::Show(kDownloadFailed, KvMessageBox::BT_OK);
    }
    if (!alive)
        return;
    m_ok->setText(kvui::LocalText(kDownload));
    m_busy = false;
}

void GetCameraWidget::ClickCancel()
{
    RejectDialog();
}
