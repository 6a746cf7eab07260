#include "kvfd/imageinfoset.h"

#include <utility>

namespace kvfd {

ImageInfo::ImageInfo(std::string name, std::string path, const EOP& eop, int camera)
    : m_name(std::move(name))
    , m_path(std::move(path))
    , m_eop(eop)
    , m_camera(camera)
{ }

std::string ImageInfo::GetFullName() const
{
    if (m_path.empty())
        return m_name;
    std::string full;
    full.reserve(m_path.size() + 1 + m_name.size());
    full += m_path;
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
        m_path.clear();
        m_name = fullName;
    } else {
        // "/a.jpg" lies in "/", not in "".
        m_path = fullName.substr(0, cut == 0 ? 1 : cut);
        m_name = fullName.substr(cut + 1);
    }
}

} // namespace kvfd
