// New profiles and the key table: the defaults a new profile starts with and
// the type check every loaded file passes, which gives a value of the wrong
// type its default rather than costing the player the whole file.
#include "CProfile.h"

#include "CController.h"
#include "CSound.h"
#include "ProfileDefaults.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

template <typename T>
property_data Encoded(T value)
{
    property_data property;
    property.type = ProfileType<T>::tag;
    property.value.resize(ProfileType<T>::width);
    ProfileType<T>::Encode(value, property.value.data());
    return property;
}

property_data DefaultProperty(const ProfileKey& row)
{
    assert(!row.vector && row.hasDefault && strlen(row.tag) == 1);
    switch (row.tag[0]) {
    case 'i':
        return Encoded(static_cast<int>(row.value));
    case 'j':
        return Encoded(static_cast<unsigned int>(row.value));
    case 'l':
        return Encoded(static_cast<long>(row.value));
    case 'b':
        return Encoded(row.value != 0);
    default:
        assert(row.tag[0] == 'f');
        return Encoded(static_cast<float>(row.value));
    }
}

const ProfileKey* KeyRow(int key, bool vector)
{
    for (const ProfileKey& row : kProfileKeys) {
        if (row.vector == vector && key >= row.key && key < row.key + row.count) {
            return &row;
        }
    }
    return nullptr;
}

// A tag as a log line can show it: printable and short.
std::string Printable(const std::string& tag)
{
    std::string shown;
    for (char c : tag.substr(0, 40)) {
        shown += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return tag.size() > 40 ? shown + "..." : shown;
}

// A value of a known type that can be read as one, and of its key's type
// where the key is one of the game's. A float must be a number: a volume or
// a factor of NaN or infinity would spread into everything it scales.
bool ScalarReadable(const property_data& property, const ProfileKey* row)
{
    const int width = StoredWidth(property.type.data(), property.type.size());
    if (width == 0 || static_cast<size_t>(width) != property.value.size() || (row && property.type != row->tag)) {
        return false;
    }
    return property.type != "f" || std::isfinite(ProfileType<float>::Decode(property.value.data()));
}

// The value as the log shows it: the number where its type is known.
std::string DescribeScalar(const property_data& property)
{
    const std::string as = " as \"" + Printable(property.type) + "\"";
    const int width = StoredWidth(property.type.data(), property.type.size());
    if (width != 0 && static_cast<size_t>(width) == property.value.size() && property.type.size() == 1) {
        const char* bytes = property.value.data();
        char text[64];
        switch (property.type[0]) {
        case 'i':
            snprintf(text, sizeof text, "%d", ProfileType<int>::Decode(bytes));
            return text + as;
        case 'j':
            snprintf(text, sizeof text, "%u", ProfileType<unsigned int>::Decode(bytes));
            return text + as;
        case 'l':
            snprintf(text, sizeof text, "%ld", ProfileType<long>::Decode(bytes));
            return text + as;
        case 'b':
            snprintf(text, sizeof text, "%d", static_cast<unsigned char>(bytes[0]));
            return text + as;
        case 'f':
            snprintf(text, sizeof text, "%g", static_cast<double>(ProfileType<float>::Decode(bytes)));
            return text + as;
        default:
            break;
        }
    }
    std::string hex;
    for (size_t i = 0; i < property.value.size() && i < 8; i++) {
        char pair[4];
        snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(property.value[i]));
        hex += pair;
    }
    return std::to_string(property.value.size()) + (property.value.size() == 1 ? " byte" : " bytes") +
           (hex.empty() ? "" : " " + hex) +
           (property.value.size() > 8 ? "..." : "") + as;
}

}  // namespace

void CProfile::StoreDefaults(ScalarMap& scalars)
{
    for (const ProfileKey& row : kProfileKeys) {
        if (!row.hasDefault) {
            continue;
        }
        const property_data property = DefaultProperty(row);
        for (int key = row.key; key < row.key + row.count; key++) {
            scalars.emplace(key, property);
        }
    }
}

bool CProfile::ScalarFits(int key, const property_data& property)
{
    return ScalarReadable(property, KeyRow(key, false));
}

bool CProfile::VectorFits(int key, const vector_property_data& property)
{
    const ProfileKey* row = KeyRow(key, true);
    const int width = StoredWidth(property.type.data(), property.type.size());
    return width != 0 && property.size == width && property.data.size() % width == 0 &&
           (!row || property.type == row->tag);
}

std::string CProfile::DescribeHeld(const property_data& property)
{
    return DescribeScalar(property);
}

std::vector<CProfile::differing_copy> CProfile::CopiesThatDiffer(const ScalarMap& scalars, const VectorMap& vectors,
                                                                  const LaterCopies& later)
{
    std::vector<differing_copy> differing;
    const auto note = [](const std::string& key, const std::string& first, const std::string& copy) {
        return key + " was stored more than once and its copies differ: the first, " + first +
               ", was kept and a later one, " + copy + ", left out";
    };
    for (const auto& [key, copy] : later.scalars) {
        const property_data& first = scalars.at(key);
        if (copy.type != first.type || copy.value != first.value) {
            differing.push_back({key, false,
                                 note("Profile key " + std::to_string(key), DescribeScalar(first), DescribeScalar(copy))});
        }
    }
    // Records as the log shows them: their count where they can be read.
    const auto records = [](int key, const vector_property_data& property) {
        if (!VectorFits(key, property)) {
            return std::to_string(property.data.size()) + " bytes of \"" + Printable(property.type) + "\" records of " +
                   std::to_string(property.size) + " bytes each";
        }
        const size_t count = property.data.size() / static_cast<size_t>(property.size);
        return std::to_string(count) + (count == 1 ? " record" : " records");
    };
    for (const auto& [key, copy] : later.vectors) {
        const vector_property_data& first = vectors.at(key);
        if (copy.type != first.type || copy.size != first.size || copy.data != first.data) {
            differing.push_back(
                {key, true, note("Profile vector key " + std::to_string(key), records(key, first), records(key, copy))});
        }
    }
    return differing;
}

void CProfile::RepairTypes(ScalarMap& scalars, VectorMap& vectors, std::vector<std::string>& notes)
{
    for (auto it = scalars.begin(); it != scalars.end();) {
        const int key = it->first;
        const property_data& property = it->second;
        const ProfileKey* row = KeyRow(key, false);
        if (ScalarReadable(property, row)) {
            ++it;
            continue;
        }
        const std::string held = "Profile key " + std::to_string(key) + " held " + DescribeScalar(property);
        if (row && row->hasDefault) {
            notes.push_back(held + "; it takes its default");
            it->second = DefaultProperty(*row);
            ++it;
        } else {
            notes.push_back(held + "; it was left out");
            it = scalars.erase(it);
        }
    }
    for (auto it = vectors.begin(); it != vectors.end();) {
        const int key = it->first;
        const vector_property_data& property = it->second;
        if (VectorFits(key, property)) {
            ++it;
            continue;
        }
        notes.push_back("Profile vector key " + std::to_string(key) + " held " + std::to_string(property.data.size()) +
                        " bytes of \"" + Printable(property.type) + "\" records of " + std::to_string(property.size) +
                        " bytes each; they were left out");
        it = vectors.erase(it);
    }
}

void CProfile::CreateNewProfile(bool apply)
{
    memset(reserved, 0, sizeof reserved);
    // Both stores start empty: a new player must not inherit the previous
    // player's island, islanders and buildings.
    properties.clear();
    vectorProperties.clear();
    StoreDefaults(properties);
    GrabInput(false);
    if (apply) {
        // A new profile leaves the full-screen wish as it is.
        ApplySoundAndMouseSettings();
    }
}
