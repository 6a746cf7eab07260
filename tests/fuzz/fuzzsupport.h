#pragma once

#include "kvfd/camerainfo.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QLineEdit;
class QTcpServer;
class QWidget;

// What the fuzz programs of this folder share. Each program defines
// LLVMFuzzerTestOneInput, which libFuzzer calls with generated input (the
// fuzz_<name> programs of a KVUI_FUZZ build) and replay.cpp with each file of
// the program's corpus (the replay_<name> tests of every build).
namespace kvfuzz {

// Once per process: an offscreen QApplication, and a temporary data folder
// ($KVUI_DATA_DIR) and settings folder, so that no input reaches the user's
// own files; Qt's warnings are dropped, since a fuzzing run would print
// millions of them.
void Setup();

// A folder for the files the readers are given. Its name is Chinese, so that
// every reader also meets a path that is not ASCII.
QString ScratchPath(const char* name);
// Writes data to ScratchPath(name), replacing the file, and returns its path as
// the narrow UTF-8 string the family libraries take.
std::string WriteScratch(const char* name, const QByteArray& data);
std::string Narrow(const QString& path);
QByteArray ReadFile(const QString& path);

// A promise of the code under test that the input broke: prints what and
// aborts, so that the fuzzer keeps the input like any crash.
void Check(bool condition, const char* what);

// Field by field, the doubles bit for bit (a NaN equals itself).
bool SameCamera(const kvfd::CameraInfo& a, const kvfd::CameraInfo& b);

// The line edit of a form by its object name or, once the style has renamed it,
// by its form name; aborts when there is none.
QLineEdit* FindEdit(QWidget* form, const char* name);

// The input cut at the first parts - 1 occurrences of separator; the last part
// holds the rest, missing parts are empty.
std::vector<QByteArray> Split(const QByteArray& input, const QByteArray& separator, int parts);

// Takes values from the front of the input; zeros once it is used up.
class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size);
    std::uint8_t Byte();
    std::int32_t Int32();
    // Any bit pattern: NaNs, infinities and denormals included.
    double Double();
    // A length byte, then up to that many bytes.
    std::string String();
    QByteArray Rest();

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// A web service on 127.0.0.1 that answers every GET with the same reply. It is
// served by the calling thread's event loop, which the code under test runs
// while it waits for a reply. The first call points $KVUI_SERVICE_URL at it.
class ReplyServer
{
public:
    static ReplyServer& Instance();
    void SetReply(const QByteArray& body, int status = 200);
    QString Address() const;

private:
    ReplyServer();
    QTcpServer* m_server = nullptr;
    QByteArray m_reply;
};

} // namespace kvfuzz
