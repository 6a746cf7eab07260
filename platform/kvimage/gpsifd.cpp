// The fast reader follows Exiv2 where Exiv2 decides the outcome: the first Exif
// APP1 segment and the first XMP APP1 segment count, an unsigned rational is
// read as a pair of signed 32-bit numbers (as Exiv2's Rational does), a
// directory of more than 256 entries is not read, and a directory reached
// twice is read only the first time. The XMP packet is parsed with expat, the
// parser under Exiv2's XMP toolkit, and only where the altitude must come from
// it. Whatever the reader cannot match, it gives up on.

#include "gpsifd.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <expat.h>
#include <limits>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kvimage::detail {

namespace {

constexpr std::uint16_t kExifIfdTag = 0x8769;
constexpr std::uint16_t kGpsIfdTag = 0x8825;
constexpr std::uint16_t kInteropIfdTag = 0xA005;
constexpr std::uint16_t kMakerNoteTag = 0x927C;
constexpr std::uint32_t kMaxEntries = 256;

enum : std::uint16_t {
    kByte = 1,
    kAscii = 2,
    kShort = 3,
    kLong = 4,
    kRational = 5,
    kUndefined = 7,
    kSignedRational = 10,
};

std::size_t TypeSize(std::uint16_t type)
{
    switch (type) {
    case 1:
    case 2:
    case 6:
    case 7:
        return 1;
    case 3:
    case 8:
        return 2;
    case 4:
    case 9:
    case 11:
    case 13:
        return 4;
    case 5:
    case 10:
    case 12:
        return 8;
    default:
        return 0;
    }
}

// One directory entry whose value lies within the TIFF data.
struct Entry
{
    bool present = false;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    const std::uint8_t* value = nullptr;
};

class Tiff
{
public:
    Tiff(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }

    // The byte order and the offset of IFD0.
    bool Header(std::uint32_t* ifd0)
    {
        if (m_size < 8)
            return false;
        if (m_data[0] == 'I' && m_data[1] == 'I')
            m_big = false;
        else if (m_data[0] == 'M' && m_data[1] == 'M')
            m_big = true;
        else
            return false;
        return U16(m_data + 2) == 42 && U32At(4, ifd0);
    }

    std::uint16_t U16(const std::uint8_t* p) const
    {
        return m_big ? std::uint16_t(p[0] << 8 | p[1]) : std::uint16_t(p[1] << 8 | p[0]);
    }

    std::uint32_t U32(const std::uint8_t* p) const
    {
        return m_big ? std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16
                | std::uint32_t(p[2]) << 8 | p[3]
                     : std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16
                | std::uint32_t(p[1]) << 8 | p[0];
    }

    bool U32At(std::uint32_t offset, std::uint32_t* value) const
    {
        if (offset > m_size || m_size - offset < 4)
            return false;
        *value = U32(m_data + offset);
        return true;
    }

    // The entries of the directory at offset; false when it does not lie within
    // the data or has more entries than Exiv2 reads.
    bool Directory(std::uint32_t offset, const std::uint8_t** entries, std::uint32_t* count) const
    {
        if (offset > m_size || m_size - offset < 2)
            return false;
        const std::uint32_t n = U16(m_data + offset);
        if (n > kMaxEntries || (m_size - offset - 2) / 12 < n)
            return false;
        *entries = m_data + offset + 2;
        *count = n;
        return true;
    }

    // The entry at p with its value located; false when the type is unknown or
    // the value does not lie within the data.
    bool Read(const std::uint8_t* p, Entry* entry) const
    {
        entry->type = U16(p + 2);
        entry->count = U32(p + 4);
        const std::uint64_t bytes = std::uint64_t(TypeSize(entry->type)) * entry->count;
        if (TypeSize(entry->type) == 0)
            return false;
        if (bytes <= 4) {
            entry->value = p + 8;
        } else {
            const std::uint32_t offset = U32(p + 8);
            // Exiv2 reads no value out of the TIFF header.
            if (offset < 8 || offset > m_size || m_size - offset < bytes)
                return false;
            entry->value = m_data + offset;
        }
        entry->present = true;
        return true;
    }

    // Component i of a rational entry, as Exiv2's Rational holds it.
    void Rational(const Entry& entry, std::uint32_t i, std::int32_t* numerator,
                  std::int32_t* denominator) const
    {
        *numerator = static_cast<std::int32_t>(U32(entry.value + 8 * i));
        *denominator = static_cast<std::int32_t>(U32(entry.value + 8 * i + 4));
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    bool m_big = false;
};

bool IsRational(const Entry& entry)
{
    return entry.type == kRational || entry.type == kSignedRational;
}

bool RationalAt(const Tiff& tiff, const Entry& entry, std::uint32_t i, double* value)
{
    if (!IsRational(entry) || i >= entry.count)
        return false;
    std::int32_t numerator = 0;
    std::int32_t denominator = 0;
    tiff.Rational(entry, i, &numerator, &denominator);
    if (denominator == 0)
        return false;
    *value = static_cast<double>(numerator) / static_cast<double>(denominator);
    return std::isfinite(*value);
}

bool Degrees(const Tiff& tiff, const Entry& entry, double limit, double* value)
{
    if (!entry.present || !IsRational(entry))
        return false;
    const std::uint32_t count = entry.count < 3 ? entry.count : 3;
    double result = 0.0;
    double scale = 1.0;
    for (std::uint32_t i = 0; i < count; ++i) {
        double part = 0.0;
        if (!RationalAt(tiff, entry, i, &part) || part < 0.0)
            return false;
        result += part / scale;
        scale *= 60.0;
    }
    if (!(result <= limit))
        return false;
    *value = result;
    return true;
}

// Whether an ASCII reference starts with letter once cut at its first NUL and
// trimmed; false in *known when the entry is of another type.
bool IsRef(const Entry& entry, char letter, bool* known)
{
    *known = true;
    if (!entry.present)
        return false;
    if (entry.type != kAscii) {
        *known = false;
        return false;
    }
    for (std::uint32_t i = 0; i < entry.count; ++i) {
        const char c = static_cast<char>(entry.value[i]);
        if (c == '\0')
            return false;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return std::toupper(static_cast<unsigned char>(c)) == letter;
    }
    return false;
}

// The integer value of an altitude reference, for the types Exiv2 reads as one.
bool Integer(const Tiff& tiff, const Entry& entry, long* value)
{
    switch (entry.type) {
    case kByte:
    case kUndefined:
        *value = entry.value[0];
        return true;
    case kShort:
        *value = tiff.U16(entry.value);
        return true;
    case kLong:
        *value = static_cast<long>(tiff.U32(entry.value));
        return true;
    default:
        return false;
    }
}

const char kXmpId[] = "http://ns.adobe.com/xap/1.0/"; // and its NUL: 29 bytes

// Names as expat gives them with namespace triplets: URI, local name, prefix.
const char kRdfDescription[] = "http://www.w3.org/1999/02/22-rdf-syntax-ns#|Description|rdf";
const char kRdfRdf[] = "http://www.w3.org/1999/02/22-rdf-syntax-ns#|RDF|rdf";

// The RDF and XMP elements that hold properties or items rather than values.
bool IsContainer(const std::string& name)
{
    static const char* const containers[] = {
        "adobe:ns:meta/|xmpmeta|",
        "http://www.w3.org/1999/02/22-rdf-syntax-ns#|RDF|",
        "http://www.w3.org/1999/02/22-rdf-syntax-ns#|Description|",
        "http://www.w3.org/1999/02/22-rdf-syntax-ns#|Bag|",
        "http://www.w3.org/1999/02/22-rdf-syntax-ns#|Seq|",
        "http://www.w3.org/1999/02/22-rdf-syntax-ns#|Alt|",
    };
    for (const char* container : containers)
        if (name.compare(0, std::strlen(container), container) == 0)
            return true;
    return false;
}

// Exiv2 names a property by the prefix its packet gives the namespace.
bool IsAltitude(const char* name)
{
    const char* bar = std::strchr(name, '|');
    return bar != nullptr && std::strcmp(bar, "|AbsoluteAltitude|drone-dji") == 0;
}

// The simple properties AbsoluteAltitude of the drone's namespace that are
// attributes or children of an rdf:Description of the packet's rdf:RDF.
struct XmpScan
{
    std::vector<std::string> path; // open elements
    // Per open element: 1 once it has text, 2 once it has a child element.
    std::vector<char> content;
    std::vector<std::string> values;
    bool in_value = false; // reading the text of values.back()
    bool odd = false;      // a form only Exiv2 can tell

    static void Start(void* data, const char* name, const char** attributes)
    {
        auto* scan = static_cast<XmpScan*>(data);
        if (scan->in_value)
            scan->odd = true; // a structure inside the value
        const bool description = std::strcmp(name, kRdfDescription) == 0 && !scan->path.empty()
            && scan->path.back() == kRdfRdf;
        for (const char** a = attributes; *a != nullptr; a += 2) {
            if (!IsAltitude(a[0]))
                continue;
            if (description)
                scan->values.emplace_back(a[1]);
            else
                scan->odd = true;
        }
        if (IsAltitude(name)) {
            if (!scan->path.empty() && scan->path.back() == kRdfDescription
                && attributes[0] == nullptr) {
                scan->values.emplace_back();
                scan->in_value = true;
            } else {
                scan->odd = true;
            }
        }
        // Text and elements mixed in one element: the toolkit refuses it.
        if (!scan->content.empty()) {
            scan->odd = scan->odd || (scan->content.back() & 1) != 0;
            scan->content.back() |= 2;
        }
        scan->path.emplace_back(name);
        scan->content.push_back(0);
    }

    static void End(void* data, const char* name)
    {
        auto* scan = static_cast<XmpScan*>(data);
        if (IsAltitude(name))
            scan->in_value = false;
        scan->path.pop_back();
        scan->content.pop_back();
    }

    static void Text(void* data, const char* text, int length)
    {
        auto* scan = static_cast<XmpScan*>(data);
        if (scan->in_value) {
            scan->values.back().append(text, static_cast<std::size_t>(length));
            return;
        }
        // Text beside the properties, which Exiv2's toolkit refuses.
        const bool blank = std::all_of(text, text + length, [](char c) {
            return c == ' ' || c == '\t' || c == '\r' || c == '\n';
        });
        if (blank)
            return;
        if (scan->path.empty() || IsContainer(scan->path.back()) || (scan->content.back() & 2) != 0)
            scan->odd = true;
        else
            scan->content.back() |= 1;
    }
};

// The drone's absolute altitude from an XMP packet, as Exiv2 reads
// Xmp.drone-dji.AbsoluteAltitude. *known is false where only Exiv2 can tell: a
// packet that is not well-formed (Exiv2's XMP toolkit rejects it or recovers),
// the property given twice or in another form than a simple value.
bool XmpAltitude(const std::uint8_t* packet, std::size_t size, double* value, bool* known)
{
    *known = true;
    if (packet == nullptr)
        return false;
    const char* begin = reinterpret_cast<const char*>(packet);
    const char needle[] = "AbsoluteAltitude";
    if (std::search(begin, begin + size, needle, needle + sizeof needle - 1) == begin + size)
        return false;
    *known = false;
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    XmpScan scan;
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreateNS(nullptr, '|'),
                                                                   XML_ParserFree);
    if (!parser)
        return false;
    XML_SetReturnNSTriplet(parser.get(), 1);
    XML_SetUserData(parser.get(), &scan);
    XML_SetElementHandler(parser.get(), &XmpScan::Start, &XmpScan::End);
    XML_SetCharacterDataHandler(parser.get(), &XmpScan::Text);
    // The name is there: unless it is found as one plain value, Exiv2 decides.
    if (XML_Parse(parser.get(), begin, static_cast<int>(size), 1) != XML_STATUS_OK || scan.odd
        || scan.values.size() != 1)
        return false;
    *known = true;
    std::istringstream in(scan.values.front());
    in.imbue(std::locale::classic());
    double v = 0.0;
    if (in >> v && std::isfinite(v)) {
        *value = v;
        return true;
    }
    return false;
}

// The first Exif and XMP APP1 segments; false unless every segment up to the
// start of the image data lies within the block.
bool Segments(const std::uint8_t* data, std::size_t size, const std::uint8_t** exif,
              std::size_t* exif_size, const std::uint8_t** xmp, std::size_t* xmp_size)
{
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    std::size_t p = 2;
    for (;;) {
        if (size - p < 2 || data[p] != 0xFF)
            return false;
        const std::uint8_t marker = data[p + 1];
        if (marker == 0xDA)
            return true;
        // Markers without a length, fill bytes and the end of the image: not a
        // plain sequence of segments.
        if (marker == 0xFF || marker == 0xD8 || marker == 0xD9 || marker == 0x01
            || (marker >= 0xD0 && marker <= 0xD7))
            return false;
        if (size - p < 4)
            return false;
        const std::size_t length = std::size_t(data[p + 2]) << 8 | data[p + 3];
        if (length < 2 || size - p - 2 < length)
            return false;
        // A frame header too short for its size stops Exiv2's reading.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC
            && length < 8)
            return false;
        const std::uint8_t* segment = data + p + 4;
        const std::size_t segment_size = length - 2;
        if (marker == 0xE1) {
            if (*exif == nullptr && segment_size >= 6 && std::memcmp(segment, "Exif\0\0", 6) == 0) {
                *exif = segment + 6;
                *exif_size = segment_size - 6;
            } else if (*xmp == nullptr && segment_size >= 29
                       && std::memcmp(segment, kXmpId, 29) == 0) {
                *xmp = segment + 29;
                *xmp_size = segment_size - 29;
            }
        }
        p += 2 + length;
    }
}

} // namespace

bool GpsFromBlock(const std::uint8_t* data, std::size_t size, double* lla)
{
    if (data == nullptr || lla == nullptr)
        return false;
    const std::uint8_t* exif = nullptr;
    const std::uint8_t* xmp = nullptr;
    std::size_t exif_size = 0;
    std::size_t xmp_size = 0;
    if (!Segments(data, size, &exif, &exif_size, &xmp, &xmp_size) || exif == nullptr)
        return false;

    Tiff tiff(exif, exif_size);
    std::uint32_t ifd0 = 0;
    const std::uint8_t* entries = nullptr;
    std::uint32_t count = 0;
    if (!tiff.Header(&ifd0) || !tiff.Directory(ifd0, &entries, &count))
        return false;
    Entry gps_pointer;
    std::uint32_t exif_ifd = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* p = entries + 12 * i;
        const std::uint16_t tag = tiff.U16(p);
        if (tag != kGpsIfdTag && tag != kExifIfdTag)
            continue;
        Entry entry;
        if (!tiff.Read(p, &entry) || entry.type != kLong || entry.count != 1)
            return false;
        if (tag == kExifIfdTag)
            exif_ifd = tiff.U32(entry.value);
        else if (gps_pointer.present)
            return false;
        else
            gps_pointer = entry;
    }
    if (!gps_pointer.present)
        return false;
    const std::uint32_t gps_ifd = tiff.U32(gps_pointer.value);
    std::uint32_t ifd1 = 0;
    tiff.U32At(ifd0 + 2 + 12 * count, &ifd1);
    // Exiv2 reads a directory reached twice only the first time, and reads
    // IFD0's other directories (the Exif IFD with its interoperability IFD and
    // maker note) before the GPS one.
    if (gps_ifd == ifd0 || gps_ifd == exif_ifd || gps_ifd == ifd1)
        return false;
    if (exif_ifd != 0 && tiff.Directory(exif_ifd, &entries, &count)) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* p = entries + 12 * i;
            const std::uint16_t tag = tiff.U16(p);
            if (tag != kInteropIfdTag && tag != kMakerNoteTag)
                continue;
            Entry entry;
            if (!tiff.Read(p, &entry))
                continue; // Exiv2 does not read it either
            const std::uint32_t start = tiff.U32(p + 8);
            if (tag == kInteropIfdTag ? gps_ifd == tiff.U32(entry.value)
                                      : gps_ifd >= start && gps_ifd - start < entry.count)
                return false;
        }
    }
    if (!tiff.Directory(gps_ifd, &entries, &count))
        return false;

    Entry tags[7]; // GPSVersionID (0) to GPSAltitude (6)
    bool seen[7] = {};
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* p = entries + 12 * i;
        const std::uint16_t tag = tiff.U16(p);
        if (tag == 0 || tag > 6)
            continue;
        if (seen[tag] || !tiff.Read(p, &tags[tag]))
            return false;
        seen[tag] = true;
        if (tags[tag].count == 0) // Exiv2 finds no value
            tags[tag] = Entry();
    }

    double latitude = 0.0;
    double longitude = 0.0;
    if (!Degrees(tiff, tags[2], 90.0, &latitude) || !Degrees(tiff, tags[4], 180.0, &longitude))
        return false;
    bool known_latitude_ref = false;
    bool known_longitude_ref = false;
    const bool south = IsRef(tags[1], 'S', &known_latitude_ref);
    const bool west = IsRef(tags[3], 'W', &known_longitude_ref);
    if (!known_latitude_ref || !known_longitude_ref)
        return false;
    if (south)
        latitude = -latitude;
    if (west)
        longitude = -longitude;

    double altitude = 0.0;
    if (tags[6].present && RationalAt(tiff, tags[6], 0, &altitude)) {
        long ref = 0;
        if (tags[5].present && !Integer(tiff, tags[5], &ref))
            return false;
        if (ref == 1)
            altitude = -std::fabs(altitude);
    } else {
        bool known = false;
        if (!XmpAltitude(xmp, xmp_size, &altitude, &known)) {
            if (!known)
                return false;
            altitude = 0.0;
        }
    }

    lla[0] = longitude;
    lla[1] = latitude;
    lla[2] = altitude;
    return true;
}

} // namespace kvimage::detail
