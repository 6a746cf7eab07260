// The camera list reply of the web service ("/cameracheck/other"): any reply
// either gives cameras, which are then stored in the camera database, or
// gives none.

#include "camera/downloadthread.h"
#include "fuzzsupport.h"

namespace {

// The request and the storing are the thread's own steps, run here on the
// fuzzer's thread, one reply at a time.
class Download : public DownloadThread
{
public:
    using DownloadThread::download;
    using DownloadThread::save;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvfuzz::Setup();
    kvfuzz::ReplyServer::Instance().SetReply(
        QByteArray(reinterpret_cast<const char*>(data), int(size)));
    DownloadThread::SetTimeouts(5000, 0);

    Download download;
    kvfd::CameraInfoSet cameras;
    if (download.download(cameras))
        download.save(cameras);
    else
        kvfuzz::Check(cameras.Size() == 0, "a refused reply gives no camera");
    return 0;
}
