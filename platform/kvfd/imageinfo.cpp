#include "kvfd/imageinfoset.h"

#include <utility>

namespace kvfd {

namespace {

std::shared_ptr<const std::string> Folder(std::string path)
{
    if (path.empty())
        return nullptr;
    return std::make_shared<const std::string>(std::move(path));
}

} // namespace

ImageInfo::ImageInfo(std::string name, std::string path, const EOP& eop, int camera)
    : m_name(std::move(name))
    , m_path(Folder(std::move(path)))
    , m_eop(eop)
    , m_camera(camera)
{ }

const std::string& ImageInfo::Path() const
{
    static const std::string none;
    return m_path ? *m_path : none;
}

void ImageInfo::SetPath(const std::string& path)
{
    m_path = Folder(path);
}

std::string ImageInfo::GetFullName() const
{
    const std::string& path = Path();
    if (path.empty())
        return m_name;
    std::string full;
    full.reserve(path.size() + 1 + m_name.size());
    full += path;
    // The root folder ("/") already ends with its separator.
    if (full.back() != '/' && full.back() != '\\')
        full += '/';
    full += m_name;
    return full;
}

void ImageInfo::SetFullName(const std::string& fullName)
{
    // Names typed on Windows or copied from its tools come with backslashes.
    const std::size_t cut = fullName.find_last_of("/\\");
    if (cut == std::string::npos) {
        m_path.reset();
        m_name = fullName;
    } else {
        // "/a.jpg" lies in "/", not in "".
        m_path = Folder(fullName.substr(0, cut == 0 ? 1 : cut));
        m_name = fullName.substr(cut + 1);
    }
}

} // namespace kvfd
