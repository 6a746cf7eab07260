#include "fuzzsupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kvfuzz {

namespace {

QTemporaryDir* g_temp = nullptr;

void DropMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        std::abort();
    }
}

QString ScratchDir()
{
    return g_temp->path() + QStringLiteral("/模糊 测试");
}

template <class T> bool SameBits(T a, T b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

void Setup()
{
    if (g_temp)
        return;
    // Deliberately never deleted: the application and the folder live as long
    // as the fuzzer calls in, and a fuzzer ends with exit().
    g_temp = new QTemporaryDir();
    if (!g_temp->isValid()) {
        std::fprintf(stderr, "kvfuzz: no temporary folder\n");
        std::abort();
    }
    const QString root = g_temp->path();
    QDir().mkpath(ScratchDir());
    QDir().mkpath(root + QStringLiteral("/data"));
    qputenv("KVUI_DATA_DIR", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    qInstallMessageHandler(DropMessage);
    static int argc = 1;
    static char name[] = "kvfuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("kvui-fuzz"));
    QCoreApplication::setApplicationName(QStringLiteral("kvui-fuzz"));
}

QString ScratchPath(const char* name)
{
    return ScratchDir() + QLatin1Char('/') + QString::fromUtf8(name);
}

std::string Narrow(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string WriteScratch(const char* name, const QByteArray& data)
{
    QFile file(ScratchPath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        std::fprintf(stderr, "kvfuzz: cannot write %s\n", qPrintable(file.fileName()));
        std::abort();
    }
    return Narrow(file.fileName());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "kvfuzz: broken promise: %s\n", what);
    std::abort();
}

bool SameCamera(const kvfd::CameraInfo& a, const kvfd::CameraInfo& b)
{
    return a.id == b.id && a.name == b.name && a.fullname == b.fullname && a.width == b.width
        && a.height == b.height && SameBits(a.ccd_width, b.ccd_width)
        && SameBits(a.ccd_height, b.ccd_height) && SameBits(a.focal, b.focal)
        && SameBits(a.pixel_size_x, b.pixel_size_x) && SameBits(a.pixel_size_y, b.pixel_size_y)
        && SameBits(a.x0, b.x0) && SameBits(a.y0, b.y0) && a.dtype == b.dtype
        && SameBits(a.k1, b.k1) && SameBits(a.k2, b.k2) && SameBits(a.k3, b.k3)
        && SameBits(a.p1, b.p1) && SameBits(a.p2, b.p2) && SameBits(a.alpha, b.alpha)
        && SameBits(a.beta, b.beta) && SameBits(a.k4, b.k4) && SameBits(a.k5, b.k5)
        && SameBits(a.k6, b.k6) && a.mount_angle == b.mount_angle;
}

QLineEdit* FindEdit(QWidget* form, const char* name)
{
    const QLatin1String wanted(name);
    const auto edits = form->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        if (edit->objectName() == wanted || edit->property("kvFormName").toString() == wanted)
            return edit;
    }
    std::fprintf(stderr, "kvfuzz: the form has no line edit %s\n", name);
    std::abort();
}

std::vector<QByteArray> Split(const QByteArray& input, const QByteArray& separator, int parts)
{
    std::vector<QByteArray> result;
    int from = 0;
    while (int(result.size()) < parts - 1) {
        const int at = input.indexOf(separator, from);
        if (at < 0)
            break;
        result.push_back(input.mid(from, at - from));
        from = at + separator.size();
    }
    result.push_back(input.mid(from));
    result.resize(std::size_t(parts));
    return result;
}

Input::Input(const std::uint8_t* data, std::size_t size)
    : m_data(data)
    , m_size(size)
{ }

std::uint8_t Input::Byte()
{
    if (m_size == 0)
        return 0;
    --m_size;
    return *m_data++;
}

std::int32_t Input::Int32()
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | Byte();
    return static_cast<std::int32_t>(v);
}

double Input::Double()
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = (bits << 8) | Byte();
    double v = 0.0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string Input::String()
{
    const std::size_t length = std::min<std::size_t>(Byte(), m_size);
    std::string text(reinterpret_cast<const char*>(m_data), length);
    m_data += length;
    m_size -= length;
    return text;
}

QByteArray Input::Rest()
{
    QByteArray rest(reinterpret_cast<const char*>(m_data), int(m_size));
    m_data += m_size;
    m_size = 0;
    return rest;
}

ReplyServer& ReplyServer::Instance()
{
    static ReplyServer* server = new ReplyServer();
    return *server;
}

ReplyServer::ReplyServer()
    : m_server(new QTcpServer())
{
    if (!m_server->listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "kvfuzz: cannot listen on 127.0.0.1\n");
        std::abort();
    }
    qputenv("KVUI_SERVICE_URL", Address().toUtf8());
    QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            // The request is read to the end of its header, then answered
            // and the connection closed: one request per connection.
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (!request->contains("\r\n\r\n"))
                    return;
                socket->write(m_reply);
                socket->disconnectFromHost();
            });
        }
    });
}

void ReplyServer::SetReply(const QByteArray& body, int status)
{
    m_reply = "HTTP/1.1 " + QByteArray::number(status)
        + " Reply\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nContent-Type: application/json\r\n" + "Connection: close\r\n\r\n" + body;
}

QString ReplyServer::Address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

} // namespace kvfuzz
