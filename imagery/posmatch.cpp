#include "imagery/posmatch.h"

#include "kvfd/kvconfiguration.h"
#include "kvfd/pathhelper.h"

#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace kvui {

namespace {

// Lower case as the C locale's tolower has it: only A to Z change, every other
// byte (UTF-8 or local code page alike) stays.
std::string Lower(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return lower;
}

// Lower-cased text -> the first image of the camera that has it, in one
// flat open-addressing table: a hundred thousand images are looked up a
// hundred thousand times, and node-based maps spend that time in cache misses.
class FirstImage
{
public:
    explicit FirstImage(std::size_t expected)
    {
        std::size_t size = 16;
        while (size < expected * 2)
            size *= 2;
        m_slots.assign(size, Slot {0, -1});
        m_keys.reserve(expected);
        m_images.reserve(expected);
    }

    // Keeps the first image given for a key.
    void Add(std::string key, int image)
    {
        if (m_keys.size() * 2 >= m_slots.size())
            Grow();
        const std::size_t hash = std::hash<std::string>()(key);
        std::size_t s = Probe(key, hash);
        if (m_slots[s].entry >= 0)
            return;
        m_slots[s] = Slot {Tag(hash), int(m_keys.size())};
        m_keys.push_back(std::move(key));
        m_images.push_back(image);
    }

    // The image of key, or INT_MAX.
    int Find(const std::string& key) const
    {
        const Slot& slot = m_slots[Probe(key, std::hash<std::string>()(key))];
        return slot.entry >= 0 ? m_images[std::size_t(slot.entry)] : INT_MAX;
    }

private:
    struct Slot
    {
        std::uint32_t tag; // high bits of the key's hash
        int entry;         // index into m_keys, -1 for an empty slot
    };

    static std::uint32_t Tag(std::size_t hash) { return std::uint32_t(std::uint64_t(hash) >> 32); }

    // The slot holding key, or the empty slot where it belongs.
    std::size_t Probe(const std::string& key, std::size_t hash) const
    {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
            const Slot& slot = m_slots[s];
            if (slot.entry < 0 || (slot.tag == Tag(hash) && m_keys[std::size_t(slot.entry)] == key))
                return s;
        }
    }

    void Grow()
    {
        std::vector<Slot> old(m_slots.size() * 2, Slot {0, -1});
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot& slot : old) {
            if (slot.entry < 0)
                continue;
            std::size_t s = std::hash<std::string>()(m_keys[std::size_t(slot.entry)]) & mask;
            while (m_slots[s].entry >= 0)
                s = (s + 1) & mask;
            m_slots[s] = slot;
        }
    }

    std::vector<Slot> m_slots;
    std::vector<std::string> m_keys;
    std::vector<int> m_images;
};

} // namespace

void RenameRecordsInOrder(std::vector<PosData>& records, const kvfd::ImageInfoSet& images,
                          int camera)
{
    std::size_t k = 0;
    for (int i = 0; i < images.Size() && k < records.size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (image && image->GetCamera() == camera)
            records[k++].name = image->Name();
    }
}

int MatchPosRecords(std::vector<PosData>& records, PosMatchType type, kvfd::ImageInfoSet& images,
                    int camera)
{
    if (type == PosMatchOrder)
        RenameRecordsInOrder(records, images, camera);
    const bool byTitle = type == PosMatchWithoutExt;

    // One pass over the images instead of one per record: the first image of
    // each lower-cased name (and title) is what a walk in image order finds.
    const kvfd::ImageInfoSet& constImages = images;
    const std::size_t expected = std::size_t(constImages.ValidSize());
    FirstImage byName(expected);
    FirstImage byTitleName(byTitle ? expected : 0);
    for (int i = 0; i < constImages.Size(); ++i) {
        const kvfd::ImageInfo* image = constImages.GetImage(i);
        if (!image || image->GetCamera() != camera)
            continue;
        std::string name = Lower(image->Name());
        if (byTitle)
            byTitleName.Add(kvfd::PathHelper::GetFileTitle2(name), i);
        byName.Add(std::move(name), i);
    }

    // The kept records move down in place: a second list of a hundred
    // thousand records would cost more than the matching itself.
    std::size_t kept = 0;
    std::vector<bool> positioned(std::size_t(constImages.Size()), false);
    int matchedImages = 0;
    for (std::size_t r = 0; r < records.size(); ++r) {
        PosData& record = records[r];
        const std::string name = Lower(record.name);
        int match = byName.Find(name);
        if (byTitle)
            match = std::min(match, byTitleName.Find(kvfd::PathHelper::GetFileTitle2(name)));
        if (match == INT_MAX)
            continue;
        images.GetImage(match)->SetEOP(record.eop);
        images.GetImageExt(match)->enabled = true;
        if (!positioned[std::size_t(match)]) {
            positioned[std::size_t(match)] = true;
            ++matchedImages;
        }
        if (kept != r)
            records[kept] = std::move(record);
        ++kept;
    }
    records.resize(kept);
    return matchedImages;
}

std::string UtmZoneName(double meanLongitude, double meanLatitude)
{
    // Clamped as a double first: converting a value outside int (or NaN) to
    // int is undefined.
    const double zone = meanLongitude / 6.0 + 31.0;
    const int number = zone >= 60.0 ? 60 : zone >= 1.0 ? int(zone) : 1;
    const char hemisphere = meanLatitude >= 0.0 ? 'N' : 'S';
    char name[32];
    std::snprintf(name, sizeof name, "UTM zone %d%c", number, hemisphere);
    return name;
}

kvfd::CoordinateInfo LocalCoordinate()
{
    kvfd::CoordinateInfo local;
    local.type = kvfd::CT_LOCAL;
    local.id = -1;
    // Shown through kvui::LocalText; stored as written.
    local.name = QT_TRANSLATE_NOOP("kvui", "本地坐标系");
    return local;
}

kvfd::CoordinateInfo ChooseCoordinate(const std::vector<PosData>& records, bool latLong)
{
    if (!latLong || records.empty())
        return LocalCoordinate();
    double sumX = 0.0;
    double sumY = 0.0;
    for (const PosData& record : records) {
        sumX += record.eop.X;
        sumY += record.eop.Y;
    }
    const double meanX = sumX / double(records.size());
    const double meanY = sumY / double(records.size());
    if (!std::isfinite(meanX) || !std::isfinite(meanY))
        return LocalCoordinate();

    const std::string name = UtmZoneName(meanX, meanY);
    const kvfd::CoordinateInfoSet systems
        = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinates(0);
    for (int i = 0; i < systems.Size(); ++i) {
        kvfd::CoordinateInfo system = systems.GetCoordinate(i);
        if (system.name == name)
            return system;
    }
    return LocalCoordinate();
}

} // namespace kvui
