// New profiles and the key table: the defaults a new profile starts with and
// the type check every loaded file passes.
#include "CProfile.h"

#include "CController.h"
#include "CSound.h"
#include "ProfileDefaults.h"

#include <cassert>
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

bool CProfile::KeysHaveTheirTypes(const ScalarMap& scalars, const VectorMap& vectors)
{
    for (const ProfileKey& row : kProfileKeys) {
        for (int key = row.key; key < row.key + row.count; key++) {
            if (row.vector) {
                auto found = vectors.find(key);
                if (found != vectors.end() && found->second.type != row.tag) {
                    return false;
                }
            } else {
                auto found = scalars.find(key);
                if (found != scalars.end() && found->second.type != row.tag) {
                    return false;
                }
            }
        }
    }
    return true;
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
